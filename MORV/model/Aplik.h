#pragma once
//! A residual function of the single-phase solve bound to the program's exchanger model
//! `Vymenik`, for a vector whose seventh element carries the duty itself [W].

#include "MorvModel/MorvModelExport.h"
#include "Platform/Array.h"
#include "Platform/Variant.h"
#include "RalvoC1/numeric/Uloha.h"

namespace morv {

class MORVMODEL_EXPORT Aplik : public ralvo::Uloha {
public:
    //! Copies xx(1..8) into `Vymenik.xx` (creating `Vymenik` when it is none) and fills FF(1..3)
    //! with the residuals of `TARMST::FUN` on `Vymenik`, the duty being x7 [W] itself.
    //! N and z are not used.
    void FUN(platform::VArray& xx, platform::VArray& FF, platform::Variant& N, platform::VArray& z);
    //! The Newton method's call of the residuals: `FUN`.
    void Fun(platform::VArray& X, platform::VArray& F, platform::Variant& n, platform::VArray& z) override;
    using ralvo::Uloha::Fun;
};

} // namespace morv
