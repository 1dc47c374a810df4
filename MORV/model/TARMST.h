#pragma once
//! The data model of one shell-and-tube exchanger: identification, the eight main quantities
//! of the heat balance, the construction data, the tube stream `Tr` and the shell stream
//! `Pl`, the unknown flags `IPOM`, the Newton vector `xx`, and the results of the property,
//! heat-transfer and pressure-drop calculations.
//!
//! The fields are public and read and assigned directly; nothing guards their consistency.
//! Their kinds: `Single` fields round every store to single precision, `Int16` fields round
//! half to even to a 16-bit integer, flags are bool, general-value fields are `Variant`s that
//! stay empty until set. Units are SI, temperatures in °C.
//!
//! The calculations are members grouped by concern, each concern in its own source file.
//! The model is the function object of its own single-phase solve.

#include "MORV/model/FieldTypes.h"
#include "MORV/model/Proud.h"
#include "MorvModel/MorvModelExport.h"
#include "Platform/Array.h"
#include "Platform/Variant.h"
#include "RalvoC1/numeric/Uloha.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace morv {

class MORVMODEL_EXPORT TARMST : public ralvo::Uloha {
public:
    TARMST();
    //! Releases both streams, which releases their mixture objects.
    ~TARMST() override;

    //! A model holding the value of every field of this one, its streams shared with it (the
    //! same stream objects): what `restoreFields` puts back.
    std::unique_ptr<TARMST> fieldCopy() const;
    //! Every field back to its value in `copy` (made by `fieldCopy`), the references to the
    //! streams included. The streams' own values (flows, pressures, compositions) are theirs,
    //! not the model's, and stay as they are.
    void restoreFields(const TARMST& copy);

    // ---- Identification and streams ------------------------------------------------------
    std::string Nazev; //!< designation of the apparatus
    std::string Kod;   //!< code designation
    Int16 Numb;        //!< apparatus number

    //! The stream in the tubes; reading it while it is none creates a new stream.
    Proud& Tr() { return *TrRef(); }
    //! The reference held in `Tr` (created first when it is none), for holders that share it.
    const std::shared_ptr<Proud>& TrRef();
    //! Replaces the tube stream; nullptr releases it.
    void Tr(std::shared_ptr<Proud> value) noexcept { m_Tr = std::move(value); }
    //! The stream in the shell; reading it while it is none creates a new stream.
    Proud& Pl() { return *PlRef(); }
    const std::shared_ptr<Proud>& PlRef();
    void Pl(std::shared_ptr<Proud> value) noexcept { m_Pl = std::move(value); }

    // ---- Heat balance --------------------------------------------------------------------
    Single Kprostup; //!< overall heat-transfer coefficient, outer tube surface [W/m2/K]
    Single Q;        //!< heat duty [W]
    Single Pterm;    //!< thermal effectiveness of the tube stream [-]
    Single Rkap;     //!< heat-capacity-flow ratio WTr / WPl [-]
    Single Ttrubi;   //!< tube-side inlet temperature [°C]
    Single Ttrubo;   //!< tube-side outlet temperature [°C]
    Single Tplasti;  //!< shell-side inlet temperature [°C]
    Single Tplasto;  //!< shell-side outlet temperature [°C]

    // ---- Construction --------------------------------------------------------------------
    Single Dplast;         //!< shell inner diameter [m]
    Single Dtrubi;         //!< tube inner diameter [m]
    Single Dtrubo;         //!< tube outer diameter [m]
    Single L;              //!< tube length [m]
    Single Plocha;         //!< heat-transfer area, Ntrub * pi * Dtrubo * L [m2]
    Int16 Chod;            //!< number of tube passes
    Int16 Ntrub;           //!< number of tubes in the bundle
    Single sT;             //!< tube pitch across the shell-side flow [m]
    Single sL;             //!< tube pitch along the shell-side flow [m]
    Single Zneci;          //!< fouling factor inside the tubes [m2K/W]
    Single Zneco;          //!< fouling factor outside the tubes [m2K/W]
    Single dPrep;          //!< baffle spacing [m]
    Single hPrep;          //!< relative baffle height, fraction of the shell diameter [-]
    Int16 NstredT;         //!< tubes in the centre row across the shell-side flow
    Single NstredL;        //!< tube rows in the direction of the shell-side flow [-]
    Int16 Uspor;           //!< tube arrangement: 0 staggered, 1 in-line
    bool TrubKap = false;  //!< the tube-side medium is a liquid
    bool PlastKap = false; //!< the shell-side medium is a liquid
    Single Vodw;           //!< thermal conductivity of the tube wall [W/m/K]
    Single HrdloPli;       //!< diameter of the shell inlet nozzle [m]
    Single HrdloPlo;       //!< diameter of the shell outlet nozzle [m]
    Single HrdloTri;       //!< diameter of the tube-side inlet nozzle [m]
    Single HrdloTro;       //!< diameter of the tube-side outlet nozzle [m]
    Single Drsnost;        //!< absolute wall roughness of the tubes [m]
    Single indProti;       //!< counter-current index: 1 counter-current, 0 co-current [-]
    Int16 Natok;           //!< layout of the condenser: 0 horizontal, 1 vertical

