#include "MORV/model/BoilingPointCache.h"

namespace morv {

using platform::Variant;
using platform::VArray;

bool BoilingPointCache::matches(const std::optional<Point>& point, const Variant& p, const VArray& r) {
    // The same pressure and composition, kind for kind and bit for bit: the model hands over
    // the same numbers on every call, so each element costs one comparison of its kind and
    // one of its bits.
    if (!point || !point->p.sameBits(p)) return false;
    if (point->r.rank() != 1 || r.rank() != 1) return false;
    const int32_t lo = r.lbound(), hi = r.ubound();
    if (point->r.lbound() != lo || point->r.ubound() != hi) return false;
    // Both vectors have the same bounds, so their elements lie side by side from lo on.
    const Variant* kept = &point->r(lo);
    const Variant* given = &r(lo);
    const int32_t count = hi - lo + 1;
    for (int32_t i = 0; i < count; ++i)
        if (!kept[i].sameBits(given[i])) return false;
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
