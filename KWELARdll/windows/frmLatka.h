#pragma once
//! The substance card: identity and point values of one loaded component. A click on the
//! card's free background asks the owner to close it; a click on a label does nothing.

#include "KwelarWindows/KwelarWindowsExport.h"
#include <QDialog>

#include <string>
#include <utility>
#include <vector>

namespace kwelar {

class KWELARWINDOWS_EXPORT frmLatka : public QDialog {
    Q_OBJECT
public:
    explicit frmLatka(QWidget* parent = nullptr);

    //! Writes the value labels, each given by its object name.
    void fill(const std::vector<std::pair<std::string, std::string>>& values);

signals:
    void ZavriL();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace kwelar
