#pragma once
//! The data editor of one substance: its identity and 17 point values on the first tab, its
//! 11 temperature correlations on three more. The window only moves the focus and filters
//! keys; everything else it reports by its events to the owner, whose handlers read and write
//! the boxes (DataEditorHost).

#include "KwelarWindows/KwelarWindowsExport.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace kwelar {

class KWELARWINDOWS_EXPORT frmOprav : public QDialog {
    Q_OBJECT

public:
    explicit frmOprav(QWidget* parent = nullptr);

    //! The box with this object name ("txtRozv_17"); nullptr when there is none.
    QLineEdit* box(const QString& name) const;
    QTabWidget* SSTab1() const { return m_SSTab1; }

signals:
    //! "&Pokračovat se změnami" with the position read from the position box.
    void ZavriOD(qint16 Ind);
    //! "&Storno beze změn".
    void StornoOD();
    //! The text of the type box Text3(i) changed.
    void TipVztah(qint16 i);
    //! The constant box txtRozv(i) was clicked.
    void SelOD(qint16 i);
    //! A key was typed into the constant box txtRozv(i): 13 for Enter, else its character.
    void RetOD(qint16 i, qint16 KeyAscii);
    //! "&Dočasně nahrát (700)" with the position read from the position box.
    void ZapisOD(qint16 Ind);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    //! Escape does nothing: only the buttons and the close box end the window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* pointTab();
    QWidget* correlationTab(int tab);
    QLineEdit* addBox(const QString& name);
    QLabel* addLabel(const QString& text, const QString& name = {});
    //! The position box's leading number rounded half to even (0 outside the 16-bit range).
    qint16 position() const;
    //! Index of an indexed control from its object name ("txtRozv_17" gives 17).
    static int indexOf(const QObject* control);

    void Text1_KeyPress();
    void txtCAS_KeyPress();
    void cmdZapis_Click();
    void cmdPokr_Click();
    void Command1_Click();

    QTabWidget* m_SSTab1 = nullptr;
};

} // namespace kwelar
