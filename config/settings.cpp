#include "config/settings.h"

#include "platform/filesystem.h"
#include "platform/module.h"

namespace xvo {

Settings::Settings(bool loadNow)
{
    if (loadNow)
        load();
}

void Settings::load()
{
    refreshCurrentDir();
    appPath = platform::moduleFileName();
    int32_t k = appPath.length() - 1;
    while (k >= 0 && appPath[k] != '/' && appPath[k] != '\\')
        --k;
    appHome = appPath.left(k + 1);
    embeddedStart = length();
}

void Settings::refreshCurrentDir()
{
    currentDir.clear();
    if (!platform::currentDirectory(currentDir))
        return;
    char last = currentDir.length() > 0 ? currentDir[currentDir.length() - 1] : 0;
    if (last != '\\' && last != '/')
        currentDir.append("/");
}

Text Settings::findValues(const char*, bool, bool, ValueVisitor, void*) const
{
    return Text();
}

Text Settings::getValue(const char* key, bool embeddedOnly, bool toAnsi) const
{
    return findValues(key, embeddedOnly, toAnsi, nullptr, nullptr);
}

Text Settings::getExpandedValue(const char* key) const
{
    return getValue(key, false, true);
}

void Settings::getValueList(const char*, StringList&, bool, bool) const
{
}

}  // namespace xvo
