#include "MORV/model/HeatTransferCommon.h"

#include "MORV/model/MorvConstants.h"
#include "Platform/Checked.h"

#include <cmath>

namespace morv::heat {

namespace chk = platform::chk;
using platform::Variant;
using platform::chk::Num;

namespace {

//! Fills r with the composition array of a stream of n components, writing only the
//! elements that differ from what they must hold.
void fillElements(Proud& stream, int32_t n, platform::VArray& r) {
    if (!(r.allocated() && r.lbound() == 0 && r.ubound() == k::lastFraction)) r.redim(0, k::lastFraction);
    for (int32_t i = 0; i <= k::lastFraction; ++i) {
        if (i >= 1 && i <= n) {
            const Variant x(stream.Xm(static_cast<int16_t>(i)));
            if (!r(i).sameBits(x)) r(i) = x;
        } else if (!r(i).isEmpty()) {
            r(i) = Variant();
        }
    }
    // A count beyond the last fraction raises 9 at its first element.
    for (int32_t i = k::lastFraction + 1; i <= n; ++i)
        r(i) = stream.Xm(static_cast<int16_t>(i));
}

} // namespace

platform::VArray composition(Proud& stream) {
    platform::VArray r;
    fillComposition(stream, r);
    return r;
}

void fillComposition(Proud& stream, platform::VArray& r) {
    fillElements(stream, stream.properties().Nsloz().toLong(), r);
}

void fillComposition(Proud& stream, CompositionArray& c) {
    const int32_t n = stream.properties().Nsloz().toLong();
    // Filled last from the same fractions of the same stream and as many components: the
    // array already holds what a fill would write.
    if (c.stamp != 0 && c.stamp == stream.XmStamp() && c.n == n) return;
    c.stamp = 0;
    fillElements(stream, n, c.r);
    c.stamp = stream.XmStamp();
    c.n = n;
}

Variant kelvin(double t) {
    return Num(t) + k::kelvinOffset;
}

double trialTubeMean(const TARMST& he) {
    return (Num(he.xx(3).toDouble()) + he.xx(5).toDouble()) / 2.0;
}

double trialShellMean(const TARMST& he) {
    return (Num(he.xx(4).toDouble()) + he.xx(6).toDouble()) / 2.0;
}

void storeMeanTemperatures(TARMST& he) {
    he.Tsi = trialTubeMean(he);
    he.Tso = trialShellMean(he);
}

double innerWallTemperature(const TARMST& he) {
    const double Tsi = he.Tsi.toDouble();
    const double Tso = he.Tso.toDouble();
    const float F = chk::single(Num(he.TrTyp) * he.Kprostup * he.Dtrubo / he.Dtrubi);
    const double resistance = 1.0 / Num(he.Alfai.toDouble()) + he.Zneci;
    return Tsi + Num(F) * resistance * std::fabs(Num(Tsi) - Tso);
}

double outerWallTemperature(const TARMST& he) {
    const double Tsi = he.Tsi.toDouble();
    const double Tso = he.Tso.toDouble();
    const double resistance = 1.0 / Num(he.Alfao.toDouble()) + he.Zneco;
    const double flux = Num(he.PlTyp) * he.Kprostup * resistance;
    return Tso + Num(flux) * std::fabs(Num(Tsi) - Tso);
}

double bundleVoidage(const TARMST& he) {
    float solid = chk::single(Num(he.Dtrubo) / he.sL);
    if (1.0f > chk::single(Num(he.sL) / he.Dtrubo))
        solid = chk::single(Num(he.Dtrubo) * he.Dtrubo / he.sL / he.sT);
    return 1.0 - k::pi / 4.0 * Num(solid);
}

} // namespace morv::heat
