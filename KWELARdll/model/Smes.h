#pragma once
//! The mixture object of the property library: up to 20 components given by substance
//! numbers, their records loaded from the database "KWELAR.DRC", the library's settings
//! and its error control.
//!
//! Members keep the names of the published interface. Both halves of a property carry its
//! name: the get half takes the property's own arguments, the let half the same arguments
//! followed by the new value (`Nsloz()` reads, `Nsloz(3)` shortens the mixture).
//! Component slots are numbered 1 to 20; an index outside raises error 9.
//!
//! The class is implemented by concern, each in its own source file: the object, its
//! settings and the mixture definition (Smes.cpp), the error control (SmesChyby.cpp), the
//! database and its location (SmesBaze.cpp), the component constants (SmesKonstanty.cpp),
//! the temperature correlations (SmesKorelace.cpp), the composition conversions and number
//! functions (SmesFunkce.cpp), the liquid mixture properties (SmesKapaliny.cpp), the ideal-gas
//! mixture properties (SmesPlyny.cpp), the bubble and dew points (SmesBodyVaru.cpp), the
//! real-gas equation of state (SmesStavovaRovnice.cpp), the real-gas properties with the
//! dense-gas transport (SmesRealnyPlyn.cpp), the property by name (SmesVlastnost.cpp), the
//! flash calculation (SmesFlash.cpp) and the temporary editing of a substance's data
//! (SmesOpravy.cpp). The state is protected so that the members of
//! every concern reach it.

#include "KWELAR/KWELARExport.h"
#include "KWELARdll/model/KwelarConstants.h"
#include "KWELARdll/model/SmesOkna.h"
#include "KWELARdll/model/ZaznamLatky.h"
#include "Platform/Array.h"
#include "Platform/Checked.h"
#include "Platform/RunTimeError.h"
#include "Platform/Variant.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kwelar {

class KWELAR_EXPORT Smes {
public:
    // ---- Object -------------------------------------------------------------------------
    //! Creates the windows (hidden), sets the defaults and counts the object; opens no file.
    Smes();
    //! Releases the windows and uncounts the object.
    ~Smes();
    Smes(const Smes&) = delete;
    Smes& operator=(const Smes&) = delete;

    //! Number of `Smes` objects that exist in the process.
    static platform::Variant PocetSmesi();

    // ---- Mixture definition (Smes.cpp) --------------------------------------------------
    //! Defines the mixture from r(1..n), n = |KK|, and loads it; KK < 0 sets error mode 1,
    //! otherwise 0. Errors pass to the caller (n above 20 raises 9 at slot 21).
    void DefSmes(int16_t KK, platform::VArray& r);
    //! Defines the mixture from the listed substance numbers (their absolute values) and
    //! loads it; a negative first number sets error mode 1, otherwise 0.
    void DefSlozky(const std::vector<platform::Variant>& parm);
    //! Sets the requested substance number of slot Index (1..20) for the next load.
    void ZapisNslozky(int16_t Index, int16_t value);
    //! Number of components.
    platform::Variant Nsloz() const;
    //! Shortens the mixture: only a value below the current count acts.
    void Nsloz(const platform::Variant& value);
    //! Empties the mixture, returns the error mode to 0 and renews the choice window.
    void ResetujSmes();
    //! What a reset and a new choice of components change in the mixture: the components, their
    //! records as loaded (with any change made to them in memory since), the load mark and the
    //! error mode.
    struct Definition {
        int16_t Nsloz = 0;
        platform::Array<int16_t> CislaSlozek;
        platform::Array<ZaznamLatky> Slozka;
        int16_t PriznakNacteni = 0;
        int16_t ChyboveHlasky = 0;
    };
    //! The mixture's definition as it stands.
    Definition definition() const;
    //! Makes the mixture again what it was when `d` was taken from it, as a user who goes back
    //! from a new definition expects; the property values kept since are forgotten.
    void restoreDefinition(const Definition& d);

    // ---- Settings (Smes.cpp) ------------------------------------------------------------
    std::string SNazev() const;
    void SNazev(const std::string& value);
    //! File name of the database ("KWELAR.DRC").
    std::string DataFileName() const;
    //! "" is ignored.
    void DataFileName(const std::string& value);
    //! Folder of the location file, always ending in "/".
    std::string CFGPath() const;
    //! "" is ignored; the folder is trimmed and gets a final "/".
    void CFGPath(const std::string& value);
    //! File name of the location file ("KWELAR.CFG").
    std::string CFGName() const;
    void CFGName(const std::string& value);
    //! Equation of state of the real-gas members: true = Redlich-Kwong, false = Lee-Kesler.
    bool Redlich() const;
    void Redlich(bool value);
    //! Clamping of correlation temperatures to each correlation's validity range on / off.
    void MezeZap();
    void MezeVyp();

    // ---- Error control (SmesChyby.cpp) --------------------------------------------------
    //! Error mode: -1 boxes and raise, 0 boxes, 1 only boxes of results and definitions,
    //! 2 silent.
    int16_t ChyboveHlasky() const;
    //! Values outside -1..2 are ignored.
    void ChyboveHlasky(int16_t value);
    //! Limit of counted error boxes.
    int16_t MaxErrHlas() const;
    //! Negative values are ignored.
    void MaxErrHlas(int16_t value);
    //! Short name of correlation Nvl ("ETAG" ... "Rezerva", "Nedef. " and the number).
    std::string ChybRozv(int16_t Nvl) const;

    // ---- Substance database and its location (SmesBaze.cpp) ----------------------------
    //! Locates the database through the location file or, without one, by a search of the
    //! search roots; sets `AdrKWELAR` ("" when not located).
    void Adrkwl();
    //! Full path of the database; located first while it is "".
    std::string AdrKWELAR();
    //! Stores any path unchanged.
    void AdrKWELAR(const std::string& value);
    //! The same as `AdrKWELAR`.
    std::string SouborBaze();
    //! Loads the records of the requested substances; the number of components, or 0 when a
    //! substance is missing or the database cannot be read.
    platform::Variant Inikwl();
    //! Depth-first search for files named like strFile below strRootFolder (a "/" is
    //! appended to it when missing); hits are appended to strNalez, element 0 counting them.
    void FindFiles(std::string& strRootFolder, const std::string& strFolder, const std::string& strFile,
                   platform::Array<std::string>& strNalez);
    //! The text before its first character with the code 0.
    std::string TrimNulls(const std::string& strString) const;

