// Loading and saving a design task as the program's commands do it, on the database of this
// build.

#include "BuiltDatabaseSupport.h"

#include "KWELARdll/model/KwelarConstants.h"
#include "MORV/model/DesignSolve.h"
#include "MORV/model/TaskCommands.h"
#include "Platform/FileSystem.h"

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using morv::program;

namespace {

using testsupport::readBytes;

const std::string sampleTask = std::string(MORV_SAMPLE_TASKS) + "/methanol-condenser.dat";

using TaskCommands = morvtest::BuiltDatabase;

} // namespace

TEST(StreamTypes, FollowTheTemperaturesAndMarkAWarmShell) {
    struct Case {
        float tubeIn, tubeOut, shellIn, shellOut;
        int16_t flag8Before;
        int16_t TrTyp, PlTyp, flag8;
    };
    const Case cases[] = {
        {20, 30, 80, 80, 0, 1, -1, 1},  // water heated, vapour condensing at constant temperature
        {120, 60, 15, 25, 0, -1, 1, 0}, // warm tube stream; the shell flag stays 0
        {15, 25, 15, 25, 1, 1, 1, 1},   // a heated shell keeps a flag set before
        {30, 30, 30, 30, 0, -1, -1, 1}, // unchanged streams count as cooled
    };
    for (const Case& c : cases) {
        morv::TARMST m;
        m.Ttrubi = c.tubeIn;
        m.Ttrubo = c.tubeOut;
        m.Tplasti = c.shellIn;
        m.Tplasto = c.shellOut;
        m.IPOM(8, c.flag8Before);
        morv::streamTypesFromTemperatures(m);
        EXPECT_EQ(m.TrTyp, c.TrTyp) << c.tubeIn << " " << c.tubeOut;
        EXPECT_EQ(m.PlTyp, c.PlTyp) << c.shellIn << " " << c.shellOut;
        EXPECT_EQ(m.IPOM(8), c.flag8) << c.shellIn << " " << c.shellOut;
    }
}

TEST_F(TaskCommands, LoadSetsTheStreamTypesAndComputesTheProperties) {
    ASSERT_EQ(morv::loadTask(program(), sampleTask), 0);
    morv::TARMST& m = program().Vymenik();
    EXPECT_EQ(m.TrTyp, 1);
    EXPECT_EQ(m.PlTyp, -1);
    EXPECT_EQ(&program().Kondenzator().he(), &m);
    // Methanol's normal boiling point is 64.7 °C (CRC Handbook); the shell is at 1 atm.
    EXPECT_NEAR(m.TrbP.toDouble(), 64.7, 0.5);
    EXPECT_GT(m.CpTr.toDouble(), 4100.0);
}

TEST_F(TaskCommands, MissingFileIsReportedAndComputesNothing) {
    boxes.answer(platform::answer::Ok);
    EXPECT_EQ(morv::loadTask(program(), folder.path() + "/none.dat"), -1);
    EXPECT_TRUE(program().Vymenik().TrbP.isEmpty());
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "Zadali jste název neexistujícího souboru!");
}

TEST_F(TaskCommands, SavedTaskLoadsBackToTheSameFile) {
    ASSERT_EQ(morv::loadTask(program(), sampleTask), 0);
    const std::string first = folder.path() + "/first.dat";
    morv::saveTask(program(), first);
    // The properties of the load add results (Pterm) to the first line; every other line
    // is the file as it was read.
    const std::string saved = readBytes(first), sample = readBytes(sampleTask);
    EXPECT_EQ(saved.substr(saved.find('\n')), sample.substr(sample.find('\n')));

    morv::resetProgram();
    ASSERT_EQ(morv::loadTask(program(), first), 0);
    const std::string second = folder.path() + "/second.dat";
    morv::saveTask(program(), second);
    EXPECT_EQ(readBytes(second), saved);
}

