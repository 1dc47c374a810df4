#include "MORV/model/StreamProperties.h"

#include "MORV/model/Proud.h"
#include "Platform/RunTimeError.h"

namespace morv {

using platform::Variant;
using platform::VArray;

StreamProperties::~StreamProperties() = default;

void MixtureProperties::missing(const std::string& member) {
    platform::raise(platform::err::NoSuchMember, "Smes." + member);
}

Variant MixtureProperties::Nsloz() {
    return m_stream.S().Nsloz();
}

Variant MixtureProperties::ROLW(const Variant&, const VArray&) {
    missing("ROLW");
}
Variant MixtureProperties::ETAL(const Variant&, const VArray&) {
    missing("ETAL");
}
Variant MixtureProperties::ALAL(const Variant&, const VArray&) {
    missing("ALAL");
}
Variant MixtureProperties::CPLW(const Variant&, const VArray&) {
    missing("CPLW");
}
Variant MixtureProperties::DHVW(const Variant&, const VArray&) {
    missing("DHVW");
}
Variant MixtureProperties::SIGMA(const Variant&, const VArray&) {
    missing("SIGMA");
}
Variant MixtureProperties::ObjRozL(const Variant&, const VArray&) {
    missing("ObjRozL");
}
Variant MixtureProperties::ETAG(const Variant&, const VArray&) {
    missing("ETAG");
}
Variant MixtureProperties::ALAG(const Variant&, const VArray&) {
    missing("ALAG");
}
Variant MixtureProperties::CPGW(const Variant&, const VArray&) {
    missing("CPGW");
}

} // namespace morv
