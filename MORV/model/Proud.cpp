#include "MORV/model/Proud.h"

#include "MORV/model/MorvConstants.h"

#include <atomic>

namespace morv {

namespace {

//! A mark of mole fractions never handed out before (never 0).
uint64_t newStamp() {
    static std::atomic<uint64_t> last{0};
    return last.fetch_add(1, std::memory_order_relaxed) + 1;
}

} // namespace

Proud::Proud()
    : m_S(std::make_shared<kwelar::Smes>()), m_Xh(0, k::lastFraction), m_Xm(0, k::lastFraction),
      m_XmStamp(newStamp()) {
    m_S->ChyboveHlasky(-1);
}

Proud::~Proud() = default;

void Proud::Xm(int16_t Index, double value) {
    m_Xm(Index) = value;
    m_XmStamp = newStamp();
}

kwelar::Smes& Proud::newS() {
    m_S = std::make_shared<kwelar::Smes>();
    return *m_S;
}

StreamProperties& Proud::properties() {
    if (m_properties) return *m_properties;
    if (!m_mixtureProperties) m_mixtureProperties = std::make_unique<MixtureProperties>(*this);
    return *m_mixtureProperties;
}

} // namespace morv
