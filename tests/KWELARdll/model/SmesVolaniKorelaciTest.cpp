#include "KWELARdll/model/Smes.h"
#include "TestSupport.h"

#include "MixtureFixture.h"

#include <functional>

using kwelartest::correlationCalls;
using kwelartest::fractions;
using platform::Variant;
using platform::VArray;

namespace {

// Which correlations each mixture member evaluates, at which temperature and in which
// order: every correlation box an object shows is counted against its limit, so the order
// decides which boxes a user sees. Three components of critical temperatures 500, 600 and
// 700 K and equal critical volumes, the third with the fraction 0; every correlation block
// is of an unknown equation type, so each evaluation shows its box (and gives 1e-8).
struct OrderCase {
    const char* name;
    std::function<Variant(kwelar::Smes&, const Variant& T, const VArray& r)> member;
    std::vector<std::string> calls;
};
void PrintTo(const OrderCase& c, std::ostream* os) {
    testsupport::printFields(c, os);
}

class CorrelationOrder : public kwelartest::MixtureFixture, public ::testing::WithParamInterface<OrderCase> {
protected:
    void SetUp() override {
        const float M[] = {0.05f, 0.06f, 0.07f}, Tc[] = {500.0f, 600.0f, 700.0f};
        for (int k = 0; k < 3; ++k) {
            kwelartest::FixtureSubstance& sub = latka(static_cast<int16_t>(k + 3))
                                                    .point(1, M[k])
                                                    .point(2, Tc[k])
                                                    .point(4, 1e-4f)
                                                    .point(15, 350.0f);
            for (int32_t Nvl = 1; Nvl <= 10; ++Nvl)
                sub.block(Nvl, 0, {}, 1);
        }
        load({3, 4, 5});
        s.MaxErrHlas(1000);
        boxes->allowUnscripted(true);
    }
};

TEST_P(CorrelationOrder, EvaluatesItsCorrelationsInTheOrderOfItsMixingRule) {
    const OrderCase& c = GetParam();
    c.member(s, Variant(300.0), fractions({0.5, 0.5, 0.0}));
    EXPECT_EQ(correlationCalls(boxes.boxes()), c.calls);
}

// The liquid density takes each component at T Tc_i / Tcm, Tcm = 550 K: 272.7 and 327.3 K.
const std::vector<std::string> Density = {"3 ROLW 272.7", "4 ROLW 327.3"};

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// η_i then ρ_i per component above the threshold, then the mixture density.
const std::vector<std::string> Viscosity =
    std::vector<std::string>{"3 ETAL 300.0", "3 ROLW 300.0", "4 ETAL 300.0", "4 ROLW 300.0"} + Density;
const std::vector<std::string> Conductivity = {"3 ALAL 300.0", "4 ALAL 300.0"};
const std::vector<std::string> HeatCapacity = {"3 CPL 300.0", "4 CPL 300.0", "5 CPL 300.0"};

#define MEMBER(name) [](kwelar::Smes& s, const Variant& T, const VArray& r) { return s.name(T, r); }

INSTANTIATE_TEST_SUITE_P(
    Members, CorrelationOrder,
    ::testing::Values(OrderCase{"ROLW", MEMBER(ROLW), Density}, OrderCase{"ETAL", MEMBER(ETAL), Viscosity},
                      OrderCase{"ALAL", MEMBER(ALAL), Conductivity},
                      OrderCase{"SIGMA", MEMBER(SIGMA),
                                std::vector<std::string>{"3 ROLW 300.0", "3 SIGMA 300.0", "4 ROLW 300.0",
                                                         "4 SIGMA 300.0"} +
                                    Density},
                      OrderCase{"CPL", MEMBER(CPL), HeatCapacity},
                      OrderCase{"DHV", MEMBER(DHV), {"3 DHV 300.0", "4 DHV 300.0"}},
                      OrderCase{"TENS", MEMBER(TENS), {"3 TENS 300.0", "4 TENS 300.0"}},
                      OrderCase{"HL", MEMBER(HL), {}}, OrderCase{"SL", MEMBER(SL), {}},
                      // ρ(T - 3) at 270.0 and 324.0 K, then ρ(T) once for the difference and the divisor.
                      OrderCase{"ObjRozL", MEMBER(ObjRozL),
                                std::vector<std::string>{"3 ROLW 270.0", "4 ROLW 324.0"} + Density},
                      OrderCase{"PrL", MEMBER(PrL), HeatCapacity + Viscosity + Conductivity},
                      OrderCase{"ReL",
                                [](kwelar::Smes& s, const Variant& T, const VArray& r) {
                                    Variant v(1.0), d(0.02);
                                    return s.ReL(T, r, v, d);
                                },
                                Density + Viscosity},
                      OrderCase{"ETAG", MEMBER(ETAG), {"3 ETAG 300.0", "4 ETAG 300.0"}},
                      // Each viscosity once, when the first pair (i, j) needs it, i and j over all three
                      // components, then the conductivities.
                      OrderCase{"ALAG",
                                MEMBER(ALAG),
                                {"3 ETAG 300.0", "4 ETAG 300.0", "5 ETAG 300.0", "3 ALAG 300.0",
                                 "4 ALAG 300.0", "5 ALAG 300.0"}},
                      OrderCase{"CPG", MEMBER(CPG), {"3 CPG 300.0", "4 CPG 300.0", "5 CPG 300.0"}}),
    [](const ::testing::TestParamInfo<OrderCase>& info) { return std::string(info.param.name); });

#undef MEMBER

} // namespace
