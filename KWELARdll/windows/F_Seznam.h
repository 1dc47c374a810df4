#pragma once
//! The component-choice window: up to 20 substance numbers, typed into a column of boxes or
//! picked from the substance list by a double click or Enter. The confirmation sends the
//! numbers to the owner (`SZavrit`); closing the window without it clears the boxes as
//! "Smazat, znovu" does and sends nothing.

#include "KwelarWindows/KwelarWindowsExport.h"
#include "Platform/Array.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace kwelar {

class KWELARWINDOWS_EXPORT F_Seznam : public QDialog {
    Q_OBJECT
public:
    static constexpr int BoxCount = 20;

    explicit F_Seznam(QWidget* parent = nullptr);

    //! Replaces the list lines and the texts; selects the first line when there is one.
    void fill(const std::vector<std::string>& lines, const std::string& caption, const std::string& nadpis1,
              const std::string& nadpis2, const std::string& datafile);

    //! Number of filled boxes; the box with this index is the current one.
    int16_t PocetZadanych() const { return m_PocetZadanych; }
    //! The count sent with the last confirmation.
    int16_t PocetOdeslanych() const { return m_PocetOdeslanych; }

    //! Every display of the window: restores the count of the last confirmation and places
    //! the focus.
    void Form_Activate();
    void C_OK_Click();
    void Zpet_Click();

signals:
    //! The confirmed choice: N(0) the count, N(1..N(0)) the substance numbers in box order.
    void SZavrit(const platform::Array<int16_t>& N);

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    //! Escape does nothing: only the buttons and the close box end the window.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    //! Takes the number at the start of the selected list line into the current box.
    void takeSelectedLine(bool moveDown);
    //! Enter in box `index`.
    void boxEnter(int index);
    //! Focus as after a click on an option button.
    void placeFocus();
    int boxIndex(QObject* watched) const;

    QRadioButton* m_Option1;
    QRadioButton* m_Option2;
    std::array<QLineEdit*, BoxCount> m_T_Smes{};
    QListWidget* m_L_Seznam;
    QPushButton* m_C_OK;
    QPushButton* m_Zpet;
    QLabel* m_Nadpis_1;
    QLabel* m_Nadpis_2;
    QLabel* m_lblDatafile;

    int16_t m_PocetZadanych = 0;
    int16_t m_PocetOdeslanych = 0;
    bool m_ChybnaKlavesa = false;
};

} // namespace kwelar
