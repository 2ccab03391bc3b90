// Messaging between the running instances of one application.
#pragma once

namespace xvo {

/// Starts the receiver of this process's messages; does nothing when already started.
void startMessaging();

}  // namespace xvo
