// Values no substance has: fields of a damaged database record that are not finite, and
// temperatures at or below 0 K. No member gives such a value back as a result; each goes
// the error path of the member that meets it, by the error mode.

#include "KWELARdll/model/KwelarConstants.h"
#include "KWELARdll/model/Smes.h"

#include "FixtureDb.h"
#include "SmesProbe.h"
#include "TestSupport.h"

#include "Platform/Regional.h"

#include <functional>
#include <limits>

using kwelartest::FixtureDb;
using platform::Variant;

namespace {

constexpr float nanF = std::numeric_limits<float>::quiet_NaN();
constexpr float infF = std::numeric_limits<float>::infinity();

class HostileValues : public ::testing::Test {
protected:
    //! Loads the mixture of the given substances of `db` (error mode 0).
    void load(const std::vector<Variant>& numbers) {
        kwelartest::pointAt(s, db.write(dir.path()));
        s.DefSlozky(numbers);
        ASSERT_EQ(s.Nsloz().toInteger(), static_cast<int16_t>(numbers.size()));
    }
    //! Substance 5: a damaged record whose molar mass, critical temperature, dipole moment,
    //! melting and boiling points are not finite, and whose liquid-density coefficient A1 is
    //! NaN; the rest is plausible.
    void loadDamaged() {
        db.add(5)
            .name("Poškozená")
            .point(1, nanF)
            .point(2, infF)
            .point(3, 4e6f)
            .point(9, -infF)
            .point(14, nanF)
            .point(15, -infF)
            .block(4, 1, {nanF, 0.0f})
            .block(7, 1, {120.0f, 0.1f});
        load({5});
    }

