#include "ToviC/ToviOkna.h"
#include "ToviC/Tovi.h"

#include "TestSupport.h"
#include "UserUnitFolder.h"

#include <memory>
#include <string>
#include <vector>

using tovi::Tovi;

namespace {

// Records what a converter asks of its windows.
struct WindowLog {
    int created = 0;
    int released = 0;
    std::vector<std::vector<std::string>> lists;
    std::vector<std::string> calls;
};

class RecordingWindows : public tovi::ToviOkna {
public:
    explicit RecordingWindows(WindowLog& log) : m_log(log) { ++m_log.created; }
    ~RecordingWindows() override { ++m_log.released; }
    void showList(const std::vector<std::string>& abbreviations) override {
        m_log.lists.push_back(abbreviations);
        m_log.calls.push_back("showList");
    }
    void hideList() override { m_log.calls.push_back("hideList"); }
    void showConversion() override { m_log.calls.push_back("showConversion"); }
    void hideConversion() override { m_log.calls.push_back("hideConversion"); }

private:
    WindowLog& m_log;
};

class ToviWindowSeam : public ::testing::Test {
protected:
    ~ToviWindowSeam() override { tovi::setToviOknaFactory(nullptr); }
    void install() {
        tovi::setToviOknaFactory([this](Tovi&) { return std::make_unique<RecordingWindows>(log); });
    }
    UserUnitFolder folder;
    WindowLog log;
};

TEST_F(ToviWindowSeam, WithoutTheWindowPartTheWindowMembersDoNothing) {
    Tovi t;
    t.ZobrazPrehled();
    t.Prepocet();
    t.mPrehled_Zavrit();
    t.mPrep_ZavritP();
    EXPECT_EQ(t.Ncelk(), 91);
}

TEST_F(ToviWindowSeam, WindowsAreMadeAtTheFirstRequestAndLiveWithTheObject) {
    install();
    {
        Tovi t;
        // A converter used without windows never makes them; closing handlers alone do not.
        t.mPrehled_Zavrit();
        t.mPrep_ZavritP();
        EXPECT_EQ(log.created, 0);
        t.Prepocet();
        t.ZobrazPrehled();
        t.mPrehled_Zavrit();
        t.mPrep_ZavritP();
        t.Prepocet();
        EXPECT_EQ(log.created, 1);
        EXPECT_EQ(log.calls, (std::vector<std::string>{"showConversion", "showList", "hideList",
                                                       "hideConversion", "showConversion"}));
        EXPECT_EQ(log.released, 0);
    }
    EXPECT_EQ(log.released, 1);
}

TEST_F(ToviWindowSeam, TheListIsFilledFromTheRowsInUseAtEveryCall) {
    folder.write("\"atm\",101325,523\r\n\"psi\",6894.757,523\r\n");
    install();
    Tovi t;
    t.ZobrazPrehled();
    t.Ncelk(3);
    t.ZobrazPrehled();
    t.Ncelk(0);
    t.ZobrazPrehled();
    ASSERT_EQ(log.lists.size(), 3u);
    ASSERT_EQ(log.lists[0].size(), 93u);
    EXPECT_EQ(log.lists[0].front(), "m");
    EXPECT_EQ(log.lists[0][90], "bar");
    EXPECT_EQ(log.lists[0][91], "atm");
    EXPECT_EQ(log.lists[0][92], "psi");
    EXPECT_EQ(log.lists[1], (std::vector<std::string>{"m", "dm", "cm"}));
    EXPECT_TRUE(log.lists[2].empty());
}

} // namespace
