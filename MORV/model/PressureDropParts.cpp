#include "MORV/model/PressureDropParts.h"

#include "MORV/model/MorvConstants.h"
#include "Platform/Checked.h"

#include <cstdint>

namespace morv::detail {

namespace chk = platform::chk;
using platform::Variant;
using platform::VArray;
using platform::chk::Num;

VArray composition(const Proud& stream) {
    VArray r(0, k::lastFraction);
    for (int16_t i = 1; i <= k::lastFraction; ++i)
        r(i) = Variant(stream.Xm(i));
    return r;
}

NozzleFluid nozzleFluid(Proud& stream, bool liquid, double T, const VArray& r) {
    StreamProperties& props = stream.properties();
    const Variant kelvin(Num(T) + k::kelvinOffset);
    NozzleFluid fluid{};
    if (liquid) {
        fluid.rho = props.ROLW(kelvin, r).toDouble();
        fluid.mu = props.ETAL(kelvin, r).toDouble();
    } else {
        fluid.rho = props.RROGW(kelvin, Variant(stream.P()), r).toDouble();
        fluid.mu = props.ETAG(kelvin, r).toDouble();
    }
    return fluid;
}

void tubeNozzle(double m, double d, const NozzleFluid& fluid, const NozzleFields& out) {
    const double re = Num(m) * 4.0 / k::pi / d / fluid.mu;
    out.Re = Variant(re);
    const int16_t loss = re < k::tubeNozzleReynolds ? 2 : 1;
    out.loss = Variant(loss);
    const double v = Num(re) * fluid.mu / d / fluid.rho;
    out.v = Variant(v);
    out.dP = Variant(Num(loss) * fluid.rho * v * v / 2.0);
}

void shellNozzle(double m, double d, const NozzleFluid& fluid, const NozzleFields& out) {
    const double v = Num(m) * 4.0 / fluid.rho / k::pi / d / d;
    out.v = Variant(v);
    const double re = Num(v) * d * fluid.rho / fluid.mu;
    out.Re = Variant(re);
    const double loss = re < k::shellNozzleReynolds ? 2.0 : 1.0;
    out.loss = Variant(loss);
    out.dP = Variant(Num(loss) * fluid.rho * v * v / 2.0);
}

Variant smallest(const VArray& x) {
    Variant m(1e30);
    if (!x.allocated()) return m;
    for (int32_t i = x.lbound(); i <= x.ubound(); ++i)
        if (x(i) < m) m = x(i);
    return m;
}

} // namespace morv::detail
