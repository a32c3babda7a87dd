#pragma once

#include <exception>
#include <string>

namespace qx {

/// The standard exception box: the message in a modal box with the
/// application's title, an error icon and an OK button. A message that does
/// not end in a full stop, "!" or another character before "." gets one.
void showExceptionBox(const std::string& message);

/// Shows the exception in the standard box; a thrown object that is not a
/// std::exception shows an empty message.
void showException(const std::exception_ptr& error);

} // namespace qx
