#pragma once
//! The composition-entry window: one row per component (number, name, entry box), the unit
//! of the values (mass or mole fractions) and the two buttons. A mouse press on a name asks
//! the owner for the substance card (left button) or for the temporary rename (any other).
//! Closing the window with its close button counts as "&Zpět".

#include "KwelarWindows/KwelarWindowsExport.h"
#include <QDialog>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kwelar {

class KWELARWINDOWS_EXPORT F_Sloz : public QDialog {
    Q_OBJECT
public:
    static constexpr int RowCount = 20;

    //! One filled row.
    struct Row {
        std::string number;
        std::string name;
        std::string value;
    };

    explicit F_Sloz(QWidget* parent = nullptr);

    //! Empties every row, fills rows 1..rows.size(), enables their boxes and sets the caption;
    //! `Nslozek` becomes the number of rows.
    void fill(const std::vector<Row>& rows, const std::string& caption);
    //! The texts of the boxes 1..Nslozek.
    std::vector<std::string> texts() const;
    //! True when the values are mole fractions (`O_Mol`).
    bool molar() const;
    //! Writes the name label of row i (1..20).
    void setName(int i, const std::string& text);
    //! Gives the entry box of row i (1..20) the focus with its whole text selected.
    void selectBox(int i);
    int16_t Nslozek() const { return m_Nslozek; }

signals:
    void ZavriSloz();
    void ZobrazL(int16_t i);
    void ZobrazZ(int16_t i);
    void ZpetSloz();

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    //! Escape does nothing: only the buttons and the close box end the window.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<QLabel*, RowCount> m_L_N{};
    std::array<QLabel*, RowCount> m_L_J{};
    std::array<QLineEdit*, RowCount> m_T_S{};
    QRadioButton* m_O_Hmot;
    QRadioButton* m_O_Mol;
    QPushButton* m_C_OK;
    QPushButton* m_C_Zpet;
    int16_t m_Nslozek = 0;
};

} // namespace kwelar
