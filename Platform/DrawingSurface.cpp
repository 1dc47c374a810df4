#include "Platform/DrawingSurface.h"

#include "Platform/RunTimeError.h"

#include <cmath>

namespace platform {

DrawingSurface::DrawingSurface() = default;
DrawingSurface::~DrawingSurface() = default;

void DrawingSurface::scale(double x1, double y1, double x2, double y2) {
    // A scale without extent would map every point onto one line.
    if (x1 == x2 || y1 == y2 || !std::isfinite(x1) || !std::isfinite(x2) || !std::isfinite(y1) ||
        !std::isfinite(y2))
        throw RunTimeError(5, "Scale");
    m_left = x1;
    m_top = y1;
    m_width = x2 - x1;
    m_height = y2 - y1;
    m_twipScale = false;
}

void DrawingSurface::scaleTwips() {
    m_twipScale = true;
}

double DrawingSurface::twipsOfWidth(double dx) const {
    return std::abs(dx * widthTwips() / scaleWidth());
}
double DrawingSurface::twipsOfHeight(double dy) const {
    return std::abs(dy * heightTwips() / scaleHeight());
}
double DrawingSurface::unitsOfWidthTwips(double twips) const {
    return twips * scaleWidth() / widthTwips();
}
double DrawingSurface::unitsOfHeightTwips(double twips) const {
    return twips * scaleHeight() / heightTwips();
}
double DrawingSurface::twipsX(double x) const {
    return (x - scaleLeft()) * widthTwips() / scaleWidth();
}
double DrawingSurface::twipsY(double y) const {
    return (y - scaleTop()) * heightTwips() / scaleHeight();
}

Pen DrawingSurface::penWith(std::optional<Colour> colour) const {
    Pen pen = m_pen;
    if (colour) pen.colour = *colour;
    return pen;
}

std::optional<Colour> DrawingSurface::fillByStyle() const {
    if (m_fillStyle == FillStyle::Solid) return m_fillColour;
    return std::nullopt;
}

void DrawingSurface::clear() {
    renderClear(m_backColour);
    m_currentX = 0;
    m_currentY = 0;
}

void DrawingSurface::line(double x1, double y1, double x2, double y2, std::optional<Colour> colour) {
    renderLine(x1, y1, x2, y2, penWith(colour));
    m_currentX = x2;
    m_currentY = y2;
}

void DrawingSurface::box(double x1, double y1, double x2, double y2, std::optional<Colour> colour,
                         bool filledWithColour) {
    const Pen pen = penWith(colour);
    renderBox(x1, y1, x2, y2, pen, filledWithColour ? std::optional<Colour>(pen.colour) : fillByStyle());
    m_currentX = x2;
    m_currentY = y2;
}

void DrawingSurface::point(double x, double y, std::optional<Colour> colour) {
    renderPoint(x, y, penWith(colour));
    m_currentX = x;
    m_currentY = y;
}

void DrawingSurface::circle(double x, double y, double r, std::optional<Colour> colour) {
    renderCircle(x, y, r, penWith(colour), fillByStyle());
    m_currentX = x;
    m_currentY = y;
}

void DrawingSurface::print(std::string_view text) {
    renderText(m_currentX, m_currentY, text, m_pen.colour, m_font);
    m_currentX = scaleLeft();
    // Down the surface, whichever way the vertical axis grows.
    m_currentY += unitsOfHeightTwips(measureHeightTwips(text, m_font));
}

double DrawingSurface::textWidth(std::string_view text) const {
    return std::abs(unitsOfWidthTwips(measureWidthTwips(text, m_font)));
}

double DrawingSurface::textHeight(std::string_view text) const {
    return std::abs(unitsOfHeightTwips(measureHeightTwips(text, m_font)));
}

} // namespace platform
