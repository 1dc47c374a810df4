#pragma once
//! The list of the unit abbreviations a converter knows ("Zkratky jednotek"). Its owner fills
//! it, shows it modally and hides it again when the list raises `Zavrit` (its button, or Esc
//! on the list or the button).

#include "ToviWindows/ToviWindowsExport.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;

namespace tovi {

class TOVIWINDOWS_EXPORT F_Prehled : public QDialog {
    Q_OBJECT
public:
    explicit F_Prehled(QWidget* parent = nullptr);

    //! Replaces the items of `T_Zkratky` by `abbreviations` and selects the first.
    void fill(const QStringList& abbreviations);

signals:
    //! The user wants the list closed; the owner hides it.
    void Zavrit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    //! Esc elsewhere and the window's close button ask the owner too, so the list is always
    //! closed the same way.
    void reject() override;

private:
    void Command1_Click();
    void Command1_KeyPress(int KeyAscii);
    void T_Zkratky_KeyPress(int KeyAscii);

    QLabel* m_label;
    QListWidget* m_T_Zkratky;
    QPushButton* m_Command1;
};

} // namespace tovi
