//! Residuals of the design solve: the heat balances of both streams and the rate equation
//! with a condensing temperature constant along the exchanger.

#include "MORV/model/MorvConstants.h"
#include "MORV/model/TARMMORV.h"
#include "Platform/Checked.h"

namespace morv {

namespace chk = platform::chk;
using platform::Variant;
using platform::VArray;
using platform::chk::Num;

namespace {

//! Effectiveness of an exchanger with one condensing stream of NTU transfer units [-]:
//! 1 - exp(-NTU), the limit of the P-NTU relation for a capacity ratio of 0.
double condensingEffectiveness(double NTU) {
    return 1.0 - Num(chk::exp(-NTU));
}

//! The trial values of one stream [kg/s, °C] and its properties.
struct StreamBalance {
    int16_t typ; //!< +1 heated, otherwise the stream condenses
    double W;    //!< heat-capacity flow [W/K]
    double m;    //!< mass flow [kg/s]
    double dH;   //!< heat of vaporisation [J/kg]
    double cp;   //!< heat capacity of the vapour [J/kg/K]
    double tDew; //!< dew point [°C]
    double tIn;  //!< inlet [°C]
    double tOut; //!< outlet [°C]
};

//! Heat taken up or given up by one stream [W] minus the duty [W]: W (tOut - tIn) when it is
//! heated; else m (dH + cp (tIn - tDew)), the vapour cooled to its dew point and condensed,
//! plus m cpCondensate (tDew - tOut) when the condensate leaves below the dew point.
double balanceResidual(const StreamBalance& s, double cpCondensate, double duty) {
    if (s.typ == 1) return s.W * (Num(s.tOut) - s.tIn) - duty;
    const double vapour = s.m * (s.dH + s.cp * (Num(s.tIn) - s.tDew));
    double residual = Num(vapour) - duty;
    if (s.tOut < s.tDew) residual = residual + Num(s.m) * cpCondensate * (Num(s.tDew) - s.tOut);
    return residual;
}

//! Heat transferred [W] minus the duty [W]: KA (tOut - tIn) / ln r, r = (Tc - tIn) / (Tc - tOut)
//! at least 1e-6, for the heated stream from tIn to tOut against the condensing temperature
//! Tc [°C]; KA is the product of area and overall coefficient [W/K].
double rateResidual(double KA, double Tc, double tIn, double tOut, double duty) {
    double r = (Num(Tc) - tIn) / (Num(Tc) - tOut);
    if (r < k::temperatureRatioFloor) r = k::temperatureRatioFloor;
    return KA * (Num(tOut) - tIn) / chk::log(r) - duty;
}

} // namespace

void TARMMORV::FUN(VArray& xx, VArray& FF, Variant&, VArray&) {
    TARMST& h = he();
    for (int16_t i = 1; i <= k::mainQuantities; ++i)
        h.xx(i, xx(i));
    double x[k::mainQuantities + 1] = {};
    for (int16_t i = 1; i <= k::mainQuantities; ++i)
        x[i] = h.xx(i).toDouble();

    // The area as an unknown is solved through the tube length [m].
    if (h.IPOM(7) == 1) {
        h.L = x[8];
        h.Plocha = Num(h.Ntrub) * k::pi * h.Dtrubo * x[8];
    }

    const Variant trialMode(int16_t{1});
    FyzVlast(&trialMode);
    PrestupTrubky();
    PrestupPlast();

    // Overall coefficient referred to the outer surface [W/m2/K], the inside resistance
    // scaled by q = Dtrubo / Dtrubi.
    const float q = chk::single(Num(h.Dtrubo) / h.Dtrubi);
    const double resistance =
        1.0 / Num(h.Alfakon.toDouble()) + 1.0 / Num(h.Alfao.toDouble()) + Num(q) / h.Alfai.toDouble();
    h.Kprostup = 1.0 / Num(resistance);
    const float KA = chk::single(Num(h.Plocha) * h.Kprostup);
    const double NTU = Num(KA) / h.WTr.toDouble();
    h.Pterm = condensingEffectiveness(NTU);

    const double duty = Num(k::dutyScale) * x[7];
    const StreamBalance tube{h.TrTyp,           h.WTr.toDouble(),  x[1], h.dHTr.toDouble(),
                             h.CpTr.toDouble(), h.TrbT.toDouble(), x[3], x[5]};
    const StreamBalance shell{h.PlTyp,           h.WPl.toDouble(),  x[2], h.dHPl.toDouble(),
                              h.CpPl.toDouble(), h.TrbP.toDouble(), x[4], x[6]};
    FF(1) = Variant(chk::finite(balanceResidual(tube, Cpko, duty)));
    FF(2) = Variant(chk::finite(balanceResidual(shell, Cpko, duty)));
    // Only the tube stream's type decides which side condenses.
    const double rate = h.TrTyp == 1 ? rateResidual(KA, shell.tDew, x[3], x[5], duty)
                                     : rateResidual(KA, tube.tDew, x[4], x[6], duty);
    FF(3) = Variant(chk::finite(rate));
}

void TARMMORV::Fun(VArray& X, VArray& F, Variant& n, VArray& z) {
    FUN(X, F, n, z);
}

Variant TARMMORV::P_TermUcin(const Variant&, const Variant& ksW, const Variant&) const {
    return Variant(condensingEffectiveness(ksW.toDouble()));
}

Variant TARMMORV::Cotgh(const Variant& x) const {
    const double v = x.toDouble();
    const double ep = chk::exp(v);
    const double em = chk::exp(-v);
    return Variant((Num(em) + ep) / (Num(ep) - em));
}

} // namespace morv