    // ---- Component constants (SmesKonstanty.cpp) -----------------------------------------
    // Point values and identity of the loaded record of component i (1..20; outside raises
    // 9). Numeric getters give the single-precision point value in a general value, the °C
    // getters a double. Getters marked "empty rule" give "" while no substance is requested
    // in slot i, without looking at the record.

    //! Molar mass [kg/mol], B(1); empty rule.
    platform::Variant Mvi(int16_t i) const;
    //! Critical temperature [K], B(2); empty rule.
    platform::Variant Tkri(int16_t i) const;
    //! Critical temperature [°C], B(2) - 273.15; empty rule.
    platform::Variant TkriC(int16_t i) const;
    //! Critical pressure [Pa], B(3); empty rule.
    platform::Variant Pkri(int16_t i) const;
    //! Critical molar volume [m3/mol], B(4); empty rule.
    platform::Variant Vkri(int16_t i) const;
    //! Acentric factor [-], B(5); empty rule.
    platform::Variant Acenti(int16_t i) const;
    //! Radius of gyration [nm], B(6).
    platform::Variant Gyr(int16_t i) const;
    //! Refractive index [-], B(7); empty rule.
    platform::Variant Nlomui(int16_t i) const;
    //! Temperature of the refractive index [K], B(8).
    platform::Variant TNlomui(int16_t i) const;
    //! Dipole moment [-], B(9), as a plain single-precision number.
    float Dipolm(int16_t i) const;
    //! Temperature of the dipole moment [K], B(10).
    platform::Variant TDipolm(int16_t i) const;
    //! Relative static permittivity [-], B(11).
    platform::Variant Permiti(int16_t i) const;
    //! Temperature of the permittivity [K], B(12).
    platform::Variant TPermiti(int16_t i) const;
    //! Heat of fusion [J/mol], B(13); empty rule.
    platform::Variant Htani(int16_t i) const;
    //! Melting point [K], B(14); empty rule.
    platform::Variant Ttani(int16_t i) const;
    //! Melting point [°C], B(14) - 273.15, exactly 0 within 1e-5 K of it; empty rule.
    platform::Variant TtaniC(int16_t i) const;
    //! Normal boiling point [K], B(15); empty rule.
    platform::Variant Tnbvi(int16_t i) const;
    //! Normal boiling point [°C], B(15) - 273.15; empty rule.
    platform::Variant TnbviC(int16_t i) const;
    //! Substance number of the loaded record (16-bit integer).
    platform::Variant Nslozky(int16_t i) const;
    //! Substance number requested for slot i (1..20; outside raises 9), whether its record
    //! loaded or not: what a task file names for a substance missing from the database.
    int16_t requestedNumber(int16_t i) const { return m_CislaSlozek(i); }
    //! Name, 30 characters with their trailing blanks; empty rule.
    std::string Nazev(int16_t i) const;
    //! Renames the component in memory until the next load (cut or padded to 30 characters).
    void Nazev(int16_t i, const std::string& value);
    //! Formula, 20 characters; empty rule.
    std::string Vzorec(int16_t i) const;
    //! Synonyms, 30 characters; empty rule.
    std::string Synonym(int16_t i) const;
    //! CAS number as "[ 64-17-5]"; " " for none.
    std::string CAS(int16_t i) const;
    //! Point value B(j) of component i; -9999 unless 1 <= i <= Nsloz and 1 <= j <= 17.
    float Bod(int16_t i, int16_t j) const;
    //! Sets B(j) in memory; bad indices show a box and change nothing.
    void Bod(int16_t i, int16_t j, float value);
    //! Item M of correlation j (1..11) of component i: 1..6 A1..A6, 7 TypVztahu, 8 Presn,
    //! 9 Od, 10 Do; any other M 0; -9999 unless 1 <= i <= Nsloz and 1 <= j <= 11.
    float KWLConst(int16_t i, int16_t j, int16_t M) const;
    //! Sets item M in memory, items 7..10 rounded half to even; bad i or j show a box.
    void KWLConst(int16_t i, int16_t j, int16_t M, float value);
    //! Copies the identity and B(1..17) of component i into the arguments; B must have the
    //! elements 1..17 (otherwise 9 after the items before are copied).
    void PrenesL(int16_t i, int16_t& N, std::string& Nazev, std::string& Vzor, std::string& Syn,
                 int16_t& Group, int32_t& CAS, platform::Array<float>& B) const;

    // ---- Temperature correlations (SmesKorelace.cpp) -------------------------------------
    //! Correlation Nvl (1..11) of component i at the temperature T [K]: the value, 1e-8 when
    //! it cannot be evaluated, 1e-6 after a run-time error in the evaluation (raised as
    //! `ChybaVypoctu` in mode -1), empty after the boxes of a bad Nvl or i.
    platform::Variant FFce(const platform::Variant& T, int16_t i, int16_t Nvl);
    //! Number of FFce calls this object has made or received since it was created (the
    //! mixture members' own evaluations included), for measuring the work of a calculation.
    uint64_t correlationCalls() const noexcept { return m_correlationCalls; }
    //! Formula text of equation type i; " Neznámý vztah! " for an unknown type.
    std::string Vztah(int16_t i) const;

    // ---- Composition conversions and number functions (SmesFunkce.cpp) -------------------
    // Composition arrays hold the fractions of components 1..Nsloz from element 1.

    //! Mole fractions r into mass fractions rh; Nsloz, or "Chyba" for an empty mixture.
    platform::Variant Cohmo(const platform::VArray& r, platform::VArray& rh) const;
    //! Mass fractions r into mole fractions rm; Nsloz, or "Chyba" for an empty mixture.
    platform::Variant Comol(const platform::VArray& r, platform::VArray& rm) const;
    //! "" when the fractions sum to 1 (or to exactly 0), otherwise "ERR sl." and a box.
    platform::Variant KsumX(const platform::VArray& r);
    //! Scales the fractions to sum 1 when their sum is farther from 1 than 1e-5.
    void Normal(platform::VArray& X) const;
    //! Mean molar mass of the mixture [kg/mol]; empty after an error (reported).
    platform::Variant VSM(const platform::VArray& r);
    //! The number formatted by its magnitude and centred in about 12 characters;
    //! " neobsazeno " for the missing value -9999.
    platform::Variant GFormat(const platform::Variant& X) const;
    //! The leading number of the text, a decimal comma read as a point; 0 without one.
    platform::Variant Hodnota(const std::string& S) const;
    //! Decimal logarithm ln X / ln 10; X <= 0 raises 5.
    platform::Variant Log10(const platform::Variant& X) const;