TEST_F(TaskCommands, LoadWhosePropertiesFailLeavesTheProgramAsItWas) {
    ASSERT_EQ(morv::loadTask(program(), sampleTask), 0);
    const std::shared_ptr<morv::TARMST> model = program().VymenikRef();
    const morv::TARMMORV& k = program().Kondenzator();
    const double density = k.Hustko, cp = k.Cpko, viscosity = k.Viskko, conductivity = k.Vodko,
                 prandtl = k.Prko;
    const std::string before = folder.path() + "/before.dat";
    morv::saveTask(program(), before);

    // The sample task with methanol's substance number changed to one the database lacks.
    std::string task = readBytes(sampleTask);
    task.replace(task.find("23,\"Methanol"), 2, "999");
    const std::string missing = folder.write("missing-substance.dat", task);
    boxes->allowUnscripted(true);
    try {
        morv::loadTask(program(), missing);
        ADD_FAILURE() << "the load did not fail";
    } catch (const platform::RunTimeError& e) {
        EXPECT_EQ(e.number(), kwelar::ChybaVypoctu);
    }

    EXPECT_EQ(program().VymenikRef(), model);
    EXPECT_EQ(program().Kondenzator().heRef(), model);
    const std::string after = folder.path() + "/after.dat";
    morv::saveTask(program(), after);
    EXPECT_EQ(readBytes(after), readBytes(before));
    EXPECT_EQ(program().ChybaNacteni, 0);
    EXPECT_EQ(static_cast<double>(k.Hustko), density);
    EXPECT_EQ(static_cast<double>(k.Cpko), cp);
    EXPECT_EQ(static_cast<double>(k.Viskko), viscosity);
    EXPECT_EQ(static_cast<double>(k.Vodko), conductivity);
    EXPECT_EQ(static_cast<double>(k.Prko), prandtl);
}

namespace {

//! What a solve of the loaded sample task leaves: the solved fields and the film numbers.
std::vector<double> solvedSample() {
    EXPECT_TRUE(morv::designSolve(program()).converged());
    morv::TARMST& m = program().Vymenik();
    const morv::TARMMORV& k = program().Kondenzator();
    return {m.Tr().m(),     m.Pl().m(),     m.Q,          double(m.Plocha), double(m.Kprostup),
            double(k.Reko), double(k.Nuko), double(k.Ar), double(k.K32),    double(k.dHvkor)};
}

} // namespace

TEST_F(TaskCommands, LoadAfterASolveOfAnotherTaskIsAsInANewProgram) {
    ASSERT_EQ(morv::loadTask(program(), sampleTask), 0);
    const morv::TARMMORV& k = program().Kondenzator();
    const std::vector<float> fresh = {k.Reko, k.Nuko, k.Ar, k.K32, k.dHvkor};
    EXPECT_EQ(fresh, std::vector<float>(5, 0.0f));
    const std::vector<double> solvedFresh = solvedSample();

    morv::resetProgram();
    ASSERT_EQ(morv::loadTask(program(), std::string(MORV_SAMPLE_TASKS) + "/methanol-vertical-condenser.dat"),
              0);
    // The other task calculated with inerts, which its file does not hold either.
    program().Kondenzator().Xinert = 0.02f;
    ASSERT_TRUE(morv::designSolve(program()).converged());
    ASSERT_NE(float(program().Kondenzator().Reko), 0.0f);
    ASSERT_EQ(morv::loadTask(program(), sampleTask), 0);
    const morv::TARMMORV& used = program().Kondenzator();
    EXPECT_EQ((std::vector<float>{used.Reko, used.Nuko, used.Ar, used.K32, used.dHvkor}), fresh);
    EXPECT_EQ(float(used.Xinert), 0.0f);
    EXPECT_EQ(solvedSample(), solvedFresh);
}

TEST_F(TaskCommands, LoadedTaskKeepsTheSettingsTheFileDoesNotHold) {
    morv::TARMST& before = program().Vymenik();
    before.AlfaiK = 1200.0;
    before.AlfaoK = 800.0;
    before.Pl().S().ResetujSmes(); // as a composition entry leaves it: the library's own mode
    program().AktProud = before.PlRef();

    ASSERT_EQ(morv::loadTask(program(), sampleTask), 0);
    morv::TARMST& m = program().Vymenik();
    EXPECT_EQ(m.AlfaiK.toDouble(), 1200.0);
    EXPECT_EQ(m.AlfaoK.toDouble(), 800.0);
    EXPECT_EQ(m.Tr().S().ChyboveHlasky(), -1);
    EXPECT_EQ(m.Pl().S().ChyboveHlasky(), 0);
    EXPECT_EQ(program().AktProud, m.PlRef());
}
