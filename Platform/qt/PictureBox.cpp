#include "Platform/qt/PictureBox.h"

#include <QPainter>
#include <QResizeEvent>

namespace platform {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_surface.setChangeHandler([this] { update(); });
}

QSize PictureBox::sizeHint() const {
    return m_surface.image().size();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, m_surface.image());
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (event->size() != m_surface.image().size()) {
        m_surface.resize(event->size().width(), event->size().height());
        emit resized();
    }
}

} // namespace platform