    // ---- Liquid mixture properties (SmesKapaliny.cpp) -------------------------------------
    // T [K] and the mole fractions r(1..Nsloz), both unchanged; the fractions are not
    // normalised. Members marked "reported" catch a run-time error, report it through
    // HlasChybu with the source "KWELAR - <member>; T(K)= <T, one decimal>" and return an
    // empty value (in mode -1 the caller receives ChybaVypoctu); the others pass it on.
    // The per-kilogram members divide the molar one by VSM(r).

    //! Density [kg/m3] by corresponding states: each component's density taken at the
    //! mixture's reduced temperature; one component: its density at T. Reported.
    platform::Variant ROLW(const platform::Variant& T, const platform::VArray& r);
    //! Viscosity [Pa.s], logarithmic mixing of eta V; one component: its viscosity. Reported.
    platform::Variant ETAL(const platform::Variant& T, const platform::VArray& r);
    //! Thermal conductivity [W/m/K], (sum w_i / lambda_i^2)^(-1/2). Reported.
    platform::Variant ALAL(const platform::Variant& T, const platform::VArray& r);
    //! Molar heat capacity [J/mol/K], sum x_i Cp_i.
    platform::Variant CPL(const platform::Variant& T, const platform::VArray& r);
    //! Heat capacity [J/kg/K].
    platform::Variant CPLW(const platform::Variant& T, const platform::VArray& r);
    //! Molar heat of vaporisation [J/mol], sum x_i dHv_i over the components below their
    //! critical temperature.
    platform::Variant DHV(const platform::Variant& T, const platform::VArray& r);
    //! Heat of vaporisation [J/kg].
    platform::Variant DHVW(const platform::Variant& T, const platform::VArray& r);
    //! Molar enthalpy [J/mol], 0 for each component as liquid at its normal boiling point;
    //! only components whose heat capacity is a polynomial contribute.
    platform::Variant HL(const platform::Variant& T, const platform::VArray& r);
    //! Enthalpy [J/kg].
    platform::Variant HLW(const platform::Variant& T, const platform::VArray& r);
    //! Molar entropy [J/mol/K] on the reference of `HL`. Reported.
    platform::Variant SL(const platform::Variant& T, const platform::VArray& r);
    //! Entropy [J/kg/K].
    platform::Variant SLW(const platform::Variant& T, const platform::VArray& r);
    //! Vapour pressure [Pa] of the ideal solution (Raoult), sum x_i P_i. Reported.
    platform::Variant TENS(const platform::Variant& T, const platform::VArray& r);
    //! Surface tension [N/m], parachor rule in density form; one component: its surface
    //! tension. Reported.
    platform::Variant SIGMA(const platform::Variant& T, const platform::VArray& r);
    //! Volumetric expansion coefficient [1/K], backward difference of `ROLW` over 3 K.
    platform::Variant ObjRozL(const platform::Variant& T, const platform::VArray& r);
    //! Prandtl number `CPLW` `ETAL` / `ALAL` [-].
    platform::Variant PrL(const platform::Variant& T, const platform::VArray& r);
    //! Reynolds number `ROLW` v d / `ETAL` [-] for the speed v [m/s] and the length d [m].
    platform::Variant ReL(const platform::Variant& T, const platform::VArray& r, const platform::Variant& v,
                          const platform::Variant& d);

    // ---- Ideal-gas mixture properties (SmesPlyny.cpp) --------------------------------------
    // T [K], p [Pa] and the mole fractions r(1..Nsloz), as for the liquid members; reported
    // errors name the member and T (and p for `ROGW`).

    //! Viscosity [Pa.s], sum x_i eta_i sqrt(M_i) / sum x_i sqrt(M_i). Reported.
    platform::Variant ETAG(const platform::Variant& T, const platform::VArray& r);
    //! Thermal conductivity [W/m/K], Wassiljewa equation with Wilke's coefficients; one
    //! component: its conductivity. Reported.
    platform::Variant ALAG(const platform::Variant& T, const platform::VArray& r);
    //! Molar heat capacity [J/mol/K], sum x_i Cp_i.
    platform::Variant CPG(const platform::Variant& T, const platform::VArray& r);
    //! Heat capacity [J/kg/K].
    platform::Variant CPGW(const platform::Variant& T, const platform::VArray& r);
    //! Density [kg/m3] of the ideal gas, p M / (8.314 T). Reported.
    platform::Variant ROGW(const platform::Variant& T, const platform::Variant& p, const platform::VArray& r);

    // ---- Bubble and dew points (SmesBodyVaru.cpp) ------------------------------------------
    // Raoult's law with each component's vapour pressure (correlation 9), solved for T by
    // Newton's method from 300 K. The result is the temperature [K], 0 when the iteration
    // does not converge in 50 passes (with a counted box in modes below 2), empty after a
    // run-time error (reported with the source "KWELAR - TBV; P(Pa)= <p>").

    //! Bubble point at the pressure p [Pa] of the liquid of mole fractions r(1..Nsloz).
    platform::Variant TBV(const platform::Variant& p, const platform::VArray& r);
    //! Dew point at the pressure p [Pa] of the vapour of mole fractions r(1..Nsloz).
    platform::Variant TRB(const platform::Variant& p, const platform::VArray& r);

    // ---- Real-gas equation of state (SmesStavovaRovnice.cpp) -----------------------------
    // The mixture of mole fractions rr(1..Nsloz) (copied into SlozeniSmesi, not normalised) as
    // a real gas at T [K] and p [Pa]: its molar density and, unless ivol = 2 (density only),
    // its internal energy, enthalpy, entropy, ln of the fugacity coefficient, Cv, Cp and
    // Joule-Thomson coefficient, left in the object (RoRG [mol/cm3], URG, HRG [J/mol], SRG
    // [J/(mol K)], LnFugRG [-], CvRG, CpRG [J/(mol K)], JTRG [K/MPa]). Each call first empties
    // the results it is about to write, so a failed call leaves them empty. Reference state of
    // HRG and SRG: each component as saturated liquid at its normal boiling point and 0.101325
    // MPa. A pressure below 1e-6 Pa in magnitude is taken as 1e-6 Pa; a negative pressure
    // beyond it is invalid (error 5).

