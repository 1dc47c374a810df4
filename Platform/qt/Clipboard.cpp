#include "Platform/qt/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

namespace platform {

void copyTextToClipboard(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void copyImageToClipboard(const QImage& image) {
    QGuiApplication::clipboard()->setImage(image);
}

} // namespace platform
