#include "Platform/qt/ImageSurface.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace platform {

namespace {

//! Dots per metre of a 96 dpi picture, so that point sizes of fonts come out as on screen.
constexpr int DotsPerMetre96 = 3780;

Qt::PenStyle penStyle(DrawStyle style) {
    switch (style) {
    case DrawStyle::Solid:
        return Qt::SolidLine;
    case DrawStyle::Dash:
        return Qt::DashLine;
    case DrawStyle::Dot:
        return Qt::DotLine;
    case DrawStyle::DashDot:
        return Qt::DashDotLine;
    case DrawStyle::DashDotDot:
        return Qt::DashDotDotLine;
    case DrawStyle::Invisible:
        return Qt::NoPen;
    }
    return Qt::SolidLine;
}

} // namespace

ImageSurface::ImageSurface(int widthPixels, int heightPixels)
    : m_image(std::max(widthPixels, 1), std::max(heightPixels, 1), QImage::Format_RGB32) {
    m_image.setDotsPerMeterX(DotsPerMetre96);
    m_image.setDotsPerMeterY(DotsPerMetre96);
    m_image.fill(toQColor(backColour()));
}

void ImageSurface::resize(int widthPixels, int heightPixels) {
    QImage resized(std::max(widthPixels, 1), std::max(heightPixels, 1), QImage::Format_RGB32);
    resized.setDotsPerMeterX(DotsPerMetre96);
    resized.setDotsPerMeterY(DotsPerMetre96);
    resized.fill(toQColor(backColour()));
    {
        QPainter painter(&resized);
        painter.drawImage(0, 0, m_image);
    }
    m_image = std::move(resized);
    changed();
}

QColor ImageSurface::toQColor(Colour c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

Colour ImageSurface::fromQColor(const QColor& c) {
    return rgb(c.red(), c.green(), c.blue());
}

QFont ImageSurface::toQFont(const Font& font) {
    QFont f;
    if (!font.name.empty()) f.setFamily(QString::fromStdString(font.name));
    f.setPointSizeF(font.size > 0 ? font.size : 8);
    f.setBold(font.bold);
    return f;
}

void ImageSurface::changed() {
    if (m_changed) m_changed();
}

void ImageSurface::setUp(QPainter& painter, const Pen& pen, std::optional<Colour> fill) const {
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPen qpen(toQColor(pen.colour));
    qpen.setWidth(pen.width);
    qpen.setStyle(penStyle(pen.style));
    painter.setPen(qpen);
    if (fill)
        painter.setBrush(toQColor(*fill));
    else
        painter.setBrush(Qt::NoBrush);
}

void ImageSurface::renderClear(Colour back) {
    m_image.fill(toQColor(back));
    changed();
}

void ImageSurface::renderLine(double x1, double y1, double x2, double y2, const Pen& pen) {
    QPainter painter(&m_image);
    setUp(painter, pen, std::nullopt);
    painter.drawLine(QPointF(px(x1), py(y1)), QPointF(px(x2), py(y2)));
    changed();
}

void ImageSurface::renderBox(double x1, double y1, double x2, double y2, const Pen& pen,
                             std::optional<Colour> fill) {
    QPainter painter(&m_image);
    setUp(painter, pen, fill);
    painter.drawRect(QRectF(QPointF(px(x1), py(y1)), QPointF(px(x2), py(y2))).normalized());
    changed();
}

void ImageSurface::renderPoint(double x, double y, const Pen& pen) {
    QPainter painter(&m_image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(pen.colour));
    const double w = pen.width;
    painter.drawRect(QRectF(px(x) - w / 2, py(y) - w / 2, w, w));
    changed();
}

void ImageSurface::renderCircle(double x, double y, double r, const Pen& pen, std::optional<Colour> fill) {
    QPainter painter(&m_image);
    setUp(painter, pen, fill);
    // The radius is measured along the horizontal axis; the circle stays round on the picture.
    const double radius = twipsOfWidth(r) / TwipsPerPixel;
    painter.drawEllipse(QPointF(px(x), py(y)), radius, radius);
    changed();
}

void ImageSurface::renderText(double x, double y, std::string_view text, Colour colour, const Font& font) {
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(toQColor(colour));
    const QFont qfont = toQFont(font);
    painter.setFont(qfont);
    const QFontMetricsF metrics(qfont, &m_image);
    painter.drawText(QPointF(px(x), py(y) + metrics.ascent()),
                     QString::fromUtf8(text.data(), qsizetype(text.size())));
    changed();
}

double ImageSurface::measureWidthTwips(std::string_view text, const Font& font) const {
    const QFontMetricsF metrics(toQFont(font), &m_image);
    return metrics.horizontalAdvance(QString::fromUtf8(text.data(), qsizetype(text.size()))) * TwipsPerPixel;
}

double ImageSurface::measureHeightTwips(std::string_view, const Font& font) const {
    const QFontMetricsF metrics(toQFont(font), &m_image);
    return metrics.height() * TwipsPerPixel;
}

} // namespace platform