    //! Lee-Kesler (Redlich false) or Redlich-Kwong (Redlich true). Lee-Kesler reports its
    //! run-time errors through HlasChybu with the source "KWELAR - TEVRP; T(K)= <T> ,P(Pa)=
    //! <p>"; Redlich-Kwong passes them on and does nothing for an empty mixture.
    void TEVRP(const platform::Variant& ivol, const platform::Variant& T, const platform::Variant& p,
               const platform::VArray& rr);
    //! Redlich-Kwong whatever Redlich holds; the pressure is taken as given, no box for a missing
    //! normal boiling point, and every run-time error passes on.
    void TEVRP0(const platform::Variant& ivol, const platform::Variant& T, const platform::Variant& p,
                const platform::VArray& rr);

    // ---- Real-gas properties and dense-gas transport (SmesRealnyPlyn.cpp) ------------------
    // T [K], p [Pa] and the mole fractions r(1..Nsloz), all unchanged. The readers evaluate
    // TEVRP with ivol = 1 and give one of its results (the per-kilogram forms divided by
    // VSM(r)); they trap nothing, and give an empty value when the result is empty (a failed
    // evaluation). A member built from other members gives an empty value when one of them did.

    //! Molar internal energy [J/mol].
    platform::Variant RUG(const platform::Variant& T, const platform::Variant& p, const platform::VArray& r);
    //! Internal energy [J/kg].
    platform::Variant RUGW(const platform::Variant& T, const platform::Variant& p, const platform::VArray& r);
    //! Molar enthalpy [J/mol].
    platform::Variant RHG(const platform::Variant& T, const platform::Variant& p, const platform::VArray& r);
    //! Enthalpy [J/kg].
    platform::Variant RHGW(const platform::Variant& T, const platform::Variant& p, const platform::VArray& r);
    //! Molar entropy [J/(mol K)].
    platform::Variant RSG(const platform::Variant& T, const platform::Variant& p, const platform::VArray& r);
    //! Entropy [J/(kg K)].
    platform::Variant RSGW(const platform::Variant& T, const platform::Variant& p, const platform::VArray& r);
    //! Molar heat capacity at constant pressure [J/(mol K)].
    platform::Variant RCPG(const platform::Variant& T, const platform::Variant& p, const platform::VArray& r);
    //! Heat capacity at constant pressure [J/(kg K)].
    platform::Variant RCPGW(const platform::Variant& T, const platform::Variant& p,
                            const platform::VArray& r);
    //! Molar heat capacity at constant volume [J/(mol K)].
    platform::Variant RCVG(const platform::Variant& T, const platform::Variant& p, const platform::VArray& r);
    //! Heat capacity at constant volume [J/(kg K)].
    platform::Variant RCVGW(const platform::Variant& T, const platform::Variant& p,
                            const platform::VArray& r);
    //! Adiabatic exponent Cp / Cv [-].
    platform::Variant Kapa(const platform::Variant& T, const platform::Variant& p, const platform::VArray& r);
    //! Natural logarithm of the fugacity coefficient [-].
    platform::Variant LnFug(const platform::Variant& T, const platform::Variant& p,
                            const platform::VArray& r);
    //! Joule-Thomson coefficient [K/MPa].
    platform::Variant JTkoef(const platform::Variant& T, const platform::Variant& p,
                             const platform::VArray& r);
    //! Density [kg/m3], 1e6 RoRG sum r_i M_i, from TEVRP with ivol = 2. Reported with the source
    //! "KWELAR - RROGW; T(K)= <T> ,P(Pa)= <p>".
    platform::Variant RROGW(const platform::Variant& T, const platform::Variant& p,
                            const platform::VArray& r);
    //! Pseudo-critical value selected by typ ("T" [K], "P" [Pa], "V" [m3/mol], "Z" [-], "M"
    //! [kg/mol], any case); "PSEUD?" for any other typ. Leaves all five in the object: the
    //! mole-fraction averages of Tc, Vc, Zc = pc Vc / (8.314 Tc) and M, and Zc 8.314 Tc / Vc.
    //! Fractions not summing to 1 within 0.002 show a counted box (modes below 2) and are then
    //! normalised, or refused ("PSEUD?", fields 0) when they sum to 0.25 or less.
    platform::Variant PSEUD(const platform::VArray& r, const std::string& typ = std::string());
    //! Viscosity of the dense gas [Pa.s]: ETAG + 1.08e-4 (exp(1.439 rr) - exp(-1.111 rr^1.858))
    //! / xi / 1000, rr the reduced density RROGW Vc / M of the pseudo-critical mixture,
    //! xi = Tc^(1/6) / (M^(1/2) pc^(2/3)) [g/mol, atm]. Reported with the source "KWELAR -
    //! RETAG; T(K)= <T>".
    platform::Variant RETAG(const platform::Variant& T, const platform::Variant& p,
                            const platform::VArray& r);
    //! Thermal conductivity of the dense gas [W/(m K)]: ALAG + Delta(rr) / Gamma / Zc^5 with
    //! Gamma = Tc^(1/6) M^(1/2) / pc^(2/3) [g/mol, atm] and Delta by bands of rr. Reported with
    //! the source "KWELAR - RALAG; T(K)= <T> ,P(Pa)= <p>".
    platform::Variant RALAG(const platform::Variant& T, const platform::Variant& p,
                            const platform::VArray& r);
    //! Prandtl number RCPGW RETAG / RALAG [-].
    platform::Variant PrG(const platform::Variant& T, const platform::Variant& p, const platform::VArray& r);
    //! Reynolds number v d RROGW / RETAG [-] for the speed v [m/s] and the length d [m].
    platform::Variant ReG(const platform::Variant& T, const platform::Variant& p, const platform::VArray& r,
                          const platform::Variant& v, const platform::Variant& d);

    // ---- Property by name (SmesVlastnost.cpp) -----------------------------------------------
    //! The property named Vlast (any case) of the mixture r at T [K] and p [Pa]: -9999 when no
    //! property was computed. Names of temperature-only members ("ROLW" ... "PRL", "VSM") need
    //! no p; the others ("ROGW", "RROGW", "RCPG" ... "JTKOEF", "TBV", "TRB") need p above 0
    //! (1e-6 Pa): a smaller one gives -9999 and, while the counter is free, the counted box
    //! "Zadaný tlak je nulový nebo záporný!". An unknown name, a missing or non-numeric p or T
    //! show their boxes in every mode; any other error is raised as ChybaVypoctu in mode -1.
    platform::Variant Vlastnost(const std::string& Vlast, const platform::VArray& r,
                                const platform::Variant& T,
                                const std::optional<platform::Variant>& p = std::nullopt);
    //! Fills the 34 display names of properties, NazvyVlastnosti(1..34).
    void inivlast();

