#include "MORV/window/analysis/GrafXY.h"

#include "Platform/RecordingSurface.h"
#include "Platform/Regional.h"
#include "Platform/qt/ImageSurface.h"

#include "TestSupport.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using morv::GrafXY;
using platform::RecordingSurface;
using Kind = platform::RecordingSurface::Kind;

namespace {

//! x 1 to 5 against y 10 to 50, from index 1 as the program's arrays hold them.
const std::vector<double> X5 = {0, 1, 2, 3, 4, 5};
const std::vector<double> Y5 = {0, 10, 20, 30, 40, 50};

class Chart : public ::testing::Test {
protected:
    testsupport::ScriptedBoxes boxes;
    platform::DecimalSeparatorScope separator{'.'};
    GrafXY chart;
    RecordingSurface surface{9600, 7200};

    std::vector<RecordingSurface::Primitive> lines() const { return surface.ofKind(Kind::Line); }
};

// ---- Automatic limits -----------------------------------------------------------------------

struct LimitCase {
    double from, to, lower, upper;
    friend void PrintTo(const LimitCase& c, std::ostream* os) { testsupport::printFields(c, os); }
};

class Limits : public ::testing::TestWithParam<LimitCase> {};

// Worked by hand from the rule: a step of the power of ten above 5 % of the range, the lower
// limit rounded down to it and the upper one up, each moved by half a step towards the data
// while that keeps 5 % clear of them.
TEST_P(Limits, RoundedAroundTheData) {
    const auto& c = GetParam();
    double lower = 0, upper = 0;
    GrafXY::MezeX(c.from, c.to, lower, upper);
    EXPECT_DOUBLE_EQ(lower, c.lower);
    EXPECT_DOUBLE_EQ(upper, c.upper);
}

INSTANTIATE_TEST_SUITE_P(Intervals, Limits,
                         ::testing::Values(LimitCase{1, 5, 1, 5.5}, LimitCase{2e5, 3e5, 2e5, 3.05e5},
                                           // step 10: 0 stays, 110 comes down to 105
                                           LimitCase{0, 100, 0, 105},
                                           // step 1: -5 stays, 0 comes down to -0.5
                                           LimitCase{-5, -1, -5, -0.5},
                                           // step 0.01: 0.12 moves up to 0.125, 0.19 stays
                                           LimitCase{0.127, 0.187, 0.125, 0.19}));

TEST(LimitsOfNothing, EmptyIntervalRaisesInvalidCall) {
    double lower = 0, upper = 0;
    EXPECT_RUNTIME_ERROR(GrafXY::MezeX(3, 3, lower, upper), 5);
    EXPECT_RUNTIME_ERROR(GrafXY::Log10(0), 5);
    EXPECT_NEAR(GrafXY::Log10(1000), 3, 1e-12);
}

TEST_F(Chart, FirstDrawWritesTheAutomaticLimitsAndLaterSeriesDoNotWidenThem) {
    chart.Add(X5, Y5, 1, 5);
    chart.Draw(surface);
    EXPECT_DOUBLE_EQ(chart.Xmin, 1);
    EXPECT_DOUBLE_EQ(chart.Xmax, 5.5);
    EXPECT_DOUBLE_EQ(chart.Ymin, 10);
    EXPECT_DOUBLE_EQ(chart.Ymax, 55);

    const std::vector<double> far = {0, 100};
    chart.Add(far, far, 1, 1);
    chart.Draw(surface);
    EXPECT_DOUBLE_EQ(chart.Xmax, 5.5);
    // Limits set back to 0 are found again.
    chart.Xmax = chart.Xmin = 0;
    chart.Draw(surface);
    EXPECT_DOUBLE_EQ(chart.Xmax, 105);
}

TEST_F(Chart, LimitsSetByTheCallerStay) {
    chart.Add(X5, Y5, 1, 5);
    chart.Xmin = 0, chart.Xmax = 10, chart.Ymin = 0, chart.Ymax = 100;
    chart.Draw(surface);
    EXPECT_DOUBLE_EQ(chart.Xmax, 10);
    EXPECT_DOUBLE_EQ(chart.Ymax, 100);
    EXPECT_DOUBLE_EQ(surface.scaleLeft(), -1.5);
    EXPECT_DOUBLE_EQ(surface.scaleTop(), -10);
    EXPECT_DOUBLE_EQ(surface.scaleWidth(), 12.5);
    EXPECT_DOUBLE_EQ(surface.scaleHeight(), 130);
}

// ---- Tick labels ----------------------------------------------------------------------------

struct LabelCase {
    double value;
    const char* dot;
    const char* comma;
    friend void PrintTo(const LabelCase& c, std::ostream* os) { testsupport::printFields(c, os); }
};

class TickLabel : public ::testing::TestWithParam<LabelCase> {};

TEST_P(TickLabel, PatternByMagnitude) {
    const auto& c = GetParam();
    {
        platform::DecimalSeparatorScope separator('.');
        EXPECT_EQ(GrafXY::RoundX(c.value), c.dot);
    }
    platform::DecimalSeparatorScope separator(',');
    EXPECT_EQ(GrafXY::RoundX(c.value), c.comma);
}

INSTANTIATE_TEST_SUITE_P(Magnitudes, TickLabel,
                         ::testing::Values(LabelCase{1e-11, "0.0", "0,0"},
                                           LabelCase{0.0005, "5.000E-04", "5,000E-04"},
                                           LabelCase{0.05, "0.050", "0,050"}, LabelCase{5, "5.00", "5,00"},
                                           LabelCase{-5, "-5.00", "-5,00"}, LabelCase{500, "500.0", "500,0"},
                                           LabelCase{20000, "2.00E+04", "2,00E+04"},
                                           LabelCase{305000, "3.05E+05", "3,05E+05"},
                                           LabelCase{std::nan(""), "", ""}));

TEST_F(Chart, LayoutOfTheDefaultChart) {
    chart.Add(X5, Y5, 1, 5);
    chart.PopisX = "Převedené teplo";
    chart.PopisY = "Tlak";
    chart.Title = "Graf";
    chart.Draw(surface);
    // Y 10..55 in four divisions, X 1..5.5 in six, then the labels and the title.
    EXPECT_EQ(surface.texts(),
              (std::vector<std::string>{"55.00", "43.75", "32.50", "21.25", "10.00", "1.00", "1.75", "2.50",
                                        "3.25", "4.00", "4.75", "5.50", "Převedené teplo", "Tlak", "Graf"}));
    const auto texts = surface.ofKind(Kind::Text);
    const double dx = 4.5, dy = 45;
    EXPECT_NEAR(texts[1].x1, -0.13 * dx, 1e-12);
    EXPECT_NEAR(texts[1].y1, 11.25 - 0.01 * dy, 1e-12);
    EXPECT_NEAR(texts[6].x1, 0.75 - 0.02 * dx, 1e-12);
    EXPECT_NEAR(texts[6].y1, 1.03 * dy, 1e-12);
    // 15 characters of the X label, 4 of the title.
    EXPECT_NEAR(texts[12].x1, 1.25 * dx / 2 - 15.0 / 100 * dx, 1e-12);
    EXPECT_NEAR(texts[12].y1, 1.09 * dy, 1e-12);
    EXPECT_NEAR(texts[13].x1, -0.14 * dx, 1e-12);
    EXPECT_NEAR(texts[14].x1, 1.25 * dx / 2 - 4.0 / 40 * dx, 1e-12);
    EXPECT_NEAR(texts[14].y1, -0.085 * dy, 1e-12);
    EXPECT_EQ(texts[14].font.size, 12);
    EXPECT_TRUE(texts[14].font.bold);
    EXPECT_EQ(texts[0].font.size, 8);

    // Five ticks on each side of the Y axis, seven on the top and the bottom, four segments.
    const auto l = lines();
    ASSERT_EQ(l.size(), 5u * 2 + 7 * 2 + 4);
    EXPECT_NEAR(l[0].x2, 0.02 * dx, 1e-12);
    EXPECT_NEAR(l[1].x1, dx, 1e-12);
    EXPECT_NEAR(l[1].x2, 0.98 * dx, 1e-12);
    EXPECT_NEAR(l[10].y2, 0.02 * dy, 1e-12);
    // The frame, then a marker (an open square) at each point.
    const auto b = surface.ofKind(Kind::Box);
    ASSERT_EQ(b.size(), 6u);
    EXPECT_EQ(b[0].x1, 0);
    EXPECT_EQ(b[0].y2, dy);
    EXPECT_FALSE(b[0].fill.has_value());
    // The surface's font, line width and style are back as they were.
    EXPECT_EQ(surface.fontSize(), 8);
    EXPECT_FALSE(surface.fontBold());
    EXPECT_EQ(surface.drawWidth(), 1);
    EXPECT_EQ(surface.drawStyle(), platform::DrawStyle::Solid);
    EXPECT_EQ(surface.fillStyle(), platform::FillStyle::Transparent);
}

TEST_F(Chart, SeriesIsAPolylineFromAPointInItsColourAndWidth) {
    chart.Add(X5, Y5, 1, 5);
    chart.SilaCar(2);
    chart.Draw(surface);
    const auto p = surface.ofKind(Kind::Point);
    ASSERT_EQ(p.size(), 1u);
    // Y grows upwards: the lowest value lands on dy (45), each 10 higher 10 up.
    EXPECT_EQ(p[0].x1, 0);
    EXPECT_EQ(p[0].y1, 45);
    EXPECT_EQ(p[0].pen.width, 2);
    EXPECT_EQ(p[0].pen.colour, 16711680u);
    const auto l = lines();
    const auto& last = l.back();
    EXPECT_EQ(last.x1, 3);
    EXPECT_EQ(last.y1, 15);
    EXPECT_EQ(last.x2, 4);
    EXPECT_EQ(last.y2, 5);
    EXPECT_EQ(last.pen.width, 2);
    EXPECT_EQ(last.pen.style, platform::DrawStyle::Solid);
    EXPECT_EQ(surface.drawWidth(), 1);
}

TEST_F(Chart, LineAndMarkerKindsOfASeries) {
    // A dotted line without markers.
    chart.Add(X5, Y5, 1, 5);
    chart.Body(1, 0);
    chart.Caru(1, 2);
    chart.Draw(surface);
    EXPECT_EQ(lines().back().pen.style, platform::DrawStyle::Dot);
    EXPECT_EQ(surface.ofKind(Kind::Box).size(), 1u);
    EXPECT_EQ(surface.drawStyle(), platform::DrawStyle::Solid);

    // Open squares without a line.
    chart.Body(1, 1);
    chart.Caru(1, 0);
    surface.clear();
    chart.Draw(surface);
    EXPECT_EQ(surface.ofKind(Kind::Point).size(), 0u);
    EXPECT_EQ(lines().size(), 5u * 2 + 7 * 2);
    EXPECT_EQ(surface.ofKind(Kind::Box).size(), 6u);
}

TEST_F(Chart, TightDivisionsLabelEveryOtherTick) {
    chart.Add(X5, Y5, 1, 5);
    chart.nX = 8;
    chart.Draw(surface);
    const auto t = surface.texts();
    // 1..5.5 in eight divisions of 0.5625; labels at 0, 2, 4, 6, 8.
    EXPECT_EQ(std::vector<std::string>(t.begin() + 5, t.end()),
              (std::vector<std::string>{"1.00", "2.13", "3.25", "4.38", "5.50"}));
    EXPECT_EQ(lines().size(), 5u * 2 + 9 * 2 + 4);
}

TEST_F(Chart, NarrowSurfaceGetsSmallLabelsAndASmallerTitleHigherUp) {
    RecordingSurface narrow(4000, 4000);
    chart.Add(X5, Y5, 1, 5);
    chart.Title = "Graf";
    chart.Draw(narrow);
    const auto t = narrow.ofKind(Kind::Text);
    EXPECT_EQ(t.front().font.size, 6);
    EXPECT_EQ(t.back().font.size, 10);
    EXPECT_NEAR(t.back().y1, -0.095 * 45, 1e-12);
}

TEST_F(Chart, SecondaryAxisWidensTheRightMarginAndHasItsOwnTicks) {
    const std::vector<double> y2 = {0, 1, 2, 3, 4, 5};
    chart.Add(X5, Y5, 1, 5);
    chart.Add(X5, y2, 1, 5);
    chart.VedlOsa(2, true);
    chart.nY1 = 2;
    chart.Draw(surface);
    EXPECT_DOUBLE_EQ(chart.Ymin1, 1);
    EXPECT_DOUBLE_EQ(chart.Ymax1, 5.5);
    EXPECT_NEAR(surface.scaleWidth(), 1.35 * 4.5, 1e-12);
    // Left ticks by nY, right ones by nY1.
    const auto l = lines();
    EXPECT_NEAR(l[0].x1, 0, 1e-12);
    EXPECT_NEAR(l[5].x1, 4.5, 1e-12);
    EXPECT_NEAR(l[7].y1, 45, 1e-12);
    // The secondary series spans the plot height: Ymax1 at 0, Ymin1 at dy.
    EXPECT_NEAR(chart.RevY(5.5, 2), 0, 1e-12);
    EXPECT_NEAR(chart.RevY(1, 2), 45, 1e-12);
    EXPECT_NEAR(chart.RevY(55, 1), 0, 1e-12);
    const auto t = surface.texts();
    EXPECT_EQ(std::vector<std::string>(t.begin() + 12, t.end()),
              (std::vector<std::string>{"5.50", "3.25", "1.00"}));
}

// ---- Tick labels inside the picture -----------------------------------------------------------

//! A duty from 200 to 300 kW: its X axis ends at 305000, labelled "3.05E+05" at the right edge.
const std::vector<double> Duty = {0, 2e5, 2.5e5, 3e5};
const std::vector<double> Flow = {0, 1.2, 1.5, 1.9};

//! The printed texts (of one-byte characters), each in its font, lie inside the surface's user
//! area.
void expectInside(const platform::DrawingSurface& G, const std::vector<RecordingSurface::Primitive>& texts) {
    for (const auto& t : texts) {
        const double w = RecordingSurface::charWidthTwips(t.font) * double(t.text.size());
        EXPECT_GE(t.x1, G.scaleLeft()) << t.text;
        EXPECT_LE(t.x1 + G.unitsOfWidthTwips(w), G.scaleLeft() + G.scaleWidth() + 1e-9) << t.text;
        EXPECT_GE(t.y1, G.scaleTop()) << t.text;
        EXPECT_LE(t.y1 + G.unitsOfHeightTwips(RecordingSurface::lineHeightTwips(t.font)),
                  G.scaleTop() + G.scaleHeight() + 1e-9)
            << t.text;
    }
}

TEST_F(Chart, LabelsTooWideForTheMarginGetASmallerFontAndKeepTheirPlaces) {
    struct Case {
        const char* what;
        double width;     //!< of the surface [twips]
        bool secondary;   //!< the duties also on the secondary axis
        double labelSize; //!< of the tick labels [pt]
    };
    // 8 characters of 0.55 x size x 20 twips in 0.12 dx (0.096 of the width) on the right:
    // 9600 twips take 8 pt, 6000 only 6.5 pt; a narrow surface starts at 6 pt and goes to 4.5.
    // With a secondary axis the last X label has 0.22 dx of 1.35 dx, but the secondary labels
    // "3.05E+05" have 0.17 dx (0.126 of the width): 5000 twips take 7 pt.
    const Case cases[] = {{"wide enough", 9600, false, 8},
                          {"too narrow for 8 pt", 6000, false, 6.5},
                          {"narrow", 4400, false, 4.5},
                          {"with a secondary axis", 5000, true, 7}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GrafXY g;
        RecordingSurface G(c.width, 7200);
        g.Add(Duty, Flow, 1, 3);
        if (c.secondary) {
            g.Add(Duty, Duty, 1, 3);
            g.VedlOsa(2, true);
        }
        g.PopisX = "Převedené teplo";
        g.PopisY = "Hmot.průtok plášť";
        g.Draw(G);
        const auto texts = G.ofKind(Kind::Text);
        const size_t labels = 5 + 7 + (c.secondary ? 5 : 0);
        ASSERT_EQ(texts.size(), labels + 2);
        const std::vector<RecordingSurface::Primitive> ticks(texts.begin(), texts.begin() + long(labels));
        for (const auto& t : ticks)
            EXPECT_EQ(t.font.size, c.labelSize) << t.text;
        expectInside(G, ticks);
        // Where the layout puts them: the last X label 0.02 dx left of the last tick.
        EXPECT_EQ(ticks[11].text, "3.05E+05");
        EXPECT_NEAR(ticks[11].x1, 0.98 * 105000, 1e-6);
        EXPECT_NEAR(ticks[11].y1, 1.03 * (g.Ymax - g.Ymin), 1e-12);
        // The axis captions keep the size the labels started from; the surface its own.
        EXPECT_EQ(texts[labels].font.size, c.width < 4500 ? 6 : 8);
        EXPECT_EQ(G.fontSize(), 8);
    }
}

//! The picture of a window, which also keeps the box of every text it prints in its own font
//! [pixels].
class MeasuredPicture : public platform::ImageSurface {
public:
    using ImageSurface::ImageSurface;
    std::vector<QRectF> printed;

protected:
    void renderText(double x, double y, std::string_view text, platform::Colour colour,
                    const platform::Font& font) override {
        ImageSurface::renderText(x, y, text, colour, font);
        printed.emplace_back(twipsX(x) / TwipsPerPixel, twipsY(y) / TwipsPerPixel,
                             measureWidthTwips(text, font) / TwipsPerPixel,
                             measureHeightTwips(text, font) / TwipsPerPixel);
    }
};

// The chart window's own size and larger and smaller ones, with either decimal separator, in
// the fonts the pictures are drawn with.
TEST_F(Chart, EveryTickLabelOfADutyChartLiesInsideItsPicture) {
    for (char separator : {'.', ','}) {
        platform::DecimalSeparatorScope regional(separator);
        for (QSize size : {QSize(640, 480), QSize(1000, 750), QSize(400, 300), QSize(290, 220)}) {
            SCOPED_TRACE(testing::Message() << separator << " " << size.width() << "x" << size.height());
            GrafXY g;
            MeasuredPicture picture(size.width(), size.height());
            g.Add(Duty, Flow, 1, 3);
            g.Draw(picture);
            ASSERT_EQ(picture.printed.size(), 12u);
            const QRectF whole(0, 0, size.width(), size.height());
            for (const QRectF& label : picture.printed)
                EXPECT_TRUE(whole.contains(label)) << label.x() << " " << label.right();
        }
    }
}

// ---- Markers --------------------------------------------------------------------------------

struct Shape {
    Kind kind;
    double x1, y1, x2, y2, r;
    std::optional<platform::Colour> fill;
};

struct MarkerCase {
    int16_t kind;
    std::vector<Shape> shapes;
    friend void PrintTo(const MarkerCase& c, std::ostream* os) { *os << "kind " << c.kind; }
};

class Markers : public Chart, public ::testing::WithParamInterface<MarkerCase> {};

constexpr platform::Colour Red = 255;
constexpr platform::Colour White = 0xFFFFFF;

// Plot 10 wide and 20 high, marker size 4: ry = 2 x 0.001 x 20 = 0.04, rx = 0.04 x 10 / 20 x
// 0.7 = 0.014, circle radius 17 x 0.04 / 20 = 0.034; a marker at (5, 10).
TEST_P(Markers, ShapeAtThePoint) {
    const auto& c = GetParam();
    chart.Xmin = 0, chart.Xmax = 10, chart.Ymin = 0, chart.Ymax = 20;
    chart.Draw(surface);
    RecordingSurface G;
    G.setDrawWidth(3);
    G.setFillColour(0x123456);
    chart.Marker(5, 10, c.kind, 4, Red, G);
    const auto& p = G.primitives();
    ASSERT_EQ(p.size(), c.shapes.size());
    for (size_t i = 0; i < p.size(); ++i) {
        SCOPED_TRACE(i);
        const Shape& s = c.shapes[i];
        EXPECT_EQ(p[i].kind, s.kind);
        EXPECT_NEAR(p[i].x1, s.x1, 1e-12);
        EXPECT_NEAR(p[i].y1, s.y1, 1e-12);
        EXPECT_NEAR(p[i].x2, s.x2, 1e-12);
        EXPECT_NEAR(p[i].y2, s.y2, 1e-12);
        EXPECT_NEAR(p[i].r, s.r, 1e-12);
        EXPECT_EQ(p[i].fill, s.fill);
        EXPECT_EQ(p[i].pen.colour, Red);
        EXPECT_EQ(p[i].pen.width, 1);
    }
    // The fill settings are the surface's own again.
    EXPECT_EQ(G.fillStyle(), platform::FillStyle::Transparent);
    EXPECT_EQ(G.fillColour(), 0x123456u);
}

const double h = 0.04 / 3, t5 = 5 * 0.04 / 3;
INSTANTIATE_TEST_SUITE_P(
    NineKinds, Markers,
    ::testing::Values(
        MarkerCase{0, {}}, MarkerCase{10, {}},
        MarkerCase{1, {{Kind::Box, 4.986, 9.96, 5.014, 10.04, 0, White}}},
        MarkerCase{2, {{Kind::Box, 4.986, 9.96, 4.986 + 2.2 * 0.014, 9.96 + 2.2 * 0.04, 0, Red}}},
        MarkerCase{3, {{Kind::Circle, 5, 10, 0, 0, 0.034, White}}},
        MarkerCase{4, {{Kind::Circle, 5, 10, 0, 0, 0.034, Red}}},
        MarkerCase{5,
                   {{Kind::Line, 5.014, 10 + h, 5, 10 - t5, 0, {}},
                    {Kind::Line, 5, 10 - t5, 4.986, 10 + h, 0, {}},
                    {Kind::Line, 4.986, 10 + h, 5.014, 10 + h, 0, {}}}},
        MarkerCase{6,
                   {{Kind::Line, 5.014, 10 + h, 5, 10 - t5, 0, {}},
                    {Kind::Line, 5, 10 - t5, 4.986, 10 + h, 0, {}},
                    {Kind::Line, 4.986, 10 + h, 5.014, 10 + h, 0, {}},
                    {Kind::Circle, 5, 10 - 0.01, 0, 0, 0.24 * 0.04, Red}}},
        MarkerCase{7,
                   {{Kind::Line, 4.986, 10 - h, 5, 10 + t5, 0, {}},
                    {Kind::Line, 5, 10 + t5, 5.014, 10 - h, 0, {}},
                    {Kind::Line, 5.014, 10 - h, 4.986, 10 - h, 0, {}}}},
        // Plus and cross are 1.6 times larger: rx 0.0224, ry 0.064.
        MarkerCase{8,
                   {{Kind::Line, 5, 10.064, 5, 9.936, 0, {}}, {Kind::Line, 5.0224, 10, 4.9776, 10, 0, {}}}},
        MarkerCase{9,
                   {{Kind::Line, 5 - 0.0112, 10.032, 5 + 0.6 * 0.0224, 10 - 0.6 * 0.064, 0, {}},
                    {Kind::Line, 5 - 0.0112, 9.968, 5 + 0.6 * 0.0224, 10 + 0.6 * 0.064, 0, {}}}}));

TEST_F(Chart, EachSeriesDrawsItsOwnMarkerKindInItsColour) {
    const std::vector<double> x = {0, 1, 2}, y = {0, 1, 2};
    for (int s = 1; s <= 10; ++s)
        chart.Add(x, y, 1, 2);
    chart.Draw(surface);
    // Series 1 to 10: squares, filled squares, circles, filled circles, triangles, triangles
    // apex down, plus, cross, squares, filled circles; two points each.
    EXPECT_EQ(surface.ofKind(Kind::Box).size(), 1u + 2 + 2 + 2);
    EXPECT_EQ(surface.ofKind(Kind::Circle).size(), 2u + 2 + 2);
    std::vector<platform::Colour> circleColours;
    for (const auto& c : surface.ofKind(Kind::Circle))
        circleColours.push_back(c.pen.colour);
    EXPECT_EQ(circleColours, (std::vector<platform::Colour>{0, 0, 16776960, 16776960, 0, 0}));
}

// ---- Fields and limits of the class ---------------------------------------------------------

TEST(ChartFields, DefaultsAndWhatTheSettersRefuse) {
    GrafXY chart;
    EXPECT_EQ(chart.nX, 6);
    EXPECT_EQ(chart.nY, 4);
    EXPECT_EQ(chart.nY1, 4);
    EXPECT_EQ(chart.VelBodu(), 1);
    EXPECT_EQ(chart.SilaCar(), 1);
    EXPECT_EQ(chart.PocFce(), 0);
    const platform::Colour colours[10] = {16711680, 255,   0,        16776960, 16711935,
                                          65535,    65280, 16711680, 255,      0};
    const int16_t markers[10] = {1, 2, 3, 4, 5, 7, 8, 9, 1, 4};
    for (int16_t s = 1; s <= 10; ++s) {
        EXPECT_EQ(chart.Color(s), colours[s - 1]) << s;
        EXPECT_EQ(chart.Body(s), markers[s - 1]) << s;
        EXPECT_EQ(chart.Caru(s), 1) << s;
    }
    EXPECT_EQ(chart.Caru(11), 0);
    EXPECT_EQ(chart.Body(11), 0);

    chart.Color(11, 255);
    EXPECT_EQ(chart.Color(11), 0u);
    chart.Color(2, 65280);
    EXPECT_EQ(chart.Color(2), 65280u);
    chart.Caru(1, 3);
    EXPECT_EQ(chart.Caru(1), 1);
    chart.Body(1, 9);
    EXPECT_EQ(chart.Body(1), 9);
    chart.Body(1, 10);
    EXPECT_EQ(chart.Body(1), 9);
    chart.SilaCar(0);
    EXPECT_EQ(chart.SilaCar(), 1);
    chart.VelBodu(-3);
    EXPECT_EQ(chart.VelBodu(), -3);
    EXPECT_RUNTIME_ERROR(chart.Color(51), 9);
    EXPECT_RUNTIME_ERROR(chart.Caru(-1, 1), 9);
}

TEST(ChartFields, AddBeyondItsLimitsRaisesSubscriptAndAddsNothing) {
    GrafXY chart;
    std::vector<double> x(501), y(501);
    for (size_t i = 0; i < x.size(); ++i)
        x[i] = double(i), y[i] = double(i * i);
    EXPECT_RUNTIME_ERROR(chart.Add(x, y, 0, 500), 9); // 501 points
    EXPECT_EQ(chart.PocFce(), 0);
    chart.Add(x, y, 1, 500);
    EXPECT_EQ(chart.PocFce(), 1);
    EXPECT_RUNTIME_ERROR(chart.Add(x, y, 1, 1), 9);
    EXPECT_EQ(chart.PocFce(), 1);
    // Outside the caller's arrays.
    chart.Clear();
    const std::vector<double> shortY(3);
    EXPECT_RUNTIME_ERROR(chart.Add(x, shortY, 1, 5), 9);
    EXPECT_EQ(chart.PocFce(), 0);
    // Fifty series, not one more.
    for (int s = 1; s <= 50; ++s)
        chart.Add(x, y, 1, 2);
    EXPECT_EQ(chart.PocFce(), 50);
    EXPECT_RUNTIME_ERROR(chart.Add(x, y, 1, 2), 9);
}

TEST_F(Chart, ClearForgetsTheSeriesAndTheDivisionsButNotTheLimits) {
    chart.Add(X5, Y5, 1, 5);
    chart.VedlOsa(1, true);
    chart.nX = 3;
    chart.PopisX = "x";
    chart.Draw(surface);
    chart.Clear();
    EXPECT_EQ(chart.PocFce(), 0);
    EXPECT_EQ(chart.nX, 6);
    EXPECT_DOUBLE_EQ(chart.Xmax, 5.5);
    EXPECT_EQ(chart.PopisX, "x");
    EXPECT_TRUE(chart.VedlOsa(1));
    // A series against the primary axis only: the right margin is narrow again.
    chart.VedlOsa(1, false);
    chart.Add(X5, Y5, 1, 5);
    surface.clear();
    chart.Draw(surface);
    EXPECT_NEAR(surface.scaleWidth(), 1.25 * 4.5, 1e-12);
    EXPECT_EQ(surface.ofKind(Kind::Box).size(), 6u);
}

// ---- A range that is zero -------------------------------------------------------------------

TEST_F(Chart, ZeroRangeIsReportedAndNothingIsDrawn) {
    const std::vector<double> one = {0, 3}, flat = {0, 7, 7, 7};
    const struct {
        const char* what;
        std::vector<double> x, y;
        int16_t n;
    } cases[] = {{"single point", one, one, 1}, {"constant y", X5, flat, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        GrafXY g;
        RecordingSurface G;
        g.Add(c.x, c.y, 1, c.n);
        boxes.answer(platform::answer::Ok);
        g.Draw(G);
        ASSERT_FALSE(boxes.boxes().empty());
        EXPECT_EQ(boxes.boxes().back().text, "Rozsah osy X nebo Y je nulový!");
        EXPECT_EQ(boxes.boxes().back().style, 16);
        EXPECT_EQ(boxes.boxes().back().title, "GrafXY");
        EXPECT_TRUE(G.primitives().empty());
    }
    EXPECT_EQ(boxes.boxes().size(), 2u);
}

TEST_F(Chart, DataWithoutAFiniteValueIsRefusedAndNothingIsDrawn) {
    const double nan = std::numeric_limits<double>::quiet_NaN(),
                 inf = std::numeric_limits<double>::infinity();
    const std::vector<double> nans = {0, nan, nan, nan, nan, nan}, infs = {0, inf, -inf, nan, inf, nan};
    const struct {
        const char* what;
        std::vector<double> x, y;
        bool limitsSet;
    } cases[] = {{"y not a number", X5, nans, false},
                 {"x not a number", nans, Y5, false},
                 {"y infinite or not a number", X5, infs, false},
                 {"limits set by the caller", X5, nans, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        GrafXY g;
        if (c.limitsSet) g.Xmin = 0, g.Xmax = 5, g.Ymin = 0, g.Ymax = 10;
        RecordingSurface G;
        g.Add(c.x, c.y, 1, 5);
        boxes.answer(platform::answer::Ok);
        EXPECT_FALSE(g.Draw(G));
        ASSERT_FALSE(boxes.boxes().empty());
        EXPECT_EQ(boxes.boxes().back().text, "Graf nemá žádnou platnou hodnotu!");
        EXPECT_EQ(boxes.boxes().back().style, 16);
        EXPECT_EQ(boxes.boxes().back().title, "GrafXY");
        EXPECT_TRUE(G.primitives().empty());
    }
    // Without points the automatic limits have nothing to be found from either.
    GrafXY empty;
    RecordingSurface G;
    boxes.answer(platform::answer::Ok);
    EXPECT_FALSE(empty.Draw(G));
    EXPECT_EQ(boxes.boxes().back().text, "Graf nemá žádnou platnou hodnotu!");
    EXPECT_TRUE(G.primitives().empty());
    EXPECT_EQ(boxes.boxes().size(), 5u);
}

TEST_F(Chart, PointsThatAreNotNumbersDoNotSetTheLimits) {
    const std::vector<double> y = {
        0, 1, std::numeric_limits<double>::quiet_NaN(), 3, std::numeric_limits<double>::infinity(), 5};
    chart.Add(X5, y, 1, 5);
    EXPECT_TRUE(chart.Draw(surface));
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_DOUBLE_EQ(chart.Ymin, 1);
    EXPECT_DOUBLE_EQ(chart.Ymax, 5.5);
}

TEST_F(Chart, EqualSecondaryLimitsAreAZeroRange) {
    const std::vector<double> flat = {0, 2, 2, 2, 2, 2};
    chart.Add(X5, Y5, 1, 5);
    chart.Add(X5, flat, 1, 5);
    chart.VedlOsa(2, true);
    chart.Ymin1 = chart.Ymax1 = 2;
    boxes.answer(platform::answer::Ok);
    chart.Draw(surface);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "Rozsah osy X nebo Y je nulový!");
    EXPECT_TRUE(surface.primitives().empty());
}

// ---- The picture ----------------------------------------------------------------------------

TEST_F(Chart, PictureIsSavedAndPutOnTheClipboard) {
    platform::ImageSurface image(640, 480);
    chart.Add(X5, Y5, 1, 5);
    chart.PopisX = "Převedené teplo";
    chart.PopisY = "Tlaková ztráta v trubkách ";
    chart.SilaCar(2);
    chart.Draw(image);
    testsupport::TempDir dir;
    const QString path = QString::fromStdString(dir.file("graf.png"));
    ASSERT_TRUE(image.image().save(path));
    const QImage saved = QImage(path).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(saved.size(), QSize(640, 480));
    // User scale -0.675..4.95 across 640 pixels, -4.5..54 down 480.
    auto at = [&](double x, double y) {
        return saved.pixelColor(int((x + 0.675) / 5.625 * 640), int((y + 4.5) / 58.5 * 480));
    };
    EXPECT_EQ(at(2.5, 30), QColor(Qt::white)); // inside the plot, away from the line
    const QColor onLine = at(0.5, 40);         // halfway between the first two points
    EXPECT_GT(onLine.blue(), 200);
    EXPECT_LT(onLine.red(), 120);
    int dark = 0; // the left side of the frame
    for (int px = 74; px <= 80; ++px)
        dark += saved.pixelColor(px, 200).lightness() < 128;
    EXPECT_GT(dark, 0);

    GrafXY::Do_schranky(image);
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              image.image().convertToFormat(QImage::Format_RGB32));

    const QByteArray folder = qgetenv("MORV_SCREENSHOTS");
    if (!folder.isEmpty()) {
        QDir().mkpath(QString::fromLocal8Bit(folder));
        EXPECT_TRUE(image.image().save(QString::fromLocal8Bit(folder) + "/GrafXY.png"));
    }
}

} // namespace

