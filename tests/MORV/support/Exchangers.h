#pragma once
//! Exchangers of the tests and benchmarks of the model, built field by field in one place:
//! the tube-side and shell-side pressure-drop cases and a horizontal steam condenser with both
//! heat-transfer sides set up for one residual evaluation.

#include "FixtureProperties.h"

#include "MORV/model/ProgramState.h"
#include "MORV/model/TARMMORV.h"
#include "MORV/model/TARMST.h"

#include <memory>

namespace morvtest {

//! Water and a gas whose properties do not depend on temperature, for the pressure drops:
//! 1000 kg/m3 and 1e-3 Pa.s as a liquid, 5 kg/m3 and 1.5e-5 Pa.s as a gas. Every call is
//! recorded; a member the pressure drops do not use fails the test.
inline std::shared_ptr<FixtureProperties> pressureDropProperties() {
    auto props = std::make_shared<FixtureProperties>();
    props->expected = {"ROLW", "ETAL", "RROGW", "ETAG"};
    props->rolw = FixtureProperties::constant(1000.0);
    props->etal = FixtureProperties::constant(1e-3);
    props->rrogw = FixtureProperties::constant(5.0);
    props->etag = FixtureProperties::constant(1.5e-5);
    return props;
}

//! Water at 1 m/s in tubes of 20 mm, 3 m long (Re 10000), one pass, smooth; nozzles of 50 mm
//! carrying 0.5 kg/s at 2 bar, in at 20 °C and out at 60 °C.
inline void tubePressureDropCase(morv::TARMST& e, std::shared_ptr<morv::StreamProperties> props) {
    e.Tr().properties(std::move(props));
    e.Tr().m(0.5);
    e.Tr().P(2e5);
    e.TrubKap = true;
    e.Chod = 1;
    e.Dtrubi = 0.02;
    e.L = 3.0;
    e.Drsnost = 0.0;
    e.HrdloTri = 0.05;
    e.HrdloTro = 0.05;
    e.Ttrubi = 20.0;
    e.Ttrubo = 60.0;
    e.vtrubstr = 1.0;
    e.HustTr = 1000.0;
    e.ReT = 10000.0;
}

//! Water across a bundle of 100 tubes of 20 mm on a 25 mm square pitch in a 0.5 m shell, 3 m
//! long, baffles 0.6 m apart cut to 0.75 of the diameter, 10 rows in line; nozzles of 0.1 m and
//! 0.05 m carrying 2 kg/s at 3 bar, in at 20 °C and out at 40 °C; Re 5000 across the bundle.
inline void shellPressureDropCase(morv::TARMST& e, std::shared_ptr<morv::StreamProperties> props) {
    e.Pl().properties(std::move(props));
    e.Pl().m(2.0);
    e.Pl().P(3e5);
    e.PlastKap = true;
    e.Dplast = 0.5;
    e.Dtrubo = 0.02;
    e.Dtrubi = 0.016;
    e.L = 3.0;
    e.sL = 0.025;
    e.sT = 0.025;
    e.dPrep = 0.6;
    e.hPrep = 0.75;
    e.Ntrub = 100;
    e.NstredL = 10.0;
    e.Uspor = 0;
    e.HrdloPli = 0.1;
    e.HrdloPlo = 0.05;
    e.Tplasti = 20.0;
    e.Tplasto = 40.0;
    e.vplaststr = 0.25;
    e.HustPl = 1000.0;
    e.ViskPl = 1e-3;
    e.ViskwPl = 1e-3;
    e.ReP = 5000.0;
}

//! The program's horizontal steam condenser for one residual evaluation: cooling water
//! heated from 20 to 40 °C in 100 tubes of 21/25 mm, 3 m long, two passes, 10 kg/s; 0.5 kg/s
//! of steam condensing at 100 °C on the bundle (8 rows, 31.25 mm square pitch, baffles 0.5 m
//! apart in a 0.5 m shell) with 2 % inerts, method 3; the stream properties of the trial
//! vector and the previous coefficient's Kprostup of 900 W/m2/K already stored. Each stream
//! takes its properties from the source given.
inline morv::TARMST& horizontalSteamCondenser(std::shared_ptr<morv::StreamProperties> tube,
                                              std::shared_ptr<morv::StreamProperties> shell) {
    morv::resetProgram();
    morv::ProgramState& state = morv::program();
    state.Kondenzator().he(state.VymenikRef());
    morv::TARMST& m = state.Vymenik();
    m.Tr().properties(std::move(tube));
    m.Pl().properties(std::move(shell));
    m.Tr().Xm(1, 1.0);
    m.Pl().Xm(1, 1.0);
    m.Tr().P(3e5);
    m.Pl().P(101325.0);
    m.TrubKap = true;
    m.Dtrubi = 0.021;
    m.Dtrubo = 0.025;
    m.Dplast = 0.5;
    m.L = 3.0;
    m.dPrep = 0.5;
    m.Ntrub = 100;
    m.Chod = 2;
    m.NstredT = 12;
    m.NstredL = 8.0;
    m.sL = 0.03125;
    m.sT = 0.03125;
    m.Zneci = 0.0001;
    m.xx(1, 10.0);
    m.xx(2, 0.5);
    m.xx(3, 20.0);
    m.xx(5, 40.0);
    m.xx(4, 100.0);
    m.xx(6, 100.0);
    m.TrTyp = 1;
    m.PlTyp = -1;
    m.Kprostup = 900.0;
    m.ReT = 20000.0;
    m.PrT = 5.0;
    m.dL = 0.007;
    m.ViskTr = 8e-4;
    m.VodTr = 0.61;
    m.Ttrubstr = 30.0;
    m.TrbT = 100.0;
    m.HustTr = 0.6;
    m.Tplaststr = 100.0;
    m.TrbP = 100.0;
    m.HustPl = 2.0;
    m.vplaststr = 250.0;
    m.ReP = 1e4;
    m.PrP = 7.0;
    m.ViskPl = 1e-3;
    m.VodPl = 0.6;
    state.Kondenzator().Xinert = 0.02;
    state.Kondenzator().MetodaP = 3;
    return m;
}

} // namespace morvtest
