#include "Platform/RecordingSurface.h"

#include <algorithm>
#include <iterator>

namespace platform {

namespace {

//! Characters of a UTF-8 text (continuation bytes not counted).
size_t characters(std::string_view text) {
    return size_t(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

} // namespace

RecordingSurface::RecordingSurface(double widthTwips, double heightTwips)
    : m_widthTwips(widthTwips), m_heightTwips(heightTwips) {}

std::vector<RecordingSurface::Primitive> RecordingSurface::ofKind(Kind kind) const {
    std::vector<Primitive> out;
    std::copy_if(m_primitives.begin(), m_primitives.end(), std::back_inserter(out),
                 [kind](const Primitive& p) { return p.kind == kind; });
    return out;
}

std::vector<std::string> RecordingSurface::texts() const {
    std::vector<std::string> out;
    for (const auto& p : m_primitives)
        if (p.kind == Kind::Text) out.push_back(p.text);
    return out;
}

double RecordingSurface::charWidthTwips(const Font& font) {
    return 0.55 * font.size * TwipsPerPoint * (font.bold ? 1.1 : 1.0);
}

double RecordingSurface::lineHeightTwips(const Font& font) {
    return 1.2 * font.size * TwipsPerPoint;
}

void RecordingSurface::renderClear(Colour back) {
    m_primitives.clear();
    Primitive p;
    p.kind = Kind::Clear;
    p.fill = back;
    m_primitives.push_back(p);
}

void RecordingSurface::renderLine(double x1, double y1, double x2, double y2, const Pen& pen) {
    Primitive p;
    p.kind = Kind::Line;
    p.x1 = x1, p.y1 = y1, p.x2 = x2, p.y2 = y2;
    p.pen = pen;
    m_primitives.push_back(p);
}

void RecordingSurface::renderBox(double x1, double y1, double x2, double y2, const Pen& pen,
                                 std::optional<Colour> fill) {
    Primitive p;
    p.kind = Kind::Box;
    p.x1 = x1, p.y1 = y1, p.x2 = x2, p.y2 = y2;
    p.pen = pen;
    p.fill = fill;
    m_primitives.push_back(p);
}

void RecordingSurface::renderPoint(double x, double y, const Pen& pen) {
    Primitive p;
    p.kind = Kind::Point;
    p.x1 = x, p.y1 = y;
    p.pen = pen;
    m_primitives.push_back(p);
}

void RecordingSurface::renderCircle(double x, double y, double r, const Pen& pen,
                                    std::optional<Colour> fill) {
    Primitive p;
    p.kind = Kind::Circle;
    p.x1 = x, p.y1 = y, p.r = r;
    p.pen = pen;
    p.fill = fill;
    m_primitives.push_back(p);
}

void RecordingSurface::renderText(double x, double y, std::string_view text, Colour colour,
                                  const Font& font) {
    Primitive p;
    p.kind = Kind::Text;
    p.x1 = x, p.y1 = y;
    p.pen.colour = colour;
    p.text = std::string(text);
    p.font = font;
    m_primitives.push_back(p);
}

double RecordingSurface::measureWidthTwips(std::string_view text, const Font& font) const {
    return double(characters(text)) * charWidthTwips(font);
}

double RecordingSurface::measureHeightTwips(std::string_view, const Font& font) const {
    return lineHeightTwips(font);
}

} // namespace platform
