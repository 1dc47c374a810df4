#include "KWELARdll/model/KwelarConstants.h"
#include "KWELARdll/model/Smes.h"
#include "TestSupport.h"

#include "MixtureFixture.h"

#include <cctype>
#include <cmath>
#include <optional>

using kwelar::Smes;
using kwelartest::fractions;
using platform::RunTimeError;
using platform::Variant;
using platform::VArray;
using platform::VarType;

namespace {

using Box = platform::ScriptedMessageService::Box;

// n-hexane and n-heptane of the sample database, 40 : 60, as liquid and as gas.
class PropertyByName : public kwelartest::MixtureFixture {
protected:
    void SetUp() override {
        db = kwelartest::FixtureDb::sample();
        load({3, 4});
    }
    void expectBoxes(const std::vector<Box>& expected) const {
        ASSERT_EQ(boxes.boxes().size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(boxes.boxes()[i].text, expected[i].text);
            EXPECT_EQ(boxes.boxes()[i].style, expected[i].style);
            EXPECT_EQ(boxes.boxes()[i].title, expected[i].title);
        }
    }
    VArray r = fractions({0.4, 0.6});
    const Variant T{360.0};
    const Variant p{50000.0};
};

using TemperatureMember = Variant (Smes::*)(const Variant&, const VArray&);
using PressureMember = Variant (Smes::*)(const Variant&, const Variant&, const VArray&);

// One name of either group and the member it stands for, called as the name's group calls it.
struct NamedMember {
    enum Kind { Temperature, MolarMass, Pressure, Boiling };
    const char* name;
    Kind kind;
    TemperatureMember t = nullptr; // Temperature (T, r) and Boiling (p, r)
    PressureMember tp = nullptr;   // Pressure (T, p, r)

