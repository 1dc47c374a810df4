#include "MORV/model/TaskCommands.h"

#include "MORV/model/TARMMORV.h"

#include <memory>

namespace morv {

void streamTypesFromTemperatures(TARMST& m) {
    const float tube = m.Ttrubo - m.Ttrubi;
    m.TrTyp = tube > 0.0f ? 1 : -1;
    const float shell = m.Tplasto - m.Tplasti;
    m.PlTyp = shell > 0.0f ? 1 : -1;
    if (m.PlTyp == -1) m.IPOM(8, 1);
}

namespace {

//! The stream of the new model that stands where `stream` stood in the old one.
std::shared_ptr<Proud> sameSide(const std::shared_ptr<Proud>& stream, TARMST& before, TARMST& after) {
    if (stream == before.TrRef()) return after.TrRef();
    if (stream == before.PlRef()) return after.PlRef();
    return stream;
}

} // namespace

int16_t loadTask(ProgramState& state, const std::string& path) {
    // The task is read into a model of its own, which the program takes over only when the
    // file has been read and the properties of both streams computed: a load that fails at
    // any step leaves the program's model, and what the properties write into the
    // condensation model, as they were.
    TARMST& current = state.Vymenik();
    const auto task = std::make_shared<TARMST>();
    // What the user set outside the task and the file does not hold goes on with the new
    // model: the fixed coefficients of method 4 and the error mode of each stream's mixture
    // object (a composition entry leaves the library's own mode).
    task->AlfaiK = current.AlfaiK;
    task->AlfaoK = current.AlfaoK;
    task->Tr().S().ChyboveHlasky(current.Tr().S().ChyboveHlasky());
    task->Pl().S().ChyboveHlasky(current.Pl().S().ChyboveHlasky());

    const int16_t readBefore = state.ChybaNacteni;
    const int32_t compositionBefore = state.SlozeniZadano;
    TARMMORV& k = state.Kondenzator();
    // What the properties of a load write into the condensation model (`he` and the
    // condensate's properties) goes back with the rest of its fields on a failure.
    const std::unique_ptr<TARMMORV> condenserBefore = k.fieldCopy();
    try {
        task->NactiData(path);
        if (state.ChybaNacteni < 0) return state.ChybaNacteni;
        streamTypesFromTemperatures(*task);
        k.he(task);
        k.FyzVlast();
    } catch (...) {
        k.restoreFields(*condenserBefore);
        state.ChybaNacteni = readBefore;
        state.SlozeniZadano = compositionBefore;
        throw;
    }
    state.AktProud = sameSide(state.AktProud, current, *task);
    state.Vymenik(task);
    // The numbers of the condensate film are those of the last calculation, of another task:
    // the loaded one starts from none, as in a new program.
    k.Reko = 0.0f;
    k.Nuko = 0.0f;
    k.Ar = 0.0f;
    k.K32 = 0.0f;
    k.dHvkor = 0.0f;
    // The file holds no inerts: the task has none, as in a new program, until the user enters
    // them, so that a file calculates alike whatever was calculated before it.
    k.Xinert = 0.0f;
    return state.ChybaNacteni;
}

void saveTask(ProgramState& state, const std::string& path) {
    state.Vymenik().UlozData(path);
}

} // namespace morv
