#include "vmhost/version_limits.h"

#include <cctype>

#include "base/convert.h"
#include "config/settings.h"
#include "launcher/current.h"
#include "launcher/messages.h"
#include "vmhost/jni_support.h"
#include "vmhost/vm_host.h"

namespace xvo {

namespace {

bool isSpace(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// One "%d": blanks, a sign, digits. Saturates instead of overflowing, which the format
// leaves undefined.
bool readNumber(const char*& p, int32_t& value)
{
    while (isSpace(*p))
        ++p;
    const char* start = p;
    bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    if (!std::isdigit(static_cast<unsigned char>(*p))) {
        p = start;
        return false;
    }
    int64_t magnitude = 0;
    for (; std::isdigit(static_cast<unsigned char>(*p)); ++p)
        magnitude = magnitude > INT32_MAX ? magnitude : magnitude * 10 + (*p - '0');
    if (magnitude > INT32_MAX)
        magnitude = negative ? int64_t(INT32_MAX) + 1 : INT32_MAX;
    value = int32_t(negative ? -magnitude : magnitude);
    return true;
}

// -1: v below m at the first differing field; 1: above; 0: the shared fields are equal.
int compareFields(const JavaVersion& v, const JavaVersion& m)
{
    int32_t n = v.count < m.count ? v.count : m.count;
    for (int32_t i = 0; i < n; ++i) {
        if (v.fields[i] != m.fields[i])
            return v.fields[i] < m.fields[i] ? -1 : 1;
    }
    return 0;
}

}  // namespace

JavaVersion parseJavaVersion(const char* text)
{
    JavaVersion version;
    const char* p = text ? text : "";
    const char* blanks = p;
    while (isSpace(*blanks))
        ++blanks;
    if (*blanks == '\0')
        return version;
    version.count = 0;
    static const char separators[] = {'.', '.', '_'};
    while (version.count < 4 && readNumber(p, version.fields[version.count])) {
        ++version.count;
        if (version.count == 4 || *p != separators[version.count - 1])
            break;
        ++p;
    }
    return version;
}

int compareWithLimits(const VersionLimits& limits)
{
    JavaVersion running = parseJavaVersion(limits.running.cstr());
    if (compareFields(running, parseJavaVersion(limits.minimum.cstr())) < 0)
        return versionTooLow;
    if (compareFields(running, parseJavaVersion(limits.maximum.cstr())) > 0)
        return versionTooHigh;
    return versionAccepted;
}

int checkVersionLimits(VmHost& host, VersionLimits& limits)
{
    const Settings& settings = *currentSettings();
    limits.minimum = settings.getValue("minjre");
    limits.maximum = settings.getValue("maxjre");
    if (limits.minimum.length() == 0 && limits.maximum.length() == 0)
        return versionAccepted;
    if (!readJavaVersion(host, limits.running))
        return versionUnknown;
    return compareWithLimits(limits);
}

bool readJavaVersion(VmHost& host, Text& version)
{
    JNIEnv* env = host.env;
    if (!env)
        return false;
    jclass system = env->FindClass("java/lang/System");
    jmethodID getProperty =
        system ? env->GetStaticMethodID(system, "getProperty", "(Ljava/lang/String;)Ljava/lang/String;") : nullptr;
    if (!getProperty) {
        env->ExceptionClear();
        deleteLocal(env, system);
        return false;
    }
    jstring key = env->NewStringUTF("java.version");
    jstring value = key ? static_cast<jstring>(env->CallStaticObjectMethod(system, getProperty, key)) : nullptr;
    if (value) {
        const jchar* units = env->GetStringChars(value, nullptr);
        if (units) {
            WideText wide = WideText::scan(reinterpret_cast<const char16_t*>(units), env->GetStringLength(value));
            version = narrow(wide.data(), wide.length());
            env->ReleaseStringChars(value, units);
        }
    }
    env->ExceptionClear();
    deleteLocal(env, value);
    deleteLocal(env, key);
    env->DeleteLocalRef(system);
    return true;
}

Text versionMessage(int result, const VersionLimits& limits)
{
    const char* arguments[] = {limits.running.cstr(), limits.minimum.cstr(), limits.maximum.cstr(), "", ""};
    return fillTemplate(messageText(result).cstr(), arguments, 5);
}

}  // namespace xvo
