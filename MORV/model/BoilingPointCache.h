#pragma once
//! Bubble and dew points kept for the length of one solve.
//!
//! A stream's bubble and dew points depend only on its pressure and its composition, neither
//! of which changes while the Newton method runs, yet every residual evaluation asks for all
//! four of them again (about half the work of a design solve). Within one solve the cache
//! gives the library's result of the first call with the same pressure and composition; the
//! numbers are exactly those the library would give again.

#include "MORV/model/Proud.h"
#include "MORV/model/StreamProperties.h"
#include "MORV/model/TARMST.h"
#include "MorvModel/MorvModelExport.h"

#include <memory>
#include <optional>

namespace morv {

//! A stream's property source that remembers its last bubble and dew point with their
//! pressure and composition and forwards every other member to the source it replaces.
class MORVMODEL_EXPORT BoilingPointCache final : public StreamProperties {
public:
    //! Serves in place of source, the stream's present source; own is the stream's own
    //! source (nullptr when the mixture object serves), held while the cache serves.
    BoilingPointCache(StreamProperties& source, std::shared_ptr<StreamProperties> own)
        : m_source(source), m_own(std::move(own)) {}

    platform::Variant Nsloz() override { return m_source.Nsloz(); }
    platform::Variant ROLW(const platform::Variant& T, const platform::VArray& r) override {
        return m_source.ROLW(T, r);
    }
    platform::Variant ETAL(const platform::Variant& T, const platform::VArray& r) override {
        return m_source.ETAL(T, r);
    }
    platform::Variant ALAL(const platform::Variant& T, const platform::VArray& r) override {
        return m_source.ALAL(T, r);
    }
    platform::Variant CPLW(const platform::Variant& T, const platform::VArray& r) override {
        return m_source.CPLW(T, r);
    }
    platform::Variant DHVW(const platform::Variant& T, const platform::VArray& r) override {
        return m_source.DHVW(T, r);
    }
    platform::Variant SIGMA(const platform::Variant& T, const platform::VArray& r) override {
        return m_source.SIGMA(T, r);
    }
    platform::Variant ObjRozL(const platform::Variant& T, const platform::VArray& r) override {
        return m_source.ObjRozL(T, r);
    }
    platform::Variant ETAG(const platform::Variant& T, const platform::VArray& r) override {
        return m_source.ETAG(T, r);
    }
    platform::Variant RROGW(const platform::Variant& T, const platform::Variant& p,
                            const platform::VArray& r) override {
        return m_source.RROGW(T, p, r);
    }
    platform::Variant ALAG(const platform::Variant& T, const platform::VArray& r) override {
        return m_source.ALAG(T, r);
    }
    platform::Variant CPGW(const platform::Variant& T, const platform::VArray& r) override {
        return m_source.CPGW(T, r);
    }
    platform::Variant TBV(const platform::Variant& p, const platform::VArray& r) override;
    platform::Variant TRB(const platform::Variant& p, const platform::VArray& r) override;

private:
    //! One remembered point: the pressure and composition it was computed for.
    struct Point {
        platform::Variant p;
        platform::VArray r;
        platform::Variant value;
    };
    static bool matches(const std::optional<Point>& point, const platform::Variant& p,
                        const platform::VArray& r);

    StreamProperties& m_source;
    std::shared_ptr<StreamProperties> m_own;
    std::optional<Point> m_bubble;
    std::optional<Point> m_dew;
};

//! Puts a `BoilingPointCache` in front of both streams of a model for its lifetime and gives
//! each stream its former source back at its end, also when an error ends the solve.
class MORVMODEL_EXPORT FixedBoilingPoints {
public:
    explicit FixedBoilingPoints(TARMST& m);
    ~FixedBoilingPoints();
    FixedBoilingPoints(const FixedBoilingPoints&) = delete;
    FixedBoilingPoints& operator=(const FixedBoilingPoints&) = delete;

private:
    std::shared_ptr<Proud> m_tube;
    std::shared_ptr<Proud> m_shell;
    std::shared_ptr<StreamProperties> m_tubeOwn;
    std::shared_ptr<StreamProperties> m_shellOwn;
};

} // namespace morv
