#pragma once
//! A property source for the condenser model's tests: every property is a function of the
//! temperature [K], the bubble and dew points of the pressure [Pa] (a constant unless a test
//! sets its own), and every call is recorded with its member, its temperature, its pressure
//! and the composition it was handed.

#include "MORV/model/StreamProperties.h"
#include "Platform/Array.h"
#include "Platform/Variant.h"

#include <functional>
#include <string>
#include <vector>

namespace morvtest {

class FixtureProperties : public morv::StreamProperties {
public:
    using Curve = std::function<double(double x)>;

    struct Call {
        std::string member;
        double T; //!< [K], 0 for the bubble and dew points
        double p; //!< [Pa], 0 for the members without a pressure
    };

    //! A constant curve.
    static Curve constant(double value) {
        return [value](double) { return value; };
    }

    // Liquid (condensate) and gas properties, water near 100 °C by default.
    Curve rolw = constant(958.0);     //!< [kg/m3]
    Curve etal = constant(2.82e-4);   //!< [Pa.s]
    Curve alal = constant(0.68);      //!< [W/m/K]
    Curve cplw = constant(4216.0);    //!< [J/kg/K]
    Curve dhvw = constant(2.257e6);   //!< [J/kg]
    Curve sigma = constant(0.0589);   //!< [N/m]
    Curve objrozl = constant(7.5e-4); //!< [1/K]
    Curve etag = constant(1.2e-5);    //!< [Pa.s]
    Curve alag = constant(0.025);     //!< [W/m/K]
    Curve cpgw = constant(2080.0);    //!< [J/kg/K]
    Curve rrogw = constant(0.598);    //!< real-gas density at any pressure [kg/m3]
    Curve tbv = constant(373.15);     //!< bubble point by the pressure [K]
    Curve trb = constant(373.15);     //!< dew point by the pressure [K]
    int16_t nsloz = 0;

    std::vector<Call> calls;
    platform::VArray lastComposition;

    //! The members called so far, in order.
    std::vector<std::string> members() const {
        std::vector<std::string> m;
        for (const Call& c : calls)
            m.push_back(c.member);
        return m;
    }

    platform::Variant Nsloz() override { return nsloz; }
    platform::Variant ROLW(const platform::Variant& T, const platform::VArray& r) override {
        return call("ROLW", rolw, T, r);
    }
    platform::Variant ETAL(const platform::Variant& T, const platform::VArray& r) override {
        return call("ETAL", etal, T, r);
    }
    platform::Variant ALAL(const platform::Variant& T, const platform::VArray& r) override {
        return call("ALAL", alal, T, r);
    }
    platform::Variant CPLW(const platform::Variant& T, const platform::VArray& r) override {
        return call("CPLW", cplw, T, r);
    }
    platform::Variant DHVW(const platform::Variant& T, const platform::VArray& r) override {
        return call("DHVW", dhvw, T, r);
    }
    platform::Variant SIGMA(const platform::Variant& T, const platform::VArray& r) override {
        return call("SIGMA", sigma, T, r);
    }
    platform::Variant ObjRozL(const platform::Variant& T, const platform::VArray& r) override {
        return call("ObjRozL", objrozl, T, r);
    }
    platform::Variant ETAG(const platform::Variant& T, const platform::VArray& r) override {
        return call("ETAG", etag, T, r);
    }
    platform::Variant RROGW(const platform::Variant& T, const platform::Variant& p,
                            const platform::VArray& r) override {
        return call("RROGW", rrogw, T, r, p.toDouble());
    }
    platform::Variant ALAG(const platform::Variant& T, const platform::VArray& r) override {
        return call("ALAG", alag, T, r);
    }
    platform::Variant CPGW(const platform::Variant& T, const platform::VArray& r) override {
        return call("CPGW", cpgw, T, r);
    }
    platform::Variant TBV(const platform::Variant& p, const platform::VArray& r) override {
        return pointCall("TBV", tbv, p, r);
    }
    platform::Variant TRB(const platform::Variant& p, const platform::VArray& r) override {
        return pointCall("TRB", trb, p, r);
    }

private:
    platform::Variant call(const char* member, const Curve& curve, const platform::Variant& T,
                           const platform::VArray& r, double p = 0.0) {
        calls.push_back({member, T.toDouble(), p});
        lastComposition = r;
        return curve(T.toDouble());
    }
    platform::Variant pointCall(const char* member, const Curve& curve, const platform::Variant& p,
                                const platform::VArray& r) {
        calls.push_back({member, 0.0, p.toDouble()});
        lastComposition = r;
        return curve(p.toDouble());
    }
};

} // namespace morvtest
