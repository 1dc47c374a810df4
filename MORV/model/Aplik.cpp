#include "MORV/model/Aplik.h"

#include "MORV/model/ProgramState.h"
#include "MORV/model/SinglePhaseResiduals.h"

namespace morv {

using platform::Variant;
using platform::VArray;

void Aplik::FUN(VArray& xx, VArray& FF, Variant&, VArray&) {
    TARMST& m = program().Vymenik();
    for (int16_t i = 1; i <= k::mainQuantities; ++i)
        m.xx(i, xx(i));
    detail::TrialValues x = {};
    for (int16_t i = 1; i <= k::mainQuantities; ++i)
        x[i] = m.xx(i).toDouble();
    detail::singlePhaseResiduals(m, x, FF, 1.0);
}

void Aplik::Fun(VArray& X, VArray& F, Variant& n, VArray& z) {
    FUN(X, F, n, z);
}

} // namespace morv
