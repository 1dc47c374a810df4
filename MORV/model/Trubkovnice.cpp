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
//! Relative share of d by which two tube centres may come closer than d and still count as
//! touching, not overlapping: the distances are computed, so touching tubes come out a few
//! units in the last place either side of d.
constexpr double touchingTolerance = 1e-9;

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
    if (!valid) return 0;
    return 4 * quarterTubes - 2 * int64_t(rowTubes(1)) - 2 * int64_t(axisRows) + 1;
}

namespace {

//! True when two neighbouring tubes of the grid would overlap: their centres closer than d.
//! The nearest neighbours of a tube lie across the flow at sT; in line along the flow at sL;
//! staggered in the next row at (sT / 2, sL) and two rows on at (0, 2 sL).
bool tubesOverlap(const TubeSheetDimensions& dims) {
    const double closest = dims.d * (1 - touchingTolerance);
    if (dims.sT < closest) return true;
    if (!dims.staggered) return dims.sL < closest;
    return std::hypot(dims.sT / 2, dims.sL) < closest || 2 * dims.sL < closest;
}

//! Lays out the quarter into `out`, whose scaled dimensions are set, keeping the tube centres
//! when asked; refuses a grid that passes `maxPositions` or `maxDrawnTubes`, as soon as it
//! does.
TubeSheetRefusal layOutQuarter(TubeSheetLayout& out, bool keepTubes) {
    const double shell = 100 * out.q;
    const double s1 = out.s1, s2 = out.s2;
    out.perRow.assign(1, 0);
    double y = 0;
    int32_t row = 1;
    int64_t positions = 0;
    while (y + rowClearance * s2 < shell) {
        if (++positions > TubeSheetLayout::maxPositions) return TubeSheetRefusal::TooFine;
        const bool kept = row <= TubeSheetLayout::maxRows;
        if (kept) out.perRow.push_back(0);
        const bool startsOnAxis = !(out.staggered && row % 2 == 0);
        double x = startsOnAxis ? 0 : s1 / 2;
        int32_t n = 0;
        while (x + tubeClearance * s1 < std::sqrt(shell * shell - y * y)) {
            if (y > lowerRowsFrom && y + tubeClearance * s1 > std::sqrt(shell * shell - x * x)) break;
            if (++positions > TubeSheetLayout::maxPositions ||
                out.quarterTubes >= TubeSheetLayout::maxDrawnTubes)
                return TubeSheetRefusal::TooFine;
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
    return out.quarterTubes > 0 ? TubeSheetRefusal::None : TubeSheetRefusal::NoTubeFits;
}

//! The layout refused for `why`: its scaled dimensions, no counts and no tubes.
TubeSheetLayout refused(TubeSheetLayout out, TubeSheetRefusal why) {
    out.valid = false;
    out.refusal = why;
    out.rows = out.tubeRows = out.axisRows = 0;
    out.quarterTubes = 0;
    out.perRow.clear();
    out.tubes.clear();
    return out;
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
        return refused(out, TubeSheetRefusal::Unreadable);
    if (dims.d >= dims.D) return refused(out, TubeSheetRefusal::TubeNotInShell);
    if (tubesOverlap(dims)) return refused(out, TubeSheetRefusal::Overlap);

    // The grid is counted before its centres are kept, so a grid too fine to draw is refused
    // without holding its centres first.
    TubeSheetLayout counted = out;
    if (const TubeSheetRefusal why = layOutQuarter(counted, false); why != TubeSheetRefusal::None)
        return refused(out, why);
    out.tubes.reserve(size_t(counted.quarterTubes));
    layOutQuarter(out, true);
    out.valid = true;
    out.refusal = TubeSheetRefusal::None;
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
