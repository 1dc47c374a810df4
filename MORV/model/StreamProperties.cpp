#include "MORV/model/StreamProperties.h"

#include "MORV/model/Proud.h"

namespace morv {

using platform::Variant;
using platform::VArray;

StreamProperties::~StreamProperties() = default;

Variant MixtureProperties::Nsloz() {
    return m_stream.S().Nsloz();
}

Variant MixtureProperties::ROLW(const Variant& T, const VArray& r) {
    return m_stream.S().ROLW(T, r);
}
Variant MixtureProperties::ETAL(const Variant& T, const VArray& r) {
    return m_stream.S().ETAL(T, r);
}
Variant MixtureProperties::ALAL(const Variant& T, const VArray& r) {
    return m_stream.S().ALAL(T, r);
}
Variant MixtureProperties::CPLW(const Variant& T, const VArray& r) {
    return m_stream.S().CPLW(T, r);
}
Variant MixtureProperties::DHVW(const Variant& T, const VArray& r) {
    return m_stream.S().DHVW(T, r);
}
Variant MixtureProperties::SIGMA(const Variant& T, const VArray& r) {
    return m_stream.S().SIGMA(T, r);
}
Variant MixtureProperties::ObjRozL(const Variant& T, const VArray& r) {
    return m_stream.S().ObjRozL(T, r);
}
Variant MixtureProperties::ETAG(const Variant& T, const VArray& r) {
    return m_stream.S().ETAG(T, r);
}
Variant MixtureProperties::RROGW(const Variant& T, const Variant& p, const VArray& r) {
    return m_stream.S().RROGW(T, p, r);
}
Variant MixtureProperties::ALAG(const Variant& T, const VArray& r) {
    return m_stream.S().ALAG(T, r);
}
Variant MixtureProperties::CPGW(const Variant& T, const VArray& r) {
    return m_stream.S().CPGW(T, r);
}
Variant MixtureProperties::TBV(const Variant& p, const VArray& r) {
    return m_stream.S().TBV(p, r);
}
Variant MixtureProperties::TRB(const Variant& p, const VArray& r) {
    return m_stream.S().TRB(p, r);
}

} // namespace morv
