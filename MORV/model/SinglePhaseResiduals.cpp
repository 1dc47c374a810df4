#include "MORV/model/SinglePhaseResiduals.h"

#include "Platform/Checked.h"

#include <cmath>

namespace morv::detail {

namespace chk = platform::chk;
using platform::Variant;

void singlePhaseResiduals(TARMST& m, const TrialValues& x, platform::VArray& FF, double dutyFactor) {
    // The area as an unknown is solved through the tube length [m].
    if (m.IPOM(7) == 1) {
        m.L = x[8];
        m.Plocha = chk::mul(chk::mul(chk::mul(static_cast<double>(m.Ntrub), k::pi), m.Dtrubo), x[8]);
    }

    const Variant trialMode(int16_t{1});
    m.FyzVlast(&trialMode);
    m.PrestupTrubky();
    m.PrestupPlast();

    // Overall coefficient referred to the outer surface [W/m2/K].
    const float q = chk::single(chk::div(m.Dtrubo, m.Dtrubi));
    const double resistance =
        chk::add(chk::add(chk::div(1.0, m.Alfakon.toDouble()), chk::div(1.0, m.Alfao.toDouble())),
                 chk::div(q, m.Alfai.toDouble()));
    m.Kprostup = chk::div(1.0, resistance);
    const double WTr = m.WTr.toDouble();
    const double NTU = chk::div(chk::single(chk::mul(m.Plocha, m.Kprostup)), WTr);
    m.Pterm = m.P_TermUcin(Variant(m.Rkap), Variant(NTU), Variant(m.indProti));

    const double duty = chk::mul(dutyFactor, x[7]);
    // Heat of each stream: a heated stream (type 1) warms from inlet to outlet, another cools.
    const double tubeRise = m.TrTyp == 1 ? chk::sub(x[5], x[3]) : chk::sub(x[3], x[5]);
    const double shellRise = m.PlTyp == 1 ? chk::sub(x[6], x[4]) : chk::sub(x[4], x[6]);
    FF(1) = Variant(chk::sub(chk::mul(WTr, tubeRise), duty));
    FF(2) = Variant(chk::sub(chk::mul(m.WPl.toDouble(), shellRise), duty));
    // The duty the effectiveness of the tube stream gives for the difference of the inlets.
    const double rate =
        chk::mul(chk::mul(static_cast<double>(m.Pterm), WTr), std::fabs(chk::sub(x[4], x[3])));
    FF(3) = Variant(chk::sub(rate, duty));
}

} // namespace morv::detail