    // ---- Flash calculation (SmesFlash.cpp) -------------------------------------------------
    //! Splits the feed XF(1..Nsloz) (mole fractions, normalised here) at the pressure p [Pa]
    //! into ideal vapour and liquid (K_i = p_i^sat(T) / p): iad = 1 adiabatic flash of the liquid
    //! feed at T [K], any other iad >= 0 isothermal at T, iad < 0 asks for the kind, p, the
    //! feed and T in input boxes (Cancel gives ""). Returns the text report; the header line
    //! alone when the bubble or dew point failed or the iteration does not converge in 30
    //! passes. The adiabatic flash writes its final temperature into T; the interactive path
    //! writes the entered p and T. Errors of the members called pass to the caller.
    std::string FLASH(int16_t iad, platform::Variant& T, platform::Variant& p, const platform::VArray& XF);

    // ---- Substance list (SmesSeznam.cpp) ------------------------------------------------
    // Lines of the list: number (three digits, or as many as the largest number needs), two
    // blanks, the first 20 characters of the name, a blank, 20 of the synonyms, a blank, 10 of
    // the formula, the CAS text (at most 13 characters) and a blank; sorted by name.

    //! Reads every record of the database (record 700 as this user reads it, `readRecord`),
    //! builds the sorted list `SeznamLatek`, sets `PocLatek` and writes the list as
    //! "SEZNAM.DAT" into the database's folder, or into the user's data folder (KWELAR in
    //! $XDG_DATA_HOME, else in ~/.local/share) when the database's folder cannot be written.
    //! Returns with the list unchanged when the database is not located; a list file that
    //! cannot be written is reported in a box and the list stays built.
    void AkSeznam();
    //! Number of lines of the substance list ["Počet látek v databázi"]; a database may list
    //! more substances than a 16-bit count holds.
    int32_t PocLatek() const;
    //! Line i (1..PocLatek) of the substance list; "" before the first build.
    std::string SeznamLatek(int32_t i) const;
    //! Shows the substance list: typp 0 or 1 asks for the order (alphabetical or by number),
    //! 2 asks for a part of a name and lists the lines that contain it.
    void SeznamShow(int16_t typp = 0);
    //! Sorts SortArray(Low..High) as texts by their first 17 characters, compared by their
    //! codes in code page 1250: a quicksort with a random pivot and a three-way split, which
    //! sorts the smaller part by a call and the larger one in a loop.
    void QuickSort(platform::VArray& SortArray, int16_t& Low, int16_t& High);
    //! A random whole number from lower to Upper: Int(Rnd (Upper - lower + 1)) + lower.
    int16_t RandInt(const platform::Variant& lower, const platform::Variant& Upper);
    //! Exchanges elements i and j of SortArray.
    void SWAP(platform::VArray& SortArray, int16_t& i, int16_t& j);
    //! Handler of the list window's `Zavrit`: hides it.
    void mSeznam_Zavrit();

    // ---- Choice of components (SmesVolba.cpp) ------------------------------------------
    //! Lets the user choose the components in the choice window: rebuilds the list, fills
    //! the window and shows it modally. Errors are trapped and reported in boxes.
    void ZadejSmes();
    //! Handler of the choice window's `SZavrit`: N(0) the count, N(1..N(0)) the substance
    //! numbers; hides the window, stores the numbers and loads their records.
    void mZadSmes_SZavrit(const platform::Array<int16_t>& N);

    // ---- Composition entry (SmesSlozeni.cpp) --------------------------------------------
    //! Composition of the chosen components: in the window `F_Sloz` for Comp 0..3 (1, 2, 3
    //! prefill 1.0, Xhmot or Xmol), without it for Comp -2 (from Xhmot) and -3 (from Xmol).
    //! Returns 0 with K = Nsloz, the mole fractions in Xmol(1..K) and the mass fractions in
    //! Xhmot(1..K); -1 when the user went back (Nsloz 0); -2 after a run-time error, reported
    //! in a box (a negative fraction, a zero molar mass or sum, an output shorter than K + 1,
    //! any other negative Comp), the outputs untouched. A box is read by its leading number,
    //! a comma as a point and the minus sign U+2212 as "-"; an empty box is 0.
    platform::Variant ZadejSloz(int16_t& K, platform::VArray& Xmol, platform::VArray& Xhmot,
                                const std::string& Capt = std::string(), int16_t Comp = 0);
    //! Handler of "&Pokračovat": hides the composition window. A box that holds text but no
    //! number ("abc", a lone sign) is refused instead: "Chyba č. 13 : <row>. složení není
    //! číslo!", the box selected and the window left open.
    void mSloz_ZavriSloz();
    //! Handler of "&Zpět" and of the window's close button: marks the entry as cancelled.
    void mSloz_ZpetSloz();

    // ---- Substance card and pseudo-critical box (SmesKarta.cpp) -------------------------
    //! Handler of a left press on the name of row i: the card of slot i (1..20), modal.
    void mSloz_ZobrazL(int16_t i);
    //! Handler of a click on the card's background: hides it.
    void mLatka_ZavriL();
    //! Box of the pseudo-critical values of the mixture for the mole fractions X
    //! ["Zobrazení pseud.krit.vlastností pomocí MsgBox"].
    void PseudShow(platform::VArray& X);

    // ---- Temporary rename (SmesPrejmenovani.cpp) ----------------------------------------
    //! Handler of another button's press on the name of row i: the rename window, modal.
    void mSloz_ZobrazZ(int16_t i);
    //! Handler of Enter in the rename window: asks before renaming slot i in memory (30
    //! characters) and its row, then offers the data editor, and hides the window.
    void mZmena_ZavriZ(int16_t i, const std::string& text);

    // ---- Temporary editing of a substance's data (SmesOpravy.cpp) -------------------------
    // The data editor changes every field of one loaded record in memory until the next load
    // from the database; its third button also writes the record as record 700 of the
    // database, the only write into the database anywhere.

    //! Fills the data editor from the loaded record of component Ind (1..20; outside raises 9)
    //! and shows it modally; returns when it is hidden or closed. A slot without a loaded
    //! substance gets the box " <Ind>. složka nebyla ještě načtena!" and no editor.
    void ZmenaDocas(int16_t Ind);
    //! Copies the editor's boxes into the loaded record `Slozka(Ind)` and its number into
    //! `CislaSlozek(Ind)`. Every box is checked first: a box that cannot be taken back (among
    //! them a box that needs a number and holds none, "Chyba č. 13 : Type mismatch") shows
    //! its message, is selected and nothing is copied; a position outside 1..20 shows its
    //! box and copies nothing; an editor that was never filled changes nothing.
    void SejmiDocasne(int16_t Ind);

