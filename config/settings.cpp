#include "config/settings.h"

#include "base/convert.h"
#include "base/trace.h"
#include "config/config_text.h"
#include "config/expand.h"
#include "config/external_file.h"
#include "config/payload.h"
#include "platform/filesystem.h"
#include "platform/module.h"

namespace xvo {

namespace {

bool hasHighBytes(const Text& value)
{
    for (int32_t i = 0; i < value.length(); ++i) {
        if (static_cast<unsigned char>(value[i]) >= 0x80)
            return true;
    }
    return false;
}

struct ListTarget {
    StringList* list;
    ExpandForm form;
};

void appendExpanded(void* context, const Text& value)
{
    ListTarget* target = static_cast<ListTarget*>(context);
    target->list->append(expandValue(value, target->form).cstr());
}

}  // namespace

Settings::Settings(bool loadNow)
{
    if (loadNow)
        load();
}

void Settings::load()
{
    appPath = platform::moduleFileName();
    locatePayload(*this);
    refreshCurrentDir();
    int32_t k = appPath.length() - 1;
    while (k >= 0 && appPath[k] != '/' && appPath[k] != '\\')
        --k;
    appHome = appPath.left(k + 1);
    Text embedded = readEmbeddedBlock(*this);
    trace("embedded configuration of %s: %d bytes", appPath.cstr(), int(embedded.length()));
    Text external;
    bool found = readExternalFile(appPath, external);
    combine(found ? &external : nullptr, embedded);
}

void Settings::combine(const Text* externalBytes, const Text& embeddedBlock)
{
    if (externalBytes)
        appendDecoded(*this, *externalBytes);
    if (length() > 0)
        append("\r\n");
    embeddedStart = length();
    appendDecoded(*this, embeddedBlock);
    applyDisableExternal(*this);
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

Text Settings::findValues(const char* key, bool embeddedOnly, bool toAnsi, ValueVisitor visitor, void* context) const
{
    int32_t start = embeddedOnly ? embeddedStart : 0;
    if (start < 0 || start > length())
        return Text();
    const char* cursor = cstr() + start;
    Text line;
    while (nextLine(cursor, line)) {
        if (!matchLine(line, key))
            continue;
        if (toAnsi && hasHighBytes(line)) {
            WideText wide = fromUtf8(line.data(), line.length());
            line = narrow(wide.data(), wide.length());
        }
        if (!visitor)
            return line;
        visitor(context, line);
    }
    return Text();
}

Text Settings::getValue(const char* key, bool embeddedOnly, bool toAnsi) const
{
    return findValues(key, embeddedOnly, toAnsi, nullptr, nullptr);
}

Text Settings::getExpandedValue(const char* key) const
{
    return expandValue(getValue(key, false, true), ExpandForm::plain);
}

void Settings::getValueList(const char* key, StringList& list, bool embeddedOnly, bool toAnsi) const
{
    ListTarget target{&list, toAnsi ? ExpandForm::plain : ExpandForm::utf8};
    findValues(key, embeddedOnly, toAnsi, appendExpanded, &target);
}

}  // namespace xvo
