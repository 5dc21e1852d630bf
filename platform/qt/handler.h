#pragma once

// Every event handler of a window runs inside RunHandler: a user message shows in a modal
// message box, any other error in the standard error box; the handler stops there and what it
// wrote before stays.

#include "platform/qt/user_interface.h"

#include <functional>

namespace platform::qt {

// Runs the body; returns false when it stopped on an error (after showing it).
bool RunHandler(UserInterface& ui, const std::function<void()>& body);

// The text an error shows, in Unicode (a file name decoded as the file system encodes it).
QString ErrorText(const std::exception& error);

}  // namespace platform::qt
