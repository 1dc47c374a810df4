#pragma once
//! One fluid of the Lee-Kesler generalized correlation (the simple or the reference fluid) at a
//! reduced temperature: its compressibility at a reduced density, the density at a reduced
//! pressure, and its departure functions. The reduced density is rho = pc V_id / V with the
//! ideal reduced volume, so Z = pr / (Tr rho). Every operation is checked: a failure raises its
//! run-time error.

#include "KWELARdll/model/KwelarConstants.h"

namespace kwelar {

class LeeKeslerFluid {
public:
    //! The fluid of constants k at the reduced temperature Tr; Tr = 0 raises 11.
    LeeKeslerFluid(const LeeKeslerConstants& k, double Tr);

    //! Z = 1 + B rho + C rho^2 + D rho^5 + F rho^2 (beta + gamma rho^2) exp(-gamma rho^2).
    double Z(double rho) const;
    //! d(Z rho)/d rho = 1 + 2B rho + 3C rho^2 + 6D rho^5
    //!                  + F rho^2 e (3 beta + (5 gamma - 2 beta gamma) rho^2 - 2 gamma^2 rho^4).
    double G(double rho) const;

    //! A reduced density and the compressibility there.
    struct Density {
        double rho;
        double Z;
    };
    //! Newton's method on pr = Tr Z(rho) rho from rho: each pass forms Z, counts itself and
    //! takes the step (pr - Tr Z rho) / (Tr G), cut to a tenth of rho; it stops when the step
    //! is below 5e-6 or when the counter exceeds passLimit, without applying that last step.
    Density density(double pr, double rho, int passLimit) const;

    //! Departure functions of the fluid at its density rho with compressibility Z.
    struct Departures {
        double g; //!< ln of the fugacity coefficient
        double h; //!< (H - H_ig) / (R Tc)
        double v; //!< (Cv - Cv_ig) / R
        double w; //!< Z + Tr (dZ/dTr) at constant rho, equal to (dp/dT)_rho / (rho R)
        double G; //!< d(Z rho)/d rho, equal to (dp/drho)_T / (R T)
    };
    Departures departures(double rho, double Z) const;

private:
    const LeeKeslerConstants& m_k;
    double m_Tr;
    double m_B, m_C, m_D, m_F;
};

} // namespace kwelar
