package xvotest;

import com.tessaron.xvo.ServiceStatusManager;

// Run with plain "java -cp", without the launcher: the support classes must initialise
// without a native library, do nothing outside service mode, and leave their natives unbound.
public class PlainSupport {
    public static void main(String[] args) throws Exception {
        ClassLoader loader = PlainSupport.class.getClassLoader();
        Class.forName("com.tessaron.xvo.ServiceStatusManager", true, loader);
        Class.forName("com.tessaron.xvo.RedirOutputStream", true, loader);
        Class.forName("com.tessaron.xvo.Instances", true, loader);
        System.out.println("loaded-nothing");

        ServiceStatusManager.setServiceStatus(ServiceStatusManager.STATUS_RUNNING);
        ServiceStatusManager.setServiceStatusHandler(null);
        try {
            ServiceStatusManager.getCommandLineArguments();
            System.out.println("bound");
        } catch (UnsatisfiedLinkError e) {
            System.out.println("unbound");
        }
    }
}
