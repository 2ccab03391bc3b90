package xvotest;

// Holds a nested main class, named xvotest.Outer$Inner for the launcher.
public class Outer {
    public static class Inner {
        public static void main(String[] args) {
            System.out.println("inner main");
        }
    }
}
