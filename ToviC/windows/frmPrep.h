#pragma once
//! The interactive conversion window ("  P Ř E P O Č T Y"): the user types a value with
//! units into `Text1`, Enter shows it converted in `Text2`, Esc empties both. The window has
//! a converter of its own; its owner shows it without waiting and hides it again when it
//! raises `ZavritP`, so it keeps its texts between showings.

#include "ToviWindows/ToviWindowsExport.h"

#include <QWidget>

#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tovi {

class Tovi;

class TOVIWINDOWS_EXPORT frmPrep : public QWidget {
    Q_OBJECT
public:
    explicit frmPrep(QWidget* parent = nullptr);
    ~frmPrep() override;

signals:
    //! The user wants the window closed; the owner hides it.
    void ZavritP();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    //! The window's close button asks the owner as `Command1` does.
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_Activate();
    //! Enter converts the text of `Text1`, Esc empties both boxes; returns whether it used
    //! the key.
    bool Text1_KeyPress(int KeyAscii);
    void Command2_Click();
    void Command1_Click();

    //! Converts the text of `Text1` into `Text2`: the value in the target unit followed by that
    //! unit, or in SI base units alone; empty when the converter found a problem (it has shown
    //! its message).
    void convert();

    std::unique_ptr<Tovi> m_tovi;
    QLabel* m_Label1;
    QLineEdit* m_Text1;
    QLineEdit* m_Text2;
    QPushButton* m_Command2;
    QPushButton* m_Command1;
};

} // namespace tovi
