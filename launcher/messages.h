// Every text the launcher shows is addressed by a message identifier.
#pragma once

#include <cstdint>

#include "base/text.h"

namespace xvo {

enum MessageId : int32_t {
    msgJreNotFound = 1,
    msgJreNotValid = 2,
    msgVmInitializeFailed = 3,
    msgVmStartFailed = 4,
    msgVersionUnknown = 5,
    msgVersionTooLow = 6,
    msgMainClassNotFound = 7,
    msgMainMethodMissing = 8,
    msgErrorCaption = 10,
    msgVersionTooHigh = 12,
    msgAlreadyRunning = 13,
    msgServiceName = 256,
    msgServiceDisplayName = 257,
    msgServiceDescription = 258,
    msgServiceDependencies = 259,
    msgNtOnly = 272,
    msgInstalled = 273,
    msgInstallFailed = 274,
    msgUninstalled = 275,
    msgUninstallFailed = 276,
    msgAccessDenied = 277,
    msgNameExists = 278,
    msgMarkedForDelete = 279,
    msgServiceExists = 280,
    msgErrorOccurs = 281,
    msgServiceMissing = 282,
    msgHelp = 1024,
};

/// The text of a message: the configured replacement when there is one, otherwise the
/// string table entry, otherwise empty. Never fails.
Text messageText(int32_t id);

/// Completes a message template: each "%s" takes the next argument (empty when none is
/// left) and "%%" gives "%"; every other character, other conversions included, is
/// copied as it stands, so a configured text never reads arguments that were not passed.
Text fillTemplate(const char* pattern, const char* const* arguments, int32_t count);

/// Writes the text and a line feed to standard error, and to standard output as well
/// unless both are redirected to the same target.
void reportMessage(const Text& text);

}  // namespace xvo
