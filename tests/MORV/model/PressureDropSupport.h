#pragma once
//! Helpers of the friction and pressure-drop tests: independent solutions of the
//! Colebrook equation and mixture properties of the test's own choosing.

#include "MORV/model/StreamProperties.h"
#include "Platform/Array.h"
#include "Platform/Variant.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace pressuredrop {

//! Solves 1/s = -factor ln(k/3.71 + 2.51/(Re s)) for s = sqrt(lambda) by bisection and
//! returns lambda; k is the relative roughness EPS/d. The left side minus the right side
//! falls with s, so the root is bracketed between s = 1e-3 and s = 2.
inline double colebrookBisection(double Re, double k, double factor) {
    auto g = [&](double s) { return 1.0 / s + factor * std::log(k / 3.71 + 2.51 / (Re * s)); };
    double lo = 1e-3, hi = 2.0;
    for (int i = 0; i < 200; ++i) {
        const double mid = 0.5 * (lo + hi);
        (g(mid) > 0.0 ? lo : hi) = mid;
    }
    const double s = 0.5 * (lo + hi);
    return s * s;
}

//! The Colebrook equation 1/sqrt(lambda) = -2 log10(k/3.71 + 2.51/(Re sqrt(lambda)))
//! (C. F. Colebrook, J. Inst. Civ. Eng. 11 (1939) 133-156, in the Prandtl-Colebrook form
//! with 3.71), solved with the exact 2/ln 10.
inline double colebrookWhite(double Re, double k) {
    return colebrookBisection(Re, k, 2.0 / std::log(10.0));
}

//! The same equation with 2/ln 10 rounded to 0.8686, as the model writes it.
inline double colebrookRounded(double Re, double k) {
    return colebrookBisection(Re, k, 0.8686);
}

//! Properties of a stream's mixture that do not depend on temperature, with a record of
//! every call; a member the pressure drops do not use fails the test.
class FixedProperties : public morv::StreamProperties {
public:
    double liquidDensity = 1000.0; // [kg/m3]
    double liquidViscosity = 1e-3; // [Pa.s]
    double gasDensity = 5.0;       // [kg/m3]
    double gasViscosity = 1.5e-5;  // [Pa.s]

    struct Call {
        std::string member;
        double T;           // [K]
        double p;           // [Pa], 0 for the members without a pressure
        platform::VArray r; // the composition array handed over
    };
    std::vector<Call> calls;

    platform::Variant ROLW(const platform::Variant& T, const platform::VArray& r) override {
        return record("ROLW", T, 0.0, r, liquidDensity);
    }
    platform::Variant ETAL(const platform::Variant& T, const platform::VArray& r) override {
        return record("ETAL", T, 0.0, r, liquidViscosity);
    }
    platform::Variant RROGW(const platform::Variant& T, const platform::Variant& p,
                            const platform::VArray& r) override {
        return record("RROGW", T, p.toDouble(), r, gasDensity);
    }
    platform::Variant ETAG(const platform::Variant& T, const platform::VArray& r) override {
        return record("ETAG", T, 0.0, r, gasViscosity);
    }

    platform::Variant Nsloz() override { return unused("Nsloz"); }
    platform::Variant ALAL(const platform::Variant&, const platform::VArray&) override {
        return unused("ALAL");
    }
    platform::Variant CPLW(const platform::Variant&, const platform::VArray&) override {
        return unused("CPLW");
    }
    platform::Variant DHVW(const platform::Variant&, const platform::VArray&) override {
        return unused("DHVW");
    }
    platform::Variant SIGMA(const platform::Variant&, const platform::VArray&) override {
        return unused("SIGMA");
    }
    platform::Variant ObjRozL(const platform::Variant&, const platform::VArray&) override {
        return unused("ObjRozL");
    }
    platform::Variant ALAG(const platform::Variant&, const platform::VArray&) override {
        return unused("ALAG");
    }
    platform::Variant CPGW(const platform::Variant&, const platform::VArray&) override {
        return unused("CPGW");
    }
    platform::Variant TBV(const platform::Variant&, const platform::VArray&) override {
        return unused("TBV");
    }
    platform::Variant TRB(const platform::Variant&, const platform::VArray&) override {
        return unused("TRB");
    }

private:
    platform::Variant record(const char* member, const platform::Variant& T, double p,
                             const platform::VArray& r, double value) {
        calls.push_back({member, T.toDouble(), p, r});
        return platform::Variant(value);
    }
    static platform::Variant unused(const char* member) {
        ADD_FAILURE() << "the pressure drops do not call " << member;
        return {};
    }
};

} // namespace pressuredrop
