//! Mean properties of the condensation model: the streams' properties of `he` and those of
//! the condensate of the condensing side.

#include "KWELARdll/model/KwelarConstants.h"
#include "MORV/model/HeatTransferCommon.h"
#include "MORV/model/MorvConstants.h"
#include "MORV/model/TARMMORV.h"
#include "Platform/Checked.h"
#include "Platform/Format.h"
#include "Platform/RunTimeError.h"

namespace morv {

namespace chk = platform::chk;
using platform::Variant;
using platform::VArray;
using platform::chk::Num;

namespace {

//! A side that condenses takes its dew point tDew [°C] as its condensing temperature. When
//! the property library found none (its 0 K, -273.15 °C here), the library's calculation
//! error is raised, with the dew point's member and the stream's pressure p [Pa] in its
//! source, as the library reports its own failures of that member.
void requireDewPoint(double tDew, double p) {
    if (Num(tDew) + k::kelvinOffset < k::pointFoundFrom)
        platform::raise(kwelar::ChybaVypoctu, "KWELAR - TRB; P(Pa)= " + platform::format(p, "#0"),
                        "Výp.ros.bodu diverguje!");
}

} // namespace

void TARMMORV::storeCondensate(StreamProperties& props, const VArray& r, double tMean) {
    const Variant T = heat::kelvin(tMean);
    Hustko = props.ROLW(T, r);
    Cpko = props.CPLW(T, r);
    Viskko = props.ETAL(T, r);
    Vodko = props.ALAL(T, r);
    Prko = Num(Viskko) * Cpko / Vodko;
}

void TARMMORV::FyzVlast(const Variant* ProX) {
    TARMST& h = he();
    if (ProX) {
        // The trial-vector mode is passed on by presence; the value given is not.
        const Variant trialMode(int16_t{1});
        h.FyzVlast(&trialMode);
        if (!h.TrubKap) requireDewPoint(h.TrbT.toDouble(), h.Tr().P());
        if (!h.PlastKap) requireDewPoint(h.TrbP.toDouble(), h.Pl().P());
    } else {
        h.FyzVlast();
    }

    heat::fillComposition(h.Pl(), m_rPl);
    heat::fillComposition(h.Tr(), m_rTr);
    if (h.TrubKap)
        storeCondensate(h.Pl().properties(), m_rPl.r, h.Tplaststr.toDouble());
    else
        storeCondensate(h.Tr().properties(), m_rTr.r, h.Ttrubstr.toDouble());
}

} // namespace morv
