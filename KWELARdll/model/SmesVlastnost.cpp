#include "KWELARdll/model/Smes.h"

#include "KWELARdll/model/KwelarConstants.h"
#include "Platform/CodePage.h"
#include "Platform/MessageBox.h"

#include <string_view>

namespace kwelar {

using platform::RunTimeError;
using platform::Variant;
using platform::VArray;

namespace {

using TemperatureMember = Variant (Smes::*)(const Variant& T, const VArray& r);
using PressureMember = Variant (Smes::*)(const Variant& T, const Variant& p, const VArray& r);
using BoilingMember = Variant (Smes::*)(const Variant& p, const VArray& r);

template <typename Member> struct Named {
    std::string_view name;
    Member member;
};

// Group 1: properties of the temperature alone, called with (T, r); "VSM" is called with r.
const Named<TemperatureMember> TemperatureMembers[] = {
    {"ROLW", &Smes::ROLW}, {"ETAL", &Smes::ETAL},       {"ETAG", &Smes::ETAG}, {"ALAL", &Smes::ALAL},
    {"ALAG", &Smes::ALAG}, {"CPL", &Smes::CPL},         {"CPLW", &Smes::CPLW}, {"CPG", &Smes::CPG},
    {"CPGW", &Smes::CPGW}, {"SIGMA", &Smes::SIGMA},     {"DHV", &Smes::DHV},   {"DHVW", &Smes::DHVW},
    {"SL", &Smes::SL},     {"SLW", &Smes::SLW},         {"HL", &Smes::HL},     {"HLW", &Smes::HLW},
    {"TENS", &Smes::TENS}, {"OBJROZL", &Smes::ObjRozL}, {"PRL", &Smes::PrL}};
constexpr std::string_view MolarMassName = "VSM";

// Group 2: properties that need the pressure, called with (T, p, r); "TBV" and "TRB" with (p, r).
const Named<PressureMember> PressureMembers[] = {
    {"ROGW", &Smes::ROGW},    {"RROGW", &Smes::RROGW}, {"RCPG", &Smes::RCPG},   {"RCPGW", &Smes::RCPGW},
    {"RCVG", &Smes::RCVG},    {"RCVGW", &Smes::RCVGW}, {"RALAG", &Smes::RALAG}, {"RETAG", &Smes::RETAG},
    {"RHG", &Smes::RHG},      {"RHGW", &Smes::RHGW},   {"RSG", &Smes::RSG},     {"RSGW", &Smes::RSGW},
    {"RUG", &Smes::RUG},      {"RUGW", &Smes::RUGW},   {"LNFUG", &Smes::LnFug}, {"KAPA", &Smes::Kapa},
    {"JTKOEF", &Smes::JTkoef}};
const Named<BoilingMember> BoilingMembers[] = {{"TBV", &Smes::TBV}, {"TRB", &Smes::TRB}};

template <typename Member, size_t N> Member find(const Named<Member> (&table)[N], std::string_view name) {
    for (const auto& entry : table)
        if (entry.name == name) return entry.member;
    return nullptr;
}

// The pressure argument: a missing one is a type mismatch, as any use of it would be.
const Variant& given(const std::optional<Variant>& p) {
    if (!p) platform::raise(platform::err::TypeMismatch);
    return *p;
}

const char* const VlastnostTitle = "KWELAR fce Vlastnost";

} // namespace

// The name decides alone whether a property was computed: a member of group 1 may return
// -9999 or less as a genuine value (the per-kilogram liquid enthalpy far below the boiling
// point), which must not be taken for an unknown name.
Variant Smes::Vlastnost(const std::string& Vlast, const VArray& r, const Variant& T,
                        const std::optional<Variant>& p) {
    Variant result(NoPropertyValue);
    try {
        const std::string name = platform::upperCase(Vlast);
        if (const TemperatureMember m = find(TemperatureMembers, name)) {
            result = (this->*m)(T, r);
            return result;
        }
        if (name == MolarMassName) {
            result = VSM(r);
            return result;
        }
        const PressureMember pm = find(PressureMembers, name);
        const BoilingMember bm = find(BoilingMembers, name);
        // The members floor a pressure below 1e-6 Pa and would return plausible numbers for
        // it: such a pressure gives -9999 whether or not its box is still shown.
        const bool noPressure = given(p).toDouble() < MinPropertyPressure;
        if (noPressure && counterFree()) {
            countedBox("Zadaný tlak je nulový nebo záporný!", 16, "KWELAR - fce Vlastnost");
        } else if (pm || bm) {
            if (!noPressure) result = pm ? (this->*pm)(T, *p, r) : (this->*bm)(*p, r);
        } else {
            platform::msgBox("Neznámá nebo chybná vlastnost!: " + Vlast, 16, VlastnostTitle);
        }
    } catch (const RunTimeError& e) {
        if (e.number() == platform::err::TypeMismatch) {
            platform::msgBox("Špatně zadané parametry fce Vlastnost, (tlak)\r\nnebo neznámá vlastnost: " +
                                 Vlast,
                             16, VlastnostTitle);
        } else if (raisesErrors()) {
            raiseChybaVypoctu("KWELAR - Vlastnost", "Chyba při výpočtu vlastnosti " + Vlast);
        }
    }
    return result;
}

void Smes::inivlast() {
    static const char* const names[PropertyNameCount] = {"Viskozita (g)",
                                                         "Viskozita (rg)",
                                                         "Mol.specifické teplo Cp(g)",
                                                         "Specifické teplo Cp(g)",
                                                         "Mol.specifické teplo Cp(rg)",
                                                         "Specifické teplo Cp(rg)",
                                                         "Tepelná vodivost (g)",
                                                         "Tepelná vodivost (rg)",
                                                         "Hustota (g)",
                                                         "Hustota (rg)",
                                                         "Hustota (l)",
                                                         "Mol.specifické teplo Cp(l)",
                                                         "Specifické teplo Cp(l)",
                                                         "Viskozita (l)",
                                                         "Tepelná vodivost (l)",
                                                         "Mol.výparné teplo (l)",
                                                         "Výparné teplo (l)",
                                                         "Povrchové napětí (l)",
                                                         "Tenze par",
                                                         "Teplota bodu varu (l)",
                                                         "Teplota rosného bodu (g)",
                                                         "Mol.vnitřní energie (rg)",
                                                         "Vnitřní energie (rg)",
                                                         "Mol.entalpie (rg)",
                                                         "Entalpie (rg)",
                                                         "Mol.entalpie (l)",
                                                         "Entalpie (l)",
                                                         "Mol.entropie (rg)",
                                                         "Entropie (rg)",
                                                         "Mol.spec.teplo Cv (rg)",
                                                         "Spec.teplo Cv (rg)",
                                                         "Adiabatický koeficient (rg)",
                                                         "Ln-fugacit.koef. (rg)",
                                                         "Joule-Thompsnův koef. (rg)"};
    for (int16_t k = 1; k <= PropertyNameCount; ++k)
        m_NazvyVlastnosti(k) = Variant(names[k - 1]);
}

} // namespace kwelar
