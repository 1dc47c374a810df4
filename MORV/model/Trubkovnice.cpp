#include "MORV/model/Trubkovnice.h"

#include "Platform/Conversions.h"
#include "Platform/DrawingSurface.h"

#include <algorithm>
#include <cmath>

namespace morv {

namespace {

//! Smallest scaled dimension the layout accepts [sketch units]; below it (or for a negative
//! dimension) the loops would not end.
constexpr double smallestDimension = 1e-5;
//! Clearance of the row test against the pitch along the flow [-].
constexpr double rowClearance = 0.7;
//! Clearance of the tube test against the pitch across the flow [-].
constexpr double tubeClearance = 0.75;
//! Beyond this depth [sketch units] a row also ends where the shell comes down to it.
constexpr double lowerRowsFrom = 50;

//! The sketch's user scale: the shell's centre at (0, 0), its radius 100, a margin of 10.
constexpr double scaleFrom = -10;
constexpr double scaleTo = 110;
//! The row labels are printed in the margin left of the shell.
constexpr double labelX = -10;
//! Each label goes down by the pitch less this, besides the height of its own line [units].
constexpr double labelStepLess = 3;

bool acceptable(double v) {
    return std::isfinite(v) && v >= smallestDimension;
}

} // namespace

int64_t TubeSheetLayout::sheetTubes() const {
    return 4 * quarterTubes - 2 * int64_t(rowTubes(1)) - 2 * int64_t(axisRows) + 1;
}

namespace {

//! Lays out the quarter into `out`, whose scaled dimensions are set, keeping the tube centres
//! when asked; false when the grid passes `maxPositions`.
bool layOutQuarter(TubeSheetLayout& out, bool keepTubes) {
    const double shell = 100 * out.q;
    const double s1 = out.s1, s2 = out.s2;
    out.perRow.assign(1, 0);
    double y = 0;
    int32_t row = 1;
    int64_t positions = 0;
    while (y + rowClearance * s2 < shell) {
        if (++positions > TubeSheetLayout::maxPositions) return false;
        const bool kept = row <= TubeSheetLayout::maxRows;
        if (kept) out.perRow.push_back(0);
        const bool startsOnAxis = !(out.staggered && row % 2 == 0);
        double x = startsOnAxis ? 0 : s1 / 2;
        int32_t n = 0;
        while (x + tubeClearance * s1 < std::sqrt(shell * shell - y * y)) {
            if (y > lowerRowsFrom && y + tubeClearance * s1 > std::sqrt(shell * shell - x * x)) break;
            if (++positions > TubeSheetLayout::maxPositions) return false;
            if (keepTubes) out.tubes.push_back({x, y});
            x += s1;
            ++n;
            ++out.quarterTubes;
            if (kept) out.perRow[size_t(row)] = n;
        }
        if (n > 0) {
            ++out.tubeRows;
            if (startsOnAxis) ++out.axisRows;
        }
        ++row;
        y += s2;
    }
    out.rows = row - 1;
    return true;
}

} // namespace

TubeSheetLayout layOutTubeSheet(const TubeSheetDimensions& dims, double q) {
    TubeSheetLayout out;
    out.staggered = dims.staggered;
    out.q = q;
    const double R = dims.D / 2;
    out.r = dims.d * 100 / R / 2;
    out.s1 = dims.sT * 100 / R;
    out.s2 = dims.sL * 100 / R;
    if (!acceptable(R) || !acceptable(out.r) || !acceptable(out.s1) || !acceptable(out.s2) || !acceptable(q))
        return out;

    // The grid is counted before its centres are kept, so a grid too fine to lay out is
    // refused without holding millions of them first.
    TubeSheetLayout counted = out;
    if (!layOutQuarter(counted, false) || counted.quarterTubes == 0) return counted;
    // A sheet in which no tube fits would give a negative count.
    out.tubes.reserve(size_t(counted.quarterTubes));
    layOutQuarter(out, true);
    out.valid = true;
    return out;
}

TubeSheetLayout sketchTubeSheet(platform::DrawingSurface& s, const TubeSheetDimensions& dims) {
    // The ratio of the sketch's sides, read before the scale is set.
    const double q = s.heightTwips() / s.widthTwips();
    s.scale(scaleFrom, scaleFrom, scaleTo, scaleTo);
    s.clear();
    const TubeSheetLayout sheet = layOutTubeSheet(dims, q);
    if (!sheet.valid) return sheet;

    s.setFillColour(platform::colours::White);
    s.setFillStyle(platform::FillStyle::Solid);
    s.circle(0, 0, 100 * q);
    s.line(0, 0, 100, 0);
    s.line(0, 0, 0, 100);
    s.setFillStyle(platform::FillStyle::Transparent);
    for (const TubeCentre& tube : sheet.tubes)
        s.circle(tube.x, tube.y, sheet.r);

    s.setCurrentX(labelX);
    s.setCurrentY(0);
    // The rows beyond the kept ones get no label.
    for (int32_t i = 1; i <= std::min(sheet.rows, TubeSheetLayout::maxRows); ++i) {
        const int32_t n = sheet.rowTubes(i);
        s.print(n > 0 ? platform::numberText(n) : std::string());
        s.setCurrentX(labelX);
        s.setCurrentY(s.currentY() + sheet.s2 - labelStepLess);
    }
    return sheet;
}

} // namespace morv
