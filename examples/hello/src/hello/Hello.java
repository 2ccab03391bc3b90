package hello;

import com.tessaron.xvo.ServiceStatusManager;

/**
 * A small application packaged behind the launcher: it shows what the launcher hands to
 * a Java program (arguments, system properties, service mode) and uses the support
 * classes the way a service application would.
 */
public class Hello {

    /** The system properties the launcher sets before main runs. */
    private static final String[] LAUNCHER_PROPERTIES = {
        "xvo.app.path", "application.home", "java.class.path", "xvo.class.path", "xvo.is.elevated",
    };

    public static void main(String[] args) {
        System.out.println("Hello from " + Hello.class.getName());

        // The configured "argv" values come first, then the command line's own arguments.
        for (int i = 0; i < args.length; i++) {
            System.out.println("  argument " + i + ": " + args[i]);
        }

        for (String name : LAUNCHER_PROPERTIES) {
            System.out.println("  " + name + " = " + shorten(System.getProperty(name, "(not set)")));
        }
        // Set by a "property" line of the configuration.
        System.out.println("  hello.greeting = " + System.getProperty("hello.greeting", "(not set)"));

        try {
            System.out.println("  running as a service: " + ServiceStatusManager.isRunAsService);
            // A service reports "running" once it is ready; in a console run this does nothing.
            ServiceStatusManager.setServiceStatus(ServiceStatusManager.STATUS_RUNNING);
            System.out.println("  launcher arguments: " + ServiceStatusManager.getCommandLineArguments().length);
            System.out.println("  service start parameters: " + ServiceStatusManager.getStartupParameters().length);
        } catch (LinkageError e) {
            // Started without the launcher (plain "java -cp"), or by a launcher without these natives.
            System.out.println("  support natives not available: " + e);
        }
    }

    /** Class paths can be long; the start and the end say enough. */
    private static String shorten(String value) {
        int limit = 100;
        if (value.length() <= limit) {
            return value;
        }
        return value.substring(0, limit / 2) + " ... " + value.substring(value.length() - limit / 2);
    }
}
