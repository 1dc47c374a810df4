#include "KWELARdll/model/KwelarConstants.h"
#include "KWELARdll/model/Smes.h"

#include "FixtureDb.h"
#include "SmesProbe.h"
#include "TestSupport.h"

#include "Platform/Regional.h"

#include <array>
#include <cmath>
#include <functional>

using kwelartest::FixtureDb;
using kwelartest::FixtureSubstance;
using kwelartest::SmesProbe;
using platform::RunTimeError;
using platform::Variant;

namespace {

const std::string Blanks30(30, ' ');
const std::string Hexan = "n-Hexan" + std::string(23, ' ');

// A fixture database in a temporary folder; the test adds its substances, then loads a
// mixture of them (error mode 0).
class Korelace : public ::testing::Test {
protected:
    FixtureSubstance& latka(int16_t n) { return db.add(n); }
    void load(const std::vector<Variant>& numbers) {
        kwelartest::pointAt(s, db.write(dir.path()));
        s.DefSlozky(numbers);
    }
    // Substance 3 "n-Hexan" with correlation Nvl set to y = T (type 1, A1 = 0, A2 = 1), so
    // the value is the working temperature, valid od..do_ [K].
    void loadIdentity(int16_t Nvl, float Tc, int16_t od = 0, int16_t do_ = 0) {
        latka(3).name("n-Hexan").point(2, Tc).block(Nvl, 1, {0.0f, 1.0f}, 1, od, do_);
        load({3});
    }
    double ffce(double T, int16_t i, int16_t Nvl) { return s.FFce(Variant(T), i, Nvl).toDouble(); }

