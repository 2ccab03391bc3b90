// Environment variables set by a test for the processes it starts (ctest runs each test
// in a process of its own, so a change lasts only for that test).
#pragma once

#include <cstdlib>
#include <string>

namespace xvo::test {

/// Sets name to value; a null value removes the variable.
inline void setEnvironment(const char* name, const char* value)
{
#ifdef _WIN32
    _putenv_s(name, value ? value : "");
#else
    if (value)
        setenv(name, value, 1);
    else
        unsetenv(name);
#endif
}

/// Sets a variable for the life of the object and puts the previous value back after.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : name_(name)
    {
        const char* old = std::getenv(name);
        hadValue_ = old != nullptr;
        if (old)
            previous_ = old;
        setEnvironment(name, value);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    ~ScopedEnvironment() { setEnvironment(name_.c_str(), hadValue_ ? previous_.c_str() : nullptr); }

private:
    std::string name_;
    std::string previous_;
    bool hadValue_ = false;
};

}  // namespace xvo::test
