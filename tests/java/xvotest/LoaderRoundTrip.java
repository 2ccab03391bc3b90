package xvotest;

import com.tessaron.xvo.ClassLoaderObjectInputStream;
import java.io.ByteArrayInputStream;
import java.io.ByteArrayOutputStream;
import java.io.ObjectInputStream;
import java.io.ObjectOutputStream;
import java.io.Serializable;
import java.net.URL;
import java.net.URLClassLoader;

// Run with plain "java -cp": an object read back through ClassLoaderObjectInputStream gets
// its class from the stream's loader, and from the default rule when that loader lacks it.
public class LoaderRoundTrip {

    public static class Payload implements Serializable {
        private static final long serialVersionUID = 1L;
        public String text = "payload";
    }

    public static void main(String[] args) throws Exception {
        // A loader of its own over this archive, not delegating to the application's: its
        // Payload is a class of its own that no other loader sees.
        URL archive = LoaderRoundTrip.class.getProtectionDomain().getCodeSource().getLocation();
        ClassLoader isolated = new URLClassLoader(new URL[] {archive}, null);
        Object sent = isolated.loadClass(Payload.class.getName()).getDeclaredConstructor().newInstance();
        byte[] bytes = serialise(sent);

        Object own = deserialise(bytes, isolated);
        System.out.println("own-loader=" + (own.getClass().getClassLoader() == isolated));

        ClassLoader bootstrapOnly = new URLClassLoader(new URL[0], null);
        Object fallback = deserialise(bytes, bootstrapOnly);
        System.out.println("fallback=" + (fallback.getClass() == Payload.class));

        Object primitive = deserialise(serialise(new int[] {1, 2}), bootstrapOnly);
        System.out.println("array=" + (primitive instanceof int[]));
    }

    private static byte[] serialise(Object object) throws Exception {
        ByteArrayOutputStream bytes = new ByteArrayOutputStream();
        ObjectOutputStream out = new ObjectOutputStream(bytes);
        out.writeObject(object);
        out.close();
        return bytes.toByteArray();
    }

    private static Object deserialise(byte[] bytes, ClassLoader loader) throws Exception {
        ObjectInputStream in = new ClassLoaderObjectInputStream(new ByteArrayInputStream(bytes), loader);
        try {
            return in.readObject();
        } finally {
            in.close();
        }
    }
}
