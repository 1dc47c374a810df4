#pragma once
//! Parts of the pressure drops that the exchanger model and the condensation model share:
//! the composition handed to the property members, the fluid at a nozzle and the loss of
//! a tube-side or shell-side nozzle.

#include "MORV/model/Proud.h"
#include "Platform/Array.h"
#include "Platform/Variant.h"

namespace morv::detail {

//! Composition array of a stream for the property members: r(i) = Xm(i), i = 1..21.
platform::VArray composition(const Proud& stream);

//! Density and viscosity of the fluid in a nozzle.
struct NozzleFluid {
    double rho; //!< density [kg/m3]
    double mu;  //!< viscosity [Pa.s]
};

//! The stream's fluid at T [°C]: the liquid's density and viscosity when `liquid`, else
//! the real gas's at the stream's pressure; density first, then viscosity.
NozzleFluid nozzleFluid(Proud& stream, bool liquid, double T, const platform::VArray& r);

//! Fields of one nozzle.
struct NozzleFields {
    platform::Variant& v;    //!< velocity [m/s]
    platform::Variant& Re;   //!< Reynolds number [-]
    platform::Variant& loss; //!< loss coefficient [velocity heads]
    platform::Variant& dP;   //!< pressure drop [Pa]
};

//! Tube-side nozzle of diameter d [m] carrying the mass flow m [kg/s]:
//! Re = 4 m / (pi d mu), loss 2 (a 16-bit integer) below Re 4000 else 1,
//! v = Re mu / d / rho, dP = loss rho v^2 / 2; written in this order.
void tubeNozzle(double m, double d, const NozzleFluid& fluid, const NozzleFields& out);

//! Shell-side nozzle of diameter d [m] carrying the mass flow m [kg/s]:
//! v = 4 m / (rho pi d^2), Re = v d rho / mu, loss 2.0 below Re 10000 else 1.0,
//! dP = loss rho v^2 / 2; written in this order.
void shellNozzle(double m, double d, const NozzleFluid& fluid, const NozzleFields& out);

//! Smallest element of x: starts from 1e30 and takes each element below the current one.
platform::Variant smallest(const platform::VArray& x);

} // namespace morv::detail