    // ---- Properties of the streams: mean values at the mean temperatures -----------------
    platform::Variant Ttrubstr;  //!< tube-side mean temperature [°C]
    platform::Variant Tplaststr; //!< shell-side mean temperature [°C]
    platform::Variant vtrubstr;  //!< mean velocity in the tubes [m/s]
    platform::Variant vplaststr; //!< mean velocity in the gap of the centre row [m/s]
    platform::Variant HustTr;    //!< tube-side density [kg/m3]
    platform::Variant HustPl;    //!< shell-side density [kg/m3]
    platform::Variant ViskTr;    //!< tube-side viscosity [Pa.s]
    platform::Variant ViskwTr;   //!< tube-side viscosity at the wall temperature [Pa.s]
    platform::Variant ViskPl;    //!< shell-side viscosity [Pa.s]
    platform::Variant ViskwPl;   //!< shell-side viscosity at the wall temperature [Pa.s]
    platform::Variant VisKor;    //!< viscosity correction of the shell-side pressure drop [-]
    platform::Variant CpTr;      //!< tube-side heat capacity [J/kg/K]
    platform::Variant CpPl;      //!< shell-side heat capacity [J/kg/K]
    platform::Variant VodTr;     //!< tube-side thermal conductivity [W/m/K]
    platform::Variant VodPl;     //!< shell-side thermal conductivity [W/m/K]
    platform::Variant dHTr;      //!< tube-side heat of vaporisation [J/kg]
    platform::Variant dHPl;      //!< shell-side heat of vaporisation [J/kg]
    platform::Variant TbvT;      //!< bubble point of the tube stream at its pressure [°C]
    platform::Variant TrbT;      //!< dew point of the tube stream at its pressure [°C]
    platform::Variant TbvP;      //!< bubble point of the shell stream [°C]
    platform::Variant TrbP;      //!< dew point of the shell stream [°C]
    platform::Variant PrT;       //!< tube-side Prandtl number [-]
    platform::Variant PrP;       //!< shell-side Prandtl number [-]
    platform::Variant ReT;       //!< tube-side Reynolds number [-]
    platform::Variant ReP;       //!< shell-side Reynolds number [-]
    platform::Variant NuT;       //!< tube-side Nusselt number [-]
    platform::Variant NuP;       //!< shell-side Nusselt number [-]
    platform::Variant dL;        //!< ratio Dtrubi / L, a single-precision value [-]
    platform::Variant WTr;       //!< heat-capacity flow of the tube stream [W/K]
    platform::Variant WPl;       //!< heat-capacity flow of the shell stream [W/K]

    // ---- Heat transfer -------------------------------------------------------------------
    platform::Variant Alfai;   //!< heat-transfer coefficient inside the tubes [W/m2/K]
    platform::Variant Alfao;   //!< heat-transfer coefficient outside the tubes [W/m2/K]
    platform::Variant Alfai0;  //!< start value of Alfai [W/m2/K]
    platform::Variant Alfao0;  //!< start value of Alfao [W/m2/K]
    platform::Variant AlfaiK;  //!< fixed inside coefficient of method 4 [W/m2/K]
    platform::Variant AlfaoK;  //!< fixed outside coefficient of method 4 [W/m2/K]
    platform::Variant Alfakon; //!< conductance of wall and both fouling layers, outer surface [W/m2/K]
    platform::Variant Twi;     //!< mean temperature of the inner tube wall [°C]
    platform::Variant Two;     //!< mean temperature of the outer tube wall [°C]
    platform::Variant Tsi;     //!< mean tube-side temperature from the vector of unknowns [°C]
    platform::Variant Tso;     //!< mean shell-side temperature from the vector of unknowns [°C]
    Int16 TrTyp;               //!< +1 the tube stream is heated (cold), -1 cooled (warm)
    Int16 PlTyp;               //!< the same for the shell stream
    platform::Variant Mezer;   //!< voidage of the tube bundle [-]

