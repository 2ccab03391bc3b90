package com.tessaron.xvo;

import java.io.Serializable;

/**
 * The running instances of one application, known by their process ids, and serialised
 * objects sent from one instance to another. The natives live in the launcher.
 */
public class Instances {

    static {
        // The launcher names its own executable here; it exports the natives, so it is the
        // library. Outside the launcher nothing is loaded and the natives stay unbound.
        String appPath = System.getProperty("xvo.app.path");
        if (appPath != null) {
            System.load(appPath);
        }
    }

    public Instances() {
        super();
    }

    /** The process id of the owning instance, or -1 when messaging is off. */
    public static native int getFirstInstance();

    /** This process's own process id, or -1 when messaging is off. */
    public static native int getCurrentInstance();

    /** The process ids of the running instances, the owner first. */
    public static native int[] getInstances();

    /** Sends the object to the first (owning) instance. */
    public static void sendObject(Serializable object) {
        sendObject(getFirstInstance(), object);
    }

    public static native void sendObject(int instance, Serializable object);

    /** Waits (a few seconds at most) until the queued objects have been handed over. */
    public static native void flush();

    /** Installs the receiver of objects that other instances send to this one. */
    public static native void setReceiver(Instances.ReceiverInterface receiver);

    /** Implemented by the application to receive objects from other instances. */
    public static interface ReceiverInterface {
        void onReceive(int instance, Serializable object);
    }
}
