#pragma once
//! The condensation model: works on the exchanger model `he` it is given, adds the
//! properties and dimensionless numbers of the condensate, chooses the heat-transfer method
//! of the condensing side and is the function object of the main solve.
//!
//! Fields are public, as in `TARMST`: `Single` fields round every store to single
//! precision, `MetodaP` rounds half to even to a 16-bit integer.

#include "MORV/model/FieldTypes.h"
#include "MORV/model/TARMST.h"
#include "MorvModel/MorvModelExport.h"
#include "RalvoC1/numeric/Uloha.h"

#include <cstdint>
#include <memory>

namespace morv {

class MORVMODEL_EXPORT TARMMORV : public ralvo::Uloha {
public:
    //! `MetodaP` = 1, every other field 0, `he` none.
    TARMMORV();
    ~TARMMORV() override;

    //! A condensation model holding the value of every field of this one, `he` the same
    //! exchanger model: what `restoreFields` puts back.
    std::unique_ptr<TARMMORV> fieldCopy() const;
    //! Every field back to its value in `copy` (made by `fieldCopy`), `he` included.
    void restoreFields(const TARMMORV& copy);

    //! The exchanger model the members work on; raises 91 while it is none.
    TARMST& he() const;
    //! The reference held in `he` (nullptr while none is set).
    const std::shared_ptr<TARMST>& heRef() const noexcept { return m_he; }
    //! Sets the exchanger model, shared with its other holders; nullptr releases it.
    void he(std::shared_ptr<TARMST> value) noexcept { m_he = std::move(value); }

    Single Xinert; //!< mole fraction of non-condensing inerts in the condensing stream [-]
    Single Reko;   //!< Reynolds number of the condensate film [-]
    Single Prko;   //!< Prandtl number of the condensate [-]
    Single Nuko;   //!< Nusselt number of the condensate [-]
    Single Ar;     //!< Archimedes number of the condensate [-]
    Single K32;    //!< criterion K32 of heat-transfer method 3 [-]
    Single Hustko; //!< condensate density [kg/m3]
    Single Viskko; //!< condensate viscosity [Pa.s]
    Single Vodko;  //!< condensate thermal conductivity [W/m/K]
    Single Cpko;   //!< condensate heat capacity [J/kg/K]
    Single dHvkor; //!< corrected heat of condensation of the condensation methods [J/kg]
    Int16 MetodaP; //!< heat-transfer method of the condensing side: 1, 2, 3, or 4 (fixed AlfaiK, AlfaoK)

    // ---- Mean properties (TARMMORVVlastnosti.cpp) ----------------------------------------
    //! Mean properties of both streams of `he` (`TARMST::FyzVlast`; with ProX, whose
    //! presence alone counts, in the trial-vector mode), then those of the condensate of the
    //! condensing side: the shell when the tubes carry a liquid, else the tubes. The
    //! condensate is a liquid at the side's mean temperature: Hustko, Cpko, Viskko, Vodko
    //! and Prko. In the trial-vector mode a side that condenses (its medium is not a liquid)
    //! needs its dew point: when the property library found none, its calculation error
    //! (-2147220904) is raised with the pressure in its source. Raises 91 while `he` is none.
    void FyzVlast(const platform::Variant* ProX = nullptr);

    // ---- Pressure drops (TARMMORVTlak.cpp) -----------------------------------------------
    //! Tube-side pressure drop of `he`; when the tubes carry the condensing stream, the
    //! passes and turns count half and the outlet nozzle carries the condensate. Tlz, when
    //! given, receives the total `dPtr` [Pa].
    void TlakZtrTrubky(platform::Variant* Tlz = nullptr);
    //! Shell-side pressure drop of `he`; when the shell carries the condensing stream, the
    //! segments and windows count half and the outlet nozzle carries the condensate. Tlz,
    //! when given, receives the total `dPpl` [Pa].
    void TlakZtrPlast(platform::Variant* Tlz = nullptr);
    //! Smallest element of x, as `TARMST::Min`.
    platform::Variant Min(platform::VArray& x) const;