    testsupport::TempDir dir;
    FixtureDb db;
    testsupport::ScriptedBoxes boxes;
    platform::DecimalSeparatorScope point{'.'};
    SmesProbe s;
};

// ---- The nineteen equation types ----------------------------------------------------------

// Coefficients are stored in single precision, so the expected value takes them as the
// floats they become.
using Coefficients = std::array<float, 6>;
using Formula = std::function<double(const std::array<double, 6>& A, double T)>;

struct TypeCase {
    const char* name;
    int16_t type;
    Coefficients A;
    double T;
    Formula y; // the equation written out independently of the library
};
void PrintTo(const TypeCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

std::string typeCaseName(const ::testing::TestParamInfo<TypeCase>& info) {
    return info.param.name;
}

class EquationType : public Korelace, public ::testing::WithParamInterface<TypeCase> {};

// Each equation type against its formula, written out here with the standard functions.
TEST_P(EquationType, GivesTheValueOfItsFormula) {
    const TypeCase& c = GetParam();
    latka(3).block(2, c.type, std::vector<float>(c.A.begin(), c.A.end()), 1, 200, 600);
    load({3});
    std::array<double, 6> A{};
    for (size_t k = 0; k < 6; ++k)
        A[k] = c.A[k];
    const double expected = c.y(A, c.T);
    const Variant y = s.FFce(Variant(c.T), 1, 2);
    ASSERT_EQ(y.type(), platform::VarType::Double);
    EXPECT_NEAR(y.toDouble(), expected, 1e-12 * std::fabs(expected)) << c.name;
    EXPECT_TRUE(boxes.boxes().empty());
}

const TypeCase typeCases[] = {
    {"Type1Line", 1, {1.5f, 2.25f}, 300.0, [](auto& A, double T) { return A[0] + A[1] * T; }},
    // y = 1 + 2 T + 3 T^2 at 10 K: 321.
    {"Type2Parabola", 2, {1.0f, 2.0f, 3.0f}, 10.0, [](auto&, double) { return 321.0; }},
    {"Type3Cubic",
     3,
     {1.1f, -0.02f, 3e-4f, -4e-7f},
     350.0,
     [](auto& A, double T) { return A[0] + A[1] * T + A[2] * T * T + A[3] * std::pow(T, 3); }},
    {"Type4Quartic",
     4,
     {29.1f, -0.0035f, 1.2e-5f, -8e-9f, 2e-12f},
     500.0,
     [](auto& A, double T) {
         return A[0] + A[1] * T + A[2] * std::pow(T, 2) + A[3] * std::pow(T, 3) + A[4] * std::pow(T, 4);
     }},
    {"Type5Quintic",
     5,
     {-5.5f, 0.6f, -1.2e-3f, 1.1e-6f, -5e-10f, 9e-14f},
     450.0,
     [](auto& A, double T) {
         return A[0] + A[1] * T + A[2] * std::pow(T, 2) + A[3] * std::pow(T, 3) + A[4] * std::pow(T, 4) +
                A[5] * std::pow(T, 5);
     }},
    {"Type6Antoine",
     6,
     {23.1964f, -3816.44f, -46.13f},
     373.15,
     [](auto& A, double T) { return std::exp(A[0] + A[1] / (A[2] + T)); }},
    {"Type7",
     7,
     {0.3f, 0.27f, 507.6f},
     300.0,
     [](auto& A, double T) {
         return std::pow(10.0,
                         3.0 + std::log10(A[0]) - std::pow(1.0 - T / A[2], 2.0 / 7.0) * std::log10(A[1]));
     }},
    {"Type8",
     8,
     {40650.0f, 373.15f, 0.38f, 647.096f},
     300.0,
     [](auto& A, double T) {
         const float span = static_cast<float>(A[3]) - static_cast<float>(A[1]);
         return A[0] * std::pow((A[3] - T) / span, A[2]);
     }},
    {"Type9",
     9,
     {30.0f, -3000.0f, -20.0f, -5.0f, 0.001f, -1e-7f},
     300.0,
     [](auto& A, double T) {
         return std::pow(10.0, A[0] + A[1] / (A[2] + T) + A[3] * std::log10(T) + A[4] * T + A[5] * T * T);
     }},
    {"Type10",
     10,
     {2.0f, -200.0f, 0.001f, -1e-6f, -30.0f},
     300.0,
     [](auto& A, double T) { return std::pow(10.0, A[0] + A[1] / (A[4] + T) + A[2] * T + A[3] * T * T); }},
    {"Type11",
     11,
     {-10.0f, 1000.0f, -2e4f, 1e6f},
     300.0,
     [](auto& A, double T) {
         return std::exp(A[0] + A[1] / T + A[2] / std::pow(T, 2) + A[3] / std::pow(T, 3));
     }},
    {"Type12",
     12,
     {1.5e-6f, 110.0f},
     300.0,
     [](auto& A, double T) { return A[0] * std::pow(T, 1.5) / (T + A[1]); }},
    // Wagner vapour pressure of water with Tc = 647.3 K, pc = 22.048 MPa: about 101 kPa at
    // 373.15 K.
    {"Type13Wagner",
     13,
     {-7.76451f, 1.45838f, -2.7758f, -1.23303f, 647.3f, 22.048e6f},
     373.15,
     [](auto& A, double T) {
         const double t = 1.0 - T / A[4];
         return A[5] * std::exp((A[0] * t + A[1] * std::pow(t, 1.5) + A[2] * std::pow(t, 3) +
                                 A[3] * std::pow(t, 6)) *
                                A[4] / T);
     }},
    {"Type14",
     14,
     {0.1f, 507.6f},
     300.0,
     [](auto& A, double T) {
         const double Tr = T / A[1];
         return A[0] * std::pow(1.0 - Tr, 0.38) / std::pow(Tr, 0.166667);
     }},
    {"Type15",
     15,
     {0.27f, 0.26f, 507.6f, 0.28f},
     300.0,
     [](auto& A, double T) { return A[0] / std::pow(A[1], 1.0 + std::pow(1.0 - T / A[2], A[3])); }},
    {"Type16",
     16,
     {5e4f, 0.38f, 0.1f, -0.05f, 0.0f, 507.6f},
     300.0,
     [](auto& A, double T) {
         const double Tr = T / A[5];
         return A[0] * std::pow(1.0 - Tr, A[1] + A[2] * Tr + A[3] * Tr * Tr);
     }},
    {"Type17",
     17,
     {500.0f, 300.0f, -3.0f},
     350.0,
     [](auto& A, double T) { return std::pow(10.0, A[0] * (1.0 / T - 1.0 / A[1]) + A[2]); }},
    {"Type18",
     18,
     {-20.0f, 2000.0f, 1.5f, 1e-5f, 2.0f},
     300.0,
     [](auto& A, double T) {
         return std::exp(A[0] + A[1] / T + A[2] * std::log(T) + A[3] * std::pow(T, A[4]));
     }},
    {"Type19",
     19,
     {1e-6f, 0.5f, 100.0f, 1e3f},
     300.0,
     [](auto& A, double T) { return A[0] * std::pow(T, A[1]) / (1.0 + A[2] / T + A[3] / (T * T)); }},
};

INSTANTIATE_TEST_SUITE_P(OneToNineteen, EquationType, ::testing::ValuesIn(typeCases), typeCaseName);

// The check of the Wagner case against its physics: the vapour pressure of water at its
// normal boiling point is 101.325 kPa (IAPWS-95); the old Tc and pc of the coefficients
// leave a few tenths of a percent.
TEST_F(Korelace, WagnerCaseIsTheVapourPressureOfWater) {
    latka(3).block(9, 13, {-7.76451f, 1.45838f, -2.7758f, -1.23303f, 647.3f, 22.048e6f});
    load({3});
    EXPECT_NEAR(ffce(373.15, 1, 9), 101325.0, 500.0);
}

struct LimitCase {
    const char* name;
    int16_t type;
    Coefficients A;
    double T;
    double y;
};

// The limits of types 7, 8, 13 and 14 at and beyond the critical temperature, and the last
// point evaluated before them.
TEST_F(Korelace, LimitsOfTypes7_8_13_14) {
    const double Tc = 507.6f; // the coefficient as stored
    const double justBelow = Tc - 1e-9;
    const LimitCase cases[] = {
        {"7 at Tc: 1000 A1",
         7,
         {0.3f, 0.27f, 507.6f},
         Tc,
         std::pow(10.0, 3.0 + std::log10(static_cast<double>(0.3f)))},
        {"7 above Tc", 7, {0.3f, 0.27f, 507.6f}, 507.7, 1e-8},
        {"8 at Tc", 8, {28850.0f, 341.9f, 0.38f, 507.6f}, Tc, 1e-8},
        {"8 above Tc", 8, {28850.0f, 341.9f, 0.38f, 507.6f}, 600.0, 1e-8},
        {"8 just below Tc",
         8,
         {28850.0f, 341.9f, 0.38f, 507.6f},
         justBelow,
         28850.0f *
             std::pow((Tc - justBelow) / static_cast<double>(507.6f - 341.9f), static_cast<double>(0.38f))},
        {"13 at Tc: A6", 13, {-7.0f, 1.5f, -2.5f, -1.0f, 507.6f, 3.025e6f}, Tc, 3.025e6f},
        {"13 above Tc: A6", 13, {-7.0f, 1.5f, -2.5f, -1.0f, 507.6f, 3.025e6f}, 1000.0, 3.025e6f},
        {"14 at Tc: 0", 14, {0.1f, 507.6f}, Tc, 0.0},
        {"14 above Tc: 0", 14, {0.1f, 507.6f}, 508.0, 0.0},
    };
    for (const LimitCase& c : cases) {
        latka(3).block(2, c.type, std::vector<float>(c.A.begin(), c.A.end()));
        load({3});
        const Variant y = s.FFce(Variant(c.T), 1, 2);
        EXPECT_EQ(y.type(), platform::VarType::Double) << c.name;
        EXPECT_NEAR(y.toDouble(), c.y, 1e-12 * std::fabs(c.y)) << c.name;
    }
    EXPECT_TRUE(boxes.boxes().empty());
}

// A4 - A2 is formed in single precision: 647.096 - 0.001 rounds to 647.09503 there,
// 647.0950083 in double precision.
TEST_F(Korelace, Type8FormsTheCriticalSpanInSinglePrecision) {
    const float A2 = 0.001f, A4 = 647.096f;
    const float spanSingle = A4 - A2;
    const double spanDouble = static_cast<double>(A4) - static_cast<double>(A2);
    ASSERT_NE(static_cast<double>(spanSingle), spanDouble);
    latka(3).block(8, 8, {1.0f, A2, 1.0f, A4});
    load({3});
    const double T = 300.0;
    EXPECT_DOUBLE_EQ(ffce(T, 1, 8), (A4 - T) / spanSingle);
    EXPECT_GT(std::fabs(ffce(T, 1, 8) - (A4 - T) / spanDouble), 1e-9);
}

// Type 14 divides by Tr^0.166667, not by Tr^(1/6): at Tr = 0.5 the two differ by 2.3e-7
// relative.
TEST_F(Korelace, Type14TakesTheSixDecimalExponent) {
    latka(3).block(2, 14, {1.0f, 600.0f});
    load({3});
    const double y = ffce(300.0, 1, 2);
    EXPECT_NEAR(y, std::pow(0.5, 0.38) / std::pow(0.5, 0.166667), 1e-15);
    EXPECT_GT(std::fabs(y - std::pow(0.5, 0.38) / std::pow(0.5, 1.0 / 6.0)), 1e-7);
}

// ---- Working temperature --------------------------------------------------------------------

struct WorkingCase {
    int16_t Nvl;
    float Tc;
    double T0;
    double T;
};

// Correlations 5 and up are evaluated at 0.98 Tc above a critical temperature over 15 K;
// 1 to 4 never move.
TEST_F(Korelace, CorrelationsFromFiveOnAreTakenAt98PercentOfTcAboveIt) {
    const WorkingCase cases[] = {
        {5, 500.0f, 520.0, 490.0}, {5, 500.0f, 495.0, 495.0},      {5, 500.0f, 500.0, 500.0},
        {4, 500.0f, 520.0, 520.0}, {1, 500.0f, 900.0, 900.0},      {10, 500.0f, 501.0, 490.0},
        {8, 15.0f, 20.0, 20.0},    {8, 15.5f, 20.0, 0.98 * 15.5f}, {9, 0.0f, 900.0, 900.0},
    };
    for (const WorkingCase& c : cases) {
        loadIdentity(c.Nvl, c.Tc);
        EXPECT_DOUBLE_EQ(ffce(c.T0, 1, c.Nvl), c.T) << c.Nvl << " Tc " << c.Tc << " at " << c.T0;
    }
}

// The reserve block 11 (reached only when the box of a bad correlation number is not shown)
// follows the same rule.
TEST_F(Korelace, ReserveBlockIsEvaluatedWithoutTheBoxOfABadNumber) {
    loadIdentity(11, 500.0f);
    s.ChyboveHlasky(1);
    EXPECT_DOUBLE_EQ(ffce(520.0, 1, 11), 490.0);
}

// With clamping on, T0 outside the validity range is replaced by its end; both tests look at
// T0, so clamping overrides the 0.98 Tc rule.
TEST_F(Korelace, ClampingToTheValidityRangeWhenSwitchedOn) {
    loadIdentity(5, 500.0f, 250, 350);
    EXPECT_DOUBLE_EQ(ffce(200.0, 1, 5), 200.0) << "clamping is off by default";
    s.MezeZap();
    EXPECT_EQ(s.mezeTeplot(), 1);
    EXPECT_DOUBLE_EQ(ffce(200.0, 1, 5), 250.0);
    EXPECT_DOUBLE_EQ(ffce(400.0, 1, 5), 350.0);
    EXPECT_DOUBLE_EQ(ffce(300.0, 1, 5), 300.0);
    EXPECT_DOUBLE_EQ(ffce(520.0, 1, 5), 350.0) << "the upper end, not 0.98 Tc";
    s.MezeVyp();
    EXPECT_EQ(s.mezeTeplot(), 0);
    EXPECT_DOUBLE_EQ(ffce(400.0, 1, 5), 400.0);

    loadIdentity(5, 500.0f, 250, 600);
    s.MezeZap();
    EXPECT_DOUBLE_EQ(ffce(520.0, 1, 5), 490.0) << "inside the range the 0.98 Tc rule stays";
}

// ---- Water ----------------------------------------------------------------------------------

// Saturated liquid water (IAPWS): rho' = 322 (1 + sum b_k theta^e_k), theta = 1 - T/647.096.
double waterDensity(double T) {
    const double b[] = {1.99274064, 1.09965342, -0.510839303, -1.75493479, -45.5170352, -674694.45};
    const double e[] = {1.0 / 3.0, 2.0 / 3.0, 5.0 / 3.0, 16.0 / 3.0, 43.0 / 3.0, 110.0 / 3.0};
    const double theta = 1.0 - T / 647.096;
    double sum = 1.0;
    for (int k = 0; k < 6; ++k)
        sum += b[k] * std::pow(theta, e[k]);
    return 322.0 * sum;
}

// The liquid density of substance 1 comes from the water equation whatever its record
// holds; IAPWS-95 gives 958.35 kg/m3 at 373.15 K and 996.51 kg/m3 at 300 K.
TEST_F(Korelace, WaterDensityComesFromTheSaturatedLiquidEquation) {
    latka(1).name("Voda").point(2, 647.096f).block(4, 1, {1000.0f, -1.0f}).block(5, 1, {0.0f, 1.0f});
    latka(3).block(4, 1, {1000.0f, -1.0f});
    load({3, 1});
    EXPECT_NEAR(ffce(373.15, 2, 4), 958.35, 0.01);
    EXPECT_NEAR(ffce(300.0, 2, 4), 996.51, 0.01);
    for (const double T : {273.16, 300.0, 373.15, 500.0, 640.0})
        EXPECT_NEAR(ffce(T, 2, 4), waterDensity(T), 1e-12 * waterDensity(T)) << T;
    EXPECT_DOUBLE_EQ(ffce(647.096, 2, 4), 322.0) << "theta = 0 at the critical point";
    EXPECT_DOUBLE_EQ(ffce(373.15, 1, 4), 1000.0 - 373.15) << "substance 3 keeps its record";
    EXPECT_DOUBLE_EQ(ffce(373.15, 2, 5), 373.15) << "other correlations of water keep the record";
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(Korelace, WaterAboveItsCriticalPointFailsAsARunTimeError) {
    latka(1).name("Voda").block(4, 1, {1000.0f, -1.0f});
    load({1});
    boxes.answer(platform::answer::Ok);
    EXPECT_DOUBLE_EQ(ffce(650.0, 1, 4), 1e-6);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "FFce: Err: 5 : Invalid procedure call or argument\r\n"
                                     "Vlastnost: ROLW u látky:  1  Voda" +
                                         std::string(26, ' ') + "\r\nTeplota(K)= 650.0");
    EXPECT_EQ(boxes.boxes()[0].style, 48);
    EXPECT_EQ(boxes.boxes()[0].title, "KWELAR Chyba");
    EXPECT_EQ(s.pocErrHlas(), 1);

    s.ChyboveHlasky(-1);
    boxes.answer(platform::answer::Ok);
    try {
        s.FFce(Variant(650.0), 1, 4);
        ADD_FAILURE() << "mode -1 raises";
    } catch (const RunTimeError& e) {
        EXPECT_EQ(e.number(), kwelar::ChybaVypoctu);
        EXPECT_EQ(e.source(), "KWELAR - FFce");
        EXPECT_EQ(e.description(), "Chyba při výpočtu vlastnosti!\r\nLátka:  1  Voda" + std::string(26, ' ') +
                                       " vlast. ROLW\r\nTeplota(K)= 650.0");
    }
}

// ---- Boxes, error modes and the counter -----------------------------------------------------

TEST_F(Korelace, BadCorrelationNumberShowsItsBoxAndGivesEmpty) {
    loadIdentity(2, 500.0f);
    for (const int16_t Nvl : {int16_t{0}, int16_t{11}, int16_t{12}, int16_t{-1}}) {
        boxes.answer(platform::answer::Ok);
        EXPECT_TRUE(s.FFce(Variant(300.0), 1, Nvl).isEmpty()) << Nvl;
    }
    ASSERT_EQ(boxes.boxes().size(), 4u);
    EXPECT_EQ(boxes.boxes()[2].text, "FFce: Chyba č.vlastnosti(1-10):  12");
    EXPECT_EQ(boxes.boxes()[3].text, "FFce: Chyba č.vlastnosti(1-10): -1");
    EXPECT_EQ(boxes.boxes()[3].style, 48);
    EXPECT_EQ(boxes.boxes()[3].title, "KWELAR");
    EXPECT_EQ(s.pocErrHlas(), 4);
}

TEST_F(Korelace, SlotOutsideTheMixtureShowsItsBoxAndGivesEmpty) {
    latka(3).block(2, 1, {0.0f, 1.0f});
    latka(4).block(2, 1, {0.0f, 1.0f});
    load({3, 4});
    boxes.answer(platform::answer::Ok).answer(platform::answer::Ok);
    EXPECT_TRUE(s.FFce(Variant(300.0), 3, 2).isEmpty());
    EXPECT_TRUE(s.FFce(Variant(300.0), 0, 2).isEmpty());
    ASSERT_EQ(boxes.boxes().size(), 2u);
    EXPECT_EQ(boxes.boxes()[0].text, "FFce: Chyba č.složky směsi (1- 2) :  3");
    EXPECT_EQ(boxes.boxes()[1].text, "FFce: Chyba č.složky směsi (1- 2) :  0");
    EXPECT_EQ(boxes.boxes()[1].style, 48);
    EXPECT_EQ(boxes.boxes()[1].title, "KWELAR");
    EXPECT_EQ(s.pocErrHlas(), 2);
}

// Without the index boxes a bad index reaches the evaluation: outside 1..20 or 1..11 it is a
// run-time error (1e-6); a slot of 1..20 beyond the mixture evaluates its record.
TEST_F(Korelace, BadIndicesWithoutTheirBoxesReachTheEvaluation) {
    latka(3).block(2, 1, {0.0f, 1.0f});
    load({3});
    s.ChyboveHlasky(2);
    EXPECT_DOUBLE_EQ(ffce(300.0, 1, 12), 1e-6);
    EXPECT_DOUBLE_EQ(ffce(300.0, 21, 2), 1e-6);
    EXPECT_DOUBLE_EQ(ffce(300.0, 0, 2), 1e-6);
    EXPECT_DOUBLE_EQ(ffce(300.0, 2, 2), 1e-8) << "the empty record of slot 2 has no equation type";
    s.ChyboveHlasky(0);
    s.MaxErrHlas(0);
    EXPECT_DOUBLE_EQ(ffce(300.0, 1, 0), 1e-6) << "counter used up: no box, the evaluation fails";
    EXPECT_TRUE(boxes.boxes().empty());
}

// A record without data (accuracy class 0, type 0): the box of the missing correlation and
// the box of the type, 1e-8; in mode -1 the raise after them.
TEST_F(Korelace, BlockWithoutDataShowsBothBoxesAndGives1e8) {
    latka(3).name("n-Hexan").point(2, 507.6f);
    load({3});
    boxes.answer(platform::answer::Ok).answer(platform::answer::Ok);
    const Variant y = s.FFce(Variant(300.04), 1, 7);
    EXPECT_TRUE(y.identical(Variant(1e-8)));
    ASSERT_EQ(boxes.boxes().size(), 2u);
    EXPECT_EQ(boxes.boxes()[0].text, "FFce:  1.složka  3  " + Hexan + " vlast. CPL neni v bázi!");
    EXPECT_EQ(boxes.boxes()[0].style, 0);
    EXPECT_EQ(boxes.boxes()[0].title, "KWELAR");
    EXPECT_EQ(boxes.boxes()[1].text,
              "FFce: Typ.korel.vzt. 0 u látky:  3  " + Hexan + " vlast. CPL\r\nTeplota(K)= 300.0");
    EXPECT_EQ(boxes.boxes()[1].style, 48);
    EXPECT_EQ(boxes.boxes()[1].title, "KWELAR Chyba");
    EXPECT_EQ(s.pocErrHlas(), 2);

    s.ChyboveHlasky(-1);
    boxes.answer(platform::answer::Ok).answer(platform::answer::Ok);
    try {
        s.FFce(Variant(300.04), 1, 7);
        ADD_FAILURE() << "mode -1 raises after the type box";
    } catch (const RunTimeError& e) {
        EXPECT_EQ(e.number(), kwelar::ChybaVypoctu);
        EXPECT_EQ(e.source(), "KWELAR - FFce");
        EXPECT_EQ(e.description(), "Chyba při výpočtu vlastnosti!\r\nLátka:  3  " + Hexan +
                                       " vlast. CPL\r\nTeplota(K)= 300.0");
    }
    EXPECT_EQ(boxes.boxes().size(), 4u);

    s.ChyboveHlasky(1);
    EXPECT_DOUBLE_EQ(ffce(300.0, 1, 7), 1e-8) << "mode 1: silent";
    EXPECT_EQ(boxes.boxes().size(), 4u);
}

// The missing-data box does not stop the evaluation of a block that has an equation.
TEST_F(Korelace, MissingDataBoxLetsAValidBlockBeEvaluated) {
    latka(3).block(6, 1, {0.0f, 1.0f}, 0);
    load({3});
    boxes.answer(platform::answer::Ok);
    EXPECT_DOUBLE_EQ(ffce(300.0, 1, 6), 300.0);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text,
              "FFce:  1.složka  3  Látka 3" + std::string(23, ' ') + " vlast. ALAL neni v bázi!");
}

// Once the counter is used up the type box is not shown and, without it, mode -1 does not
// raise for a bad type; a run-time error in the evaluation still raises.
TEST_F(Korelace, UsedUpCounterSilencesTheTypeRaiseButNotTheErrorRaise) {
    latka(3).block(2, 25, {1.0f}).block(6, 6, {1.0f, 1.0f, -300.0f});
    load({3});
    s.ChyboveHlasky(-1);
    s.setPocErrHlas(20);
    EXPECT_DOUBLE_EQ(ffce(300.0, 1, 2), 1e-8);
    EXPECT_RUNTIME_ERROR(s.FFce(Variant(300.0), 1, 6), kwelar::ChybaVypoctu);
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(s.pocErrHlas(), 20);
}

struct ErrorCase {
    const char* name;
    int16_t type;
    Coefficients A;
    Variant T;
    int32_t number;
    std::string temperature;
};

// Run-time errors of the evaluation: the box with the error's number and description in
// mode 0, counted, and the value 1e-6.
TEST_F(Korelace, RunTimeErrorsOfTheEvaluationGive1e6AndTheirBox) {
    const ErrorCase cases[] = {
        {"division by zero", 6, {1.0f, 1.0f, -300.0f}, Variant(300.0), 11, "300.0"},
        {"logarithm of a negative", 9, {1.0f}, Variant(-5.0), 5, "-5.0"},
        {"fractional power of a negative", 15, {1.0f, 2.0f, 100.0f, 0.5f}, Variant(300.0), 5, "300.0"},
        {"overflow", 6, {1000.0f}, Variant(300.0), 6, "300.0"},
        {"0 to a negative power", 19, {1.0f, -1.0f}, Variant(), 5, "0.0"},
        {"text for a temperature", 1, {1.0f}, Variant("teplo"), 13, "teplo"},
    };
    int16_t counted = 0;
    for (const ErrorCase& c : cases) {
        latka(3).block(2, c.type, std::vector<float>(c.A.begin(), c.A.end()));
        load({3});
        boxes.answer(platform::answer::Ok);
        EXPECT_TRUE(s.FFce(c.T, 1, 2).identical(Variant(1e-6))) << c.name;
        ASSERT_EQ(boxes.boxes().size(), static_cast<size_t>(++counted)) << c.name;
        EXPECT_EQ(boxes.boxes().back().text, "FFce: Err: " + std::to_string(c.number) + " : " +
                                                 platform::standardDescription(c.number) +
                                                 "\r\nVlastnost: CPG u látky:  3  Látka 3" +
                                                 std::string(23, ' ') + "\r\nTeplota(K)= " + c.temperature)
            << c.name;
        EXPECT_EQ(boxes.boxes().back().style, 48);
        EXPECT_EQ(boxes.boxes().back().title, "KWELAR Chyba");
        EXPECT_EQ(s.pocErrHlas(), counted);
    }
}

// The error handler used to index the slot arrays with the caller's slot even outside
// 1..20, so error 9 escaped from it. The slot is guarded: the box names substance 0 and a
// blank name, and the handled result or the raised error comes back.
TEST_F(Korelace, ErrorHandlerSurvivesASlotOutsideOneToTwenty) {
    // An empty object (Nsloz = 0) skips the slot box.
    boxes.answer(platform::answer::Ok);
    EXPECT_DOUBLE_EQ(ffce(300.0, 25, 2), 1e-6);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "FFce: Err: 9 : Subscript out of range\r\nVlastnost: CPG u látky:  0  " +
                                         Blanks30 + "\r\nTeplota(K)= 300.0");

