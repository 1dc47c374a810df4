#include "TestSupport.h"

#include "KWELARdll/model/Smes.h"
#include "MORV/model/ProgramState.h"
#include "Platform/RunTimeError.h"

#include <memory>

using morv::program;
using morv::resetProgram;

namespace {

int mixtures() {
    return kwelar::Smes::PocetSmesi().toInteger();
}

// Every test starts and ends with the state of a fresh process.
class ProgramState : public ::testing::Test {
protected:
    void SetUp() override { resetProgram(); }
    void TearDown() override { resetProgram(); }
};

} // namespace

TEST_F(ProgramState, FreshStateHoldsTheStartValues) {
    EXPECT_EQ(program().AktProud, nullptr);
    EXPECT_EQ(program().ChybaNacteni, 0);
    EXPECT_EQ(program().SlozeniZadano, 0);
    for (int32_t i = 0; i <= 21; ++i)
        EXPECT_TRUE(program().Rezidua(i).isEmpty()) << i;
    EXPECT_RUNTIME_ERROR(program().Rezidua(22), platform::err::Subscript);
    // The design solve's settings and arrays: the damping of the main window's activation,
    // the iteration limit of its load, the Newton arrays empty.
    EXPECT_EQ(program().TlumKonst.toDouble(), 0.4);
    EXPECT_TRUE(program().TlumAkt.isEmpty());
    EXPECT_EQ(program().MaxIter, 100);
    for (int32_t i = 0; i <= 9; ++i)
        EXPECT_TRUE(program().VektorX(i).isEmpty()) << i;
    EXPECT_RUNTIME_ERROR(program().VektorX(10), platform::err::Subscript);
    EXPECT_TRUE(program().VektorZ(10).isEmpty());
    EXPECT_RUNTIME_ERROR(program().VektorZ(11), platform::err::Subscript);
    EXPECT_TRUE(program().Nezname(21).isEmpty());
    EXPECT_RUNTIME_ERROR(program().Nezname(22), platform::err::Subscript);
    // The windows' state and the analysis: texts empty, no splash yet, 101 points of zeros.
    EXPECT_EQ(program().Vysledky, "");
    EXPECT_EQ(program().SouborVysl, "");
    EXPECT_FALSE(program().SplashZobrazen);
    EXPECT_FALSE(program().AnalHotova);
    EXPECT_EQ(program().AnalPocBodu, 0);
    EXPECT_EQ(program().PosledniVysl, 0);
    EXPECT_EQ(program().AnalX.size(), 101u);
    for (const auto& y : program().AnalY)
        EXPECT_EQ(y, std::vector<double>(101, 0.0));
}

TEST_F(ProgramState, ExchangerModelIsCreatedOnFirstUseWithoutItsStreams) {
    const int before = mixtures();
    morv::TARMST& model = program().Vymenik();
    EXPECT_EQ(&program().Vymenik(), &model);
    EXPECT_EQ(program().VymenikRef().get(), &model);
    // The streams and their mixtures come with the first access to them.
    EXPECT_EQ(mixtures(), before);
    model.Tr();
    model.Pl();
    EXPECT_EQ(mixtures(), before + 2);
}

TEST_F(ProgramState, CondensationModelIsCreatedOnFirstUseWithMethodOneAndNoModel) {
    morv::TARMMORV& k = program().Kondenzator();
    EXPECT_EQ(&program().Kondenzator(), &k);
    EXPECT_EQ(static_cast<int16_t>(k.MetodaP), 1);
    EXPECT_EQ(k.heRef(), nullptr);
    k.he(program().VymenikRef());
    EXPECT_EQ(&k.he(), &program().Vymenik());
}

TEST_F(ProgramState, ReleasedExchangerModelLivesOnInTheCondensationModel) {
    program().Kondenzator().he(program().VymenikRef());
    program().Vymenik().Q = 5000.0;
    program().Vymenik(nullptr);
    EXPECT_EQ(static_cast<float>(program().Kondenzator().he().Q), 5000.0f);
    // The next use creates a new model.
    EXPECT_EQ(static_cast<float>(program().Vymenik().Q), 0.0f);
    EXPECT_NE(&program().Vymenik(), &program().Kondenzator().he());
}

TEST_F(ProgramState, CurrentStreamIsTheModelsOwnStream) {
    program().AktProud = program().Vymenik().PlRef();
    program().AktProud->Xm(1, 0.25);
    program().AktProud->Xh(1, 0.5);
    EXPECT_EQ(program().Vymenik().Pl().Xm(1), 0.25);
    EXPECT_EQ(program().Vymenik().Pl().Xh(1), 0.5);
    EXPECT_EQ(program().Vymenik().Tr().Xm(1), 0.0);
}

TEST_F(ProgramState, UnitConverterIsCreatedOnFirstUseAndReleasedOnRequest) {
    tovi::Tovi& converter = program().Prevodnik();
    EXPECT_EQ(&program().Prevodnik(), &converter);
    // The built-in unit table, no user units (the user unit folder is empty).
    EXPECT_EQ(converter.Ncelk(), 91);
    converter.Ncelk(50);
    program().Prevodnik(nullptr);
    EXPECT_EQ(program().Prevodnik().Ncelk(), 91);
}

TEST_F(ProgramState, ResetReleasesEveryObjectAndRestoresTheStartValues) {
    const int before = mixtures();
    program().Vymenik().Tr().m(3.0);
    program().Vymenik().IPOM(0, 1);
    program().Kondenzator().he(program().VymenikRef());
    program().Kondenzator().MetodaP = 4;
    program().AktProud = program().Vymenik().TrRef();
    program().Rezidua(1) = 0.5;
    program().ChybaNacteni = -1;
    program().SlozeniZadano = 7;
    program().Prevodnik().Ncelk(50);
    EXPECT_EQ(mixtures(), before + 1);

    resetProgram();

    EXPECT_EQ(mixtures(), before);
    EXPECT_EQ(program().AktProud, nullptr);
    EXPECT_TRUE(program().Rezidua(1).isEmpty());
    EXPECT_EQ(program().ChybaNacteni, 0);
    EXPECT_EQ(program().SlozeniZadano, 0);
    EXPECT_EQ(static_cast<int16_t>(program().Kondenzator().MetodaP), 1);
    EXPECT_EQ(program().Kondenzator().heRef(), nullptr);
    EXPECT_EQ(program().Vymenik().IPOM(0), 0);
    EXPECT_EQ(program().Vymenik().Tr().m(), 0.0);
    EXPECT_EQ(program().Prevodnik().Ncelk(), 91);
}
