#include "Platform/qt/Keys.h"

#include <QKeyEvent>

namespace platform {

int keyCode(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return key::Enter;
    case Qt::Key_Escape:
        return key::Escape;
    case Qt::Key_PageUp:
        return key::PageUp;
    case Qt::Key_PageDown:
        return key::PageDown;
    default:
        return 0;
    }
}

int keyAscii(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return key::Enter;
    case Qt::Key_Escape:
        return key::Escape;
    case Qt::Key_Backspace:
        return key::Backspace;
    case Qt::Key_Tab:
        return key::Tab;
    default:
        break;
    }
    const QString text = event.text();
    return text.isEmpty() ? 0 : static_cast<int>(text.at(0).unicode());
}

} // namespace platform
