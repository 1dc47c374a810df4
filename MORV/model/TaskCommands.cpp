#include "MORV/model/TaskCommands.h"

#include "MORV/model/TARMMORV.h"

namespace morv {

void streamTypesFromTemperatures(TARMST& m) {
    const float tube = m.Ttrubo - m.Ttrubi;
    m.TrTyp = tube > 0.0f ? 1 : -1;
    const float shell = m.Tplasto - m.Tplasti;
    m.PlTyp = shell > 0.0f ? 1 : -1;
    if (m.PlTyp == -1) m.IPOM(8, 1);
}

int16_t loadTask(ProgramState& state, const std::string& path) {
    state.Vymenik().NactiData(path);
    if (state.ChybaNacteni < 0) return state.ChybaNacteni;
    streamTypesFromTemperatures(state.Vymenik());
    state.Kondenzator().he(state.VymenikRef());
    state.Kondenzator().FyzVlast();
    return state.ChybaNacteni;
}

void saveTask(ProgramState& state, const std::string& path) {
    state.Vymenik().UlozData(path);
}

} // namespace morv
