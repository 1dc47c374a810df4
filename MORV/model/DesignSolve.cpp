#include "MORV/model/DesignSolve.h"

#include "MORV/model/BoilingPointCache.h"
#include "MORV/model/MorvConstants.h"
#include "Platform/Checked.h"
#include "RalvoC1/numeric/Ralvo.h"

namespace morv {

namespace chk = platform::chk;
using platform::Variant;
using platform::VArray;
using platform::chk::Num;

namespace {

//! The Newton method's call common to both kinds.
Variant newton(ProgramState& state, const SolveControl& control, Variant& ID) {
    const Variant n(k::equations);
    return ralvo::Ralvo::app().Newton(state.Kondenzator(), n, n, Variant(k::mainQuantities), state.VektorX,
                                      state.Nezname, state.VektorZ, ID, Variant(control.Eps), control.ALAM,
                                      Variant(state.MaxIter));
}

} // namespace

double wallConductance(const TARMST& m) {
    const double wall = Num(m.Dtrubo) / m.Vodw / 2.0 * chk::log(Num(m.Dtrubo) / m.Dtrubi);
    return 1.0 / (Num(m.Zneco) + wall + Num(m.Dtrubo) / m.Dtrubi * m.Zneci);
}

void startCoefficients(TARMST& m) {
    m.Alfakon = wallConductance(m);
    m.Alfai0 = k::startAlfai;
    m.Alfao0 = k::startAlfao;
    m.Alfai = m.Alfai0;
    m.Alfao = m.Alfao0;
    const float resistance = chk::single(1.0 / Num(m.Alfakon.toDouble()) + 1.0 / Num(m.Alfao.toDouble()) +
                                         Num(m.Dtrubo) / m.Dtrubi / m.Alfai.toDouble());
    m.Kprostup = 1.0 / Num(resistance);
}

void vectorFromFields(TARMST& m) {
    m.xx(1, m.Tr().m());
    m.xx(2, m.Pl().m());
    m.xx(3, static_cast<double>(m.Ttrubi));
    m.xx(4, static_cast<double>(m.Tplasti));
    m.xx(5, static_cast<double>(m.Ttrubo));
    m.xx(6, static_cast<double>(m.Tplasto));
    m.xx(7, Num(m.Q) / k::dutyScale);
    m.xx(8, Num(m.Plocha) / m.Ntrub / k::pi / m.Dtrubo);
}

int16_t unknownPositions(const TARMST& m, VArray& positions) {
    int16_t n = 0;
    int32_t next = 1;
    for (int16_t i = 0; i <= 7; ++i) {
        n = platform::toInteger(static_cast<double>(n) + m.IPOM(i));
        if (m.IPOM(i) == 1) positions(next++) = Variant(static_cast<int16_t>(i + 1));
    }
    return n;
}

bool unknownsChosenRightly(const TARMST& m) {
    VArray positions(0, k::mainQuantities);
    const bool tubeSide = m.IPOM(0) != 0 || m.IPOM(2) != 0 || m.IPOM(4) != 0 || m.IPOM(6) != 0;
    const bool shellSide = m.IPOM(1) != 0 || m.IPOM(3) != 0 || m.IPOM(5) != 0 || m.IPOM(6) != 0;
    return unknownPositions(m, positions) == k::equations && tubeSide && shellSide;
}

SolveControl designSolveControl(const Variant& TlumKonst, const TARMMORV& condenser) {
    SolveControl c{k::designTolerance, TlumKonst};
    if (condenser.MetodaP > 1 && condenser.Xinert > k::someInerts)
        c.ALAM = TlumKonst / Variant(k::someInertsDamping);
    if (condenser.Xinert > k::manyInerts) {
        c.ALAM = TlumKonst / Variant(k::manyInertsDamping);
        c.Eps = k::designTolerance * k::manyInertsTolerance;
    }
    return c;
}

void fieldsFromVector(TARMST& m) {
    m.Tr().m(m.xx(1).toDouble());
    m.Pl().m(m.xx(2).toDouble());
    m.Ttrubi = m.xx(3);
    m.Tplasti = m.xx(4);
    m.Ttrubo = m.xx(5);
    m.Tplasto = m.xx(6);
    m.Q = Num(m.xx(7).toDouble()) * k::dutyScale;
    m.Plocha = Num(m.xx(8).toDouble()) * m.Ntrub * k::pi * m.Dtrubo;
}

DesignSolveResult designSolve(ProgramState& state, DesignSolveKind kind,
                              const std::function<bool()>& beforeNewton) {
    const bool calculation = kind == DesignSolveKind::Calculation;
    DesignSolveResult result;
    TARMST& m = state.Vymenik();

    if (!unknownsChosenRightly(m)) {
        result.status = DesignSolveStatus::WrongUnknowns;
        return result;
    }
    unknownPositions(m, state.Nezname);
    // The streams' pressures and compositions stay as they are until the solve ends.
    const FixedBoilingPoints fixed(m);

    if (calculation) {
        // The shell stream leaves at its dew point at the most.
        const double dew = m.TrbP.toDouble();
        if (dew >= k::dewPointKnownFrom && m.Tplasto > dew) m.Tplasto = dew;
        startCoefficients(m);
    }
    vectorFromFields(m);
    m.FyzVlast();
    if (beforeNewton && !beforeNewton()) return result;

    TARMMORV& condenser = state.Kondenzator();
    condenser.he(state.VymenikRef());
    for (int16_t i = 1; i <= k::lastVariable; ++i)
        state.VektorX(i) = m.xx(i);
    if (calculation) {
        result.control = designSolveControl(state.TlumKonst, condenser);
        state.TlumAkt = result.control.ALAM;
    } else {
        result.control = {k::analysisTolerance, Variant(k::analysisDamping)};
    }
    result.iterations = newton(state, result.control, result.ID);
    result.status = DesignSolveStatus::Solved;
    const bool converged = result.converged();

    if (calculation && !converged) {
        Variant n(k::equations);
        condenser.FUN(state.VektorX, state.Rezidua, n, state.VektorZ);
    }
    for (int16_t i = 1; i <= k::lastVariable; ++i)
        m.xx(i, state.VektorX(i));
    fieldsFromVector(m);
    if (converged || !calculation) {
        condenser.TlakZtrTrubky();
        condenser.TlakZtrPlast();
    }
    return result;
}

} // namespace morv
