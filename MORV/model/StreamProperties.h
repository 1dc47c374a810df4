#pragma once
//! The property-library members the condenser model calls on a stream's mixture object.
//!
//! Every property member takes a temperature T [K] (the bubble and dew points a pressure p
//! [Pa] instead) and the stream's composition array r (mole fractions in elements 1 to
//! `Nsloz`, element 0 not used) and returns a general value. A stream hands out its mixture
//! object `S` through this interface; a test can give a stream a source of its own and so
//! fix the properties and see the calls.

#include "MorvModel/MorvModelExport.h"
#include "Platform/Array.h"
#include "Platform/Variant.h"

#include <string>

namespace morv {

class Proud;

class MORVMODEL_EXPORT StreamProperties {
public:
    virtual ~StreamProperties();

    //! Number of components of the mixture.
    virtual platform::Variant Nsloz() = 0;

    // ---- Liquid ----------------------------------------------------------------------------
    //! Density [kg/m3].
    virtual platform::Variant ROLW(const platform::Variant& T, const platform::VArray& r) = 0;
    //! Viscosity [Pa.s].
    virtual platform::Variant ETAL(const platform::Variant& T, const platform::VArray& r) = 0;
    //! Thermal conductivity [W/m/K].
    virtual platform::Variant ALAL(const platform::Variant& T, const platform::VArray& r) = 0;
    //! Heat capacity [J/kg/K].
    virtual platform::Variant CPLW(const platform::Variant& T, const platform::VArray& r) = 0;
    //! Heat of vaporisation [J/kg].
    virtual platform::Variant DHVW(const platform::Variant& T, const platform::VArray& r) = 0;
    //! Surface tension [N/m].
    virtual platform::Variant SIGMA(const platform::Variant& T, const platform::VArray& r) = 0;
    //! Volumetric expansion coefficient [1/K].
    virtual platform::Variant ObjRozL(const platform::Variant& T, const platform::VArray& r) = 0;

    // ---- Gas -------------------------------------------------------------------------------
    //! Viscosity [Pa.s].
    virtual platform::Variant ETAG(const platform::Variant& T, const platform::VArray& r) = 0;
    //! Density of the real gas at the pressure p [Pa] [kg/m3].
    virtual platform::Variant RROGW(const platform::Variant& T, const platform::Variant& p,
                                    const platform::VArray& r) = 0;
    //! Thermal conductivity [W/m/K].
    virtual platform::Variant ALAG(const platform::Variant& T, const platform::VArray& r) = 0;
    //! Heat capacity [J/kg/K].
    virtual platform::Variant CPGW(const platform::Variant& T, const platform::VArray& r) = 0;

    // ---- Bubble and dew points -------------------------------------------------------------
    //! Bubble-point temperature at the pressure p [Pa] [K]; below 1 when none was found.
    virtual platform::Variant TBV(const platform::Variant& p, const platform::VArray& r) = 0;
    //! Dew-point temperature at the pressure p [Pa] [K]; below 1 when none was found.
    virtual platform::Variant TRB(const platform::Variant& p, const platform::VArray& r) = 0;
};

//! The properties of a stream's own mixture object `S` (read afresh on every call, so a
//! replaced mixture object takes part at once).
class MixtureProperties final : public StreamProperties {
public:
    explicit MixtureProperties(Proud& stream) : m_stream(stream) {}

    platform::Variant Nsloz() override;
    platform::Variant ROLW(const platform::Variant& T, const platform::VArray& r) override;
    platform::Variant ETAL(const platform::Variant& T, const platform::VArray& r) override;
    platform::Variant ALAL(const platform::Variant& T, const platform::VArray& r) override;
    platform::Variant CPLW(const platform::Variant& T, const platform::VArray& r) override;
    platform::Variant DHVW(const platform::Variant& T, const platform::VArray& r) override;
    platform::Variant SIGMA(const platform::Variant& T, const platform::VArray& r) override;
    platform::Variant ObjRozL(const platform::Variant& T, const platform::VArray& r) override;
    platform::Variant ETAG(const platform::Variant& T, const platform::VArray& r) override;
    platform::Variant RROGW(const platform::Variant& T, const platform::Variant& p,
                            const platform::VArray& r) override;
    platform::Variant ALAG(const platform::Variant& T, const platform::VArray& r) override;
    platform::Variant CPGW(const platform::Variant& T, const platform::VArray& r) override;
    platform::Variant TBV(const platform::Variant& p, const platform::VArray& r) override;
    platform::Variant TRB(const platform::Variant& p, const platform::VArray& r) override;

private:
    Proud& m_stream;
};

} // namespace morv
