#pragma once
//! The load and save commands of a design task as the program runs them, without windows:
//! the main window, the tests and the benchmarks call these, so the sequence of steps is
//! written once.

#include "MORV/model/ProgramState.h"
#include "MORV/model/TARMST.h"
#include "MorvModel/MorvModelExport.h"

#include <cstdint>
#include <string>

namespace morv {

//! The stream types from the temperatures in the model, as the display sets them: a stream
//! whose outlet is warmer than its inlet (difference in single precision) is heated, +1, the
//! other cooled or unchanged, -1. `IPOM(8)` is set to 1 when the shell stream is the warm one
//! and otherwise left as it is.
MORVMODEL_EXPORT void streamTypesFromTemperatures(TARMST& m);

//! Loads a design task, all or nothing: `NactiData` into a new exchanger model (which reports
//! a missing file or a wrong structure in its own box and sets `ChybaNacteni` to -1); after a
//! read, the stream types, `Kondenzator.he` = the new model and the properties of both
//! streams at their mean temperatures (`Kondenzator.FyzVlast`). Only then does the new model
//! become `Vymenik` (and `AktProud` its stream of the same side); it takes over the fixed
//! coefficients `AlfaiK`, `AlfaoK` and the mixture objects' error modes of the model before.
//! The inert fraction `Kondenzator.Xinert`, which the file does not hold, is 0 after a load,
//! as in a new program; the calculation method stays as chosen.
//! Returns `ChybaNacteni`: 0 loaded, -1 not read. A failure of the property library reaches
//! the caller as its run-time error; then, as after a file that was not read, `Vymenik` and
//! `Kondenzator` are as they were (`he` and the condensate properties; the status of the read
//! too after a run-time error).
MORVMODEL_EXPORT int16_t loadTask(ProgramState& state, const std::string& path);

//! Saves the design task of `Vymenik` into the file, replacing it.
MORVMODEL_EXPORT void saveTask(ProgramState& state, const std::string& path);

} // namespace morv
