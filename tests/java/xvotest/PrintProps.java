package xvotest;

// Shows the system properties (NAME) and environment variables (env:NAME) named by the
// arguments, each non-ASCII char written as a backslash, u and four hex digits, so a test
// reads them as plain ASCII whatever the console encoding.
public class PrintProps {
    public static void main(String[] args) {
        for (String name : args) {
            String value = name.startsWith("env:")
                    ? System.getenv(name.substring(4))
                    : System.getProperty(name);
            System.out.println(name + "=" + escape(value));
        }
    }

    private static String escape(String value) {
        if (value == null) {
            return "<null>";
        }
        StringBuilder text = new StringBuilder();
        for (char c : value.toCharArray()) {
            if (c > 127) {
                text.append(String.format("\\u%04X", (int) c));
            } else {
                text.append(c);
            }
        }
        return text.toString();
    }
}
