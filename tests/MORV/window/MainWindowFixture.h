#pragma once
//! The fixture of the main window's tests: a fresh program state on the database of this
//! build, scripted message boxes, file dialogs and modal windows, the decimal separator
//! pinned, and the main window built and loaded. Controls are found by object name.

#include "BuiltDatabaseSupport.h"

#include "MORV/model/TaskCommands.h"
#include "MORV/window/Vypocet.h"
#include "MORV/window/frmHE.h"
#include "Platform/FileDialog.h"
#include "Platform/Progress.h"
#include "Platform/Regional.h"
#include "Platform/qt/FlexGrid.h"
#include "Platform/qt/ModalHost.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace morvtest {

class MainWindowTest : public BuiltDatabase {
protected:
    void SetUp() override {
        BuiltDatabase::SetUp();
        platform::ModalHost::setHook([this](QDialog& d) { return modal(d); });
        window = std::make_unique<morv::frmHE>(morv::program());
    }
    void TearDown() override {
        window.reset();
        platform::ModalHost::setHook({});
        EXPECT_TRUE(unexpectedModals.empty()) << unexpectedModals.front();
        EXPECT_TRUE(dialogs.unexpected().empty());
        BuiltDatabase::TearDown();
    }

    //! Queues what the next modal window does: the handler gets the dialog and returns its
    //! result, as the user's closing of it would.
    void onModal(std::function<int(QDialog&)> handler) { m_modals.push_back(std::move(handler)); }
    //! Lets the splash window of the first activation be closed by a key.
    void closeSplashByKey() {
        onModal([](QDialog& d) {
            QTest::keyClick(&d, Qt::Key_Space);
            return d.result();
        });
    }
    //! The first activation of a new program, its splash closed by a key.
    void activateFirstTime() {
        closeSplashByKey();
        window->Form_Activate();
    }

    template <class W = QWidget> W* control(const QString& name) const {
        W* w = window->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }

    std::unique_ptr<morv::frmHE> window;
    platform::ScriptedFileDialogs dialogs;
    platform::FileDialogBackendScope dialogScope{dialogs};
    platform::DecimalSeparatorScope separator{'.'};
    //! The object names of the modal windows shown, in order.
    std::vector<std::string> modalsShown;
    std::vector<std::string> unexpectedModals;

private:
    int modal(QDialog& d) {
        modalsShown.push_back(d.objectName().toStdString());
        if (m_modals.empty()) {
            unexpectedModals.push_back(d.objectName().toStdString());
            return QDialog::Rejected;
        }
        auto handler = std::move(m_modals.front());
        m_modals.pop_front();
        return handler(d);
    }
    std::deque<std::function<int(QDialog&)>> m_modals;
};

//! Everything the main window shows that a command could change: the text, tool tip, text colour
//! and background of every box, the caption of every label, the choice of every list and check
//! box and the cells of both composition grids, by object name.
inline std::map<std::string, std::string> shownState(QWidget& window) {
    std::map<std::string, std::string> shown;
    for (const QLineEdit* box : window.findChildren<QLineEdit*>())
        shown["box " + box->objectName().toStdString()] =
            box->text().toStdString() + "|" + box->toolTip().toStdString() + "|" +
            box->palette().color(QPalette::Text).name().toStdString() + "|" +
            box->palette().color(QPalette::Base).name().toStdString();
    for (const QLabel* label : window.findChildren<QLabel*>())
        shown["label " + label->objectName().toStdString()] = label->text().toStdString();
    for (const QComboBox* list : window.findChildren<QComboBox*>())
        shown["list " + list->objectName().toStdString()] = list->currentText().toStdString();
    for (const QCheckBox* check : window.findChildren<QCheckBox*>())
        shown["check " + check->objectName().toStdString()] = check->isChecked() ? "1" : "0";
    for (const platform::FlexGrid* grid : window.findChildren<platform::FlexGrid*>())
        for (int row = 0; row < grid->Rows(); ++row)
            for (int col = 0; col < grid->Cols(); ++col)
                shown["grid " + grid->objectName().toStdString() + " " + std::to_string(row) + "," +
                      std::to_string(col)] = grid->TextMatrix(row, col).toStdString();
    return shown;
}

//! The main window after its first activation with the sample task loaded and shown as the
//! load command does, its progress bar recorded.
class SampleTaskWindowTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        activateFirstTime();
        window->setProgress(&bar);
        ASSERT_EQ(morv::loadTask(morv::program(), sampleTaskPath(sampleTask)), 0);
        morv::ZobrazData(*window);
        modalsShown.clear(); // the splash window
    }

    platform::RecordingProgress bar;
};

} // namespace morvtest
