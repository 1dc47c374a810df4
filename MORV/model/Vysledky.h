#pragma once
//! The report of one converged calculation, appended to the results text: the
//! identification, the main quantities of both streams, the construction, the properties and
//! compositions, the condensate, the heat transfer and the pressure drops. Its columns are
//! aligned with TAB characters; every line ends with CR LF and the report with two empty
//! lines.
//!
//! The identification and the main quantities come from the model; everything else comes
//! from the main window as the display has just filled it: the captions of its label arrays
//! are the line labels and the texts of its box arrays the values, handed in here as texts so
//! the report is written without any window system.

#include "MORV/model/ProgramState.h"
#include "MorvModel/MorvModelExport.h"
#include "Platform/Variant.h"

#include <array>
#include <string>

namespace morv {

//! The captions and texts of the main window that the report reads.
struct ReportBoxes {
    std::array<std::string, 23> lblKo, txtPark;
    std::array<std::string, 7> lblSl;
    std::array<std::string, 19> txtSl;
    std::array<std::string, 21> lblTran, txtTr;
    std::array<std::string, 30> lblDp, txtDp;
};

//! Appends label, `tabs` TAB characters (none below 1), the display text of `value` and CR LF.
MORVMODEL_EXPORT void PridejRadek(ProgramState& state, std::string& target, const std::string& label,
                                  const platform::Variant& value, int16_t tabs = 1);
//! The same with two values separated by one TAB.
MORVMODEL_EXPORT void PridejRadek2(ProgramState& state, std::string& target, const std::string& label,
                                   const platform::Variant& value1, const platform::Variant& value2,
                                   int16_t tabs = 1);

//! Appends the report to `Vysledky`. A value that is not a number ends the report there with
//! the run-time error; what was appended before stays.
MORVMODEL_EXPORT void VypisVysledky(ProgramState& state, const ReportBoxes& boxes);

} // namespace morv
