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

} // namespace morv
