#pragma once
//! The sensitivity analysis without windows: one known main quantity of the last calculation
//! is varied over a range with a fixed step, the analysis-point design solve runs for every
//! value, and every point gives a row of the table "ANALÝZA CITLIVOSTI" and an element of the
//! analysis arrays `AnalX`, `AnalY1` to `AnalY7` of the program state, which the charts plot.
//!
//! The main quantities are addressed by their index i = 0 to 7, the index of the unknown flags
//! `IPOM(i)`: 0 tube flow, 1 shell flow, 2 tube inlet, 3 shell inlet, 4 tube outlet, 5 shell
//! outlet temperature, 6 heat duty, 7 heat-transfer area.

#include "MORV/model/ProgramState.h"
#include "MorvModel/MorvModelExport.h"
#include "Platform/Progress.h"
#include "Platform/RunTimeError.h"
#include "Platform/Variant.h"

#include <cstdint>
#include <optional>
#include <string>

namespace morv {

//! The caption of main quantity i (0 to 7) in the settings window's list of known quantities;
//! it heads the table's first column and labels the chart's X axis.
MORVMODEL_EXPORT const std::string& analysisListCaption(int16_t i);
//! The caption of main quantity i (0 to 7) as a column of the table when it is an unknown.
MORVMODEL_EXPORT const std::string& analysisColumnCaption(int16_t i);

//! What closes the caption line of the table after the captions of the unknowns: the
//! captions of the two pressure-drop columns, set off by blanks where the others have TABs.
MORVMODEL_EXPORT extern const std::string analysisPressureDropCaptions;

//! The number of points of the analysis range: start + k step, k = 0, 1, ..., up to the last
//! that does not pass the end (for a negative step: lie below it) by more than a millionth of
//! the step, the bounds taken as the decimals they stand for, so that a range of whole steps
//! ends at its end (6 to 9 by 0.1: 31 points). Counts no further than `limit`.
MORVMODEL_EXPORT int analysisPointCount(const platform::Variant& start, const platform::Variant& end,
                                        const platform::Variant& step, int limit);

//! How an analysis ended.
struct AnalysisOutcome {
    //! The table appended to `Vysledky`: the caption lines, a row for every point computed
    //! (after the line of a point that did not converge) and one line break at the end.
    std::string table;
    //! The run-time error that ended the analysis at a point (of the property library, of
    //! the arithmetic); the rows of the points before it and the line of the point it ended
    //! at are in the table.
    std::optional<platform::RunTimeError> error;
};

//! Records the point of value v whose analysis-point solve ended with the Newton status ID, on
//! the model as that solve left it: the line "Následující řádek výpočtu nekonveroval! ID= ",
//! the code and ":" when ID > 0; the row of step 3 below; `AnalPocBodu` + 1 and the
//! arrays at that index.
MORVMODEL_EXPORT void recordAnalysisPoint(ProgramState& state, std::string& table, const platform::Variant& v,
                                          int16_t ID);

//! Runs the analysis of `AnalProm` over `AnalPoc`, `AnalKon`, `AnalKrok` (model units, a duty
//! in W) on the model as the last calculation left it; at most `k::maxAnalysisPoints` points,
//! as the settings window ensures.
//!  1. The bar is shown; the caption lines name `AnalNazev`, the column captions of the three
//!     unknowns (i ascending) and "dPtr    dPpl"; `AnalPocBodu` = 0. `AnalNazev` and the
//!     positions of the unknowns are kept as `AnalHotovaNazev`, `AnalHotovaNezname`.
//!  2. For every point v of the range (as `analysisPointCount` forms them; single precision
//!     when the range is held so): the varied field = v (a flow as a double, the others as
//!     singles), the design solve of the analysis-point kind (the vector from the fields, properties,
//!     Newton with tolerance 0.001 and damping 0.5, the solved vector into `xx` and into the
//!     fields, the pressure drops of the solved point); a point that did not converge gets the
//!     line "Následující řádek výpočtu nekonveroval! ID= " with its code and ":" before its
//!     row, and the unknowns' fields go back to the estimates it started from, so that the
//!     next point does not start from a failed iterate (a converged point is the start of the
//!     next one).
//!  3. The row: v, three TABs, each unknown (the duty in W, the area in m2) followed by three
//!     TABs (two after the third), four blanks, the total tube-side pressure drop, one TAB and
//!     the shell-side one (Pa, whole numbers); the bar at 100 (v - start) / (end - start), or
//!     100 for a range of one value; the arrays: `AnalX` = v, `AnalY1..3` = the unknowns,
//!     `AnalY4` = `Pterm`, `AnalY5` = `Kprostup`, `AnalY6`, `AnalY7` = the pressure drops.
//!  4. An error raised at a point ends the loop there, with the line "Výpočet pro hodnotu ",
//!     the value, " skončil chybou č. ", the error's number, ": ", its description (and its
//!     source in brackets, or the source alone) and ", analýza ukončena!".
//!  5. One more line break; the table appended to `Vysledky`; the bar hidden; `AnalHotova` set.
//!  6. The model put back as the calculation left it, also after a point's error: every field of
//!     `Vymenik` and `Kondenzator`, the streams' flows, `VektorX` and `Nezname`. Only the
//!     table, the arrays and the analysis's own fields of the state keep what it made, so the
//!     same analysis gives the same table whatever analyses ran before it.
MORVMODEL_EXPORT AnalysisOutcome analyzaCitlivosti(ProgramState& state, platform::Progress& bar);

} // namespace morv
