#include "MORV/model/ProgramState.h"

#include "MORV/model/MorvConstants.h"

namespace morv {

ProgramState::ProgramState()
    : Rezidua(0, k::lastResidual), TlumKonst(k::basicDamping), VektorX(0, k::lastVariable),
      VektorZ(0, k::lastAuxiliary), Nezname(0, k::lastPosition), AnalX(k::maxAnalysisPoints + 1, 0.0) {
    AnalY.fill(std::vector<double>(k::maxAnalysisPoints + 1, 0.0));
}

ProgramState::~ProgramState() = default;
ProgramState::ProgramState(ProgramState&&) noexcept = default;
ProgramState& ProgramState::operator=(ProgramState&&) noexcept = default;

const std::shared_ptr<TARMST>& ProgramState::VymenikRef() {
    if (!m_Vymenik) m_Vymenik = std::make_shared<TARMST>();
    return m_Vymenik;
}

TARMMORV& ProgramState::Kondenzator() {
    if (!m_Kondenzator) m_Kondenzator = std::make_shared<TARMMORV>();
    return *m_Kondenzator;
}

tovi::Tovi& ProgramState::Prevodnik() {
    if (!m_Prevodnik) m_Prevodnik = std::make_shared<tovi::Tovi>();
    return *m_Prevodnik;
}

ProgramState& program() {
    static ProgramState state;
    return state;
}

void resetProgram() {
    program() = ProgramState();
}

} // namespace morv