    // ---- Mean properties of the streams (TARMSTVlastnosti.cpp) ----------------------------
    // Each stream's properties come from its property source (`Proud::properties`) at the
    // side's mean temperature + 273.15 [K] and the stream's pressure P [Pa], with the mole
    // fractions Xm(1..Nsloz) as the composition.

    //! Mean properties of both streams: the mean temperatures Ttrubstr, Tplaststr [°C];
    //! density, viscosity, conductivity and heat capacity of each side, of the liquid when
    //! TrubKap (PlastKap) is set, else of the real gas; the heats of vaporisation; the bubble
    //! and dew points [°C]; the Prandtl numbers; the heat-capacity flows WTr, WPl, the ratio
    //! Rkap and the balance effectiveness Pterm; the mean velocities in the tubes and in the
    //! gap of the centre row, the Reynolds numbers and dL = Dtrubi / L.
    //!
    //! Without ProX the temperatures and flows are the fields' (Ttrubi..Tplasto, Tr.m, Pl.m),
    //! and the member ends after Pterm when Dtrubi or Ntrub is 0; a centre row that does not
    //! fit the shell (free width Dplast - NstredT Dtrubo of 0 or less) gives a negative ReP.
    //! With ProX, whose presence alone counts (its value is never read), they are the trial
    //! values xx(1..6) and the tube velocity counts the passes Chod. Negative velocities,
    //! Pterm and Rkap are raised to 1e-6. Nothing is trapped: a property or arithmetic error
    //! leaves the fields of the steps before it updated.
    void FyzVlast(const platform::Variant* ProX = nullptr);

    // ---- Single-phase heat transfer (TARMSTPrestup.cpp) ----------------------------------
    // One pass per call: the wall temperature comes from the previous coefficient. Both read
    // the method selector of the program's condensation model: 4 replaces the correlation's
    // coefficient by the fixed one (AlfaiK, AlfaoK).

    //! Heat transfer inside the tubes: the mean temperatures Tsi, Tso of the trial vector,
    //! the inner wall temperature Twi, the viscosity at the wall ViskwTr, and NuT and Alfai
    //! by the laminar, transition or turbulent correlation of ReT.
    void PrestupTrubky();
    //! Heat transfer across the tube bundle: the outer wall temperature Two, the wall
    //! viscosity ViskwPl, NuP and Alfao by the tube-bank correlation of ReP, the arrangement,
    //! the pitch ratio and the number of rows, and the bundle voidage Mezer.
    void PrestupPlast();

    // ---- Pressure drop -------------------------------------------------------------------
    platform::Variant ReTdp;   //!< not used
    platform::Variant RePdp;   //!< not used
    platform::Variant Reh;     //!< Reynolds number with the hydraulic diameter [-]
    platform::Variant dh;      //!< hydraulic diameter [m]
    platform::Variant ftr;     //!< friction factor in the tubes [-]
    platform::Variant fpl;     //!< resistance coefficient of one bundle segment [-]
    platform::Variant fplvst;  //!< local-loss coefficient of the shell inlet nozzle [-]
    platform::Variant fplvys;  //!< local-loss coefficient of the shell outlet nozzle [-]
    platform::Variant Gtr;     //!< sum of the local-loss coefficients in the tubes [-]
    platform::Variant Nprep;   //!< number of baffles
    platform::Variant dPtr;    //!< total tube-side pressure drop [Pa]
    platform::Variant dPpl;    //!< total shell-side pressure drop [Pa]
    platform::Variant dPkom;   //!< pressure drop of one turn between two passes [Pa]
    platform::Variant vtrvst;  //!< velocity in the tube-side inlet nozzle [m/s]
    platform::Variant vtrvys;  //!< velocity in the tube-side outlet nozzle [m/s]
    platform::Variant vplvst;  //!< velocity in the shell inlet nozzle [m/s]
    platform::Variant vplvys;  //!< velocity in the shell outlet nozzle [m/s]
    platform::Variant vus;     //!< mean velocity in the baffle window [m/s]
    platform::Variant Retrvst; //!< Reynolds number in the tube-side inlet nozzle [-]
    platform::Variant Retrvys; //!< Reynolds number in the tube-side outlet nozzle [-]
    platform::Variant Replvst; //!< Reynolds number in the shell inlet nozzle [-]
    platform::Variant Replvys; //!< Reynolds number in the shell outlet nozzle [-]
    platform::Variant Gtrvst;  //!< local-loss coefficient of the tube-side inlet nozzle [-]
    platform::Variant Gtrvys;  //!< local-loss coefficient of the tube-side outlet nozzle [-]
    platform::Variant dPtrvst; //!< pressure drop in the tube-side inlet nozzle [Pa]
    platform::Variant dPtrvys; //!< pressure drop in the tube-side outlet nozzle [Pa]
    platform::Variant dPtru;   //!< pressure drop of one pass through the tubes [Pa]
    platform::Variant dPplsv;  //!< pressure drop of one bundle segment between two baffles [Pa]
    platform::Variant dPus;    //!< pressure drop of one baffle window [Pa]
    platform::Variant dPplvst; //!< pressure drop in the shell inlet nozzle [Pa]
    platform::Variant dPplvys; //!< pressure drop in the shell outlet nozzle [Pa]