    // Handlers of the editor's button events, connected by the window part. Ind is the
    // position the window read from its position box.

    //! "&Pokračovat se změnami": takes the boxes back, then hides the editor.
    void mOprDoc_ZavriOD(int16_t Ind);
    //! "&Storno beze změn": hides the editor; nothing is copied.
    void mOprDoc_StornoOD();
    //! "&Dočasně nahrát (700)": takes the boxes back, gives the record the number 700 and
    //! writes it as record 700 of the database at `AdrKWELAR` (no search); the editor stays.
    //! A user who may not write the database keeps the record in a file of their own instead
    //! (`ownTemporaryRecordFile`), which every later load of substance 700 by that user reads.
    //! A failed write shows "Chyba při zápisu č. <number> : <description>"; the database file
    //! is never created and no byte of it other than record 700 changes.
    void mOprDoc_ZapisOD(int16_t Ind);

protected:
    // ---- Number functions (SmesFunkce.cpp) ---------------------------------------------
    //! Decimal logarithm ln x / ln 10, as `Log10` and the correlations take it; x <= 0 raises 5.
    static double log10Value(double x);

    // ---- Composition of a mixture call (SmesFunkce.cpp) ---------------------------------
    //! Mole fractions of components 1..20 in elements 1..20; element 0 is not used.
    using Fractions = std::array<double, MaxComponents + 1>;
    //! Copies r(1..Nsloz) into `SlozeniSmesi` and gives the fractions read from there in
    //! x(1..Nsloz); returns Nsloz. An array shorter than Nsloz raises 9.
    int16_t takeComposition(const platform::VArray& r, Fractions& x);
    //! Point value B(j) of slot i as a double; a value that is not finite (a damaged record)
    //! raises 6.
    double point(int16_t i, int32_t j) const { return platform::chk::finite(m_Slozka(i).B(j)); }

    // ---- Error control: guards, counted boxes, the raised error (SmesChyby.cpp) ---------
    //! Boxes of calculation errors are shown (mode 0 or less).
    bool showsCalculationErrors() const { return m_ChyboveHlasky <= 0; }
    //! Boxes of results and definitions are shown (mode below 2).
    bool showsResultMessages() const { return m_ChyboveHlasky < 2; }
    //! Errors are raised to the caller (mode -1).
    bool raisesErrors() const { return m_ChyboveHlasky == -1; }
    //! A counted box may still be shown.
    bool counterFree() const { return m_PocErrHlas < m_MaxErrHlas; }
    //! Shows a box and counts it; the caller has checked its guard.
    int countedBox(const std::string& text, int style, const std::string& title);
    //! Raises `ChybaVypoctu` (-2147220904) with the given source and description.
    [[noreturn]] void raiseChybaVypoctu(const std::string& source, const std::string& description) const;
    //! Reports the error `error` caught by the handler of the mixture member `member`: its
    //! box in mode 0 or less while the counter is free and the number is below
    //! -2147220904 (not counted), then in mode -1 raises `ChybaVypoctu` with `source`.
    void HlasChybu(const std::string& member, const std::string& source, const platform::RunTimeError& error);
    //! Source text "KWELAR - <member>; T(K)= <T, one decimal>".
    static std::string errorSource(const std::string& member, const platform::Variant& T);
    //! The same followed by " ,P(Pa)= <p, no decimals>".
    static std::string errorSource(const std::string& member, const platform::Variant& T,
                                   const platform::Variant& p);
    //! Source text "KWELAR - <member>; P(Pa)= <p, no decimals>" (bubble and dew points).
    static std::string pressureErrorSource(const std::string& member, const platform::Variant& p);

    // ---- State --------------------------------------------------------------------------
    int16_t m_Nsloz = 0;                     //!< number of components
    platform::Array<int16_t> m_CislaSlozek;  //!< requested substance numbers, slots 1..20
    platform::Array<ZaznamLatky> m_Slozka;   //!< loaded records, slots 1..20
    int16_t m_PriznakNacteni = 0;            //!< -9999 (LoadedMarker) after a load
    platform::VArray m_SlozeniSmesi;         //!< composition of the last mixture call, slots 1..20
    std::string m_SNazev;                    //!< name of the mixture
    std::string m_AdrKWELAR;                 //!< path of the database; "" = not located
    std::string m_DataFileName;              //!< file name of the database
    std::string m_CFGPath;                   //!< folder of the location file, ending in "/"
    std::string m_CFGName;                   //!< file name of the location file
    int16_t m_MezeTeplot = 0;                //!< 1 = correlation temperatures clamped
    bool m_Redlich = false;                  //!< true = Redlich-Kwong
    int16_t m_ChyboveHlasky = 0;             //!< error mode -1..2
    int16_t m_PocErrHlas = 0;                //!< counted boxes shown so far
    int16_t m_MaxErrHlas = 0;                //!< limit of counted boxes
    platform::Array<std::string> m_strNalez; //!< file search: count in 0, paths from 1
    platform::VArray m_SeznamLatek;          //!< sorted substance list of the windows
    int32_t m_PocLatek = 0;                  //!< lines of m_SeznamLatek
    bool m_VolbaPotvrzena = false;           //!< the last choice of components was confirmed
    //! Path of the substance-list file whose failed write has been told ("" = none told).
    std::optional<std::string> m_SeznamNezapsan;
    std::unique_ptr<SmesOkna> m_okna; //!< the object's windows (none without a factory)

    // Results of the last evaluation of the equation of state; empty until the first one and
    // while a failed one has left them so.
    platform::Variant m_RoRG;    //!< molar density [mol/cm3]
    platform::Variant m_URG;     //!< molar internal energy [J/mol]
    platform::Variant m_HRG;     //!< molar enthalpy [J/mol]
    platform::Variant m_SRG;     //!< molar entropy [J/(mol K)]
    platform::Variant m_LnFugRG; //!< ln of the fugacity coefficient [-]
    platform::Variant m_CvRG;    //!< molar Cv [J/(mol K)]
    platform::Variant m_CpRG;    //!< molar Cp [J/(mol K)]
    platform::Variant m_JTRG;    //!< Joule-Thomson coefficient [K/MPa]

    platform::VArray m_NazvyVlastnosti; //!< display names of properties, slots 1..34

