#include "MORV/model/Trubkovnice.h"
#include "Platform/RecordingSurface.h"

#include "../CatalogueRows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>
#include <utility>

using namespace morv;

namespace {

using platform::RecordingSurface;
using Kind = RecordingSurface::Kind;

//! The whole sheet counted from its tube positions, without the symmetry formulas of the
//! layout: the quarter laid out by the same loops, every tube mirrored into the four quarters,
//! then the distinct positions, the distinct rows and the positions on the central row.
struct SheetCount {
    int64_t rows = 0, tubes = 0, centralRow = 0;
    int64_t quarterTubes = 0;
    bool emptyRowAdmitted = false; //!< the row test admitted a row without a tube
};

double withoutSign(double v) {
    return v == 0 ? 0.0 : v; // -0 and +0 are one position
}

SheetCount countSheet(const TubeSheetDimensions& dims) {
    const double R = dims.D / 2, s1 = dims.sT * 100 / R, s2 = dims.sL * 100 / R;
    std::set<std::pair<double, double>> positions;
    SheetCount c;
    int row = 1;
    for (double y = 0; y + 0.7 * s2 < 100; y += s2, ++row) {
        int n = 0;
        for (double x = dims.staggered && row % 2 == 0 ? s1 / 2 : 0;
             x + 0.75 * s1 < std::sqrt(100 * 100 - y * y); x += s1) {
            if (y > 50 && y + 0.75 * s1 > std::sqrt(100 * 100 - x * x)) break;
            ++n;
            for (double mx : {x, -x})
                for (double my : {y, -y})
                    positions.insert({withoutSign(mx), withoutSign(my)});
        }
        c.quarterTubes += n;
        c.emptyRowAdmitted = c.emptyRowAdmitted || n == 0;
    }
    std::set<double> rows;
    for (const auto& [x, y] : positions) {
        rows.insert(y);
        if (y == 0) ++c.centralRow;
    }
    c.rows = int64_t(rows.size());
    c.tubes = int64_t(positions.size());
    return c;
}

//! The layout of the sheet, whose counts must be those of its mirrored positions.
TubeSheetLayout expectCountsOfItsPositions(const TubeSheetDimensions& dims) {
    const SheetCount expected = countSheet(dims);
    const TubeSheetLayout l = layOutTubeSheet(dims);
    EXPECT_TRUE(l.valid);
    EXPECT_EQ(l.quarterTubes, expected.quarterTubes);
    EXPECT_EQ(l.sheetRows(), expected.rows);
    EXPECT_EQ(l.sheetTubes(), expected.tubes);
    EXPECT_EQ(l.centralRowTubes(), expected.centralRow);
    return l;
}

//! The layout of the sheet with the given counts of the whole sheet, which must also be those
//! of its mirrored positions.
TubeSheetLayout expectSheet(const TubeSheetDimensions& dims, int64_t rows, int64_t tubes,
                            int64_t centralRow) {
    const TubeSheetLayout l = expectCountsOfItsPositions(dims);
    EXPECT_EQ(l.sheetRows(), rows);
    EXPECT_EQ(l.sheetTubes(), tubes);
    EXPECT_EQ(l.centralRowTubes(), centralRow);
    return l;
}

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
    const TubeSheetLayout l = expectSheet(c.dims, c.sheetRows, c.sheetTubes, c.centralRow);
    ASSERT_TRUE(l.valid);
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

struct RefusedCase {
    const char* name;
    TubeSheetDimensions dims;
    TubeSheetRefusal why;
};

const double notANumber = std::numeric_limits<double>::quiet_NaN();

const RefusedCase refusedCases[] = {
    {"ZeroShell", {0, 25, 65, 65, false}, TubeSheetRefusal::Unreadable},
    {"ZeroTube", {400, 0, 65, 65, false}, TubeSheetRefusal::Unreadable},
    {"ZeroPitchAcross", {400, 25, 0, 65, true}, TubeSheetRefusal::Unreadable},
    {"ZeroPitchAlong", {400, 25, 65, 0, false}, TubeSheetRefusal::Unreadable},
    {"NegativeShell", {-400, 25, 65, 65, false}, TubeSheetRefusal::Unreadable},
    {"NegativeTube", {400, -25, 65, 65, false}, TubeSheetRefusal::Unreadable},
    {"NegativePitchAcross", {400, 25, -65, 65, false}, TubeSheetRefusal::Unreadable},
    {"NegativePitchAlong", {400, 25, 65, -65, true}, TubeSheetRefusal::Unreadable},
    {"NotANumber", {400, notANumber, 65, 65, false}, TubeSheetRefusal::Unreadable},
    {"ScaledBelowTheSmallestDimension", {4e7, 1, 65, 65, false}, TubeSheetRefusal::Unreadable},
    {"TubeAsWideAsTheShell", {400, 400, 500, 500, false}, TubeSheetRefusal::TubeNotInShell},
    // A 1.0 m tube in a 0.4 m shell, whose pitches would let the tubes overlap as well.
    {"TubeWiderThanTheShell", {0.4, 1.0, 0.065, 0.065, false}, TubeSheetRefusal::TubeNotInShell},
    // Tubes in line overlap where either pitch is below the tube diameter.
    {"InLinePitchAcrossBelowTheTube", {0.4, 0.025, 0.02, 0.065, false}, TubeSheetRefusal::Overlap},
    {"InLinePitchAlongBelowTheTube", {0.4, 0.025, 0.065, 0.02, false}, TubeSheetRefusal::Overlap},
    // Staggered: neighbours in the row at sT, in the next row at hypot(15, 13) = 19.8 mm, two
    // rows on at 2 sL = 24 mm, each against a 25 mm tube.
    {"StaggeredPitchAcrossBelowTheTube", {0.4, 0.025, 0.02, 0.065, true}, TubeSheetRefusal::Overlap},
    {"StaggeredNextRowCloserThanTheTube", {0.4, 0.025, 0.03, 0.013, true}, TubeSheetRefusal::Overlap},
    {"StaggeredTwoRowsOnCloserThanTheTube", {0.4, 0.025, 0.2, 0.012, true}, TubeSheetRefusal::Overlap},
    // Millions of tubes 0.1 um apart along the flow: refused for the overlap before any count.
    {"OverlappingGridOfMillionsOfTubes", {0.4, 0.2, 0.065, 0.0000001, true}, TubeSheetRefusal::Overlap},
    // Pitches of 5e-5 units: some 10^8 grid positions in the quarter, far beyond any sheet.
    {"GridTooFineToLayOut", {400, 0.0001, 0.0001, 0.0001, false}, TubeSheetRefusal::TooFine},
    // A 100 m shell with condenser tubes: some 35 million tubes in the sheet.
    {"GridTooFineToDraw", {100, 0.0127, 0.016, 0.0139, true}, TubeSheetRefusal::TooFine},
    {"NoTubeFits", {400, 25, 400, 65, false}, TubeSheetRefusal::NoTubeFits},
};

class Refused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(Refused, DimensionsAreRefusedWithoutLoopingForEver) {
    const TubeSheetLayout l = layOutTubeSheet(GetParam().dims);
    EXPECT_FALSE(l.valid);
    EXPECT_EQ(l.refusal, GetParam().why);
}

TEST_P(Refused, RefusedLayoutHoldsNoCounts) {
    const TubeSheetLayout l = layOutTubeSheet(GetParam().dims);
    EXPECT_EQ(l.rows, 0);
    EXPECT_EQ(l.tubeRows, 0);
    EXPECT_EQ(l.axisRows, 0);
    EXPECT_EQ(l.quarterTubes, 0);
    EXPECT_TRUE(l.perRow.empty());
    EXPECT_TRUE(l.tubes.empty());
    EXPECT_EQ(l.rowTubes(1), 0);
    EXPECT_EQ(l.sheetRows(), 0);
    EXPECT_EQ(l.sheetTubes(), 0);
    EXPECT_EQ(l.centralRowTubes(), 0);
}

TEST_P(Refused, SketchOfRefusedDimensionsStaysEmpty) {
    RecordingSurface s;
    sketchTubeSheet(s, GetParam().dims);
    ASSERT_EQ(s.primitives().size(), 1u);
    EXPECT_EQ(s.primitives()[0].kind, Kind::Clear);
}

INSTANTIATE_TEST_SUITE_P(FaultyData, Refused, ::testing::ValuesIn(refusedCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct TouchingCase {
    const char* name;
    TubeSheetDimensions dims;
};

// Tubes that touch their nearest neighbours: the distance of the centres equals d.
const TouchingCase touchingCases[] = {
    {"InLinePitchesOfTheTube", {0.4, 0.025, 0.025, 0.025, false}},
    // Equilateral triangles: the next row's tube at (d / 2, d sqrt(3) / 2).
    {"StaggeredEquilateral", {0.4, 0.025, 0.025, 0.025 * std::sqrt(3.0) / 2, true}},
    // The next row's tube at (30, 40) mm from a 50 mm tube: 3-4-5.
    {"StaggeredNextRowAtTheTube", {0.4, 0.05, 0.06, 0.04, true}},
    // Two rows on at 2 sL = 25 mm, the next row's tube 100 mm aside.
    {"StaggeredTwoRowsOnAtTheTube", {0.4, 0.025, 0.2, 0.0125, true}},
};

class Touching : public ::testing::TestWithParam<TouchingCase> {};

TEST_P(Touching, TouchingTubesAreLaidOutAndWiderOnesRefused) {
    TubeSheetDimensions dims = GetParam().dims;
    expectCountsOfItsPositions(dims);
    dims.d *= 1.000001;
    EXPECT_EQ(layOutTubeSheet(dims).refusal, TubeSheetRefusal::Overlap);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, Touching, ::testing::ValuesIn(touchingCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LayoutLimits, LargestDrawableSheetIsLaidOutAndAFinerOneRefused) {
    // A 2 m shell with tubes in line at their own diameter: 1.402 mm gives 399,540 tubes in the
    // quarter, 1.401 mm more than the sketch draws.
    const TubeSheetLayout largest = layOutTubeSheet({2, 0.001402, 0.001402, 0.001402, false});
    ASSERT_TRUE(largest.valid);
    EXPECT_EQ(largest.quarterTubes, 399'540);
    EXPECT_LE(largest.quarterTubes, TubeSheetLayout::maxDrawnTubes);
    EXPECT_EQ(int64_t(largest.tubes.size()), largest.quarterTubes);
    const TubeSheetLayout finer = layOutTubeSheet({2, 0.001401, 0.001401, 0.001401, false});
    EXPECT_EQ(finer.refusal, TubeSheetRefusal::TooFine);
    EXPECT_EQ(finer.quarterTubes, 0);
}

TEST(LayoutLimits, FiftyRowsAreAllKept) {
    // Pitch along 2 units: rows at y = 0, 2, .. 98, 50 rows, each with its count kept.
    const TubeSheetLayout l = layOutTubeSheet({400, 1, 8, 4, false});
    ASSERT_TRUE(l.valid);
    EXPECT_EQ(l.rows, 50);
    EXPECT_EQ(l.perRow.size(), 51u);
    EXPECT_GT(l.rowTubes(49), 0); // row 50, at the shell, holds no tube
}

struct SheetCase {
    const char* name;
    TubeSheetDimensions dims;
    int64_t sheetRows, sheetTubes, centralRow;
};

// Figures of the whole sheet drawn out by hand or, for the large ones, by the count of its
// positions.
const SheetCase sheetCases[] = {
    // Rows of 4, 4, 4 and 3 tubes: the lower rows' clearance empties the fifth row admitted.
    {"SmallShellInLineWithAnEmptyLowestRow", {0.301, 0.025, 0.032, 0.032, false}, 7, 45, 7},
    // One tube on the axis in each of the rows at 0, 12.8, 25.6 and 38.4 units; the even rows,
    // half a pitch of 100 units in, and the odd rows beyond half the radius hold none.
    {"WidePitchLeavesMostAdmittedRowsEmpty", {1, 0.005, 0.5, 0.032, true}, 7, 7, 1},
    // The eleventh row of the quarter, on the axis, holds no tube.
    {"MediumShellStaggered", {0.6, 0.025, 0.032, 0.0277, true}, 19, 273, 17},
    // 58 rows admitted in the quarter, the 58th (half a pitch in) empty.
    {"LargeCondenserStaggered", {2.0, 0.016, 0.020, 0.0173, true}, 113, 8811, 99},
};

class Sheet : public ::testing::TestWithParam<SheetCase> {};

TEST_P(Sheet, CountsAreThoseOfTheMirroredPositions) {
    const auto& c = GetParam();
    expectSheet(c.dims, c.sheetRows, c.sheetTubes, c.centralRow);
}

INSTANTIATE_TEST_SUITE_P(Sheets, Sheet, ::testing::ValuesIn(sheetCases),
                         [](const auto& info) { return std::string(info.param.name); });

class ShellSweep : public ::testing::TestWithParam<bool> {};

TEST_P(ShellSweep, EveryShellFrom300To2000MillimetresCountsItsPositions) {
    // 25 mm tubes at 32 mm pitches; about one shell in seventeen admits a row without a tube.
    int emptyRows = 0;
    for (int mm = 300; mm <= 2000; ++mm) {
        const TubeSheetDimensions dims{mm / 1000.0, 0.025, 0.032, 0.032, GetParam()};
        SCOPED_TRACE(mm);
        expectCountsOfItsPositions(dims);
        emptyRows += countSheet(dims).emptyRowAdmitted;
        if (HasFailure()) return;
    }
    EXPECT_GT(emptyRows, 50);
}

INSTANTIATE_TEST_SUITE_P(Arrangements, ShellSweep, ::testing::Bool(),
                         [](const auto& info) { return std::string(info.param ? "Staggered" : "InLine"); });

// The single-pass rows of the catalogue carry the counts of their own tube field, so laying
// them out again must give them back, and those counts must be the sheet's own.
TEST(LayoutCatalogue, SinglePassRowsGiveTheirOwnCounts) {
    const auto rows = morvtest::singlePassRows(MORV_CATALOGUE);
    ASSERT_GE(rows.size(), 10u);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.code);
        const TubeSheetDimensions dims{row.Dplast, row.Dtrubo, row.sT, row.sL, row.Uspor == 0};
        const TubeSheetLayout l = layOutTubeSheet(dims);
        ASSERT_TRUE(l.valid);
        EXPECT_EQ(l.sheetTubes(), row.Ntrub);
        EXPECT_EQ(l.centralRowTubes(), row.NstredT);
        EXPECT_EQ(l.sheetRows(), row.NstredL);
        expectCountsOfItsPositions(dims);
    }
}

TEST(LayoutCatalogue, RowWithoutTubesIsLabelledEmptyButNotCounted) {
    // 600 mm shell, 25 mm tubes staggered: the row test admits an 11th row that no tube fits.
    const TubeSheetDimensions dims{0.6, 0.025, 0.032, 0.0277, true};
    const TubeSheetLayout l = layOutTubeSheet(dims);
    ASSERT_TRUE(l.valid);
    EXPECT_EQ(l.rows, 11);
    EXPECT_EQ(l.tubeRows, 10);
    EXPECT_EQ(l.axisRows, 5);
    EXPECT_EQ(l.rowTubes(11), 0);
    RecordingSurface s;
    sketchTubeSheet(s, dims);
    ASSERT_EQ(s.texts().size(), 11u);
    EXPECT_EQ(s.texts()[0], " 9");
    EXPECT_EQ(s.texts()[10], "");
}

TEST(LayoutLimits, LargeCondenserDrawsItsRowsBeyondTheFiftieth) {
    // 2.0 m shell, 16 mm tubes staggered at 20 mm across and 17.3 mm along: 58 rows in the
    // quarter, the last of them empty.
    const TubeSheetDimensions dims{2.0, 0.016, 0.020, 0.0173, true};
    const TubeSheetLayout l = layOutTubeSheet(dims);
    ASSERT_TRUE(l.valid);
    EXPECT_EQ(l.rows, 58);
    // The counts of the first 50 rows are kept; the rows beyond count in the totals only.
    EXPECT_EQ(l.perRow.size(), size_t(TubeSheetLayout::maxRows + 1));
    EXPECT_EQ(l.rowTubes(50), 25);
    EXPECT_EQ(l.rowTubes(51), 0);
    int64_t kept = 0;
    for (int32_t i = 1; i <= TubeSheetLayout::maxRows; ++i)
        kept += l.rowTubes(i);
    EXPECT_LT(kept, l.quarterTubes);

    RecordingSurface s(7050, 7050);
    sketchTubeSheet(s, dims);
    double lowest = 0;
    for (const auto& c : s.ofKind(Kind::Circle))
        if (c.r < 100) lowest = std::max(lowest, c.y1);
    EXPECT_DOUBLE_EQ(lowest, 56 * l.s2); // row 57, the last with tubes
    ASSERT_EQ(s.texts().size(), size_t(TubeSheetLayout::maxRows));
    EXPECT_EQ(s.texts()[0], " 50");
    EXPECT_EQ(s.texts()[49], " 25");
}

TEST(LayoutLimits, EveryTubeCountedIsDrawn) {
    // 5 m shell, 12.7 mm tubes staggered at 16 mm across and 13.9 mm along: 22,002 tubes in
    // the quarter, down to its lowest row.
    const TubeSheetDimensions dims{5, 0.0127, 0.016, 0.0139, true};
    RecordingSurface s(7050, 7050);
    const TubeSheetLayout l = sketchTubeSheet(s, dims);
    ASSERT_TRUE(l.valid);
    EXPECT_EQ(l.quarterTubes, 22002);
    EXPECT_EQ(int64_t(l.tubes.size()), l.quarterTubes);
    const auto circles = s.ofKind(Kind::Circle);
    ASSERT_EQ(int64_t(circles.size()), 1 + l.quarterTubes);
    EXPECT_DOUBLE_EQ(circles.back().x1, l.tubes.back().x);
    EXPECT_DOUBLE_EQ(circles.back().y1, l.tubes.back().y);
    expectCountsOfItsPositions(dims);
}

} // namespace
