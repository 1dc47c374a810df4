#pragma once
//! The character code a key press delivers to a box: 13 for Enter (either key), 27 for Esc,
//! otherwise the first character typed (0 for a key without one).

#include <QKeyEvent>

namespace tovi {

inline constexpr int keyEnter = 13;
inline constexpr int keyEscape = 27;

inline int keyAscii(const QKeyEvent& e) {
    switch (e.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return keyEnter;
    case Qt::Key_Escape:
        return keyEscape;
    default:
        return e.text().isEmpty() ? 0 : e.text().at(0).unicode();
    }
}

} // namespace tovi
