#include "MORV/window/analysis/GrafXY.h"

#include "Platform/Checked.h"
#include "Platform/Format.h"
#include "Platform/MessageBox.h"
#include "Platform/RunTimeError.h"
#include "Platform/qt/Clipboard.h"
#include "Platform/qt/ImageSurface.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace morv {

namespace {

using platform::Colour;
using platform::DrawingSurface;

//! The extents before any data widened them.
constexpr double NoMaximum = -1e15;
constexpr double NoMinimum = 1e15;
//! A pair of limits below this in magnitude counts as not set.
constexpr double Unset = 1e-25;
//! Surfaces narrower than these get the small tick labels and the smaller title [twips].
constexpr double NarrowForLabels = 4500;
constexpr double NarrowForTitle = 6000;
//! The tick labels' font shrinks by this step to fit the picture, down to the smallest size [pt].
constexpr double LabelSizeStep = 0.5;
constexpr double SmallestLabelSize = 4;

//! Runs one drawing statement of the layout; a surface error skips just that statement.
template <class F> void skipOnError(F&& statement) {
    try {
        statement();
    } catch (const platform::RunTimeError&) {
    }
}

//! Characters of a UTF-8 text.
double characters(const std::string& text) {
    return double(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

//! A tick label: its text and where its upper-left corner stands.
struct Label {
    double x, y;
    std::string text;
};

//! Every label lies inside the picture in the surface's font.
bool insidePicture(const DrawingSurface& G, const std::vector<Label>& labels) {
    const double left = std::min(G.scaleLeft(), G.scaleLeft() + G.scaleWidth());
    const double right = std::max(G.scaleLeft(), G.scaleLeft() + G.scaleWidth());
    const double top = std::min(G.scaleTop(), G.scaleTop() + G.scaleHeight());
    const double bottom = std::max(G.scaleTop(), G.scaleTop() + G.scaleHeight());
    return std::all_of(labels.begin(), labels.end(), [&](const Label& l) {
        const double w = std::abs(G.textWidth(l.text)), h = std::abs(G.textHeight(l.text));
        return l.x >= left && l.x + w <= right && l.y >= top && l.y + h <= bottom;
    });
}

void printAt(DrawingSurface& G, double x, double y, const std::string& text) {
    G.setCurrentX(x);
    G.setCurrentY(y);
    G.print(text);
}

//! The fill settings of a surface, put back when the object ends.
class FillScope {
public:
    FillScope(DrawingSurface& G, Colour fill) : m_G(G), m_style(G.fillStyle()), m_colour(G.fillColour()) {
        G.setFillStyle(platform::FillStyle::Solid);
        G.setFillColour(fill);
    }
    ~FillScope() {
        m_G.setFillStyle(m_style);
        m_G.setFillColour(m_colour);
    }
    FillScope(const FillScope&) = delete;
    FillScope& operator=(const FillScope&) = delete;

private:
    DrawingSurface& m_G;
    platform::FillStyle m_style;
    Colour m_colour;
};

} // namespace

GrafXY::GrafXY() {
    static constexpr Colour colours[10] = {16711680, 255,   0,        16776960, 16711935,
                                           65535,    65280, 16711680, 255,      0};
    static constexpr int16_t markers[10] = {1, 2, 3, 4, 5, 7, 8, 9, 1, 4};
    for (size_t s = 1; s <= 10; ++s) {
        m_colour[s] = colours[s - 1];
        m_marker[s] = markers[s - 1];
        m_line[s] = 1;
    }
}

size_t GrafXY::seriesIndex(int16_t Index) {
    if (Index < 0 || Index > MaxSeries) platform::raise(platform::err::Subscript, "GrafXY");
    return size_t(Index);
}

void GrafXY::widen(double v, double& lo, double& hi) {
    if (!std::isfinite(v)) return;
    if (v > hi) hi = v;
    if (v < lo) lo = v;
}

Colour GrafXY::Color(int16_t Index) const {
    return m_colour[seriesIndex(Index)];
}

void GrafXY::Color(int16_t Index, Colour value) {
    if (Index >= 1 && Index <= 10) m_colour[size_t(Index)] = value;
}

int16_t GrafXY::Caru(int16_t Index) const {
    return m_line[seriesIndex(Index)];
}

void GrafXY::Caru(int16_t Index, int16_t value) {
    const size_t s = seriesIndex(Index);
    if (value >= 0 && value <= 2) m_line[s] = value;
}

int16_t GrafXY::Body(int16_t Index) const {
    return m_marker[seriesIndex(Index)];
}

void GrafXY::Body(int16_t Index, int16_t value) {
    const size_t s = seriesIndex(Index);
    if (value >= 0 && value <= 9) m_marker[s] = value;
}

bool GrafXY::VedlOsa(int16_t Index) const {
    return m_secondary[seriesIndex(Index)];
}

void GrafXY::VedlOsa(int16_t Index, bool value) {
    m_secondary[seriesIndex(Index)] = value;
    m_secondaryInUse = false;
    for (int16_t s = 1; s <= m_series; ++s)
        m_secondaryInUse = m_secondaryInUse || m_secondary[size_t(s)];
}

void GrafXY::Add(const std::vector<double>& x, const std::vector<double>& y, int16_t odkud, int16_t kam) {
    // Everything is checked first, so a refused series leaves the chart as it was.
    const int count = std::max(0, kam - odkud + 1);
    if (m_series >= MaxSeries || m_used + 2 * count > BufferTop)
        platform::raise(platform::err::Subscript, "GrafXY");
    if (count > 0 && (odkud < 0 || size_t(kam) >= x.size() || size_t(kam) >= y.size()))
        platform::raise(platform::err::Subscript, "GrafXY");
    const size_t s = size_t(++m_series);
    for (int i = odkud; i <= kam; ++i) {
        m_buffer[size_t(++m_used)] = x[size_t(i)];
        m_buffer[size_t(++m_used)] = y[size_t(i)];
        widen(x[size_t(i)], m_xLo, m_xHi);
        if (m_secondary[s]) {
            widen(y[size_t(i)], m_y1Lo, m_y1Hi);
            m_secondaryInUse = true;
        } else {
            widen(y[size_t(i)], m_yLo, m_yHi);
        }
    }
    m_points[s] = int16_t(count);
}

double GrafXY::RevY(double y, int16_t i) const {
    if (m_secondary[seriesIndex(i)]) return m_dy - platform::chk::div((y - Ymin1) * m_dy, m_dy1);
    return m_dy - (y - Ymin);
}

double GrafXY::Log10(double x) {
    return platform::chk::log(x) / std::log(10.0);
}

void GrafXY::MezeX(double Xmi, double Xma, double& lower, double& upper) {
    const double d = 0.05 * std::abs(Xma - Xmi);
    const double step = std::pow(10.0, std::floor(Log10(d)) + 1);
    lower = step * std::floor(Xmi / step);
    if (lower + step / 2 < Xmi && Xmi - lower > d) lower += step / 2;
    upper = step * (std::floor(Xma / step) + 1);
    if (upper - step / 2 > Xma && upper - Xma > d) upper -= step / 2;
}

void GrafXY::MezeOs() {
    m_xHi = m_yHi = m_y1Hi = NoMaximum;
    m_xLo = m_yLo = m_y1Lo = NoMinimum;
    size_t place = 1;
    for (int16_t s = 1; s <= m_series; ++s) {
        for (int16_t k = 0; k < m_points[size_t(s)]; ++k, place += 2) {
            widen(m_buffer[place], m_xLo, m_xHi);
            if (m_secondary[size_t(s)]) {
                widen(m_buffer[place + 1], m_y1Lo, m_y1Hi);
                m_secondaryInUse = true;
            } else {
                widen(m_buffer[place + 1], m_yLo, m_yHi);
            }
        }
    }
    auto round = [](double& lo, double& hi) {
        double lower = 0, upper = 0;
        MezeX(lo, hi, lower, upper);
        hi = upper;
        if (lo < NoMinimum) lo = lower;
    };
    if (m_xHi > NoMaximum) round(m_xLo, m_xHi);
    if (m_yHi > NoMaximum) round(m_yLo, m_yHi);
    if (m_secondaryInUse && m_y1Hi > NoMaximum) round(m_y1Lo, m_y1Hi);

    auto unset = [](double a, double b) { return std::abs(a) < Unset && std::abs(b) < Unset; };
    if (unset(Xmax, Xmin)) Xmax = m_xHi, Xmin = m_xLo;
    if (unset(Ymax, Ymin)) Ymax = m_yHi, Ymin = m_yLo;
    if (m_secondaryInUse && unset(Ymax1, Ymin1)) Ymax1 = m_y1Hi, Ymin1 = m_y1Lo;
}

std::string GrafXY::RoundX(double xx) {
    if (!std::isfinite(xx)) return {};
    const double a = std::abs(xx);
    const char* pattern = a < 1e-10   ? "0.0"
                          : a < 0.001 ? "0.000E-00"
                          : a < 0.099 ? "0.000"
                          : a < 99.9  ? "0.00"
                          : a < 9999  ? "#0.0"
                                      : "0.00E+00";
    return platform::format(xx, pattern);
}

bool GrafXY::Draw(DrawingSurface& G) {
    const std::string fontName = G.fontName();
    const double fontSize = G.fontSize();
    // Limits that cannot be found (data without extent) stay as they are.
    skipOnError([&] { MezeOs(); });
    // Without a finite value the extents stay where they started: points that are all not
    // numbers on an axis plot nowhere, and automatic limits found from no value are inverted.
    // Limits set by the caller still frame a chart without points.
    const bool noX = !(m_xHi >= m_xLo);
    const bool noY = !(m_yHi >= m_yLo) && !(m_secondaryInUse && m_y1Hi >= m_y1Lo);
    if ((m_used > 0 && (noX || noY)) || (noX && Xmax < Xmin) || (noY && Ymax < Ymin)) {
        platform::msgBox("Graf nemá žádnou platnou hodnotu!", 16, "GrafXY");
        return false;
    }
    m_dx = Xmax - Xmin;
    m_dy = Ymax - Ymin;
    m_dy1 = Ymax1 - Ymin1;
    // Equal secondary limits would put every point of its series at one division by zero.
    if (m_dx == 0 || m_dy == 0 || (m_secondaryInUse && m_dy1 == 0)) {
        platform::msgBox("Rozsah osy X nebo Y je nulový!", 16, "GrafXY");
        return false;
    }
    const double dx = m_dx, dy = m_dy, dy1 = m_dy1;

    // The frame, the ticks and the texts: a statement the surface refuses is skipped.
    const double kx = m_secondaryInUse ? 1.2 : 1.1;
    skipOnError([&] { G.scale(-0.15 * dx, -0.1 * dy, kx * dx, 1.2 * dy); });
    skipOnError([&] { G.box(0, 0, dx, dy); });

    double hx = 0, hy = 0, hy1 = 0;
    skipOnError([&] { hx = platform::chk::div(dx, nX); });
    skipOnError([&] { hy = platform::chk::div(dy, nY); });
    skipOnError([&] { hy1 = platform::chk::div(dy, nY1); });
    for (int i = 0; i <= nY; ++i) {
        skipOnError([&] { G.line(0, i * hy, 0.02 * dx, i * hy); });
        if (!m_secondaryInUse) skipOnError([&] { G.line(dx, i * hy, 0.98 * dx, i * hy); });
    }
    if (m_secondaryInUse)
        for (int i = 0; i <= nY1; ++i)
            skipOnError([&] { G.line(dx, i * hy1, 0.98 * dx, i * hy1); });
    for (int i = 0; i <= nX; ++i) {
        skipOnError([&] { G.line(i * hx, 0, i * hx, 0.02 * dy); });
        skipOnError([&] { G.line(i * hx, dy, i * hx, 0.98 * dy); });
    }

    std::vector<Label> labels;
    for (int i = 0; i <= nY; ++i)
        labels.push_back({-0.13 * dx, i * hy - 0.01 * dy, RoundX(Ymax - i * hy)});
    for (int i = 0; i <= nX; i += nX > 6 ? 2 : 1)
        labels.push_back({i * hx - 0.02 * dx, 1.03 * dy, RoundX(Xmin + i * hx)});
    if (m_secondaryInUse)
        for (int i = 0; i <= nY1; ++i)
            skipOnError([&] {
                labels.push_back(
                    {1.03 * dx, i * hy1 - 0.02 * dy, RoundX(Ymax1 - platform::chk::div(i * dy1, nY1))});
            });
    double labelSize = fontSize;
    skipOnError([&] {
        labelSize = G.widthTwips() < NarrowForLabels ? 6 : fontSize;
        G.setFontSize(labelSize);
        // The labels stand where they stand; a font too large for the picture's margins
        // becomes smaller until every label lies inside the picture.
        while (G.fontSize() > SmallestLabelSize && !insidePicture(G, labels))
            G.setFontSize(std::max(G.fontSize() - LabelSizeStep, SmallestLabelSize));
    });
    for (const Label& label : labels)
        skipOnError([&] { printAt(G, label.x, label.y, label.text); });
    // The axis captions in the labels' own size.
    skipOnError([&] { G.setFontSize(labelSize); });

    if (!PopisX.empty())
        skipOnError([&] { printAt(G, 1.25 * dx / 2 - characters(PopisX) / 100 * dx, 1.09 * dy, PopisX); });
    if (!PopisY.empty()) skipOnError([&] { printAt(G, -0.14 * dx, -0.097 * dy, PopisY); });
    if (!PopisY1.empty()) skipOnError([&] { printAt(G, 0.95 * dx, -0.097 * dy, PopisY1); });

    if (!Title.empty()) {
        const bool narrow = G.widthTwips() < NarrowForTitle;
        skipOnError([&] {
            G.setFontSize(narrow ? 10 : 12);
            G.setFontBold(true);
        });
        skipOnError([&] {
            printAt(G, 1.25 * dx / 2 - characters(Title) / 40 * dx, narrow ? -0.095 * dy : -0.085 * dy,
                    Title);
        });
        skipOnError([&] {
            G.setFontBold(false);
            G.setFontSize(8);
        });
    }

    // The series and their markers: from here on errors reach the caller.
    G.setDrawWidth(int(std::nearbyint(std::min(m_lineWidth, 32767.0))));
    size_t place = 1;
    for (int16_t s = 1; s <= m_series; ++s) {
        const size_t si = size_t(s);
        if (m_line[si] > 0) {
            if (m_line[si] == 2) G.setDrawStyle(platform::DrawStyle::Dot);
            double px = 0, py = 0;
            for (int16_t k = 0; k < m_points[si]; ++k) {
                const double x = m_buffer[place + 2 * size_t(k)] - Xmin;
                const double y = RevY(m_buffer[place + 2 * size_t(k) + 1], s);
                if (k == 0)
                    G.point(x, y, m_colour[si]);
                else
                    G.line(px, py, x, y, m_colour[si]);
                px = x, py = y;
            }
            G.setDrawStyle(platform::DrawStyle::Solid);
        }
        place += 2 * size_t(m_points[si]);
    }
    G.setDrawWidth(1);

    place = 1;
    for (int16_t s = 1; s <= m_series; ++s) {
        const size_t si = size_t(s);
        if (m_marker[si] > 0)
            for (int16_t k = 0; k < m_points[si]; ++k)
                Marker(m_buffer[place + 2 * size_t(k)] - Xmin, RevY(m_buffer[place + 2 * size_t(k) + 1], s),
                       m_marker[si], m_markerSize, m_colour[si], G);
        place += 2 * size_t(m_points[si]);
    }

    G.setFontName(fontName);
    G.setFontSize(fontSize);
    return true;
}

void GrafXY::Marker(double x, double y, int16_t symbol, int16_t size, Colour Color, DrawingSurface& G) {
    G.setDrawWidth(1);
    // Half-sizes: ry vertical, rx horizontal; the circle radius in horizontal units.
    double ry = platform::chk::sqrt(size) * 0.001 * m_dy;
    double rx = platform::chk::div(ry * m_dx, m_dy) * 0.7;
    const double r = platform::chk::div(17 * ry, m_dy);
    switch (symbol) {
    case 1: {
        FillScope white(G, platform::colours::White);
        G.box(x - rx, y - ry, x + rx, y + ry, Color);
        break;
    }
    case 2:
        G.box(x - rx, y - ry, x - rx + 2.2 * rx, y - ry + 2.2 * ry, Color, true);
        break;
    case 3: {
        FillScope white(G, platform::colours::White);
        G.circle(x, y, r, Color);
        break;
    }
    case 4: {
        FillScope filled(G, Color);
        G.circle(x, y, r, Color);
        break;
    }
    case 5:
    case 6:
        G.line(x + rx, y + ry / 3, x, y - 5 * ry / 3, Color);
        G.line(x, y - 5 * ry / 3, x - rx, y + ry / 3, Color);
        G.line(x - rx, y + ry / 3, x + rx, y + ry / 3, Color);
        if (symbol == 6) {
            FillScope filled(G, Color);
            G.circle(x, y - 0.25 * ry, 0.24 * ry, Color);
        }
        break;
    case 7:
        G.line(x - rx, y - ry / 3, x, y + 5 * ry / 3, Color);
        G.line(x, y + 5 * ry / 3, x + rx, y - ry / 3, Color);
        G.line(x + rx, y - ry / 3, x - rx, y - ry / 3, Color);
        break;
    case 8:
        rx *= 1.6, ry *= 1.6;
        G.line(x, y + ry, x, y - ry, Color);
        G.line(x + rx, y, x - rx, y, Color);
        break;
    case 9:
        rx *= 1.6, ry *= 1.6;
        G.line(x - rx / 2, y + ry / 2, x + 0.6 * rx, y - 0.6 * ry, Color);
        G.line(x - rx / 2, y - ry / 2, x + 0.6 * rx, y + 0.6 * ry, Color);
        break;
    default:
        break;
    }
}

void GrafXY::Do_schranky(platform::ImageSurface& G) {
    platform::copyImageToClipboard(G.image());
}

void GrafXY::Clear() {
    m_series = 0;
    m_used = 0;
    m_secondaryInUse = false;
    nX = 6;
    nY = 4;
    nY1 = 4;
    m_points[0] = 0;
    m_points[1] = 0;
}

} // namespace morv
