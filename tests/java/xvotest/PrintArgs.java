package xvotest;

// Shows the arguments main received, with the code of every non-ASCII char, so a test can
// check them whatever the console's encoding.
public class PrintArgs {
    public static void main(String[] args) {
        System.out.println("argc=" + args.length);
        for (int i = 0; i < args.length; i++) {
            StringBuilder line = new StringBuilder("arg[" + i + "]=" + args[i]);
            for (char c : args[i].toCharArray()) {
                if (c > 127) {
                    line.append(String.format(" U+%04X", (int) c));
                }
            }
            System.out.println(line);
        }
    }
}
