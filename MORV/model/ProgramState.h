#pragma once
//! The program-wide state that the condenser model and the program's windows share: the
//! exchanger model `Vymenik`, the condensation model `Kondenzator`, the unit converter
//! `Prevodnik`, the current stream `AktProud`, the arrays and settings of the design solve and
//! the status of the last task-file read.
//!
//! The model objects are never created explicitly: the first use of one while it is none
//! creates it. The condenser model's own members read `Kondenzator` through this state, so a
//! model used without the program's windows still finds one here.

#include "MORV/model/Proud.h"
#include "MORV/model/TARMMORV.h"
#include "MORV/model/TARMST.h"
#include "MorvModel/MorvModelExport.h"
#include "Platform/Array.h"
#include "Platform/Variant.h"
#include "ToviC/Tovi.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace morv {

class MORVMODEL_EXPORT ProgramState {
public:
    ProgramState();
    ~ProgramState();
    ProgramState(const ProgramState&) = delete;
    ProgramState& operator=(const ProgramState&) = delete;
    ProgramState(ProgramState&&) noexcept;
    ProgramState& operator=(ProgramState&&) noexcept;

    //! The program's exchanger model; created on its first use.
    TARMST& Vymenik() { return *VymenikRef(); }
    //! The reference held in `Vymenik` (created first when it is none), for holders that
    //! share it, such as `Kondenzator.he`.
    const std::shared_ptr<TARMST>& VymenikRef();
    //! Sets `Vymenik`; nullptr releases it, and the next use creates a new model.
    void Vymenik(std::shared_ptr<TARMST> value) noexcept { m_Vymenik = std::move(value); }

    //! The program's condensation model; created on its first use, released at the end.
    TARMMORV& Kondenzator();

    //! The program's unit converter; created on its first use.
    tovi::Tovi& Prevodnik();
    //! Sets `Prevodnik`; nullptr releases it.
    void Prevodnik(std::shared_ptr<tovi::Tovi> value) noexcept { m_Prevodnik = std::move(value); }

    //! The stream whose composition is being entered: `Vymenik.Tr` or `Vymenik.Pl`, shared
    //! with the model; none at start.
    std::shared_ptr<Proud> AktProud;
    //! Residuals 1 to 3 of the direct evaluation after a failed solve; elements 0 to 21,
    //! empty at start.
    platform::VArray Rezidua;

    // ---- The design solve --------------------------------------------------------------
    //! Basic damping constant of the design solve. 0.4, the value every activation of the
    //! main window sets, so that a solve run without the windows is damped as in the program.
    platform::Variant TlumKonst;
    //! Damping the last design solve passed to the Newton method; empty at start.
    platform::Variant TlumAkt;
    //! Iteration limit of the design solve and of the sensitivity analysis.
    int16_t MaxIter = 100;
    //! The Newton method's variable vector, elements 0 to 9: 1 to 8 as `TARMST::xx`.
    platform::VArray VektorX;
    //! The auxiliary array passed through the Newton method, elements 0 to 10; never used.
    platform::VArray VektorZ;
    //! Positions 1 to 8 of the three unknowns in the vector, ascending, in elements 1 to 3
    //! (the unknown's flag index plus 1); elements 0 to 21.
    platform::VArray Nezname;
    //! Status of the last task-file read: 0 read to its end, -1 wrong structure or missing
    //! file.
    int16_t ChybaNacteni = 0;
    //! Result of the last task-file read, set to 0 at its start.
    int32_t SlozeniZadano = 0;

    // ---- The windows ---------------------------------------------------------------------
    //! Text of the entry box being confirmed with Enter, as handed to the unit converter.
    std::string VstupText;
    //! The splash window has been shown (once, at the first activation of the main window).
    bool SplashZobrazen = false;
    //! Name of the results file; empty at start and after each export to a document.
    std::string SouborVysl;
    //! The export route `SouborVysl` was chosen for: the filter index of the dialog that chose
    //! it (1 to 3 text, 4 document, 5 workbook, 6 document table).
    int16_t SouborVyslTrasa = 0;
    //! The results text: every report and analysis table since start or the last clearing.
    std::string Vysledky;
    //! Length of the results box's text before the latest report [characters].
    int32_t PosledniVysl = 0;

    // ---- The sensitivity analysis and its chart ----------------------------------------
    //! Index 0 to 7 of the known main quantity the analysis varies; -1 when cancelled.
    int16_t AnalProm = 0;
    //! Start, end and step of the analysis range in the model's units (a duty in W).
    platform::Variant AnalPoc, AnalKon, AnalKrok;
    //! Name of the varied quantity.
    std::string AnalNazev;
    //! Caption of the plotted quantity.
    std::string GrafPopis;
    //! An analysis has been completed and its arrays hold its points.
    bool AnalHotova = false;
    //! The quantities of the analysis in the arrays, as they were when it ran: the name of
    //! the quantity it varied, and the positions 1 to 8 in the Newton vector of its three
    //! unknowns in the order of AnalY1 to AnalY3. The charts are captioned from these, so a
    //! choice or a set of unknowns changed since never names values that are not plotted.
    std::string AnalHotovaNazev;
    std::array<int16_t, 3> AnalHotovaNezname{};
    //! Number of analysis points stored, 0 to `k::maxAnalysisPoints`.
    int16_t AnalPocBodu = 0;
    //! The series chosen for the chart, 0 to 6 in the order of AnalY1 to AnalY7.
    int16_t GrafVelicina = 0;
    //! The varied quantity at analysis point k (elements 0 to 100, k from 1).
    std::vector<double> AnalX;
    //! At point k: the first, second and third unknown, Pterm, Kprostup, the tube-side and
    //! the shell-side pressure drop (AnalY[0] is AnalY1).
    std::array<std::vector<double>, 7> AnalY;

private:
    std::shared_ptr<TARMST> m_Vymenik;
    std::shared_ptr<TARMMORV> m_Kondenzator;
    std::shared_ptr<tovi::Tovi> m_Prevodnik;
};

//! The one program-wide state.
MORVMODEL_EXPORT ProgramState& program();

//! Returns the program-wide state to the start of the process: every object released,
//! every variable at its start value (for tests).
MORVMODEL_EXPORT void resetProgram();

} // namespace morv
