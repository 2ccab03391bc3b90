package xvotest;

// Ends the VM with the exit status given as its first argument.
public class Exit {
    public static void main(String[] args) {
        System.exit(Integer.parseInt(args[0]));
    }
}
