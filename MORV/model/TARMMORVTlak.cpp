//! Pressure drops of the condensation model: the single-phase pressure drops of `he`,
//! corrected on the side that carries the condensing stream.

#include "MORV/model/PressureDropParts.h"
#include "MORV/model/TARMMORV.h"
#include "Platform/Checked.h"
#include "Platform/Conversions.h"

#include <cstdint>

namespace morv {

namespace chk = platform::chk;
using platform::Variant;
using platform::VArray;
using platform::chk::Num;

Variant TARMMORV::Min(VArray& x) const {
    return detail::smallest(x);
}

// The stream enters as vapour and leaves as condensate: the inlet nozzle keeps its gas
// value, the passes and turns count half, the outlet nozzle carries the liquid.
void TARMMORV::TlakZtrTrubky(Variant* Tlz) {
    TARMST& e = he();
    e.TlakZtrTrubky(Tlz);
    if (e.TrubKap) return;

    const VArray r = detail::composition(e.Tr());
    double total = Num(e.dPtr.toDouble()) - e.dPtrvys.toDouble();
    const int16_t turns = platform::toInteger(static_cast<double>(e.Chod) - 1.0);
    const double passes = Num(e.Chod) * e.dPtru.toDouble() + Num(turns) * e.dPkom.toDouble();
    total = total - 0.5 * Num(passes);
    e.dPtr = Variant(total);
    e.dPtru = Variant(e.dPtru.toDouble() / 2.0);

    const detail::NozzleFluid condensate = detail::nozzleFluid(e.Tr(), true, e.Ttrubo, r);
    detail::tubeNozzle(e.Tr().m(), e.HrdloTro, condensate, {e.vtrvys, e.Retrvys, e.Gtrvys, e.dPtrvys});
    e.dPtr = Variant(Num(e.dPtr.toDouble()) + e.dPtrvys.toDouble());
    if (Tlz) *Tlz = e.dPtr;
}

// The shell stream enters as vapour and leaves as condensate: the inlet nozzle keeps its
// gas value, the segments and windows count half, the outlet nozzle carries the liquid.
void TARMMORV::TlakZtrPlast(Variant* Tlz) {
    TARMST& e = he();
    e.TlakZtrPlast(Tlz);
    if (e.PlastKap) return;

    const VArray r = detail::composition(e.Pl());
    const double baffles = e.Nprep.toDouble();
    double total = Num(e.dPpl.toDouble()) - e.dPplvys.toDouble();
    const double bundle = Num(baffles) * e.dPus.toDouble() + (Num(baffles) + 1.0) * e.dPplsv.toDouble();
    total = total - 0.5 * Num(bundle);
    e.dPpl = Variant(total);
    e.dPus = Variant(e.dPus.toDouble() / 2.0);
    e.dPplsv = Variant(e.dPplsv.toDouble() / 2.0);

    const detail::NozzleFluid condensate = detail::nozzleFluid(e.Pl(), true, e.Tplasto, r);
    detail::shellNozzle(e.Pl().m(), e.HrdloPlo, condensate, {e.vplvys, e.Replvys, e.fplvys, e.dPplvys});
    e.dPpl = Variant(Num(e.dPpl.toDouble()) + e.dPplvys.toDouble());
    if (Tlz) *Tlz = e.dPpl;
}

} // namespace morv
