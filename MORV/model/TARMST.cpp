#include "MORV/model/TARMST.h"

#include "MORV/model/MorvConstants.h"

namespace morv {

TARMST::TARMST() : m_IPOM(0, k::lastFlag), m_xx(0, k::lastVariable), m_z(0, k::lastAuxiliary) {}

TARMST::~TARMST() = default;

std::unique_ptr<TARMST> TARMST::fieldCopy() const {
    return std::unique_ptr<TARMST>(new TARMST(*this));
}

void TARMST::restoreFields(const TARMST& copy) {
    *this = copy;
}

const std::shared_ptr<Proud>& TARMST::TrRef() {
    if (!m_Tr) m_Tr = std::make_shared<Proud>();
    return m_Tr;
}

const std::shared_ptr<Proud>& TARMST::PlRef() {
    if (!m_Pl) m_Pl = std::make_shared<Proud>();
    return m_Pl;
}

} // namespace morv
