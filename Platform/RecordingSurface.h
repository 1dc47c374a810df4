#pragma once
//! A drawing surface that records its primitives in user coordinates instead of painting
//! them, so that tests can check what a sketch or a chart draws.

#include "Platform/DrawingSurface.h"
#include "Platform/PlatformExport.h"

#include <vector>

namespace platform {

class PLATFORM_EXPORT RecordingSurface : public DrawingSurface {
public:
    enum class Kind { Clear, Line, Box, Point, Circle, Text };

    //! One recorded primitive with the state it was drawn with.
    struct Primitive {
        Kind kind = Kind::Clear;
        double x1 = 0, y1 = 0; //!< start, corner or centre; position of a text
        double x2 = 0, y2 = 0; //!< end of a line, opposite corner of a box
        double r = 0;          //!< radius of a circle
        Pen pen;
        std::optional<Colour> fill; //!< fill of a box or circle; back colour of a clear
        std::string text;
        Font font;
    };

    //! A surface of the given inner size [twips].
    explicit RecordingSurface(double widthTwips = 7050, double heightTwips = 7050);

    double widthTwips() const override { return m_widthTwips; }
    double heightTwips() const override { return m_heightTwips; }

    //! Everything drawn since the last clear (the clear included).
    const std::vector<Primitive>& primitives() const { return m_primitives; }
    //! The primitives of one kind.
    std::vector<Primitive> ofKind(Kind kind) const;
    //! The texts printed, in order.
    std::vector<std::string> texts() const;

    //! The text metrics of the recording: a character is 0.55 of the font size wide, a line
    //! 1.2 of it high (bold 10 % wider), so tests can rely on sizes without a font.
    static double charWidthTwips(const Font& font);
    static double lineHeightTwips(const Font& font);

protected:
    void renderClear(Colour back) override;
    void renderLine(double x1, double y1, double x2, double y2, const Pen& pen) override;
    void renderBox(double x1, double y1, double x2, double y2, const Pen& pen,
                   std::optional<Colour> fill) override;
    void renderPoint(double x, double y, const Pen& pen) override;
    void renderCircle(double x, double y, double r, const Pen& pen, std::optional<Colour> fill) override;
    void renderText(double x, double y, std::string_view text, Colour colour, const Font& font) override;
    double measureWidthTwips(std::string_view text, const Font& font) const override;
    double measureHeightTwips(std::string_view text, const Font& font) const override;

private:
    double m_widthTwips;
    double m_heightTwips;
    std::vector<Primitive> m_primitives;
};

} // namespace platform