    testsupport::TempDir dir;
    FixtureDb db = FixtureDb::sample();
    testsupport::ScriptedBoxes boxes;
    platform::DecimalSeparatorScope point{'.'};
    kwelartest::SmesProbe s;
};

struct Member {
    const char* name;
    std::function<Variant(kwelar::Smes&)> call;
};

// The constant getters have no error handler: the overflow reaches the caller in every mode.
TEST_F(HostileValues, ConstantsOfADamagedRecordAreOverflow) {
    loadDamaged();
    const Member members[] = {
        {"Mvi", [](kwelar::Smes& m) { return m.Mvi(1); }},
        {"Tkri", [](kwelar::Smes& m) { return m.Tkri(1); }},
        {"TkriC", [](kwelar::Smes& m) { return m.TkriC(1); }},
        {"Ttani", [](kwelar::Smes& m) { return m.Ttani(1); }},
        {"TtaniC", [](kwelar::Smes& m) { return m.TtaniC(1); }},
        {"Tnbvi", [](kwelar::Smes& m) { return m.Tnbvi(1); }},
        {"TnbviC", [](kwelar::Smes& m) { return m.TnbviC(1); }},
        {"Dipolm", [](kwelar::Smes& m) { return Variant(m.Dipolm(1)); }},
        {"Bod", [](kwelar::Smes& m) { return Variant(m.Bod(1, 2)); }},
        {"KWLConst", [](kwelar::Smes& m) { return Variant(m.KWLConst(1, 4, 1)); }},
        {"PrenesL",
         [](kwelar::Smes& m) {
             int16_t N = 0, group = 0;
             int32_t cas = 0;
             std::string name, formula, synonyms;
             platform::Array<float> B(1, kwelar::PointValueCount);
             m.PrenesL(1, N, name, formula, synonyms, group, cas, B);
             return Variant();
         }},
    };
    for (const int16_t mode : {int16_t{2}, int16_t{0}, int16_t{-1}}) {
        s.ChyboveHlasky(mode);
        for (const Member& m : members)
            EXPECT_RUNTIME_ERROR(m.call(s), platform::err::Overflow) << m.name << " in mode " << mode;
    }
    // The finite fields still come back.
    EXPECT_TRUE(s.Pkri(1).identical(Variant(4e6f)));
    EXPECT_EQ(s.KWLConst(1, 4, 2), 0.0f);
    EXPECT_TRUE(boxes.boxes().empty());
}

// ROGW multiplied by the mean molar mass that VSM could not form, and so gave 0 in the modes
// that do not raise: now it gives nothing, and raises its own error in mode -1.
TEST_F(HostileValues, GasDensityWithoutAMolarMassIsNoDensity) {
    loadDamaged();
    platform::VArray r(1, 1);
    r(1) = Variant(1.0);
    for (const int16_t mode : {int16_t{2}, int16_t{0}}) {
        s.ChyboveHlasky(mode);
        EXPECT_TRUE(s.VSM(r).isEmpty()) << mode;
        EXPECT_TRUE(s.ROGW(Variant(350.0), Variant(1e5), r).isEmpty()) << mode;
    }
    s.ChyboveHlasky(-1);
    try {
        s.ROGW(Variant(350.0), Variant(1e5), r);
        ADD_FAILURE() << "mode -1 raises";
    } catch (const platform::RunTimeError& e) {
        EXPECT_EQ(e.number(), kwelar::ChybaVypoctu);
    }
    EXPECT_TRUE(boxes.boxes().empty());
}

// A coefficient that is not finite is a run-time error of the evaluation: its counted box in
// mode 0, the value 1e-6, the raise in mode -1. The critical temperature that correlations 5
// and up look at is read the same way.
TEST_F(HostileValues, CorrelationOfADamagedRecordGoesTheErrorPath) {
    loadDamaged();
    boxes.answer(platform::answer::Ok).answer(platform::answer::Ok).answer(platform::answer::Ok);
    EXPECT_TRUE(s.FFce(Variant(300.0), 1, 4).identical(Variant(1e-6)));
    EXPECT_TRUE(s.FFce(Variant(300.0), 1, 7).identical(Variant(1e-6)));
    ASSERT_EQ(boxes.boxes().size(), 2u);
    EXPECT_EQ(boxes.boxes()[0].text, "FFce: Err: 6 : Overflow\r\nVlastnost: ROLW u látky:  5  Poškozená" +
                                         std::string(21, ' ') + "\r\nTeplota(K)= 300.0");
    s.ChyboveHlasky(-1);
    EXPECT_RUNTIME_ERROR(s.FFce(Variant(300.0), 1, 4), kwelar::ChybaVypoctu);
    s.ChyboveHlasky(2);
    EXPECT_TRUE(s.FFce(Variant(300.0), 1, 4).identical(Variant(1e-6)));
    EXPECT_EQ(boxes.boxes().size(), 3u); // the box of mode -1
}

struct ColdCase {
    const char* name;
    int16_t substance;
    int16_t Nvl;
    Variant T;
    const char* temperature; //!< as the box shows it
};

// At 0 K and below the water equation gave -2.17e8 kg/m3 and a polynomial a negative heat
// capacity, as successes: now such a temperature is an invalid argument (5), in every form of
// the error path.
TEST_F(HostileValues, TemperatureAtOrBelowAbsoluteZeroIsAnInvalidArgument) {
    load({1, 3});
    const ColdCase cases[] = {
        {"water density at 0 K", 1, 4, Variant(0.0), "0.0"},
        {"water density at -10 K", 1, 4, Variant(-10.0), "-10.0"},
        {"liquid heat capacity at 0 K", 2, 7, Variant(0.0), "0.0"},
        {"liquid heat capacity at -273.15 K", 2, 7, Variant(-273.15), "-273.2"},
        {"vapour pressure without a temperature", 2, 9, Variant(), "0.0"},
        {"gas viscosity at NaN", 2, 1, Variant(std::numeric_limits<double>::quiet_NaN()), ""},
    };
    const char* const names[] = {"", "Voda", "n-Hexan"};
    for (const ColdCase& c : cases) {
        s.ChyboveHlasky(0);
        boxes.answer(platform::answer::Ok);
        const size_t before = boxes.boxes().size();
        EXPECT_TRUE(s.FFce(c.T, c.substance, c.Nvl).identical(Variant(1e-6))) << c.name;
        ASSERT_EQ(boxes.boxes().size(), before + 1) << c.name;
        const std::string& text = boxes.boxes().back().text;
        EXPECT_EQ(text.substr(0, text.find("\r\n")), "FFce: Err: 5 : Invalid procedure call or argument")
            << c.name;
        EXPECT_NE(text.find(names[c.substance]), std::string::npos) << c.name;
        EXPECT_EQ(text.substr(text.rfind("\r\n") + 2), std::string("Teplota(K)= ") + c.temperature) << c.name;

        s.ChyboveHlasky(2);
        EXPECT_TRUE(s.FFce(c.T, c.substance, c.Nvl).identical(Variant(1e-6))) << c.name;
        s.ChyboveHlasky(-1);
        s.setPocErrHlas(kwelar::DefaultMaxErrHlas);
        EXPECT_RUNTIME_ERROR(s.FFce(c.T, c.substance, c.Nvl), kwelar::ChybaVypoctu) << c.name;
        s.setPocErrHlas(0);
    }
    // Just above 0 K the correlations are evaluated as before.
    s.ChyboveHlasky(0);
    EXPECT_GT(s.FFce(Variant(1.0), 2, 7).toDouble(), 0.0);
}

} // namespace
