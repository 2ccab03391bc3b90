package xvotest;

// Lets an exception escape from main.
public class Thrower {
    public static void main(String[] args) {
        throw new IllegalStateException("thrown from main");
    }
}
