#pragma once
//! The substance-list window: the sorted list of the database, in alphabetical or number
//! order or the lines found by a search. A click on the window outside the list, or a key
//! typed in the list, asks the owner to close it.

#include "KwelarWindows/KwelarWindowsExport.h"
#include <QDialog>

#include <string>
#include <vector>

class QLabel;
class QListWidget;

namespace kwelar {

class KWELARWINDOWS_EXPORT F_Sezn : public QDialog {
    Q_OBJECT
public:
    explicit F_Sezn(QWidget* parent = nullptr);

    //! Replaces the lines and the headings; selects the first line when there is one.
    void fill(const std::vector<std::string>& lines, const std::string& nadpis1, const std::string& nadpis2);

signals:
    //! The user asks to close the list.
    void Zavrit();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_Nadpis_1;
    QLabel* m_Nadpis_2;
    QLabel* m_Titulek;
    QListWidget* m_L_Sezn;
};

} // namespace kwelar
