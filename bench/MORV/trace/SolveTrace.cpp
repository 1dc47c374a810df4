// Prints, with every number in hexadecimal floating point, each property call that design
// solves make and the fields they leave: for each sample task and each benchmark task (1 to
// 20 components) the calculation's solve and then 20 analysis points over the shell stream's
// flow. Two builds that print the same text compute the same bits; a change meant to make the
// solve faster without changing a result is checked by comparing this output before and
// after it. Each task is named by its path in the source tree, not by its absolute path, so
// that the outputs of two checkouts differ only where a result does.
//
//     MorvSolveTrace > after.txt && diff before.txt after.txt

#include "BuiltDatabaseSupport.h"
#include "ForwardingProperties.h"

#include "MORV/model/DesignSolve.h"
#include "MORV/model/ProgramState.h"
#include "MORV/model/TaskCommands.h"
#include "Platform/MessageBox.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>

namespace {

using morv::program;
using platform::Variant;
using platform::VArray;

std::string text(const Variant& v) {
    char buffer[64];
    if (v.isNumberLike()) {
        std::snprintf(buffer, sizeof buffer, "%d:%a", static_cast<int>(v.type()), v.toDouble());
        return buffer;
    }
    std::snprintf(buffer, sizeof buffer, "%d:", static_cast<int>(v.type()));
    return buffer + (v.type() == platform::VarType::String ? v.str() : std::string());
}

std::string text(const VArray& r) {
    std::string s = "[";
    for (int32_t i = r.lbound(); i <= r.ubound(); ++i)
        s += (i > r.lbound() ? " " : "") + text(r(i));
    return s + "]";
}

//! A stream's property source that prints every call with its arguments and its result.
class PrintingProperties final : public morvtest::ForwardingProperties {
public:
    PrintingProperties(morv::StreamProperties& source, const char* stream)
        : ForwardingProperties(source), m_stream(stream) {}

#define TRACE_T(name)                                                                                        \
    Variant name(const Variant& T, const VArray& r) override {                                               \
        return print(#name, text(T) + " " + text(r), ForwardingProperties::name(T, r));                      \
    }
    TRACE_T(ROLW)
    TRACE_T(ETAL)
    TRACE_T(ALAL)
    TRACE_T(CPLW)
    TRACE_T(DHVW)
    TRACE_T(SIGMA)
    TRACE_T(ObjRozL)
    TRACE_T(ETAG)
    TRACE_T(ALAG)
    TRACE_T(CPGW)
    TRACE_T(TBV)
    TRACE_T(TRB)
#undef TRACE_T
    Variant RROGW(const Variant& T, const Variant& p, const VArray& r) override {
        return print("RROGW", text(T) + " " + text(p) + " " + text(r), ForwardingProperties::RROGW(T, p, r));
    }

private:
    Variant print(const char* name, const std::string& arguments, const Variant& result) {
        std::printf("%s %s %s -> %s\n", m_stream, name, arguments.c_str(), text(result).c_str());
        return result;
    }
    const char* m_stream;
};

void printFields(morv::TARMST& he) {
    std::string line = "xx";
    for (int16_t i = 1; i <= 8; ++i)
        line += " " + text(he.xx(i));
    std::printf("%s\n", line.c_str());
    std::printf("Q %a L %a Plocha %a Kprostup %a\n", static_cast<double>(he.Q), static_cast<double>(he.L),
                static_cast<double>(he.Plocha), static_cast<double>(he.Kprostup));
    using Field = platform::Variant morv::TARMST::*;
    static const std::pair<const char*, Field> fields[] = {
        {"Ttrubstr", &morv::TARMST::Ttrubstr}, {"Tplaststr", &morv::TARMST::Tplaststr},
        {"vtrubstr", &morv::TARMST::vtrubstr}, {"vplaststr", &morv::TARMST::vplaststr},
        {"HustTr", &morv::TARMST::HustTr},     {"HustPl", &morv::TARMST::HustPl},
        {"ViskTr", &morv::TARMST::ViskTr},     {"ViskwTr", &morv::TARMST::ViskwTr},
        {"ViskPl", &morv::TARMST::ViskPl},     {"ViskwPl", &morv::TARMST::ViskwPl},
        {"VisKor", &morv::TARMST::VisKor},     {"CpTr", &morv::TARMST::CpTr},
        {"CpPl", &morv::TARMST::CpPl},         {"VodTr", &morv::TARMST::VodTr},
        {"VodPl", &morv::TARMST::VodPl},       {"dHTr", &morv::TARMST::dHTr},
        {"dHPl", &morv::TARMST::dHPl},         {"TbvT", &morv::TARMST::TbvT},
        {"TrbT", &morv::TARMST::TrbT},         {"TbvP", &morv::TARMST::TbvP},
        {"TrbP", &morv::TARMST::TrbP},         {"PrT", &morv::TARMST::PrT},
        {"PrP", &morv::TARMST::PrP},           {"ReT", &morv::TARMST::ReT},
        {"ReP", &morv::TARMST::ReP},           {"NuT", &morv::TARMST::NuT},
        {"NuP", &morv::TARMST::NuP},           {"WTr", &morv::TARMST::WTr},
        {"WPl", &morv::TARMST::WPl},           {"Alfai", &morv::TARMST::Alfai},
        {"Alfao", &morv::TARMST::Alfao},       {"Alfakon", &morv::TARMST::Alfakon},
        {"Twi", &morv::TARMST::Twi},           {"Two", &morv::TARMST::Two},
        {"dPtr", &morv::TARMST::dPtr},         {"dPpl", &morv::TARMST::dPpl},
        {"dPkom", &morv::TARMST::dPkom},
    };
    for (const auto& [name, field] : fields)
        std::printf("%s %s\n", name, text(he.*field).c_str());
}

void trace(const std::string& path) {
    const std::filesystem::path inSource = std::filesystem::path(path).lexically_relative(MORV_SOURCE_DIR);
    std::printf("# %s\n", inSource.c_str());
    morv::loadTask(program(), path);
    morv::TARMST& he = program().Vymenik();
    auto tube = std::make_shared<PrintingProperties>(he.Tr().properties(), "tube");
    auto shell = std::make_shared<PrintingProperties>(he.Pl().properties(), "shell");
    he.Tr().properties(tube);
    he.Pl().properties(shell);
    const auto solve = [&](morv::DesignSolveKind kind) {
        try {
            const morv::DesignSolveResult result = morv::designSolve(program(), kind);
            std::printf("solve status %d ID %s iterations %s\n", static_cast<int>(result.status),
                        text(result.ID).c_str(), text(result.iterations).c_str());
        } catch (const platform::RunTimeError& e) {
            std::printf("solve error %ld %s\n", static_cast<long>(e.number()), e.description().c_str());
        }
        printFields(he);
    };
    std::printf("## calculation\n");
    solve(morv::DesignSolveKind::Calculation);
    const double flow = he.Pl().m();
    for (int point = 0; point < 20; ++point) {
        std::printf("## point %d\n", point);
        he.Pl().m(0.8 * flow + 0.4 * flow * point / 19.0);
        solve(morv::DesignSolveKind::AnalysisPoint);
    }
    he.Tr().properties(nullptr);
    he.Pl().properties(nullptr);
}

} // namespace

int main() {
    platform::ScriptedMessageService boxes;
    boxes.allowUnscripted(true);
    platform::setMessageService(&boxes);
    testsupport::TempDir folder;
    {
        morvtest::BuiltDatabaseSession database(folder.path());
        for (const char* task : {morvtest::sampleTask, morvtest::verticalTask})
            trace(morvtest::sampleTaskPath(task));
        for (const char* task : {"01", "02", "05", "10", "20"})
            trace(std::string(MORV_BENCH_TASKS) + "/condenser-" + task + ".dat");
    }
    for (const platform::ScriptedMessageService::Box& box : boxes.boxes())
        std::printf("box %s\n", box.text.c_str());
    platform::setMessageService(nullptr);
    return 0;
}
