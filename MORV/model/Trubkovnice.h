#pragma once
//! Layout of the tubes of a tube sheet: one quarter of the sheet on the pitch grid, in line or
//! staggered, keeping the tubes that fit inside the shell with a clearance, and the counts of
//! the whole sheet that follow from the quarter by symmetry (the tube-sheet sketch counts
//! with it and writes the counts back into the construction data).
//!
//! The quarter is laid out in sketch units: the shell's centre at (0, 0), x to the right,
//! y downward, the shell radius 100 q. Rows lie at y = 0, sL, 2 sL, ... while
//! y + 0.7 sL < 100 q; in a row the tubes lie at x = 0, sT, 2 sT, ... (staggered: the even
//! rows start at sT / 2) while x + 0.75 sT < sqrt((100 q)^2 - y^2), and beyond half the
//! radius (y > 50) a row also ends at the first tube with y + 0.75 sT > sqrt((100 q)^2 - x^2).
//! The constants 0.7 and 0.75 are the clearances between the outermost tube centres and the
//! shell, against the pitch along and across the flow.
//!
//! The row test can admit a row in which the tube test leaves no tube (the lower rows'
//! clearance, or a staggered row that starts half a pitch in). Such a row is no row of the
//! sheet, and it has no tube on the axis for the symmetry to share, so the counts of the whole
//! sheet take only the rows that hold a tube.

#include "MorvModel/MorvModelExport.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform {
class DrawingSurface;
}

namespace morv {

//! Dimensions of the sheet, all in one length unit (only their ratios to the shell radius
//! matter).
struct TubeSheetDimensions {
    double D = 0;  //!< shell diameter
    double d = 0;  //!< tube outer diameter
    double sT = 0; //!< tube pitch across the flow
    double sL = 0; //!< tube pitch along the flow
    bool staggered = false;
};

//! Why the layout refused the dimensions.
enum class TubeSheetRefusal {
    None,           //!< accepted
    Unreadable,     //!< a dimension that is not a number, zero or negative (scaled below 1e-5)
    TubeNotInShell, //!< the tube diameter is not below the shell diameter
    Overlap,        //!< neighbouring tube centres closer than the tube diameter
    TooFine,        //!< more tubes than the sketch draws, or a grid beyond `maxPositions`
    NoTubeFits,     //!< no tube fits inside the shell with its clearance
};

//! Centre of one tube in sketch units.
struct TubeCentre {
    double x = 0;
    double y = 0;
};

struct MORVMODEL_EXPORT TubeSheetLayout {
    //! Rows of the quarter whose tube counts are kept and labelled; the rows beyond are laid
    //! out, drawn and counted in `rows` and `quarterTubes` all the same.
    static constexpr int32_t maxRows = 50;
    //! Positions of the quarter (tubes and rows) the layout goes through at most: a grid
    //! finer than this, thousands of times any real sheet's, is refused, as the loops would
    //! not end in any reasonable time.
    static constexpr int64_t maxPositions = 10'000'000;
    //! Tubes of the quarter the sketch draws at most. Painting a tube on the sketch's picture
    //! takes 1 to 1.5 us, with the largest circles a tube count allows (the sweep of
    //! TubeSheetBench), so the largest accepted sheet holds the window for about half a second,
    //! leaving room for a slower machine within a second.
    static constexpr int64_t maxDrawnTubes = 400'000;

    //! False when the dimensions were refused (`refusal` says why); a refused layout holds
    //! no counts and no tubes.
    bool valid = false;
    TubeSheetRefusal refusal = TubeSheetRefusal::Unreadable;
    bool staggered = false;
    double q = 1;  //!< the shell radius is 100 q sketch units
    double r = 0;  //!< tube radius [sketch units]
    double s1 = 0; //!< pitch across the flow [sketch units]
    double s2 = 0; //!< pitch along the flow [sketch units]
    //! Rows of the quarter that the row test admits, the central row included (each gets a
    //! label, an empty one when it holds no tube).
    int32_t rows = 0;
    //! Rows of the quarter that hold at least one tube.
    int32_t tubeRows = 0;
    //! Rows of the quarter that hold a tube on the axis x = 0: in line every row with a tube,
    //! staggered the odd ones with a tube.
    int32_t axisRows = 0;
    //! Tubes of the quarter.
    int64_t quarterTubes = 0;
    //! Tubes of each row of the quarter, row 1 (through the centre) at index 1, up to row
    //! `maxRows`; element 0 is not used; 0 for a row that the row test admits but in which no
    //! tube fits.
    std::vector<int32_t> perRow;
    //! Centres of all the tubes of the quarter in the order laid out.
    std::vector<TubeCentre> tubes;

    //! Rows of the whole sheet: the rows of the quarter that hold a tube, mirrored about the
    //! central row, 2 tubeRows - 1 (0 for a refused layout).
    int64_t sheetRows() const { return valid ? 2 * int64_t(tubeRows) - 1 : 0; }
    //! Tubes of the central row of the whole sheet: 2 A(1) - 1 (0 for a refused layout).
    int64_t centralRowTubes() const { return valid ? 2 * int64_t(rowTubes(1)) - 1 : 0; }
    //! Tubes of the whole sheet. The central row and the central column are each shared by
    //! two quarters, the centre tube by all four: 4 N - 2 A(1) - 2 axisRows + 1 (0 for a
    //! refused layout).
    int64_t sheetTubes() const;
    //! Tubes of row i of the quarter (0 outside 1 .. rows and beyond `maxRows`).
    int32_t rowTubes(int32_t i) const {
        return i >= 1 && std::size_t(i) < perRow.size() ? perRow[std::size_t(i)] : 0;
    }
};

//! Largest tube count, and tubes of the central row, that the construction data hold: both
//! are 16-bit fields.
constexpr int64_t maxConstructionTubes = 32'767;

//! Lays out the quarter of the sheet. `q` is the ratio of the sketch's height to its width
//! (1 for a square sketch).
//!
//! Besides unreadable dimensions it refuses, in this order: a tube diameter d not below the
//! shell diameter D; tubes that would overlap, that is neighbouring centres closer than d (in
//! line: sT or sL below d; staggered: sT below d, the tube of the next row at (sT / 2, sL)
//! closer than d, or the tube two rows on at (0, 2 sL) closer than d); a grid of more than
//! `maxDrawnTubes` tubes in the quarter; a sheet in which no tube fits.
MORVMODEL_EXPORT TubeSheetLayout layOutTubeSheet(const TubeSheetDimensions& dims, double q = 1);

//! Sketches the quarter sheet on the surface and returns its layout. The surface gets the
//! scale (-10, -10)-(110, 110) and is cleared; for accepted dimensions it then shows the
//! shell filled white with the two axes from its centre, the tubes as outlined circles and,
//! in the margin left of the shell, the tubes of each row up to `maxRows` (empty for a row
//! without a tube).
//! For refused dimensions the cleared surface stays empty.
MORVMODEL_EXPORT TubeSheetLayout sketchTubeSheet(platform::DrawingSurface& surface,
                                                 const TubeSheetDimensions& dims);

} // namespace morv
