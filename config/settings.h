// The configuration store: the combined configuration text and the launcher's paths.
#pragma once

#include "base/string_list.h"
#include "base/text.h"

namespace xvo {

/// Called for every line that carries a key, in text order.
using ValueVisitor = void (*)(void* context, const Text& value);

/// The configuration text (external part, CR LF, embedded part) with the paths every
/// subsystem needs. Each lookup scans the text anew.
class Settings : public Text {
public:
    /// With load set, reads the configuration of the running executable.
    explicit Settings(bool load);
    ~Settings() override = default;

    /// Records the process's current directory, ending with a separator.
    void refreshCurrentDir();

    /// The scan under every lookup: without a visitor the first value of key (or empty);
    /// with one, every value in text order and an empty result.
    Text findValues(const char* key, bool embeddedOnly, bool toAnsi, ValueVisitor visitor, void* context) const;
    Text getValue(const char* key, bool embeddedOnly = false, bool toAnsi = true) const;
    /// getValue, then expansion of references in the value.
    Text getExpandedValue(const char* key) const;
    /// Appends every value of key, expanded, to list.
    void getValueList(const char* key, StringList& list, bool embeddedOnly, bool toAnsi) const;

    /// Load steps after the paths are known: the external file's bytes (null when none
    /// was read), CR LF, the embedded block, then the "disableexternal" rule.
    void combine(const Text* externalBytes, const Text& embeddedBlock);

    Text appPathCopy() const { return appPath; }
    Text appHomeCopy() const { return appHome; }

    int32_t embeddedStart = 0;
    Text appPath;
    Text appHome;
    Text currentDir;
    Text vmKindText;
    /// -1 when the launcher file holds no payload that its offsets can reach.
    int32_t lengthFieldEnd = -1;

private:
    void load();
};

}  // namespace xvo
