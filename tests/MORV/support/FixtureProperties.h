#pragma once
//! A property source for the condenser model's tests: every property is a function of the
//! temperature [K], the bubble and dew points of the pressure [Pa] (a constant unless a test
//! sets its own), and every call is recorded with its member, its temperature, its pressure
//! and the composition it was handed. A test that names the members it expects fails on a
//! call of any other.

#include "MORV/model/StreamProperties.h"
#include "Platform/Array.h"
#include "Platform/Variant.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace morvtest {

class FixtureProperties : public morv::StreamProperties {
public:
    using Curve = std::function<double(double x)>;

    struct Call {
        std::string member;
        double T;           //!< [K], 0 for the bubble and dew points
        double p;           //!< [Pa], 0 for the members without a pressure
        platform::VArray r; //!< the composition array handed over
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

    //! The members a test expects; when not empty, a call of another member (`Nsloz`
    //! included) fails the test.
    std::vector<std::string> expected;

    std::vector<Call> calls;
    //! False: calls are not recorded (a benchmark's source, asked again and again).
    bool record = true;

    //! The members called so far, in order (`Nsloz` is not recorded).
    std::vector<std::string> members() const {
        std::vector<std::string> m;
        for (const Call& c : calls)
            m.push_back(c.member);
        return m;
    }
    //! The composition array of the last call.
    const platform::VArray& lastComposition() const { return calls.back().r; }

    platform::Variant Nsloz() override {
        check("Nsloz");
        return nsloz;
    }
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
    void check(const char* member) const {
        if (!expected.empty() && std::find(expected.begin(), expected.end(), member) == expected.end())
            ADD_FAILURE() << "unexpected call of " << member;
    }
    platform::Variant call(const char* member, const Curve& curve, const platform::Variant& T,
                           const platform::VArray& r, double p = 0.0) {
        check(member);
        if (record) calls.push_back({member, T.toDouble(), p, r});
        return curve(T.toDouble());
    }
    platform::Variant pointCall(const char* member, const Curve& curve, const platform::Variant& p,
                                const platform::VArray& r) {
        check(member);
        if (record) calls.push_back({member, 0.0, p.toDouble(), r});
        return curve(p.toDouble());
    }
};

} // namespace morvtest
