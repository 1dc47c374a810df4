#pragma once
//! A stream's property source that hands every call to the source behind it; tests and
//! benchmarks derive from it and override only the calls they count or make fail.

#include "MORV/model/StreamProperties.h"

namespace morvtest {

class ForwardingProperties : public morv::StreamProperties {
public:
    using Variant = platform::Variant;
    using VArray = platform::VArray;

    explicit ForwardingProperties(morv::StreamProperties& source) : m_source(source) {}

    Variant Nsloz() override { return m_source.Nsloz(); }
    Variant ROLW(const Variant& T, const VArray& r) override { return m_source.ROLW(T, r); }
    Variant ETAL(const Variant& T, const VArray& r) override { return m_source.ETAL(T, r); }
    Variant ALAL(const Variant& T, const VArray& r) override { return m_source.ALAL(T, r); }
    Variant CPLW(const Variant& T, const VArray& r) override { return m_source.CPLW(T, r); }
    Variant DHVW(const Variant& T, const VArray& r) override { return m_source.DHVW(T, r); }
    Variant SIGMA(const Variant& T, const VArray& r) override { return m_source.SIGMA(T, r); }
    Variant ObjRozL(const Variant& T, const VArray& r) override { return m_source.ObjRozL(T, r); }
    Variant ETAG(const Variant& T, const VArray& r) override { return m_source.ETAG(T, r); }
    Variant RROGW(const Variant& T, const Variant& p, const VArray& r) override {
        return m_source.RROGW(T, p, r);
    }
    Variant ALAG(const Variant& T, const VArray& r) override { return m_source.ALAG(T, r); }
    Variant CPGW(const Variant& T, const VArray& r) override { return m_source.CPGW(T, r); }
    Variant TBV(const Variant& p, const VArray& r) override { return m_source.TBV(p, r); }
    Variant TRB(const Variant& p, const VArray& r) override { return m_source.TRB(p, r); }

protected:
    morv::StreamProperties& source() { return m_source; }

private:
    morv::StreamProperties& m_source;
};

} // namespace morvtest
