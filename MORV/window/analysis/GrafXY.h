#pragma once
//! A line chart of one or more data series, y over x, with an optional secondary Y axis on
//! the right, drawn on a drawing surface in its own user coordinates: rounded axis limits
//! unless the caller set them, frame, ticks, tick labels, axis labels, title, each series as
//! a polyline and a marker at every point.
//!
//! The plot area runs from (0, 0) to (dx, dy) in user units: x is drawn at x - `Xmin`, y at
//! `RevY`(y) so that the Y axis grows upwards. The chart knows the surface only through the
//! surface interface, so a recording surface shows in tests what it draws.

#include "MorvWindow/MorvWindowExport.h"
#include "Platform/DrawingSurface.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {
class ImageSurface;
}

namespace morv {

class MORVWINDOW_EXPORT GrafXY {
public:
    //! Highest index of a series, and the places of the point buffer (pairs x, y from 1).
    static constexpr int16_t MaxSeries = 50;
    static constexpr int16_t BufferTop = 1000;

    GrafXY();

    // ---- Limits, divisions and labels (0 limits: found by MezeOs at the next draw) ---------
    double Xmax = 0;     //!< "Max rozsah osy X"
    double Xmin = 0;     //!< "Min. rozsah osy X"
    double Ymin = 0;     //!< lower limit of the primary Y axis
    double Ymax = 0;     //!< "Max rozsah osy Y"
    double Ymin1 = 0;    //!< lower limit of the secondary Y axis
    double Ymax1 = 0;    //!< upper limit of the secondary Y axis
    int16_t nX = 6;      //!< "Počet dělení osy X"
    int16_t nY = 4;      //!< "Počet dělení osy Y"
    int16_t nY1 = 4;     //!< "Počet dělení vedlejší osy Y1"
    std::string Title;   //!< "Textový nadpis grafu"
    std::string PopisX;  //!< "Textový popis osy X"
    std::string PopisY;  //!< label of the primary Y axis
    std::string PopisY1; //!< label of the secondary Y axis

    // ---- Members -----------------------------------------------------------------------
    //! Draws the whole chart on G and tells whether it did. Points without a finite value on
    //! the X axis or on both Y axes, automatic limits with no finite value to find them from,
    //! or a zero range on the X or the primary Y axis (or on the secondary one while in use)
    //! are reported in a box and G is not touched. Errors of the
    //! surface while the frame, the ticks and the texts are drawn are skipped; errors while
    //! the series and markers are drawn reach the caller. The tick labels are printed 6 pt
    //! high on a surface narrower than 4500 twips, else in the surface's font size, and
    //! smaller (in half points, down to 4 pt) while one of them would reach past an edge of
    //! the picture; the axis captions keep the size before that.
    bool Draw(platform::DrawingSurface& G);
    //! Adds one series from x(odkud..kam) and y(odkud..kam). Beyond 50 series, 500 points in
    //! all or the bounds of the arrays it raises 9 and adds nothing.
    void Add(const std::vector<double>& x, const std::vector<double>& y, int16_t odkud, int16_t kam);
    //! Colour of series Index (0 to 50); the let stores only for the series 1 to 10.
    platform::Colour Color(int16_t Index) const;
    void Color(int16_t Index, platform::Colour value);
    //! Plot coordinate of the value y of series i: dy at the lower limit, 0 at the upper one.
    double RevY(double y, int16_t i) const;
    //! Line kind of series Index: 0 none, 1 solid, 2 dotted; the let stores only 0 to 2.
    int16_t Caru(int16_t Index) const;
    void Caru(int16_t Index, int16_t value);
    //! Marker kind of series Index: 0 none, 1 to 9 the kinds of `Marker`; the let stores
    //! only 0 to 9.
    int16_t Body(int16_t Index) const;
    void Body(int16_t Index, int16_t value);
    //! The number of series added.
    int16_t PocFce() const { return m_series; }
    //! Series Index is plotted against the secondary axis; the axis is in use while any
    //! added series has its flag set.
    bool VedlOsa(int16_t Index) const;
    void VedlOsa(int16_t Index, bool value);
    //! One marker at the plot coordinates (x, y): 1 open square, 2 filled square, 3 open
    //! circle, 4 filled circle, 5 triangle apex up, 6 triangle with a dot, 7 triangle apex
    //! down, 8 plus, 9 cross; any other kind draws nothing.
    void Marker(double x, double y, int16_t symbol, int16_t size, platform::Colour Color,
                platform::DrawingSurface& G);
    //! Marker size (1 by default), stored without a check.
    int16_t VelBodu() const { return m_markerSize; }
    void VelBodu(int16_t value) { m_markerSize = value; }
    //! Tick-label text of a value, its pattern chosen by the magnitude; "" for a value that
    //! is not a finite number.
    static std::string RoundX(double xx);
    //! Finds the data extents and, for the limits not set, the rounded automatic limits.
    //! Values that are not finite numbers take no part. An axis whose data have no extent
    //! raises 5 (from Log10) and ends the search there.
    void MezeOs();
    //! Puts the surface's picture on the clipboard.
    static void Do_schranky(platform::ImageSurface& G);
    //! Decimal logarithm ln(x) / ln(10); 5 for x <= 0.
    static double Log10(double x);
    //! Rounded limits around the data interval Xmi..Xma (1..5 gives 1..5.5, 2e5..3e5 gives
    //! 2e5..3.05e5); an empty interval raises 5.
    static void MezeX(double Xmi, double Xma, double& lower, double& upper);
    //! Forgets all series; limits, labels, colours, kinds and sizes stay.
    void Clear();
    //! Line width of the series lines [pixels]; the let stores only a value above 0.
    double SilaCar() const { return m_lineWidth; }
    void SilaCar(double value) {
        if (value > 0) m_lineWidth = value;
    }

private:
    //! Index check of the per-series arrays (0 to 50): 9 outside.
    static size_t seriesIndex(int16_t Index);
    //! Widens an extent by a value.
    static void widen(double v, double& lo, double& hi);

    std::array<double, BufferTop + 1> m_buffer{};
    int16_t m_used = 0;
    int16_t m_series = 0;
    std::array<int16_t, MaxSeries + 1> m_points{};
    std::array<platform::Colour, MaxSeries + 1> m_colour{};
    std::array<int16_t, MaxSeries + 1> m_line{};
    std::array<int16_t, MaxSeries + 1> m_marker{};
    std::array<bool, MaxSeries + 1> m_secondary{};
    int16_t m_markerSize = 1;
    double m_lineWidth = 1;
    bool m_secondaryInUse = false;
    //! The data extents that MezeOs found.
    double m_xHi = 0, m_xLo = 0, m_yHi = 0, m_yLo = 0, m_y1Hi = 0, m_y1Lo = 0;
    //! The ranges of the last draw: Xmax - Xmin, Ymax - Ymin, Ymax1 - Ymin1.
    double m_dx = 0, m_dy = 0, m_dy1 = 0;
};

} // namespace morv
