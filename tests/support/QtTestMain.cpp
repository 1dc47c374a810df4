// The main of window tests: the offscreen platform, one application object whose locale is
// settled as the program's is, and scripted message boxes for every test.

#include "Platform/MessageBox.h"
#include "Platform/qt/UserLocale.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    platform::settleUserLocale();
    ::testing::InitGoogleTest(&argc, argv);
    // Until a test installs its own script, any box is unexpected and answered cautiously.
    platform::ScriptedMessageService boxes;
    platform::MessageServiceScope scope(boxes);
    const int rc = RUN_ALL_TESTS();
    for (const auto& box : boxes.unexpected())
        std::fprintf(stderr, "Unscripted box [%s]: %s\n", box.title.c_str(), box.text.c_str());
    return boxes.unexpected().empty() ? rc : 1;
}