namespace {

// A picture to look at: the nine marker kinds, enlarged, one series each, the last one on the
// secondary axis, with a title.
TEST_F(Chart, ScreenshotOfEveryMarkerKind) {
    const QByteArray folder = qgetenv("MORV_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "MORV_SCREENSHOTS names no folder";
    platform::ImageSurface image(640, 480);
    const std::vector<double> x = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    std::vector<std::vector<double>> ys;
    for (int s = 1; s <= 9; ++s) {
        std::vector<double> y(x.size());
        for (size_t i = 1; i < x.size(); ++i)
            y[i] = s * 10 + x[i] * (s % 3 + 1);
        ys.push_back(y);
        chart.Add(x, ys.back(), 1, 10);
        chart.Body(int16_t(s), int16_t(s));
        chart.Caru(int16_t(s), int16_t(s % 3 == 0 ? 2 : 1));
    }
    chart.VedlOsa(9, true);
    chart.VelBodu(900);
    chart.Title = "Značky 1 až 9";
    chart.PopisX = "x";
    chart.PopisY = "y";
    chart.PopisY1 = "y1";
    chart.Draw(image);
    QDir().mkpath(QString::fromLocal8Bit(folder));
    EXPECT_TRUE(image.image().save(QString::fromLocal8Bit(folder) + "/GrafXY-markers.png"));
}

} // namespace
