#pragma once
//! The temporary rename of a component: its current name and a box for the new one. Enter
//! in the box sends the new name to the owner; closing the window any other way changes
//! nothing.

#include "KwelarWindows/KwelarWindowsExport.h"
#include <QDialog>

#include <cstdint>
#include <string>

class QLabel;
class QLineEdit;

namespace kwelar {

class KWELARWINDOWS_EXPORT F_Zmenaz : public QDialog {
    Q_OBJECT
public:
    explicit F_Zmenaz(QWidget* parent = nullptr);

    //! Shows the current name, empties the box and keeps the row number.
    void prepare(const std::string& current, int16_t index);
    int16_t IndexZ() const { return m_IndexZ; }

signals:
    void ZavriZ(int16_t i, const std::string& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_L_Puv;
    QLineEdit* m_T_Nov;
    int16_t m_IndexZ = 0;
};

} // namespace kwelar
