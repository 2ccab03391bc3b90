package com.tessaron.xvo;

import java.io.IOException;
import java.io.InputStream;
import java.io.ObjectInputStream;
import java.io.ObjectStreamClass;

/**
 * Reads serialised objects with the classes of a given class loader, so an object received
 * from another instance resolves to the receiver's application classes rather than to what
 * the caller's loader happens to see.
 */
public class ClassLoaderObjectInputStream extends ObjectInputStream {

    private ClassLoader classLoader;

    public ClassLoaderObjectInputStream(InputStream in, ClassLoader classLoader) throws IOException {
        super(in);
        this.classLoader = classLoader;
    }

    protected Class<?> resolveClass(ObjectStreamClass desc) throws IOException, ClassNotFoundException {
        try {
            // Not initialised: deserialising must not run the class's static code early.
            return Class.forName(desc.getName(), false, classLoader);
        } catch (ClassNotFoundException e) {
            // Primitive types and classes this loader cannot see: the stream's own rule.
            return super.resolveClass(desc);
        }
    }
}
