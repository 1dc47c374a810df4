#include "Platform/qt/ImageSurface.h"
#include "Platform/qt/PictureBox.h"

#include "TestSupport.h"

#include <QImage>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace platform;

namespace {

Colour pixel(const QImage& image, int x, int y) {
    return ImageSurface::fromQColor(image.pixelColor(x, y));
}

bool isDark(Colour c) {
    return redOf(c) + greenOf(c) + blueOf(c) < 3 * 128;
}

// 200 x 100 pixels with x from 0 to 20 and y growing upwards from -5 to 5: 10 pixels a unit.
class Image : public ::testing::Test {
protected:
    void SetUp() override { s.scale(0, 5, 20, -5); }
    ImageSurface s{200, 100};
};

TEST_F(Image, FilledCircleIsPaintedAtItsUserPosition) {
    s.setBackColour(rgb(200, 200, 200));
    s.clear();
    s.setFillStyle(FillStyle::Solid);
    s.setFillColour(colours::White);
    s.circle(10, 0, 3);
    const QImage& img = s.image();
    EXPECT_EQ(pixel(img, 100, 50), colours::White);     // centre
    EXPECT_EQ(pixel(img, 120, 50), colours::White);     // inside, 2 units right
    EXPECT_EQ(pixel(img, 150, 50), rgb(200, 200, 200)); // outside
    EXPECT_TRUE(isDark(pixel(img, 130, 50)));           // the outline, 3 units right
    EXPECT_TRUE(isDark(pixel(img, 100, 20)));           // and 3 units up
}

TEST_F(Image, LinesFollowTheDirectionOfTheAxes) {
    s.line(0, 0, 20, 0, colours::Red);
    s.line(5, -5, 5, 5, colours::Blue);
    EXPECT_EQ(pixel(s.image(), 150, 50), colours::Red);
    EXPECT_EQ(pixel(s.image(), 50, 80), colours::Blue);
    EXPECT_EQ(pixel(s.image(), 150, 80), colours::White);
}

TEST_F(Image, BoxFilledWithItsColour) {
    s.box(2, 4, 6, 1, colours::Green, true);
    EXPECT_EQ(pixel(s.image(), 40, 20), colours::Green);
    EXPECT_EQ(pixel(s.image(), 70, 20), colours::White);
}

TEST_F(Image, PrintedTextWithCzechLettersLeavesInkWhereItIsMeasured) {
    s.setFontSize(12);
    s.setCurrentX(2);
    s.setCurrentY(4);
    const double w = s.textWidth("Řez 3");
    const double h = s.textHeight();
    EXPECT_GT(w, 1);
    EXPECT_GT(h, 1);
    s.print("Řez 3");
    EXPECT_DOUBLE_EQ(s.currentX(), 0);
    EXPECT_NEAR(s.currentY(), 4 - h, 1e-9);
    int inkInside = 0, inkOutside = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x) {
            if (!isDark(pixel(s.image(), x, y))) continue;
            const bool inside = x >= 18 && x <= 20 + w * 10 + 1 && y >= 10 && y <= 10 + h * 10 + 1;
            ++(inside ? inkInside : inkOutside);
        }
    EXPECT_GT(inkInside, 20);
    EXPECT_EQ(inkOutside, 0);
}

TEST_F(Image, SavedPictureReadsBackTheSame) {
    s.setFillStyle(FillStyle::Solid);
    s.setFillColour(colours::Red);
    s.circle(10, 0, 4);
    testsupport::TempDir dir;
    const QString path = QString::fromStdString(dir.file("sketch.png"));
    ASSERT_TRUE(s.image().save(path));
    QImage back(path);
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), s.image());
}

TEST(PictureBoxWidget, ShowsItsPictureAndFollowsItsSize) {
    PictureBox box;
    box.resize(120, 80);
    box.show();
    EXPECT_EQ(box.surface().image().size(), QSize(120, 80));
    QSignalSpy resized(&box, &PictureBox::resized);
    box.resize(160, 90);
    EXPECT_EQ(resized.count(), 1);
    EXPECT_EQ(box.surface().image().size(), QSize(160, 90));
    box.surface().scale(0, 0, 16, 9);
    box.surface().box(0, 0, 8, 9, colours::Blue, true);
    const QImage shot = box.grab().toImage();
    EXPECT_EQ(pixel(shot, 40, 45), colours::Blue);
    EXPECT_EQ(pixel(shot, 120, 45), colours::White);
}

} // namespace
