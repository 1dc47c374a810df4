#include "Platform/qt/QtProgress.h"

#include <QProgressBar>

namespace platform {

void QtProgress::setValue(int value) {
    m_bar.setValue(value);
}
int QtProgress::value() const {
    return m_bar.value();
}
void QtProgress::setVisible(bool visible) {
    m_bar.setVisible(visible);
}
bool QtProgress::isVisible() const {
    return !m_bar.isHidden();
}

} // namespace platform