    // ---- Heat transfer of the condensing side (TARMMORVKondenzace.cpp) ---------------------
    // A side whose medium is a liquid is handed to the single-phase method of `he`; on the
    // other side the vapour condenses. One pass per call: the wall temperature comes from the
    // previous coefficient. Both work on the trial vector `he.xx` as the residuals set it:
    // the condensate loading takes the condensing stream's flow xx(1) (tubes) or xx(2)
    // (shell), the film's subcooling its inlet xx(3) or xx(4), never the stored fields, which
    // hold only the estimates while these are unknowns.

    //! Heat transfer inside the tubes: the inner wall temperature, the condensate's properties
    //! and numbers (Hustko, Cpko, Viskko, Vodko, Prko, dHvkor, Ar, K32, Reko), and Alfai, NuT
    //! of in-tube condensation in horizontal tubes or film condensation in vertical tubes.
    void PrestupTrubky();
    //! Heat transfer outside the tubes: the outer wall temperature, the condensate's
    //! properties and numbers, Alfao and NuP of film condensation on a horizontal or vertical
    //! bundle with its row, vapour-velocity, wave and inert-gas corrections, Mezer and Nuko.
    void PrestupPlast();

    // ---- Residuals of the design solve (TARMMORVRezidua.cpp) --------------------------------
    //! The three residuals [W] of the design solve at the trial vector xx(1..8) (flows [kg/s],
    //! temperatures [°C], duty / 10000 [W], tube length [m]), with Q = 10000 x7:
    //!   FF(1) heat of the tube stream - Q: W_Tr (x5 - x3) when it is heated (TrTyp = 1), else
    //!         x1 (dH_Tr + cp_Tr (x3 - Tdew_Tr)) plus the condensate's subcooling
    //!         x1 Cpko (Tdew_Tr - x5) when x5 is below the dew point;
    //!   FF(2) the same of the shell stream by PlTyp;
    //!   FF(3) rate equation k A (t_out - t_in) / ln((Tc - t_in) / (Tc - t_out)) - Q of the heated
    //!         stream against the condensing temperature Tc, the dew point of the other side
    //!         (the shell's when TrTyp = 1); the ratio is at least 1e-6.
    //! Before them it copies xx(1..8) into `he.xx`, sets the tube length L = x8 and the area
    //! when the area is an unknown (IPOM(7) = 1), computes the properties of the trial vector,
    //! both coefficients, `Kprostup` = 1 / (1/Alfakon + 1/Alfao + (Dtrubo/Dtrubi)/Alfai) and,
    //! for display, `Pterm` = 1 - exp(-NTU) with NTU = k A / W_Tr. N and z are not used.
    //! Nothing is trapped; a residual that cannot be computed as a finite number raises an
    //! error (never a value the solver could take as converged).
    void FUN(platform::VArray& xx, platform::VArray& FF, platform::Variant& N, platform::VArray& z);
    //! The Newton method's call of the residuals: `FUN`.
    void Fun(platform::VArray& X, platform::VArray& F, platform::Variant& n, platform::VArray& z) override;
    using ralvo::Uloha::Fun;

    //! Effectiveness of an exchanger with one condensing stream, 1 - exp(-ksW), of the
    //! number of transfer units ksW [-]; r and ip are accepted and not read.
    platform::Variant P_TermUcin(const platform::Variant& r, const platform::Variant& ksW,
                                 const platform::Variant& ip) const;
    //! Hyperbolic cotangent (e^-x + e^x) / (e^x - e^-x), evaluated as written: x = 0 raises 11,
    //! |x| above about 709 raises 6.
    platform::Variant Cotgh(const platform::Variant& x) const;

private:
    // Copies only through fieldCopy and restoreFields.
    TARMMORV(const TARMMORV&) = default;
    TARMMORV& operator=(const TARMMORV&) = default;

    //! Stores the condensate's density, heat capacity, viscosity and conductivity at the
    //! side's mean temperature tMean [°C], in this order, and its Prandtl number.
    void storeCondensate(StreamProperties& props, const platform::VArray& r, double tMean);

    std::shared_ptr<TARMST> m_he;
    CompositionArray m_rTr; //!< composition array of the tube stream, refilled before use
    CompositionArray m_rPl; //!< composition array of the shell stream, refilled before use
};

} // namespace morv
