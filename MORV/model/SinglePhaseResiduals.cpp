#include "MORV/model/SinglePhaseResiduals.h"

#include "Platform/Checked.h"

#include <cmath>

namespace morv::detail {

namespace chk = platform::chk;
using platform::Variant;
using platform::chk::Num;

void singlePhaseResiduals(TARMST& m, const TrialValues& x, platform::VArray& FF, double dutyFactor) {
    // The area as an unknown is solved through the tube length [m].
    if (m.IPOM(7) == 1) {
        m.L = x[8];
        m.Plocha = Num(m.Ntrub) * k::pi * m.Dtrubo * x[8];
    }

    const Variant trialMode(int16_t{1});
    m.FyzVlast(&trialMode);
    m.PrestupTrubky();
    m.PrestupPlast();

    // Overall coefficient referred to the outer surface [W/m2/K].
    const float q = chk::single(Num(m.Dtrubo) / m.Dtrubi);
    const double resistance =
        1.0 / Num(m.Alfakon.toDouble()) + 1.0 / Num(m.Alfao.toDouble()) + Num(q) / m.Alfai.toDouble();
    m.Kprostup = 1.0 / Num(resistance);
    const double WTr = m.WTr.toDouble();
    const double NTU = Num(chk::single(Num(m.Plocha) * m.Kprostup)) / WTr;
    m.Pterm = m.P_TermUcin(Variant(m.Rkap), Variant(NTU), Variant(m.indProti));

    const double duty = Num(dutyFactor) * x[7];
    // Heat of each stream: a heated stream (type 1) warms from inlet to outlet, another cools.
    const double tubeRise = m.TrTyp == 1 ? Num(x[5]) - x[3] : Num(x[3]) - x[5];
    const double shellRise = m.PlTyp == 1 ? Num(x[6]) - x[4] : Num(x[4]) - x[6];
    FF(1) = Variant(Num(WTr) * tubeRise - duty);
    FF(2) = Variant(Num(m.WPl.toDouble()) * shellRise - duty);
    // The duty the effectiveness of the tube stream gives for the difference of the inlets.
    const double rate = Num(m.Pterm) * WTr * std::fabs(Num(x[4]) - x[3]);
    FF(3) = Variant(Num(rate) - duty);
}

} // namespace morv::detail
