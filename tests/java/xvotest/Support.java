package xvotest;

import com.tessaron.xvo.RedirOutputStream;
import com.tessaron.xvo.ServiceStatusHandler;
import com.tessaron.xvo.ServiceStatusManager;

// Calls every support-class native that a console run can reach, under the launcher. The
// first argument, when given, is the native handle that the redirected stream writes to.
public class Support {

    // Nothing native stores the handle, so the application sets it itself.
    static class HandleStream extends RedirOutputStream {
        HandleStream(long handle) {
            h = handle;
        }
    }

    public static void main(String[] args) throws Exception {
        System.out.println("isRunAsService=" + ServiceStatusManager.isRunAsService);
        ServiceStatusManager.setServiceStatus(ServiceStatusManager.STATUS_RUNNING);
        ServiceStatusManager.setServiceStatusHandler(new ServiceStatusHandler() {
            public boolean canPause() { return false; }
            public boolean onPause() { return false; }
            public boolean onContinue() { return true; }
            public boolean onStop() { return true; }
        });
        System.out.println("args=" + ServiceStatusManager.getCommandLineArguments().length);
        System.out.println("startup=" + ServiceStatusManager.getStartupParameters().length);
        System.out.flush();

        long handle = args.length > 0 ? Long.parseLong(args[0]) : 0;
        new HandleStream(handle).write("redir-ok\n".getBytes("US-ASCII"));
        new HandleStream(0).write('x');
        System.out.println("done");
    }
}
