#pragma once
//! A widget that shows the picture of its own drawing surface and repaints whenever
//! something is drawn on it; the picture follows the widget's size.

#include "Platform/qt/ImageSurface.h"
#include "PlatformQt/PlatformQtExport.h"

#include <QWidget>

namespace platform {

class PLATFORMQT_EXPORT PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    //! The surface to draw on; its picture is as large as the widget.
    ImageSurface& surface() { return m_surface; }
    const ImageSurface& surface() const { return m_surface; }

    QSize sizeHint() const override;

signals:
    //! The widget (and so its picture) changed size; the owner may draw again.
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    ImageSurface m_surface;
};

} // namespace platform