    // ---- Single-phase solve (TARMSTResitVymenik.cpp) --------------------------------------
    //! Solves the exchanger with neither stream changing phase for the three quantities
    //! flagged in IPOM(0..7), by the damped Newton method on the model's own xx with this
    //! model as the function object (tolerance 0.001, damping 0.5, at most MaxIT iterations,
    //! 50 when omitted). Checks first, each with its box (title "HE"): the construction
    //! (L, Dplast >= 0.05 m) and the basic data (flows >= 0.001 kg/s, area >= 0.02 m2), status
    //! 4; the choice of exactly three unknowns with one on each side (the duty counts for
    //! both), status 3. Then the start coefficients (Alfakon from the wall and fouling,
    //! Alfai = Alfao = 180 W/m2/K, Kprostup), the vector from the fields and the properties;
    //! a negative shell Reynolds number is reported and gives an empty result. A solve that
    //! did not converge (status 1 iteration limit, 2 singular step) leaves the residuals at
    //! the last vector in the program's `Rezidua`, reports the limit with their sum and, when
    //! the duty is sought for a given area, hints at a larger estimate; the fields keep their
    //! values. A converged solve (status 0) writes the flows, temperatures, duty and area back.
    platform::Variant ResitVymenik(std::optional<platform::Variant> MaxIT = std::nullopt);
    //! The three residuals [W] of the single-phase solve at the trial vector xx(1..8), with
    //! Q = 10000 x7: FF(1) = W_Tr (x5 - x3) - Q (heated, TrTyp = 1) or W_Tr (x3 - x5) - Q;
    //! FF(2) the same of the shell stream by PlTyp; FF(3) = Pterm W_Tr |x4 - x3| - Q with the
    //! effectiveness `P_TermUcin`(Rkap, NTU, indProti) of NTU = A k / W_Tr. Before them: the
    //! tube length and area when the area is an unknown, the properties of the model's own
    //! xx (so xx is meant to be that array), both single-phase coefficients and Kprostup.
    //! N and z are not used.
    void FUN(platform::VArray& xx, platform::VArray& FF, platform::Variant& N, platform::VArray& z);
    //! The Newton method's call of the residuals: `FUN`.
    void Fun(platform::VArray& X, platform::VArray& F, platform::Variant& n, platform::VArray& z) override;
    using ralvo::Uloha::Fun;
    //! Effectiveness of the tube stream [-] of the capacity ratio r, NTU ksW and the
    //! counter-current index ip: 2 / (1 + r + D coth(D ksW / 2)), D = sqrt((1 + r)² - 4 r ip),
    //! or 0.1 when the radicand is not positive. ip = 0 gives the co-current
    //! (1 - exp(-(1 + r) NTU)) / (1 + r), ip = 1 the counter-current (1 - E) / (1 - r E),
    //! E = exp(-(1 - r) NTU).
    platform::Variant P_TermUcin(const platform::Variant& r, const platform::Variant& ksW,
                                 const platform::Variant& ip) const;
    //! Hyperbolic cotangent (e^-x + e^x) / (e^x - e^-x) below x = 25, else 1; x = 0 raises 11.
    platform::Variant Cotgh(const platform::Variant& x) const;