    s.ChyboveHlasky(-1);
    s.setPocErrHlas(20);
    try {
        s.FFce(Variant(300.0), -3, 2);
        ADD_FAILURE() << "mode -1 raises";
    } catch (const RunTimeError& e) {
        EXPECT_EQ(e.number(), kwelar::ChybaVypoctu);
        EXPECT_EQ(e.description(), "Chyba při výpočtu vlastnosti!\r\nLátka:  0  " + Blanks30 +
                                       " vlast. CPG\r\nTeplota(K)= 300.0");
    }
}

TEST_F(Korelace, CountedBoxesStopAtMaxErrHlas) {
    latka(3).block(2, 6, {1.0f, 1.0f, -300.0f});
    load({3});
    s.MaxErrHlas(3);
    for (int k = 0; k < 3; ++k)
        boxes.answer(platform::answer::Ok);
    for (int k = 0; k < 6; ++k)
        EXPECT_DOUBLE_EQ(ffce(300.0, 1, 2), 1e-6);
    EXPECT_EQ(boxes.boxes().size(), 3u);
    EXPECT_EQ(s.pocErrHlas(), 3);
}

// ---- Formula texts --------------------------------------------------------------------------

TEST(SmesVztah, FormulaTextsOfTheNineteenTypes) {
    const char* const texts[] = {
        " y = A1 + A2.T   přímka ",
        " y = A1 + A2.T + A3.T^2   parabola ",
        " y = A1 + A2.T + A3.T^2 + A4.T^3  polynom ",
        " y = A1 + A2.T + A3.T^2 + A4.T^3 + A5.T^4  polynom ",
        " y = A1 + A2.T + A3.T^2 + A4.T^3 + A5.T^4 + A6.T^5  polynom ",
        " ln(y) = A1+ A2/(A3 + T)   Antoine ",
        " log(y) = 3 + log(A1) - (1 - T/A3)^(2/7) .log(A2)    A3=Tkr ",
        " y = A1.[(A4 - T)/(A4 - A2)]^A3    A4=Tkr ",
        " log(y) = A1 + A2/(A3 + T) + A4.log(T) + A5.T + A6.T^2 ",
        " log(y) = A1 + A2/(A5 + T) + A3.T + A4.T^2 ",
        " ln(y) = A1 + A2/T + A3/T^2 + A4/T^3 ",
        " y = A1.T^1.5 /(T + A2) ",
        " ln(y/A6) = (A1.t + A2.t^1.5 + A3.t^3 + A4.t^6) /T.A5   t=1-T/A5; A5=Tkr; A6=Pkr Wagner ",
        " y = A1.(1 - Tr)^0.38 / Tr^(1/6) ",
        " y = A1 / A2^[1 + (1 - T/A3)^A4] ",
        " y = A1.(1 - Tr)[A2 + A3.Tr + A4.Tr^2]   Tr=T/A6 ",
        " log(y) = A1.(1/T - 1/A2)+A3 ",
        " ln(y) = A1 + A2/T + A3.ln(T) + A4.T^A5 ",
        " y = A1.T^A2/(1 + A3/T + A4/T^2) ",
    };
    testsupport::ScriptedBoxes boxes;
    kwelar::Smes s;
    for (int16_t i = 1; i <= 19; ++i)
        EXPECT_EQ(s.Vztah(i), texts[i - 1]) << i;
    for (const int16_t i : {int16_t{0}, int16_t{20}, int16_t{-1}})
        EXPECT_EQ(s.Vztah(i), " Neznámý vztah! ");
}

} // namespace
