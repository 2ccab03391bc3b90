package com.tessaron.xvo;

/**
 * The application's side of the service status: it reports its state to the service
 * manager and installs the handler of stop, pause and continue requests. Outside service
 * mode (a console run, or a VM the launcher did not start) the reports do nothing.
 */
public class ServiceStatusManager {

    // The service manager's own state numbers, passed on unchanged.
    public static final int STATUS_PAUSED = 7;
    public static final int STATUS_RUNNING = 4;
    public static final int STATUS_START_PENDING = 2;

    /** Set to true by the launcher, through JNI, before main runs in service mode. */
    public static boolean isRunAsService;

    static {
        isRunAsService = false;
        // The launcher names its own executable here; it exports the natives, so it is the
        // library. Outside the launcher nothing is loaded and the natives stay unbound.
        String appPath = System.getProperty("xvo.app.path");
        if (appPath != null) {
            System.load(appPath);
        }
    }

    public ServiceStatusManager() {
        super();
    }

    /** Reports a state (one of the STATUS_ constants) when running as a service. */
    public static void setServiceStatus(int status) {
        if (isRunAsService) {
            nativeSetServiceStatus(status);
        }
    }

    /** Installs the handler of the service's requests when running as a service. */
    public static void setServiceStatusHandler(ServiceStatusHandler handler) {
        if (isRunAsService) {
            nativeSetServiceStatusHandler(handler);
        }
    }

    /** The arguments the launcher itself was started with (empty outside service mode). */
    public static native String[] getCommandLineArguments();

    /** The start parameters the service manager passed (empty outside service mode). */
    public static native String[] getStartupParameters();

    private static native void nativeSetServiceStatus(int status);

    private static native void nativeSetServiceStatusHandler(ServiceStatusHandler handler);
}
