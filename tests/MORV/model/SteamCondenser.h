#pragma once
//! A steam condenser on the recording property sources, for the tests of the design solve:
//! steam at 100 °C condensing in the shell of a horizontal exchanger, cooling water heated in
//! 100 tubes of 25 x 2 mm, the coefficients fixed by method 4, so that the overall coefficient
//! and with it the whole solution follow from a few lines of arithmetic.

#include "FixtureProperties.h"
#include "TestSupport.h"

#include "MORV/model/ProgramState.h"
#include "MORV/model/TARMMORV.h"
#include "MORV/model/TARMST.h"

#include <cmath>
#include <memory>

namespace morvtest {

//! The value a single-precision field holds after storing x.
inline double f32(double x) {
    return static_cast<float>(x);
}

class SteamCondenser : public ::testing::Test {
protected:
    // Water in the tubes (IAPWS-95 near 25 °C) and steam in the shell at 1 atm, its
    // condensate water near 100 °C (the fixture's defaults).
    static constexpr double cpWater = 4180.0;      // [J/kg/K]
    static constexpr double hfg = 2.257e6;         // [J/kg]
    static constexpr double cpSteam = 2080.0;      // [J/kg/K]
    static constexpr double cpCondensate = 4216.0; // [J/kg/K]
    static constexpr double AlfaiK = 5000.0;       // [W/m2/K]
    static constexpr double AlfaoK = 8000.0;       // [W/m2/K]
    static constexpr double pi = 3.1415;           // the model's pi

    void SetUp() override {
        morv::resetProgram();
        k().he(morv::program().VymenikRef());
        k().MetodaP = 4;
        morv::TARMST& m = he();
        m.Tr().properties(tube);
        m.Pl().properties(shell);
        tube->rolw = FixtureProperties::constant(997.0);
        tube->etal = FixtureProperties::constant(8.9e-4);
        tube->alal = FixtureProperties::constant(0.607);
        tube->cplw = FixtureProperties::constant(cpWater);
        m.Tr().m(50.0);
        m.Pl().m(1.0);
        m.Tr().P(300000.0);
        m.Pl().P(101325.0);
        m.TrubKap = true;
        m.PlastKap = false;
        m.Natok = 0;
        m.TrTyp = 1;
        m.PlTyp = -1;
        m.Ttrubi = 20.0;
        m.Ttrubo = 30.0;
        m.Tplasti = 100.0;
        m.Tplasto = 95.0;
        m.Q = 2.2e6;
        m.Dplast = 0.5;
        m.Dtrubi = 0.021;
        m.Dtrubo = 0.025;
        m.L = 2.0;
        m.Ntrub = 100;
        m.Plocha = 100 * pi * 0.025 * 2.0;
        m.Chod = 2;
        m.sT = 0.032;
        m.sL = 0.0277;
        m.NstredT = 10;
        m.NstredL = 10.0;
        m.dPrep = 0.4;
        m.hPrep = 0.7;
        m.Vodw = 16.0;
        m.Zneci = 0.0002;
        m.Zneco = 0.0001;
        m.HrdloPli = 0.2;
        m.HrdloPlo = 0.05;
        m.HrdloTri = 0.15;
        m.HrdloTro = 0.15;
        m.Drsnost = 1e-5;
        m.AlfaiK = AlfaiK;
        m.AlfaoK = AlfaoK;
        // Unknowns: the water flow, the duty and the area; the shell stream is the warm one.
        m.IPOM(0, 1);
        m.IPOM(6, 1);
        m.IPOM(7, 1);
        m.IPOM(8, 1);
    }
    void TearDown() override { morv::resetProgram(); }

    static morv::TARMMORV& k() { return morv::program().Kondenzator(); }
    static morv::TARMST& he() { return morv::program().Vymenik(); }

    //! Dew point of the steam [°C] as the model takes it from the fixture's 373.15 K.
    static double dewPoint() { return 373.15 - 273.15; }
    //! Conductance of the wall with both fouling layers [W/m2/K] of the fields above:
    //! 1 / (Rfo + do / (2 lambda_w) ln(do / di) + (do / di) Rfi), all outer-surface based.
    static double wallConductance() {
        const double di = f32(0.021), d0 = f32(0.025);
        return 1.0 / (f32(0.0001) + d0 / 16.0 / 2.0 * std::log(d0 / di) + d0 / di * f32(0.0002));
    }
    //! Overall coefficient [W/m2/K] of the fixed coefficients with the wall conductance Ak:
    //! 1 / (1/Ak + 1/alpha_o + (do/di)/alpha_i), do/di in single precision, the result single.
    static double overallCoefficient(double Ak) {
        const double q = f32(f32(0.025) / f32(0.021));
        return f32(1.0 / ((1.0 / Ak + 1.0 / AlfaoK) + q / AlfaiK));
    }

    std::shared_ptr<FixtureProperties> tube = std::make_shared<FixtureProperties>();
    std::shared_ptr<FixtureProperties> shell = std::make_shared<FixtureProperties>();
};

} // namespace morvtest
