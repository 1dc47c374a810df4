#pragma once
//! A drawing surface with a user scale: the picture of a window that a sketch or a chart
//! draws on, lines, points, circles, boxes and printed text, all in the user coordinates set
//! by `scale`. The surface keeps the drawing state (current position, colours, fill, line
//! width and style, font); a concrete surface renders the primitives (an image painted by Qt,
//! or a recording for tests).

#include "Platform/PlatformExport.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

//! A colour value red + 256·green + 65536·blue, each 0 to 255.
using Colour = std::uint32_t;

namespace colours {
inline constexpr Colour Black = 0x000000;
inline constexpr Colour White = 0xFFFFFF;
inline constexpr Colour Red = 0x0000FF;
inline constexpr Colour Green = 0x00FF00;
inline constexpr Colour Blue = 0xFF0000;
} // namespace colours

//! Builds a colour value from its three components.
constexpr Colour rgb(int red, int green, int blue) {
    return Colour(red & 0xFF) | (Colour(green & 0xFF) << 8) | (Colour(blue & 0xFF) << 16);
}
constexpr int redOf(Colour c) {
    return int(c & 0xFF);
}
constexpr int greenOf(Colour c) {
    return int((c >> 8) & 0xFF);
}
constexpr int blueOf(Colour c) {
    return int((c >> 16) & 0xFF);
}

//! How circles and unfilled boxes are filled: solid with the fill colour, or not at all.
enum class FillStyle : int16_t { Solid = 0, Transparent = 1 };

//! The pattern of lines and outlines.
enum class DrawStyle : int16_t { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4, Invisible = 5 };

//! The drawing state a primitive is rendered with.
struct Pen {
    Colour colour = colours::Black;
    int width = 1; //!< line width [pixels]
    DrawStyle style = DrawStyle::Solid;
};

struct Font {
    std::string name;
    double size = 8; //!< [pt]
    bool bold = false;
};

class PLATFORM_EXPORT DrawingSurface {
public:
    //! Twips in one point and in one pixel of a 96 dpi screen.
    static constexpr double TwipsPerPoint = 20;
    static constexpr double TwipsPerPixel = 15;

    DrawingSurface();
    virtual ~DrawingSurface();
    DrawingSurface(const DrawingSurface&) = delete;
    DrawingSurface& operator=(const DrawingSurface&) = delete;

    // ---- Size and user scale -------------------------------------------------------------
    //! The inner size of the surface [twips].
    virtual double widthTwips() const = 0;
    virtual double heightTwips() const = 0;

    //! Sets the user scale: (x1, y1) is the upper-left corner, (x2, y2) the lower-right one;
    //! a corner may lie on either side, so an axis may grow in either direction.
    void scale(double x1, double y1, double x2, double y2);
    //! Back to the default scale: twips from the upper-left corner.
    void scaleTwips();
    double scaleLeft() const { return m_twipScale ? 0 : m_left; }
    double scaleTop() const { return m_twipScale ? 0 : m_top; }
    //! Extent of the surface in user units (negative when the axis grows to the left or up).
    double scaleWidth() const { return m_twipScale ? widthTwips() : m_width; }
    double scaleHeight() const { return m_twipScale ? heightTwips() : m_height; }

    // ---- Drawing -------------------------------------------------------------------------
    //! Clears the picture to the back colour; the current position goes to (0, 0).
    void clear();
    //! A line in the fore colour (or the given one); the current position moves to its end.
    void line(double x1, double y1, double x2, double y2, std::optional<Colour> colour = {});
    //! A box with the corners (x1, y1) and (x2, y2), outlined in the fore colour (or the given
    //! one). `filledWithColour`: the box is filled with its outline colour; otherwise by the
    //! fill style and fill colour. The current position moves to (x2, y2).
    void box(double x1, double y1, double x2, double y2, std::optional<Colour> colour = {},
             bool filledWithColour = false);
    //! One point in the fore colour (or the given one), as wide as the line width; the
    //! current position moves there.
    void point(double x, double y, std::optional<Colour> colour = {});
    //! A circle of radius r (in horizontal user units), outlined in the fore colour (or the
    //! given one) and filled by the fill style and fill colour; the current position moves to
    //! its centre.
    void circle(double x, double y, double r, std::optional<Colour> colour = {});
    //! Prints text at the current position (its upper-left corner) in the fore colour and
    //! the font; the position then moves to the start of the next text line: x to the left
    //! edge of the scale, y down by the text's height.
    void print(std::string_view text);
    //! Width and height of the text in the current font [user units].
    double textWidth(std::string_view text) const;
    double textHeight(std::string_view text = "X") const;

