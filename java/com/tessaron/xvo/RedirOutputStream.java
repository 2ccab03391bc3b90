package com.tessaron.xvo;

import java.io.IOException;
import java.io.OutputStream;

/**
 * An output stream that writes each byte to a native handle of the launcher's process (a
 * file, pipe or standard stream handle). Nothing native stores the handle: a subclass or
 * the code that creates the stream sets h. While h is 0, writes are dropped silently.
 */
public class RedirOutputStream extends OutputStream {

    protected long h;

    static {
        // The launcher names its own executable here; it exports the natives, so it is the
        // library. Outside the launcher nothing is loaded and the natives stay unbound.
        String appPath = System.getProperty("xvo.app.path");
        if (appPath != null) {
            System.load(appPath);
        }
    }

    public RedirOutputStream() {
        super();
        h = 0;
    }

    public native void write(int b) throws IOException;
}