    // ---- Indexed properties --------------------------------------------------------------
    //! Flag of main quantity Index (0..10, else error 9): 0..7 one when the quantity is an
    //! unknown (tube flow, shell flow, tube inlet, shell inlet, tube outlet, shell outlet,
    //! duty, area), 8 one when the shell stream is the warm one. An element never set reads 0.
    int16_t IPOM(int16_t Index) const { return m_IPOM(Index).toInteger(); }
    void IPOM(int16_t Index, int16_t value) { m_IPOM(Index) = platform::Variant(value); }
    //! Element i (0..9, else error 9) of the Newton vector: 1 tube flow, 2 shell flow [kg/s],
    //! 3 tube inlet, 4 shell inlet, 5 tube outlet, 6 shell outlet [°C], 7 duty / 10000 [W],
    //! 8 tube length [m].
    const platform::Variant& xx(int16_t i) const { return m_xx(i); }
    void xx(int16_t i, const platform::Variant& value) { m_xx(i) = value; }
    //! Element i (0..10, else error 9) of the auxiliary array passed through the Newton method.
    platform::Variant z(int16_t i) const { return m_z(i); }
    void z(int16_t i, const platform::Variant& value) { m_z(i) = value; }

    // ---- Design-task file (TARMSTSoubor.cpp) ---------------------------------------------
    // One task per text file in code page 1250, one line per record, items in the item
    // convention: lines 1 to 4 the identification, balance and construction fields, line 5
    // IPOM(0..8), line 6 Tr.m, Pl.m, Tr.P, Pl.P [kg/s, Pa], then for the tube stream and
    // then for the shell stream a line with its component count followed by one line per
    // component: substance number, name, mass fraction Xh, mole fraction Xm.

    //! Writes the task into the file FilNazev. The file is replaced only by a complete new
    //! one: when it cannot be written, the run-time error (75, or 76 for a missing folder)
    //! is raised to the caller and an old file stays as it was.
    void UlozData(const std::string& FilNazev);
    //! Reads the task from the file FilNazev, sets the streams' flows, pressures and
    //! fractions and reloads both mixtures from the database. The whole file is read before
    //! the model changes: a file that does not hold a whole task leaves the model as it was,
    //! shows its box (title "HE") and sets `ChybaNacteni` to -1. The result is
    //! `SlozeniZadano` (0) after a completed load, empty after a failed one.
    platform::Variant NactiData(const std::string& FilNazev);

    // ---- Friction factor and pressure drops (TARMSTTreni.cpp, TARMSTTlak.cpp) ------------
    //! Darcy friction factor of a circular tube for any Reynolds number Re [-], inner
    //! diameter d [m] and wall roughness EPS [m]: 64 / Re below 2200, a straight line from
    //! 0.0291 at 2200 to the Colebrook value at 4000, the Colebrook value from 4000.
    platform::Variant HLTR(const platform::Variant& Re, const platform::Variant& d,
                           const platform::Variant& EPS) const;
    //! Darcy friction factor of the Colebrook equation for turbulent flow, solved for
    //! sqrt(lambda) by Newton steps from lambda = 0.1; more than 100 passes raise 6.
    platform::Variant HLTU1(const platform::Variant& Re, const platform::Variant& d,
                            const platform::Variant& EPS) const;
    //! Smallest element of x, compared from 1e30 down; 1e30 when none is below it.
    platform::Variant Min(platform::VArray& x) const;
    //! Tube-side pressure drop: friction and local losses of one pass, one turn, both
    //! nozzles and the total `dPtr` [Pa], which Tlz receives when given.
    void TlakZtrTrubky(platform::Variant* Tlz = nullptr);
    //! Shell-side pressure drop: one bundle segment, one baffle window, both nozzles and the
    //! total `dPpl` [Pa], which Tlz receives when given.
    void TlakZtrPlast(platform::Variant* Tlz = nullptr);

private:
    // Copies only through fieldCopy and restoreFields: two models never share streams unasked.
    TARMST(const TARMST&) = default;
    TARMST& operator=(const TARMST&) = default;

    std::shared_ptr<Proud> m_Tr;
    std::shared_ptr<Proud> m_Pl;
    platform::VArray m_IPOM;
    platform::VArray m_xx;
    platform::VArray m_z;
    CompositionArray m_rTr; //!< composition array of the tube stream, refilled before use
    CompositionArray m_rPl; //!< composition array of the shell stream, refilled before use
};

} // namespace morv
