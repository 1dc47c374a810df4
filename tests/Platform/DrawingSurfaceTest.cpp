#include "Platform/RecordingSurface.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace platform;
using Kind = RecordingSurface::Kind;

namespace {

// A surface of 7050 x 7050 twips with the scale (-10, -10)-(110, 110): 58.75 twips a unit.
class Surface : public ::testing::Test {
protected:
    void SetUp() override { s.scale(-10, -10, 110, 110); }
    RecordingSurface s{7050, 7050};
};

TEST(DrawingSurfaceScale, StartsInTwipsFromTheUpperLeftCorner) {
    RecordingSurface s(3000, 1500);
    EXPECT_DOUBLE_EQ(s.scaleLeft(), 0);
    EXPECT_DOUBLE_EQ(s.scaleWidth(), 3000);
    EXPECT_DOUBLE_EQ(s.scaleHeight(), 1500);
    EXPECT_DOUBLE_EQ(s.twipsX(1200), 1200);
}

TEST(DrawingSurfaceScale, TwoCornersSetTheUserCoordinatesEitherWay) {
    RecordingSurface s(6000, 3000);
    // y growing upwards: the upper-left corner has the larger y.
    s.scale(0, 10, 100, -10);
    EXPECT_DOUBLE_EQ(s.scaleWidth(), 100);
    EXPECT_DOUBLE_EQ(s.scaleHeight(), -20);
    EXPECT_DOUBLE_EQ(s.twipsX(50), 3000);
    EXPECT_DOUBLE_EQ(s.twipsY(10), 0);
    EXPECT_DOUBLE_EQ(s.twipsY(-10), 3000);
    EXPECT_DOUBLE_EQ(s.twipsY(5), 750);
    EXPECT_DOUBLE_EQ(s.twipsOfHeight(-4), 600);
    s.scaleTwips();
    EXPECT_DOUBLE_EQ(s.twipsY(750), 750);
}

TEST(DrawingSurfaceScale, ScaleWithoutExtentIsRefused) {
    RecordingSurface s;
    EXPECT_RUNTIME_ERROR(s.scale(0, 0, 0, 10), 5);
    EXPECT_RUNTIME_ERROR(s.scale(0, 5, 10, 5), 5);
}

TEST_F(Surface, PrimitivesAreRecordedInUserCoordinatesWithTheirPen) {
    s.setForeColour(colours::Blue);
    s.setDrawWidth(2);
    s.setDrawStyle(DrawStyle::Dot);
    s.line(0, 0, 100, 0);
    s.line(0, 0, 0, 100, colours::Red);
    s.point(5, 6);
    ASSERT_EQ(s.primitives().size(), 3u);
    const auto& first = s.primitives()[0];
    EXPECT_EQ(first.kind, Kind::Line);
    EXPECT_DOUBLE_EQ(first.x2, 100);
    EXPECT_EQ(first.pen.colour, colours::Blue);
    EXPECT_EQ(first.pen.width, 2);
    EXPECT_EQ(first.pen.style, DrawStyle::Dot);
    EXPECT_EQ(s.primitives()[1].pen.colour, colours::Red);
    EXPECT_EQ(s.primitives()[2].kind, Kind::Point);
    // The current position follows the last primitive.
    EXPECT_DOUBLE_EQ(s.currentX(), 5);
    EXPECT_DOUBLE_EQ(s.currentY(), 6);
    s.setDrawWidth(0);
    EXPECT_EQ(s.drawWidth(), 1);
}

TEST_F(Surface, FillStyleDecidesWhetherCirclesAndBoxesAreFilled) {
    s.setFillColour(colours::White);
    s.setFillStyle(FillStyle::Solid);
    s.circle(0, 0, 100);
    s.box(1, 1, 2, 2);
    s.setFillStyle(FillStyle::Transparent);
    s.circle(10, 20, 3, colours::Red);
    s.box(1, 1, 2, 2);
    s.box(1, 1, 2, 2, colours::Green, true);
    const auto& p = s.primitives();
    ASSERT_EQ(p.size(), 5u);
    EXPECT_EQ(p[0].fill, colours::White);
    EXPECT_DOUBLE_EQ(p[0].r, 100);
    EXPECT_EQ(p[1].fill, colours::White);
    EXPECT_FALSE(p[2].fill.has_value());
    EXPECT_EQ(p[2].pen.colour, colours::Red);
    EXPECT_FALSE(p[3].fill.has_value());
    // A box filled with its colour ignores the fill style.
    EXPECT_EQ(p[4].fill, colours::Green);
}

TEST_F(Surface, PrintMovesToTheStartOfTheNextLine) {
    s.setFontSize(10);
    s.setCurrentX(20);
    s.setCurrentY(30);
    s.print(" 3");
    const auto texts = s.ofKind(Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_DOUBLE_EQ(texts[0].x1, 20);
    EXPECT_DOUBLE_EQ(texts[0].y1, 30);
    EXPECT_DOUBLE_EQ(texts[0].font.size, 10);
    // One line of a 10 pt font is 240 twips, 240 / 58.75 units.
    EXPECT_DOUBLE_EQ(s.textHeight(), 240 / 58.75);
    EXPECT_DOUBLE_EQ(s.currentX(), -10);
    EXPECT_DOUBLE_EQ(s.currentY(), 30 + 240 / 58.75);
}

TEST_F(Surface, TextWidthCountsCharactersNotBytesAndFollowsTheScale) {
    s.setFontSize(8);
    const double w = s.textWidth("Řez");
    EXPECT_DOUBLE_EQ(w, 3 * RecordingSurface::charWidthTwips(s.font()) / 58.75);
    s.setFontBold(true);
    EXPECT_GT(s.textWidth("Řez"), w);
    s.scale(-20, -10, 220, 110);
    s.setFontBold(false);
    EXPECT_DOUBLE_EQ(s.textWidth("Řez"), 2 * w);
}

TEST_F(Surface, ClearForgetsThePictureAndResetsThePosition) {
    s.setBackColour(colours::Green);
    s.line(1, 2, 3, 4);
    s.clear();
    ASSERT_EQ(s.primitives().size(), 1u);
    EXPECT_EQ(s.primitives()[0].kind, Kind::Clear);
    EXPECT_EQ(s.primitives()[0].fill, colours::Green);
    EXPECT_DOUBLE_EQ(s.currentX(), 0);
    EXPECT_DOUBLE_EQ(s.currentY(), 0);
}

TEST(Colours, ComponentsOfAColourValue) {
    // The value is red + 256 green + 65536 blue.
    EXPECT_EQ(rgb(255, 0, 0), 255u);
    EXPECT_EQ(rgb(0, 0, 255), 16711680u);
    EXPECT_EQ(rgb(255, 255, 0), 65535u);
    EXPECT_EQ(greenOf(rgb(1, 2, 3)), 2);
    EXPECT_EQ(blueOf(rgb(1, 2, 3)), 3);
}

} // namespace