    // Pseudo-critical values of the last PSEUD call.
    platform::Variant m_TKRITsm; //!< temperature [K]
    platform::Variant m_PKRITsm; //!< pressure [Pa]
    platform::Variant m_VKRITsm; //!< molar volume [m3/mol]
    platform::Variant m_ZKRITsm; //!< compressibility [-]
    platform::Variant m_Msm;     //!< molar mass [kg/mol]

    // Working values of the last FLASH call; each call sets them anew before it uses them.
    struct FlashState {
        Fractions z{};       //!< feed, mole fractions [-]
        Fractions y{};       //!< vapour [-]
        Fractions x{};       //!< liquid [-]
        Fractions K{};       //!< K-values p_i^sat / p [-]
        double V = 0.0;      //!< vapour fraction of the feed [-]
        double Tw = 0.0;     //!< working temperature [K]
        double T0 = 0.0;     //!< starting temperature [K]
        double Tb = 0.0;     //!< bubble point of the feed [K]
        double Td = 0.0;     //!< dew point of the feed [K]
        double hF = 0.0;     //!< molar enthalpy of the liquid feed [J/mol]
        double Pb = 0.0;     //!< bubble pressure of the feed at the working temperature [Pa]
        double lambda = 0.0; //!< damping factor of the steps [-]
        int pass = 0;        //!< pass counter
    };
    FlashState m_flash;

private:
    uint64_t m_correlationCalls = 0; //!< FFce calls so far
    //! Forgets every kept property value: the records or the substance numbers have changed.
    void forgetPropertyValues() noexcept { ++m_propertyGeneration; }

    //! The mixture properties whose values are kept: a calculation asks them again and again at
    //! the same temperatures (and pressures) of the same mixture.
    //! The bubble and dew points are kept by their pressure in place of the temperature.
    enum class KeptProperty : uint8_t {
        ROLW,
        ETAL,
        ALAL,
        CPLW,
        DHVW,
        SIGMA,
        ETAG,
        ALAG,
        CPGW,
        RROGW,
        TBV,
        TRB,
        Count
    };
    //! The last values of one property of one mixture, by the temperature [K] and, for the
    //! real-gas density, the pressure [Pa] asked. A value depends on these, the fractions
    //! r(1..Nsloz), the records and substance numbers (`m_propertyGeneration`), Nsloz and the
    //! clamping switch. Only a calculation in which nothing was out of the ordinary is kept
    //! (`m_anomalies`); a value is given back only while the composition of the last mixture
    //! call already holds r, so that giving it back changes nothing the calculation would
    //! have changed.
    struct PropertyValues {
        static constexpr int Size = 4;
        uint64_t generation = 0; //!< 0 = empty
        int16_t n = 0;
        int16_t limits = 0;
        std::array<uint64_t, MaxComponents + 1> r{}; //!< bits of r(1..n)
        std::array<uint64_t, Size> T{};
        std::array<uint64_t, Size> p{}; //!< bits of the pressure; 0 without one
        std::array<double, Size> value{};
        std::array<double, Size> density{}; //!< the molar density the real-gas density leaves
        uint8_t count = 0;                  //!< entries filled
        uint8_t next = 0;                   //!< the entry the next value replaces
    };
    std::array<PropertyValues, static_cast<size_t>(KeptProperty::Count)> m_propertyValues{};
    uint64_t m_propertyGeneration = 1;
    //! Counts what may show a box, whether or not it does: every counted box, every error
    //! handled by a member, and in FFce a bad index, a block without data, an unknown type
    //! and an evaluation error.
    uint64_t m_anomalies = 0;
    //! True when a call at (T, r) and pressure p (none: nullptr) can be keyed: T, p and the
    //! fractions r(1..Nsloz) doubles, Nsloz at least 1.
    bool keyable(const platform::Variant& T, const platform::VArray& r, const platform::Variant* p) const;
    //! The entry of property m at (T, r) and pressure p (none: nullptr), or -1.
    int keptPropertyEntry(KeptProperty m, const platform::Variant& T, const platform::VArray& r,
                          const platform::Variant* p = nullptr) const;
    //! Keeps value as property m at (T, r) and pressure p when the call can be keyed and the
    //! value is a number.
    void keepPropertyValue(KeptProperty m, const platform::Variant& T, const platform::VArray& r,
                           const platform::Variant& value, const platform::Variant* p = nullptr,
                           double density = 0.0);
    //! Property m at (T, r): the kept value, or compute() kept when nothing in it was out of
    //! the ordinary, so that giving it again would show no box either.
    template <class Compute>
    platform::Variant keptProperty(KeptProperty m, const platform::Variant& T, const platform::VArray& r,
                                   Compute compute) {
        const int kept = keptPropertyEntry(m, T, r);
        if (kept >= 0) return platform::Variant(m_propertyValues[static_cast<size_t>(m)].value[kept]);
        const uint64_t anomalies = m_anomalies;
        platform::Variant value = compute();
        if (m_anomalies == anomalies) keepPropertyValue(m, T, r, value);
        return value;
    }
    //! RROGW without its kept values.
    platform::Variant realGasDensity(const platform::Variant& T, const platform::Variant& p,
                                     const platform::VArray& r);

    // The database and the user's own files (SmesBaze.cpp).
    //! The path of the file `name` in the library's folder of the user's data folder (KWELAR
    //! in $XDG_DATA_HOME, else in ~/.local/share); "" when the home folder is not known.
    static std::string userFile(const std::string& name);
    //! Where this user keeps record 700 in place of the database: "ZAZNAM700.DRC" in the
    //! library's folder of the user's data folder while the database exists and this process
    //! may not write it (its write bits decide for the superuser too); "" while record 700
    //! belongs in the database.
    std::string ownTemporaryRecordFile() const;
    //! This user's own record 700, when one stands in for the database's.
    std::optional<platform::Bytes> ownTemporaryRecord() const;
    //! Record `number` of the database `db` as this user reads it: record 700 is the user's
    //! own where one stands in for the database's.
    platform::Bytes readRecord(const platform::RecordFile& db, int16_t number) const;

    // Substance list (SmesSeznam.cpp).
    //! Writes the list as "SEZNAM.DAT" into the database's folder, or into the user's data
    //! folder when the database's cannot be written; a failure is told in a box once per
    //! object and path, and the list stays built.
    void writeSubstanceListFile();