    // ---- State ---------------------------------------------------------------------------
    double currentX() const { return m_currentX; }
    double currentY() const { return m_currentY; }
    void setCurrentX(double x) { m_currentX = x; }
    void setCurrentY(double y) { m_currentY = y; }

    Colour foreColour() const { return m_pen.colour; }
    void setForeColour(Colour c) { m_pen.colour = c; }
    Colour backColour() const { return m_backColour; }
    void setBackColour(Colour c) { m_backColour = c; }
    Colour fillColour() const { return m_fillColour; }
    void setFillColour(Colour c) { m_fillColour = c; }
    FillStyle fillStyle() const { return m_fillStyle; }
    void setFillStyle(FillStyle s) { m_fillStyle = s; }
    //! Line width [pixels], at least 1.
    int drawWidth() const { return m_pen.width; }
    void setDrawWidth(int w) { m_pen.width = w < 1 ? 1 : w; }
    DrawStyle drawStyle() const { return m_pen.style; }
    void setDrawStyle(DrawStyle s) { m_pen.style = s; }

    const Font& font() const { return m_font; }
    void setFont(const Font& f) { m_font = f; }
    const std::string& fontName() const { return m_font.name; }
    void setFontName(std::string name) { m_font.name = std::move(name); }
    double fontSize() const { return m_font.size; }
    void setFontSize(double pt) { m_font.size = pt; }
    bool fontBold() const { return m_font.bold; }
    void setFontBold(bool bold) { m_font.bold = bold; }

    // ---- Conversions between user units and twips ----------------------------------------
    //! A horizontal (vertical) distance in user units, measured in twips (always >= 0).
    double twipsOfWidth(double dx) const;
    double twipsOfHeight(double dy) const;
    //! A width (height) in twips, in user units (signed like the scale).
    double unitsOfWidthTwips(double twips) const;
    double unitsOfHeightTwips(double twips) const;
    //! Position of a user coordinate on the surface [twips from the upper-left corner].
    double twipsX(double x) const;
    double twipsY(double y) const;

protected:
    //! Rendering of the primitives, in user coordinates; the state is passed with each call.
    virtual void renderClear(Colour back) = 0;
    virtual void renderLine(double x1, double y1, double x2, double y2, const Pen& pen) = 0;
    //! `fill` is the colour to fill with, none for an outline only.
    virtual void renderBox(double x1, double y1, double x2, double y2, const Pen& pen,
                           std::optional<Colour> fill) = 0;
    virtual void renderPoint(double x, double y, const Pen& pen) = 0;
    virtual void renderCircle(double x, double y, double r, const Pen& pen, std::optional<Colour> fill) = 0;
    virtual void renderText(double x, double y, std::string_view text, Colour colour, const Font& font) = 0;
    //! Size of a text in a font [twips].
    virtual double measureWidthTwips(std::string_view text, const Font& font) const = 0;
    virtual double measureHeightTwips(std::string_view text, const Font& font) const = 0;

private:
    Pen penWith(std::optional<Colour> colour) const;
    std::optional<Colour> fillByStyle() const;

    double m_left = 0, m_top = 0, m_width = 0, m_height = 0;
    bool m_twipScale = true;
    double m_currentX = 0, m_currentY = 0;
    Pen m_pen;
    Colour m_backColour = colours::White;
    Colour m_fillColour = colours::Black;
    FillStyle m_fillStyle = FillStyle::Transparent;
    Font m_font;
};

} // namespace platform
