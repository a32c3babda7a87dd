#pragma once

#include <string>

// Button sets, icons and results of message boxes, with the values the
// editor's code passes and compares.
inline constexpr unsigned MB_OK = 0x0;
inline constexpr unsigned MB_OKCANCEL = 0x1;
inline constexpr unsigned MB_ABORTRETRYIGNORE = 0x2;
inline constexpr unsigned MB_YESNOCANCEL = 0x3;
inline constexpr unsigned MB_YESNO = 0x4;
inline constexpr unsigned MB_RETRYCANCEL = 0x5;
inline constexpr unsigned MB_TYPEMASK = 0xF;
inline constexpr unsigned MB_ICONERROR = 0x10;
inline constexpr unsigned MB_ICONSTOP = MB_ICONERROR;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONWARNING = 0x30;
inline constexpr unsigned MB_ICONEXCLAMATION = MB_ICONWARNING;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;
inline constexpr unsigned MB_ICONMASK = 0xF0;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

/// A message box with the application's title, an OK button and no icon.
void ShowMessage(const std::string& text);

/// The system's warning sound (the kind is MB_OK or an icon; every kind sounds the same here).
void MessageBeep(unsigned Type = MB_OK);

namespace qx {

/// A modal message box through the dialog service; returns the ID of the
/// button pressed (IDCANCEL when the box is closed otherwise).
int messageBox(const std::string& text, const std::string& caption, unsigned flags);

} // namespace qx