    // Temporary editing (SmesOpravy.cpp).
    //! The editor's texts for the record z at position Ind.
    EditorForm editorForm(const ZaznamLatky& z, int16_t Ind) const;
    //! SejmiDocasne; true when the boxes were copied.
    bool takeBackEditor(int16_t Ind);

    // Component constants (SmesKonstanty.cpp).
    //! True when a substance is requested in slot i (9 for i outside 1..20).
    bool requested(int16_t i) const { return m_CislaSlozek(i) >= 1; }
    //! Point value B(j) of slot i in a general value, "" under the empty rule.
    platform::Variant pointValue(int16_t i, int32_t j, bool emptyRule) const;
    //! Point value B(j) of slot i in degrees Celsius, "" under the empty rule.
    platform::Variant celsiusValue(int16_t i, int32_t j) const;
    //! True when i is a component of the mixture (1..Nsloz) and j a valid index 1..jMax.
    bool pointIndicesValid(int16_t i, int16_t j, int16_t jMax) const;

    // Temperature correlations (SmesKorelace.cpp).
    //! Value of a block of equation type 1..19 at the working temperature T [K].
    static double evaluateEquation(const RozvojVztahu& r, double T);

    // Error reports of FFce (SmesKorelace.cpp); built only when an error is reported.
    //! Substance number and name of slot i ("0" and blanks for a slot outside 1..20).
    std::string substanceText(int16_t i) const;
    //! Description of `ChybaVypoctu` raised by FFce.
    std::string correlationErrorDescription(const platform::Variant& T, int16_t i, int16_t Nvl) const;
    //! Box and raise of a block whose equation type is outside 1..19.
    void reportUnknownType(const platform::Variant& T, int16_t i, int16_t Nvl, int16_t type);
    //! Box and raise of a run-time error inside the evaluation; the value 1e-6.
    platform::Variant reportEvaluationError(const platform::RunTimeError& error, const platform::Variant& T,
                                            int16_t i, int16_t Nvl);

    // Location steps of Adrkwl (SmesBaze.cpp).
    void locateFromConfiguration();
    void searchRoots();
    void reportLocationError(const platform::RunTimeError& error, bool raise);
    bool loadRecord(int16_t k);

    // Liquid mixture properties (SmesKapaliny.cpp): the mixing rules of the reported members.
    double mixedLiquidDensity(const platform::Variant& T, const platform::VArray& r);
    double pseudoCriticalTemperature(const Fractions& x, int16_t n);
    //! Tcm is the mixture's pseudo-critical temperature once a component above its own critical
    //! temperature has needed it: worked out at the first, kept for the others of one call.
    platform::Variant componentLiquidTemperature(const platform::Variant& T, int16_t i, const Fractions& x,
                                                 int16_t n, std::optional<double>& Tcm);
    double mixedLiquidViscosity(const platform::Variant& T, const platform::VArray& r);
    double mixedLiquidConductivity(const platform::Variant& T, const platform::VArray& r);
    double mixedLiquidEntropy(const platform::Variant& T, const platform::VArray& r);
    double mixedVapourPressure(const platform::Variant& T, const platform::VArray& r);
    double mixedSurfaceTension(const platform::Variant& T, const platform::VArray& r);

    // Ideal-gas mixture properties (SmesPlyny.cpp).
    double mixedGasViscosity(const platform::Variant& T, const platform::VArray& r);
    double mixedGasConductivity(const platform::Variant& T, const platform::VArray& r);
    double idealGasDensity(const platform::Variant& T, const platform::Variant& p, const platform::VArray& r);

    // Bubble and dew points (SmesBodyVaru.cpp).
    //! The Newton iteration of `TBV` (dew = false) and `TRB` (dew = true).
    platform::Variant boilingTemperature(const platform::Variant& p, const platform::VArray& r, bool dew);

    // Real-gas equation of state (SmesStavovaRovnice.cpp).
    //! Ideal-gas part of the mixture at T [K] and p [MPa].
    struct IdealGasPart {
        double H;  //!< enthalpy [J/mol]
        double S;  //!< entropy [J/(mol K)]
        double Cp; //!< heat capacity at constant pressure [J/(mol K)]
    };
    //! TEVRP after its ivol is read: empties the results, corrects the pressure, chooses the branch.
    void realGas(bool densityOnly, const platform::Variant& T, const platform::Variant& p,
                 const platform::VArray& rr);
    //! Empties RoRG and, unless densityOnly, the seven other results.
    void clearRealGasResults(bool densityOnly);
    //! The Redlich-Kwong equation at T [K] and p [Pa]; errors pass on.
    void redlichKwong(bool densityOnly, double T, double p, const platform::VArray& rr, bool boilingPointBox);
    //! The Lee-Kesler correlation at T and the corrected pressure p [Pa]; errors are reported
    //! with the source built from the caller's T and pGiven.
    void leeKesler(bool densityOnly, const platform::Variant& T, const platform::Variant& pGiven, double p,
                   const platform::VArray& rr);
    //! Ideal-gas enthalpy, entropy and heat capacity of the fractions x(1..n); the heat capacity
    //! of each component from its correlation 2 (leeKesler false), or as the mixture polynomial
    //! of the components whose correlation 2 is a polynomial (leeKesler true).
    IdealGasPart idealGasPart(const Fractions& x, int16_t n, double T, double p, bool leeKesler,
                              bool boilingPointBox);

    // Flash calculation (SmesFlash.cpp).
    //! The input boxes of the kind, the pressure and the feed (into m_flash.z, their sum into
    //! s); false on Cancel.
    bool askFlashInput(int16_t& iad, platform::Variant& p, double& s);
    //! The feed typed as text: the count of values, the first 20 of them into m_flash.z; -1 on
    //! Cancel.
    int askFlashFeed(double& s);
    //! The Rachford-Rice passes (with the energy balance when adiabatic) from m_flash.Tw at
    //! the pressure p [Pa]; false after 30 passes.
    bool flashPasses(bool adiabatic, const platform::Variant& p);
    //! One composition of the flash state as a composition array.
    platform::VArray flashArray(const Fractions& f) const;

    // Real-gas properties (SmesRealnyPlyn.cpp).
    //! The molar result divided by VSM(r); empty when it is empty.
    platform::Variant perKilogram(const platform::Variant& molar, const platform::VArray& r);
    //! Reduced density RROGW Vc / M of the pseudo-critical mixture at (T, p); false when the
    //! density is empty.
    bool reducedDensity(const platform::Variant& T, const platform::Variant& p, const platform::VArray& r,
                        double& rhoR);
};

} // namespace kwelar