    bool needsPressure() const { return kind == Pressure || kind == Boiling; }
    Variant call(Smes& s, const Variant& T, const Variant& p, VArray& r) const {
        switch (kind) {
        case Temperature:
            return (s.*t)(T, r);
        case MolarMass:
            return s.VSM(r);
        case Pressure:
            return (s.*tp)(T, p, r);
        case Boiling:
            return (s.*t)(p, r);
        }
        return Variant();
    }
};
void PrintTo(const NamedMember& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

NamedMember temperature(const char* name, TemperatureMember m) {
    return {name, NamedMember::Temperature, m};
}
NamedMember pressure(const char* name, PressureMember m) {
    return {name, NamedMember::Pressure, nullptr, m};
}

const NamedMember Names[] = {
    temperature("ROLW", &Smes::ROLW),
    temperature("ETAL", &Smes::ETAL),
    temperature("ETAG", &Smes::ETAG),
    temperature("ALAL", &Smes::ALAL),
    temperature("ALAG", &Smes::ALAG),
    temperature("CPL", &Smes::CPL),
    temperature("CPLW", &Smes::CPLW),
    temperature("CPG", &Smes::CPG),
    temperature("CPGW", &Smes::CPGW),
    temperature("SIGMA", &Smes::SIGMA),
    temperature("DHV", &Smes::DHV),
    temperature("DHVW", &Smes::DHVW),
    temperature("SL", &Smes::SL),
    temperature("SLW", &Smes::SLW),
    temperature("HL", &Smes::HL),
    temperature("HLW", &Smes::HLW),
    temperature("TENS", &Smes::TENS),
    temperature("OBJROZL", &Smes::ObjRozL),
    temperature("PRL", &Smes::PrL),
    {"VSM", NamedMember::MolarMass},
    pressure("ROGW", &Smes::ROGW),
    pressure("RROGW", &Smes::RROGW),
    pressure("RCPG", &Smes::RCPG),
    pressure("RCPGW", &Smes::RCPGW),
    pressure("RCVG", &Smes::RCVG),
    pressure("RCVGW", &Smes::RCVGW),
    pressure("RALAG", &Smes::RALAG),
    pressure("RETAG", &Smes::RETAG),
    pressure("RHG", &Smes::RHG),
    pressure("RHGW", &Smes::RHGW),
    pressure("RSG", &Smes::RSG),
    pressure("RSGW", &Smes::RSGW),
    pressure("RUG", &Smes::RUG),
    pressure("RUGW", &Smes::RUGW),
    pressure("LNFUG", &Smes::LnFug),
    pressure("KAPA", &Smes::Kapa),
    pressure("JTKOEF", &Smes::JTkoef),
    {"TBV", NamedMember::Boiling, &Smes::TBV},
    {"TRB", NamedMember::Boiling, &Smes::TRB},
};

std::string lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// "RcPg": every second letter in lower case.
std::string mixed(std::string s) {
    for (size_t i = 1; i < s.size(); i += 2)
        s[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(s[i])));
    return s;
}

class EveryName : public PropertyByName, public ::testing::WithParamInterface<NamedMember> {};

// The name, in any case, calls its own member: a group-1 name without a pressure, a group-2
// name with it. The values of the 39 members all differ at this state (checked below), so a
// name that reached another member would not pass.
TEST_P(EveryName, ReachesItsMemberInAnyCase) {
    const NamedMember& n = GetParam();
    const Variant expected = n.call(s, T, p, r);
    ASSERT_EQ(expected.type(), VarType::Double);
    for (const std::string& name : {std::string(n.name), lower(n.name), mixed(n.name)}) {
        const Variant v = n.needsPressure() ? s.Vlastnost(name, r, T, p) : s.Vlastnost(name, r, T);
        EXPECT_TRUE(v.identical(expected)) << name << ": " << v.toString() << " != " << expected.toString();
    }
    EXPECT_TRUE(boxes.boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Table, EveryName, ::testing::ValuesIn(Names),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PropertyByName, TheMembersOfTheTableGiveDistinctValuesAtTheTestState) {
    std::vector<double> values;
    for (const NamedMember& n : Names)
        values.push_back(n.call(s, T, p, r).toDouble());
    for (size_t i = 0; i < values.size(); ++i)
        for (size_t j = i + 1; j < values.size(); ++j)
            EXPECT_NE(values[i], values[j]) << Names[i].name << " and " << Names[j].name;
}

// "TBV" is the bubble point at p, whatever T is given.
TEST_F(PropertyByName, BubblePointByNameDoesNotUseTheTemperature) {
    const Variant expected = s.TBV(Variant(100000.0), r);
    EXPECT_TRUE(s.Vlastnost("TBV", r, Variant(1.0), Variant(100000.0)).identical(expected));
    EXPECT_TRUE(s.Vlastnost("tbv", r, Variant("no temperature"), Variant(100000.0)).identical(expected));
}

// A per-kilogram liquid enthalpy far below the boiling point is -9999 J/kg or less, and is a
// value like any other: h = sum x_i int_Tnb^T (a_i + b_i T) dT / M, with the sample's liquid
// heat capacities 100 + 0.2 T and 120 + 0.25 T J/(mol K), Tnb 341.9 and 371.6 K.
TEST_F(PropertyByName, GenuineValueAtOrBelowMinus9999IsNoUnknownName) {
    const double t = 250.0;
    auto h = [t](double a, double b, double Tnb) { return a * (t - Tnb) + b / 2 * (t * t - Tnb * Tnb); };
    const double M = 0.4 * double{0.08618f} + 0.6 * double{0.1002f};
    const double expected =
        (0.4 * h(100.0, double{0.2f}, double{341.9f}) + 0.6 * h(120.0, double{0.25f}, double{371.6f})) / M;
    ASSERT_LT(expected, -1e5);
    const Variant v = s.Vlastnost("HLW", r, Variant(t));
    EXPECT_NEAR(v.toDouble(), expected, 1e-9 * std::fabs(expected));
    EXPECT_TRUE(boxes.boxes().empty());
}

// ---- Boxes ------------------------------------------------------------------------------

class UnknownName : public PropertyByName, public ::testing::WithParamInterface<int16_t> {};

// An unknown name gives -9999 and its box, with the name as the caller wrote it, in every
// error mode and without counting it.
TEST_P(UnknownName, GivesItsBoxInEveryModeAndMinus9999) {
    s.ChyboveHlasky(GetParam());
    boxes.answer(platform::answer::Ok);
    const Variant v = s.Vlastnost("Hustota", r, T, p);
    EXPECT_TRUE(v.identical(Variant(-9999.0)));
    expectBoxes({{"Neznámá nebo chybná vlastnost!: Hustota", 16, "KWELAR fce Vlastnost"}});
    EXPECT_EQ(s.pocErrHlas(), 0);
}

INSTANTIATE_TEST_SUITE_P(Modes, UnknownName,
                         ::testing::Values(int16_t{-1}, int16_t{0}, int16_t{1}, int16_t{2}));

struct BadArguments {
    const char* label;
    const char* name;
    Variant T;
    std::optional<Variant> p;
};

void PrintTo(const BadArguments& a, std::ostream* os) {
    *os << a.label;
}

class TypeMismatch : public PropertyByName, public ::testing::WithParamInterface<BadArguments> {};

// A missing pressure where one is read, or a temperature or pressure that is no number (for a
// member that does not report it itself), shows the box of wrong parameters with the name as
// written; the result is -9999, also in mode -1.
TEST_P(TypeMismatch, ShowsTheParameterBoxAndGivesMinus9999) {
    const BadArguments& a = GetParam();
    for (const int16_t mode : {int16_t{0}, int16_t{-1}}) {
        boxes->clear();
        s.ChyboveHlasky(mode);
        boxes.answer(platform::answer::Ok);
        const Variant v = s.Vlastnost(a.name, r, a.T, a.p);
        EXPECT_TRUE(v.identical(Variant(-9999.0))) << "mode " << mode;
        expectBoxes(
            {{std::string("Špatně zadané parametry fce Vlastnost, (tlak)\r\nnebo neznámá vlastnost: ") +
                  a.name,
              16, "KWELAR fce Vlastnost"}});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, TypeMismatch,
    ::testing::Values(BadArguments{"PressureMissing", "rCpG", Variant(300.0), std::nullopt},
                      BadArguments{"UnknownNameWithoutPressure", "Hustota", Variant(300.0), std::nullopt},
                      BadArguments{"PressureNotANumber", "RCPG", Variant(300.0), Variant("tlak")},
                      BadArguments{"TemperatureNotANumber", "hl", Variant("teplota"), std::nullopt}),
    [](const auto& info) { return std::string(info.param.label); });

class NoPressure : public PropertyByName, public ::testing::WithParamInterface<double> {};

// A pressure of zero or below gives -9999 and the counted pressure box in every mode.
TEST_P(NoPressure, GivesThePressureBoxAndMinus9999) {
    for (const int16_t mode : {int16_t{0}, int16_t{2}}) {
        boxes->clear();
        s.ChyboveHlasky(mode);
        const int16_t before = s.pocErrHlas();
        boxes.answer(platform::answer::Ok);
        const Variant v = s.Vlastnost("RCPG", r, T, Variant(GetParam()));
        EXPECT_TRUE(v.identical(Variant(-9999.0)));
        expectBoxes({{"Zadaný tlak je nulový nebo záporný!", 16, "KWELAR - fce Vlastnost"}});
        EXPECT_EQ(s.pocErrHlas(), before + 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Pressures, NoPressure, ::testing::Values(0.0, -5.0, 1e-7));

// Once the counter is used up the box is no longer shown, but the pressure still does not
// reach the member, which would take it as 1e-6 Pa and return a plausible density.
TEST_F(PropertyByName, PressureAtOrBelowZeroGivesMinus9999AlsoWithTheCounterUsedUp) {
    s.MaxErrHlas(0);
    ASSERT_GT(s.RROGW(T, Variant(0.0), r).toDouble(), 0.0);
    for (const char* name : {"RROGW", "TBV"}) {
        EXPECT_TRUE(s.Vlastnost(name, r, T, Variant(0.0)).identical(Variant(-9999.0))) << name;
        EXPECT_TRUE(s.Vlastnost(name, r, T, Variant(-5.0)).identical(Variant(-9999.0))) << name;
    }
    EXPECT_TRUE(boxes.boxes().empty());
    // An unknown name is still reported.
    boxes.answer(platform::answer::Ok);
    EXPECT_TRUE(s.Vlastnost("XYZ", r, T, Variant(0.0)).identical(Variant(-9999.0)));
    expectBoxes({{"Neznámá nebo chybná vlastnost!: XYZ", 16, "KWELAR fce Vlastnost"}});
}

// Another error of a member that does not handle it (here a composition array too short for
// the mixture) is raised as the library's error in mode -1 only.
TEST_F(PropertyByName, OtherErrorsAreRaisedInModeMinus1AndGiveMinus9999Otherwise) {
    VArray shortArray(0, 1);
    shortArray(1) = Variant(0.4);
    for (const int16_t mode : {int16_t{0}, int16_t{1}, int16_t{2}}) {
        s.ChyboveHlasky(mode);
        EXPECT_TRUE(s.Vlastnost("Cpl", shortArray, T).identical(Variant(-9999.0)));
    }
    s.ChyboveHlasky(-1);
    try {
        s.Vlastnost("Cpl", shortArray, T);
        FAIL() << "no error raised";
    } catch (const RunTimeError& e) {
        EXPECT_EQ(e.number(), kwelar::ChybaVypoctu);
        EXPECT_EQ(e.source(), "KWELAR - Vlastnost");
        EXPECT_EQ(e.description(), "Chyba při výpočtu vlastnosti Cpl");
    }
    EXPECT_TRUE(boxes.boxes().empty());
}

// ---- Display names ----------------------------------------------------------------------

TEST_F(PropertyByName, InivlastFillsTheThirtyFourDisplayNames) {
    for (int16_t k = 1; k <= 34; ++k)
        EXPECT_TRUE(s.nazvyVlastnosti()(k).isEmpty());
    s.inivlast();
    const std::pair<int16_t, const char*> some[] = {{1, "Viskozita (g)"},
                                                    {5, "Mol.specifické teplo Cp(rg)"},
                                                    {19, "Tenze par"},
                                                    {21, "Teplota rosného bodu (g)"},
                                                    {26, "Mol.entalpie (l)"},
                                                    {30, "Mol.spec.teplo Cv (rg)"},
                                                    {34, "Joule-Thompsnův koef. (rg)"}};
    for (const auto& [k, name] : some)
        EXPECT_EQ(s.nazvyVlastnosti()(k).str(), name) << k;
    for (int16_t k = 1; k <= 34; ++k)
        EXPECT_EQ(s.nazvyVlastnosti()(k).type(), VarType::String);
}

} // namespace
