#include "MORV/model/BoilingPointCache.h"

namespace morv {

using platform::Variant;
using platform::VArray;

namespace {

//! The same value of the same kind (two numbers of one kind are equal exactly when their
//! doubles are).
bool same(const Variant& a, const Variant& b) {
    if (a.type() != b.type()) return false;
    if (a.isEmpty()) return true;
    if (a.isNumeric()) return a.toDouble() == b.toDouble();
    return a == b;
}

} // namespace

bool BoilingPointCache::matches(const std::optional<Point>& point, const Variant& p, const VArray& r) {
    if (!point || !same(point->p, p)) return false;
    if (point->r.rank() != 1 || r.rank() != 1) return false;
    if (point->r.lbound() != r.lbound() || point->r.ubound() != r.ubound()) return false;
    for (int32_t i = r.lbound(); i <= r.ubound(); ++i)
        if (!same(point->r(i), r(i))) return false;
    return true;
}

Variant BoilingPointCache::TBV(const Variant& p, const VArray& r) {
    if (!matches(m_bubble, p, r)) m_bubble = Point{p, r, m_source.TBV(p, r)};
    return m_bubble->value;
}

Variant BoilingPointCache::TRB(const Variant& p, const VArray& r) {
    if (!matches(m_dew, p, r)) m_dew = Point{p, r, m_source.TRB(p, r)};
    return m_dew->value;
}

FixedBoilingPoints::FixedBoilingPoints(TARMST& m)
    : m_tube(m.TrRef()), m_shell(m.PlRef()), m_tubeOwn(m_tube->ownProperties()),
      m_shellOwn(m_shell->ownProperties()) {
    m_tube->properties(std::make_shared<BoilingPointCache>(m_tube->properties(), m_tubeOwn));
    m_shell->properties(std::make_shared<BoilingPointCache>(m_shell->properties(), m_shellOwn));
}

FixedBoilingPoints::~FixedBoilingPoints() {
    m_tube->properties(m_tubeOwn);
    m_shell->properties(m_shellOwn);
}

} // namespace morv
