#include "MORV/model/Proud.h"

#include "MORV/model/MorvConstants.h"

namespace morv {

Proud::Proud() : m_S(std::make_shared<kwelar::Smes>()), m_Xh(0, k::lastFraction), m_Xm(0, k::lastFraction) {
    m_S->ChyboveHlasky(-1);
}

Proud::~Proud() = default;

kwelar::Smes& Proud::S() {
    if (!m_S) m_S = std::make_shared<kwelar::Smes>();
    return *m_S;
}

StreamProperties& Proud::properties() {
    if (m_properties) return *m_properties;
    if (!m_mixtureProperties) m_mixtureProperties = std::make_unique<MixtureProperties>(*this);
    return *m_mixtureProperties;
}

} // namespace morv
