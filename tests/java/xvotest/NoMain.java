package xvotest;

// A class that loads but has no main(String[]) to call.
public class NoMain {
    public static void run() {
        System.out.println("run");
    }
}
