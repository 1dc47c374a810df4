// The condenser model on the substance database of this build.

#include "BuiltDatabaseSupport.h"

#include "MORV/model/ProgramState.h"
#include "MORV/model/TARMST.h"

#include <cmath>

using morv::program;
using morv::TARMST;

namespace {

using BuiltDatabase = morvtest::BuiltDatabase;

//! Effectiveness of the tube stream of a counter-current exchanger, R = W_tube / W_shell < 1
//! (Incropera & DeWitt, Fundamentals of Heat and Mass Transfer, effectiveness-NTU relations).
double counterCurrent(double R, double NTU) {
    const double E = std::exp(-(1.0 - R) * NTU);
    return (1.0 - E) / (1.0 - R * E);
}

TEST_F(BuiltDatabase, WaterInTheTubesAt25CHasThePublishedDensityAndViscosity) {
    TARMST& m = program().Vymenik();
    pure(m.Tr(), morvtest::water);
    pure(m.Pl(), morvtest::water);
    m.Tr().P(101325.0);
    m.Pl().P(101325.0);
    m.TrubKap = true;
    m.PlastKap = true;
    m.Ttrubi = 25.0;
    m.Ttrubo = 25.0;
    m.Tplasti = 60.0;
    m.Tplasto = 50.0;
    m.Tr().m(1.0);
    m.Pl().m(1.0);
    m.FyzVlast();
    // IAPWS-95 (Wagner & Pruss, J. Phys. Chem. Ref. Data 31 (2002) 387): 997.05 kg/m3 at
    // 25 °C and 0.1 MPa; IAPWS 2008 viscosity (Huber et al., J. Phys. Chem. Ref. Data 38
    // (2009) 101): 890.0 uPa.s.
    EXPECT_NEAR(m.HustTr.toDouble(), 997.05, 0.005 * 997.05);
    EXPECT_NEAR(m.ViskTr.toDouble(), 890.0e-6, 0.05 * 890.0e-6);
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(BuiltDatabase, MethanolVapourAtOneAtmosphereCondensesAtItsNormalBoilingPoint) {
    TARMST& m = program().Vymenik();
    pure(m.Tr(), morvtest::water);
    pure(m.Pl(), morvtest::methanol);
    m.Tr().P(300000.0);
    m.Pl().P(101325.0);
    m.TrubKap = true;
    m.PlastKap = false;
    m.Ttrubi = 20.0;
    m.Ttrubo = 30.0;
    m.Tplasti = 70.0;
    m.Tplasto = 70.0;
    m.Tr().m(1.0);
    m.Pl().m(1.0);
    program().Kondenzator().he(program().VymenikRef());
    program().Kondenzator().FyzVlast();
    // Normal boiling point of methanol 337.8 K (NIST Chemistry WebBook, SRD 69).
    EXPECT_NEAR(m.TrbP.toDouble() + 273.15, 337.8, 1.0);
    EXPECT_TRUE(boxes.boxes().empty());
}

// Water heated from 20 °C in 100 tubes of 25 x 2 mm, 5 kg/s, by 4 kg/s of water entering the
// shell at 80 °C, counter-current, 10 m2; the outlets and the duty are sought, the
// coefficients come from the single-phase correlations.
TEST_F(BuiltDatabase, WaterWaterExchangerSolvesToTheBalancesOfBothStreams) {
    TARMST& m = program().Vymenik();
    pure(m.Tr(), morvtest::water);
    pure(m.Pl(), morvtest::water);
    m.Tr().P(300000.0);
    m.Pl().P(300000.0);
    m.Tr().m(5.0);
    m.Pl().m(4.0);
    m.TrubKap = true;
    m.PlastKap = true;
    m.TrTyp = 1;
    m.PlTyp = -1;
    m.Ttrubi = 20.0;
    m.Ttrubo = 35.0;
    m.Tplasti = 80.0;
    m.Tplasto = 65.0;
    m.Q = 300000.0;
    m.Dplast = 0.5;
    m.Dtrubi = 0.021;
    m.Dtrubo = 0.025;
    m.Ntrub = 100;
    m.Plocha = 10.0;
    m.L = 10.0 / (100 * 3.1415 * 0.025);
    m.Chod = 2;
    m.sT = 0.032;
    m.sL = 0.0277;
    m.NstredT = 10;
    m.NstredL = 10.0;
    m.dPrep = 0.4;
    m.Vodw = 16.0;
    m.Zneci = 0.0002;
    m.Zneco = 0.0001;
    m.indProti = 1.0;
    for (int16_t i : {4, 5, 6})
        m.IPOM(i, 1);

    ASSERT_EQ(m.ResitVymenik().toDouble(), 0.0);
    EXPECT_TRUE(boxes.boxes().empty());

    // Both balances with the isobaric heat capacity of water (IAPWS-95 at 0.3 MPa):
    // 4180 J/kg/K near 30 °C in the tubes, 4190 J/kg/K near 70 °C in the shell.
    const double Q = m.Q;
    EXPECT_NEAR(Q, 5.0 * 4180.0 * (m.Ttrubo - 20.0), 0.005 * Q);
    EXPECT_NEAR(Q, 4.0 * 4190.0 * (80.0 - m.Tplasto), 0.005 * Q);
    // The duty is that of the counter-current effectiveness at the exchanger's k A.
    const double W = m.WTr.toDouble();
    const double NTU = m.Plocha * m.Kprostup / W;
    EXPECT_NEAR(Q, counterCurrent(m.Rkap, NTU) * W * 60.0, 0.005 * Q);
    // Water-water coefficients of a few hundred to a few thousand W/m2/K.
    EXPECT_GT(m.Kprostup, 300.0f);
    EXPECT_LT(m.Kprostup, 3000.0f);
}

} // namespace
