#include "MORV/model/Trubkovnice.h"
#include "Platform/RecordingSurface.h"

#include "../CatalogueRows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace morv;

namespace {

using platform::RecordingSurface;
using Kind = RecordingSurface::Kind;

struct LayoutCase {
    const char* name;
    TubeSheetDimensions dims;
    int64_t sheetRows, sheetTubes, centralRow;
    std::vector<int32_t> perRow; // rows 1 .. of the quarter
    std::vector<std::string> labels;
};

// The design values of the sketch, 400 mm shell, 25 mm tubes at 65 mm pitch: counted by hand
// on the grid (shell radius 100 units, pitch 32.5 units, tube clearance 24.375 units).
const LayoutCase layoutCases[] = {
    {"InLine", {400, 25, 65, 65, false}, 5, 21, 5, {3, 3, 2}, {" 3", " 3", " 2"}},
    {"Staggered", {400, 25, 65, 65, true}, 5, 19, 5, {3, 2, 2}, {" 3", " 2", " 2"}},
};

class Layout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(Layout, CountsRowsTubesAndTheCentralRow) {
    const auto& c = GetParam();
    const TubeSheetLayout l = layOutTubeSheet(c.dims);
    ASSERT_TRUE(l.valid);
    EXPECT_EQ(l.sheetRows(), c.sheetRows);
    EXPECT_EQ(l.sheetTubes(), c.sheetTubes);
    EXPECT_EQ(l.centralRowTubes(), c.centralRow);
    ASSERT_EQ(l.rows, int32_t(c.perRow.size()));
    for (int32_t i = 1; i <= l.rows; ++i)
        EXPECT_EQ(l.rowTubes(i), c.perRow[size_t(i - 1)]) << "row " << i;
    // Every tube of the quarter is kept for drawing, centred on the pitch grid inside the shell.
    ASSERT_EQ(int64_t(l.tubes.size()), l.quarterTubes);
    for (const auto& t : l.tubes) {
        EXPECT_LT(std::hypot(t.x, t.y) + l.r, 100);
        const double column = t.x / l.s1;
        EXPECT_NEAR(column * 2, std::round(column * 2), 1e-9);
    }
    EXPECT_DOUBLE_EQ(l.r, 6.25);
}

TEST_P(Layout, SketchShowsShellAxesTubesAndRowLabels) {
    const auto& c = GetParam();
    RecordingSurface s(7050, 7050);
    const TubeSheetLayout l = sketchTubeSheet(s, c.dims);
    ASSERT_TRUE(l.valid);
    EXPECT_DOUBLE_EQ(s.scaleLeft(), -10);
    EXPECT_DOUBLE_EQ(s.scaleWidth(), 120);
    EXPECT_DOUBLE_EQ(s.scaleHeight(), 120);
    ASSERT_FALSE(s.primitives().empty());
    EXPECT_EQ(s.primitives()[0].kind, Kind::Clear);

    const auto circles = s.ofKind(Kind::Circle);
    ASSERT_EQ(int64_t(circles.size()), 1 + l.quarterTubes);
    // The shell: radius 100 around the centre, filled white.
    EXPECT_DOUBLE_EQ(circles[0].x1, 0);
    EXPECT_DOUBLE_EQ(circles[0].y1, 0);
    EXPECT_DOUBLE_EQ(circles[0].r, 100);
    EXPECT_EQ(circles[0].fill, platform::colours::White);
    // The tubes: outlines of radius 6.25 (12.5 mm of a 200 mm radius).
    for (size_t i = 1; i < circles.size(); ++i) {
        EXPECT_DOUBLE_EQ(circles[i].r, 6.25);
        EXPECT_FALSE(circles[i].fill.has_value());
    }

    const auto lines = s.ofKind(Kind::Line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_DOUBLE_EQ(lines[0].x2, 100);
    EXPECT_DOUBLE_EQ(lines[0].y2, 0);
    EXPECT_DOUBLE_EQ(lines[1].x2, 0);
    EXPECT_DOUBLE_EQ(lines[1].y2, 100);

    EXPECT_EQ(s.texts(), c.labels);
    const auto texts = s.ofKind(Kind::Text);
    EXPECT_DOUBLE_EQ(texts[0].x1, -10);
    EXPECT_DOUBLE_EQ(texts[0].y1, 0);
    // Each next label: one text line and the pitch (32.5 units) less 3 units further down.
    EXPECT_DOUBLE_EQ(texts[1].x1, -10);
    EXPECT_NEAR(texts[1].y1 - texts[0].y1, s.textHeight() + 32.5 - 3, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(DesignValues, Layout, ::testing::ValuesIn(layoutCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LayoutScale, OnlyRatiosToTheShellMatter) {
    const TubeSheetLayout mm = layOutTubeSheet({400, 25, 65, 65, false});
    const TubeSheetLayout m = layOutTubeSheet({0.4, 0.025, 0.065, 0.065, false});
    EXPECT_EQ(m.sheetTubes(), mm.sheetTubes());
    EXPECT_EQ(m.perRow, mm.perRow);
}

// The single-pass rows of the catalogue carry the counts of this layout for their own
// dimensions (its README states the rule), so laying them out again must give them back.
TEST(LayoutCatalogue, SinglePassRowsGiveTheirOwnCounts) {
    const auto rows = morvtest::singlePassRows(MORV_CATALOGUE);
    ASSERT_GE(rows.size(), 10u);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.code);
        const TubeSheetLayout l = layOutTubeSheet({row.Dplast, row.Dtrubo, row.sT, row.sL, row.Uspor == 0});
        ASSERT_TRUE(l.valid);
        EXPECT_EQ(l.sheetTubes(), row.Ntrub);
        EXPECT_EQ(l.centralRowTubes(), row.NstredT);
        EXPECT_EQ(l.sheetRows(), row.NstredL);
    }
}

TEST(LayoutCatalogue, RowWithoutTubesStillCountsAsARowWithAnEmptyLabel) {
    // 600 mm shell, 25 mm tubes staggered: the row test admits an 11th row that no tube fits.
    const TubeSheetLayout l = layOutTubeSheet({0.6, 0.025, 0.032, 0.0277, true});
    ASSERT_TRUE(l.valid);
    EXPECT_EQ(l.rows, 11);
    EXPECT_EQ(l.rowTubes(11), 0);
    EXPECT_EQ(l.sheetRows(), 21);
    EXPECT_EQ(l.sheetTubes(), 271);
    RecordingSurface s;
    sketchTubeSheet(s, {0.6, 0.025, 0.032, 0.0277, true});
    ASSERT_EQ(s.texts().size(), 11u);
    EXPECT_EQ(s.texts()[0], " 9");
    EXPECT_EQ(s.texts()[10], "");
}

struct RefusedCase {
    const char* name;
    TubeSheetDimensions dims;
};

const double notANumber = std::numeric_limits<double>::quiet_NaN();

const RefusedCase refusedCases[] = {
    {"ZeroShell", {0, 25, 65, 65, false}},
    {"ZeroTube", {400, 0, 65, 65, false}},
    {"ZeroPitchAcross", {400, 25, 0, 65, true}},
    {"ZeroPitchAlong", {400, 25, 65, 0, false}},
    {"NegativeShell", {-400, 25, 65, 65, false}},
    {"NegativeTube", {400, -25, 65, 65, false}},
    {"NegativePitchAcross", {400, 25, -65, 65, false}},
    {"NegativePitchAlong", {400, 25, 65, -65, true}},
    {"NotANumber", {400, notANumber, 65, 65, false}},
    {"ScaledBelowTheSmallestDimension", {4e7, 1, 65, 65, false}},
    // Pitches of 5e-5 units: some 10^8 grid positions in the quarter, far beyond any sheet.
    {"GridTooFineToLayOut", {400, 0.0001, 0.0001, 0.0001, false}},
    {"NoTubeFits", {400, 25, 400, 65, false}},
};

class Refused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(Refused, DimensionsAreRefusedWithoutLoopingForEver) {
    EXPECT_FALSE(layOutTubeSheet(GetParam().dims).valid);
}

TEST_P(Refused, SketchOfRefusedDimensionsStaysEmpty) {
    RecordingSurface s;
    sketchTubeSheet(s, GetParam().dims);
    ASSERT_EQ(s.primitives().size(), 1u);
    EXPECT_EQ(s.primitives()[0].kind, Kind::Clear);
}

INSTANTIATE_TEST_SUITE_P(FaultyData, Refused, ::testing::ValuesIn(refusedCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LayoutLimits, FiftyRowsAreAllKept) {
    // Pitch along 2 units: rows at y = 0, 2, .. 98, 50 rows, each with its count kept.
    const TubeSheetLayout l = layOutTubeSheet({400, 1, 8, 4, false});
    ASSERT_TRUE(l.valid);
    EXPECT_EQ(l.rows, 50);
    EXPECT_EQ(l.perRow.size(), 51u);
    EXPECT_GT(l.rowTubes(49), 0); // row 50, at the shell, holds no tube
}

namespace {

//! The tubes of the whole sheet counted position by position from the rules of the layout,
//! each tube of the quarter mirrored into the other three: once at the centre, twice on an
//! axis, four times elsewhere. Also the rows of the quarter and the tubes of its first row.
struct SheetCount {
    int64_t quarterRows = 0, firstRow = 0, sheetTubes = 0;
};

SheetCount countSheet(const TubeSheetDimensions& dims) {
    const double R = dims.D / 2, s1 = dims.sT * 100 / R, s2 = dims.sL * 100 / R;
    SheetCount c;
    for (int64_t k = 0; k * s2 + 0.7 * s2 < 100; ++k) {
        const double y = k * s2;
        ++c.quarterRows;
        const double x0 = dims.staggered && k % 2 == 1 ? s1 / 2 : 0;
        for (int64_t j = 0;; ++j) {
            const double x = x0 + j * s1;
            if (x + 0.75 * s1 >= std::sqrt(100 * 100 - y * y)) break;
            if (y > 50 && y + 0.75 * s1 > std::sqrt(100 * 100 - x * x)) break;
            if (k == 0) ++c.firstRow;
            c.sheetTubes += x == 0 && y == 0 ? 1 : x == 0 || y == 0 ? 2 : 4;
        }
    }
    return c;
}

} // namespace

TEST(LayoutLimits, LargeCondenserCountsAndDrawsItsRowsBeyondTheFiftieth) {
    // 2.0 m shell, 16 mm tubes staggered at 20 mm across and 17.3 mm along: 58 rows in the
    // quarter.
    const TubeSheetDimensions dims{2.0, 0.016, 0.020, 0.0173, true};
    const SheetCount expected = countSheet(dims);
    ASSERT_EQ(expected.quarterRows, 58);
    ASSERT_EQ(expected.sheetTubes, 8811);

    const TubeSheetLayout l = layOutTubeSheet(dims);
    ASSERT_TRUE(l.valid);
    EXPECT_EQ(l.rows, expected.quarterRows);
    EXPECT_EQ(l.sheetRows(), 2 * expected.quarterRows - 1);
    EXPECT_EQ(l.sheetTubes(), expected.sheetTubes);
    EXPECT_EQ(l.centralRowTubes(), 2 * expected.firstRow - 1);
    EXPECT_EQ(l.centralRowTubes(), 99);
    // The counts of the first 50 rows are kept; the rows beyond count in the totals only.
    EXPECT_EQ(l.perRow.size(), size_t(TubeSheetLayout::maxRows + 1));
    EXPECT_EQ(l.rowTubes(50), 25);
    EXPECT_EQ(l.rowTubes(51), 0);
    int64_t kept = 0;
    for (int32_t i = 1; i <= TubeSheetLayout::maxRows; ++i)
        kept += l.rowTubes(i);
    EXPECT_LT(kept, l.quarterTubes);

    // Every tube is drawn, the lowest rows included; only the first 50 rows are labelled.
    RecordingSurface s(7050, 7050);
    sketchTubeSheet(s, dims);
    EXPECT_EQ(int64_t(s.ofKind(Kind::Circle).size()), 1 + l.quarterTubes);
    double lowest = 0;
    for (const auto& c : s.ofKind(Kind::Circle))
        if (c.r < 100) lowest = std::max(lowest, c.y1);
    EXPECT_DOUBLE_EQ(lowest, 56 * l.s2); // row 57, the last with tubes
    ASSERT_EQ(s.texts().size(), size_t(TubeSheetLayout::maxRows));
    EXPECT_EQ(s.texts()[0], " 50");
    EXPECT_EQ(s.texts()[49], " 25");
}

TEST(LayoutLimits, DrawnTubesAreCappedWhileTheCountGoesOn) {
    // Pitch 0.05 units across and 2.5 along: about 40 rows of up to 2000 tubes.
    const TubeSheetLayout l = layOutTubeSheet({400, 0.05, 0.1, 5, false});
    ASSERT_TRUE(l.valid);
    EXPECT_EQ(l.tubes.size(), TubeSheetLayout::maxDrawnTubes);
    EXPECT_GT(l.quarterTubes, int64_t(TubeSheetLayout::maxDrawnTubes));
}

} // namespace
