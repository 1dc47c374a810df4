#pragma once
//! Moving data between the main window and the model: the transfer of every input into the
//! exchanger model, the display of the model in the window, the pressure-drop boxes and the
//! colouring of results outside their usual range.

#include "MorvWindow/MorvWindowExport.h"
#include "Platform/RunTimeError.h"
#include "Platform/Variant.h"

#include <QColor>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class QLineEdit;

namespace morv {

class frmHE;
class TARMST;

namespace colour {
//! Background of the box of a main quantity marked as unknown.
inline const QColor unknown{0, 255, 255};
//! Text of a result outside its usual range.
inline const QColor outOfRange{255, 0, 0};
inline const QColor inRange{0, 0, 0};
} // namespace colour

//! Copies every input of the window into the model, in the order of the transfer table, and
//! sets the stream types from the temperatures (with their labels), warning when both
//! streams come out heated or both cooled. The first box that does not read as a number
//! raises 13 at its step (a count beyond its field 6), with the box's object name as the
//! error's source; the fields before it keep their new values.
MORVWINDOW_EXPORT void PrevezmiZadani(frmHE& w);

//! The line that names the box at which `PrevezmiZadani` stopped with the error `e`, as the
//! logical check names the boxes it cannot read: "Nelze přečíst: " + the box's caption +
//! " na listu '" + the caption of its tab + "'!" (a box above the tabs without its tab); ""
//! when the error names no box of the window.
MORVWINDOW_EXPORT std::string unreadableBoxLine(const frmHE& w, const platform::RunTimeError& e);

//! Shows the model in the window: the area from the tubes, every input, the marks with their
//! colours, the stream types, the construction, results, properties, phases, compositions,
//! and the colouring of six results by their usual range.
MORVWINDOW_EXPORT void ZobrazData(frmHE& w);

//! The tube-side pressure-drop results in `txtDp(0..14)`.
MORVWINDOW_EXPORT void ZobrazTlakZtrTrubky(frmHE& w);
//! The shell-side pressure-drop results in `txtDp(15..29)`.
MORVWINDOW_EXPORT void ZobrazTlakZtrPlast(frmHE& w);

//! Empties the pressure-drop boxes `txtDp(0..29)` and takes their range colouring off, as a
//! calculation that shows no pressure drops of its own leaves them.
MORVWINDOW_EXPORT void clearPressureDrops(frmHE& w);
//! Every result box of the heat-transfer and pressure-drop tabs as a new window shows it,
//! empty and uncoloured: a task loaded shows no result of an earlier calculation.
MORVWINDOW_EXPORT void clearResults(frmHE& w);

//! Paints red the text of each box boxes(indices(i)), i = 1 to n, whose number lies outside
//! lower(i)..upper(i) (bounds inside, the box read as the single-precision number it shows),
//! black the others; stops at the first empty box. n is `count` when positive, otherwise
//! indices(0). A box that does not read as a number raises 13.
MORVWINDOW_EXPORT void KontrolaMezi(const std::vector<QLineEdit*>& boxes,
                                    const std::vector<platform::Variant>& lower,
                                    const std::vector<platform::Variant>& upper,
                                    const std::vector<int16_t>& indices, int16_t count = 0);

//! The velocity colouring of the pressure-drop tab after both sides are shown: seven boxes,
//! 0.02 to 10 m/s, 1.5 m/s on a side whose medium is liquid.
MORVWINDOW_EXPORT void colourPressureDropVelocities(frmHE& w);

//! The box of an error that ended a calculation or an analysis point: the property library's
//! calculation error as a fatal error of the data, any other with its number.
MORVWINDOW_EXPORT void showCalculationError(const platform::RunTimeError& e);

//! Sets the text colour of a box.
MORVWINDOW_EXPORT void setTextColour(QLineEdit& box, const QColor& colour);
//! Sets the background of a box: the unknown's colour or the window's own.
MORVWINDOW_EXPORT void setUnknownBackground(QLineEdit& box, bool unknown);

} // namespace morv
