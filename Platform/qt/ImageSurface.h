#pragma once
//! The drawing surface painted with QPainter onto an image: the persistent picture of a
//! window, which a picture box shows and which can be saved or put on the clipboard.

#include "Platform/DrawingSurface.h"
#include "PlatformQt/PlatformQtExport.h"

#include <QImage>

#include <functional>

class QColor;
class QFont;
class QPainter;

namespace platform {

class PLATFORMQT_EXPORT ImageSurface : public DrawingSurface {
public:
    //! A surface of the given size [pixels, 96 dpi], cleared to the back colour.
    explicit ImageSurface(int widthPixels = 470, int heightPixels = 470);

    double widthTwips() const override { return m_image.width() * TwipsPerPixel; }
    double heightTwips() const override { return m_image.height() * TwipsPerPixel; }

    //! The picture drawn so far.
    const QImage& image() const { return m_image; }
    //! Resizes the picture; what was drawn stays in its upper-left part, new parts are
    //! cleared to the back colour.
    void resize(int widthPixels, int heightPixels);

    //! Called after every primitive (a picture box repaints from it).
    void setChangeHandler(std::function<void()> handler) { m_changed = std::move(handler); }

    //! The Qt colour and font of the surface's values.
    static QColor toQColor(Colour c);
    static Colour fromQColor(const QColor& c);
    static QFont toQFont(const Font& font);

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
    //! The picture position of a user coordinate: the centre of the pixel it falls on, so
    //! that lines of one pixel stay sharp.
    double px(double x) const { return twipsX(x) / TwipsPerPixel + 0.5; }
    double py(double y) const { return twipsY(y) / TwipsPerPixel + 0.5; }
    void setUp(QPainter& painter, const Pen& pen, std::optional<Colour> fill) const;
    void changed();

    QImage m_image;
    std::function<void()> m_changed;
};

} // namespace platform
