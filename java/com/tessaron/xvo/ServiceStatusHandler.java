package com.tessaron.xvo;

/**
 * Implemented by a service application to answer the service manager's requests. The
 * launcher calls these methods from its control handler while the application runs as a
 * service; install the handler with ServiceStatusManager.setServiceStatusHandler.
 */
public interface ServiceStatusHandler {

    /** Asked once, when the handler is installed: true lets the service be paused. */
    boolean canPause();

    /** The service is asked to pause; true reports it paused. */
    boolean onPause();

    /** The paused service is asked to go on; true reports it running again. */
    boolean onContinue();

    /** The service is asked to stop; the VM exits afterwards whatever the result. */
    boolean onStop();
}
