#pragma once
//! The program's key codes of a Qt key event: Enter 13, Esc 27, Page Up 33, Page Down 34,
//! Backspace 8, Tab 9, a typed character its code (letters as typed).

#include "PlatformQt/PlatformQtExport.h"

class QKeyEvent;

namespace platform {

namespace key {
inline constexpr int Backspace = 8;
inline constexpr int Tab = 9;
inline constexpr int Enter = 13;
inline constexpr int Escape = 27;
inline constexpr int PageUp = 33;
inline constexpr int PageDown = 34;
} // namespace key

//! The key code of a key-down event: the four named keys above, else 0.
PLATFORMQT_EXPORT int keyCode(const QKeyEvent& event);
//! The code of a typed key: Enter 13, Esc 27, Backspace 8, Tab 9, else the first character
//! typed (its Unicode value), 0 for a key that types nothing.
PLATFORMQT_EXPORT int keyAscii(const QKeyEvent& event);

} // namespace platform
