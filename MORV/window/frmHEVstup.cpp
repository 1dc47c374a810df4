// Entry of the basic and construction tabs: Enter confirms a box through the unit
// converter, the construction values are checked against each other, the marks colour their
// boxes.

#include "MORV/window/UnitEntry.h"
#include "MORV/window/Vypocet.h"
#include "MORV/window/frmHE.h"
#include "Platform/Conversions.h"
#include "Platform/Format.h"
#include "Platform/MessageBox.h"
#include "Platform/RunTimeError.h"
#include "Platform/qt/Keys.h"
#include "Platform/qt/QtProgress.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace morv {

namespace {

const char* const Title = "MORV";

//! The number a box shows (regional settings, single precision); false when it shows none.
bool boxValue(const QLineEdit& box, double& x) {
    double v = 0.0;
    if (!platform::tryRegionalNumber(box.text().toStdString(), v)) return false;
    x = static_cast<float>(v);
    return true;
}

void refuse(QLineEdit& box, const std::string& text) {
    platform::msgBox(text, 64, Title);
    box.selectAll();
    box.setFocus();
}

//! The proposal line of a count that does not fit the shell: "\r\n" + words + (D - s) / s,
//! left out when the pitch is not a positive number.
std::string proposal(const char* words, double D, double s) {
    if (!(s > 0.0)) return {};
    return std::string("\r\n") + words + platform::format((D - s) / s, "#0");
}

} // namespace

void frmHE::connectEntryHandlers() {
    for (size_t i = 0; i < txtPar.size(); ++i) {
        const int index = static_cast<int>(i);
        connect(txtPar[i], &QLineEdit::returnPressed, this,
                [this, index] { txtPar_KeyPress(index, platform::key::Enter); });
        connect(chkPar[i], &QCheckBox::clicked, this, [this, index] { chkPar_Click(index); });
        connect(chkPar[i], &QCheckBox::pressed, this, [this] { chkPar_MouseDown(); });
    }
    for (size_t i = 0; i < txtPark.size(); ++i) {
        const int index = static_cast<int>(i);
        connect(txtPark[i], &QLineEdit::returnPressed, this,
                [this, index] { txtPark_KeyPress(index, platform::key::Enter); });
    }
    connect(txtPtr, &QLineEdit::returnPressed, this, [this] { txtPtr_KeyPress(platform::key::Enter); });
    connect(txtPpl, &QLineEdit::returnPressed, this, [this] { txtPpl_KeyPress(platform::key::Enter); });
    connect(optZadk, &QRadioButton::clicked, this, [this] { optZadk_Click(); });
    connect(optZads, &QRadioButton::clicked, this, [this] { optZads_Click(); });
    connect(cmdLogK, &QPushButton::clicked, this, [this] { cmdLogK_Click(); });
    connect(cmdTrubk, &QPushButton::clicked, this, [this] { cmdTrubk_Click(); });
    connect(cmdAnal, &QPushButton::clicked, this, [this] { cmdAnal_Click(); });
    connect(cmdGraf, &QPushButton::clicked, this, [this] { cmdGraf_Click(); });
    connect(cmdVypoc, &QPushButton::pressed, this, [this] { cmdVypoc_MouseDown(); });
    connect(cmdVypoc, &QPushButton::clicked, this, [this] { cmdVypoc_Click(); });
    connect(cmdVysl, &QPushButton::clicked, this, [this] { cmdVysl_Click(); });
    connect(cmdSmaz, &QPushButton::clicked, this, [this] { cmdSmaz_Click(); });
    connect(cmdMetP, &QPushButton::clicked, this, [this] { cmdMetP_Click(); });
    connect(cmdTlum, &QPushButton::clicked, this, [this] { cmdTlum_Click(); });
    connect(cmdSloz, &QPushButton::clicked, this, [this] { cmdSloz_Click(); });
    connectCatalogueHandlers();
    connect(txtSl[18], &QLineEdit::returnPressed, this, [this] { txtSl_KeyPress(18, platform::key::Enter); });
    for (QComboBox* phase : {cmbSkS, cmbSkT})
        connect(phase, qOverload<int>(&QComboBox::activated), this, [this] { cmbSk_Click(); });
    for (QLineEdit* b : {txtPtr, txtPpl, txtSl[18]})
        b->installEventFilter(this);
    txtPar[0]->setMouseTracking(true);
    txtPar[1]->setMouseTracking(true);
    for (size_t i : {6u, 7u, 8u})
        txtPark[i]->setMouseTracking(true);
}

void frmHE::chkPar_Click(int Index) {
    const auto i = static_cast<size_t>(Index);
    setUnknownBackground(*txtPar[i], chkPar[i]->checkState() == Qt::Checked);
    txtPar[i]->setFocus();
}

void frmHE::chkPar_MouseDown() {
    markUncalculated();
}

void frmHE::markUncalculated() {
    lblStav->setText(QStringLiteral("Nespočteno"));
}

void frmHE::optZadk_Click() {
    cmdNactiD->setEnabled(!optZadk->isChecked());
}

void frmHE::optZads_Click() {
    cmdNactiD->setEnabled(optZads->isChecked());
}

bool frmHE::confirmEntry(QLineEdit& box, const char* unitBefore, double& value) {
    m_state.VstupText = withBoxUnit(box.text().toStdString(), unitBefore);
    std::string buffer = m_state.VstupText;
    try {
        int16_t CH = 0;
        const platform::Variant x = m_state.Prevodnik().Prevod(buffer, CH);
        if (CH != 0) {
            box.setFocus();
            return false;
        }
        const platform::Variant shown = m_state.Prevodnik().RoundX(x);
        value = x.toDouble();
        box.setText(QString::fromStdString(shown.toString()));
        return true;
    } catch (const platform::RunTimeError& e) {
        // A number the converter cannot hold (not finite, beyond the range): refused like a
        // unit it does not know.
        platform::msgBox("Chyba č. " + std::to_string(e.number()) + " : " + e.description(), 48, Title);
        box.setFocus();
        return false;
    }
}

void frmHE::txtPar_KeyPress(int Index, int KeyAscii) {
    if (KeyAscii != platform::key::Enter) return;
    markUncalculated();
    QLineEdit& box = *txtPar[static_cast<size_t>(Index)];
    double v = 0.0;
    if (!box.text().isEmpty() && !confirmEntry(box, mainQuantityUnit(Index), v)) return;
    (Index < 7 ? txtPar[static_cast<size_t>(Index + 1)] : txtPtr)->setFocus();
}

void frmHE::txtPtr_KeyPress(int KeyAscii) {
    if (KeyAscii != platform::key::Enter) return;
    markUncalculated();
    double v = 0.0;
    if (!txtPtr->text().isEmpty() && !confirmEntry(*txtPtr, pressureUnit, v)) return;
    txtPpl->setFocus();
}

void frmHE::txtPpl_KeyPress(int KeyAscii) {
    if (KeyAscii != platform::key::Enter) return;
    markUncalculated();
    double v = 0.0;
    if (!txtPpl->text().isEmpty() && !confirmEntry(*txtPpl, pressureUnit, v)) return;
    txtPar[0]->setFocus();
}

void frmHE::txtSl_KeyPress(int Index, int KeyAscii) {
    if (Index != 18 || KeyAscii != platform::key::Enter) return;
    markUncalculated();
    double v = 0.0;
    if (!txtSl[18]->text().isEmpty()) confirmEntry(*txtSl[18], noUnit, v);
}

void frmHE::cmbSk_Click() {
    const TARMST& m = m_state.Vymenik();
    const QString liquid = QStringLiteral("kapalné");
    if ((cmbSkS->currentText() == liquid) != m.TrubKap || (cmbSkT->currentText() == liquid) != m.PlastKap)
        markUncalculated();
}

bool frmHE::checkConstruction(int Index, double v) {
    QLineEdit& box = *txtPark[static_cast<size_t>(Index)];
    double d = 0.0, D = 0.0, L = 0.0, s = 0.0;
    const bool haveD = boxValue(*txtPark[0], D), have_d = boxValue(*txtPark[1], d);
    switch (Index) {
    case 2:
        if (have_d && d > 0.0 && boxValue(box, s) && s < 0.0)
            box.setText(QString::fromStdString(platform::format(d + 2.0 * s, "0.0000")));
        return true;
    case 6:
        if (have_d && v < 1.05 * d) {
            refuse(box, "Rozteč trubek menší než průměr trubky!");
            return false;
        }
        return true;
    case 8:
        if (boxValue(*txtPark[3], L)) {
            if (v > L) {
                refuse(box,
                       "Zadáváte rozteč větší než délka trubek!\r\nPočet přepážek musíte zadat záporně!");
                return false;
            }
            if (v < 0.0) box.setText(QString::fromStdString(m_state.Prevodnik().RoundX(L / -v).toString()));
        }
        return true;
    case 10:
    case 11:
        if (haveD && have_d && v * d > 0.98 * D) {
            const bool across = Index == 10;
            double pitch = 0.0;
            const bool havePitch = boxValue(*txtPark[across ? 6 : 7], pitch);
            refuse(box, std::string(across ? "Počet trubek vedle sebe převyšuje průměr pláště!"
                                           : "Počet řad trubek za sebou převyšuje průměr pláště!") +
                            (havePitch
                                 ? proposal(across ? "Odpovídal by počet trubek " : "Odpovídal by počet řad ",
                                            D, pitch)
                                 : std::string()));
            return false;
        }
        return true;
    default:
        return true;
    }
}

void frmHE::txtPark_KeyPress(int Index, int KeyAscii) {
    if (KeyAscii != platform::key::Enter) return;
    markUncalculated();
    QLineEdit& box = *txtPark[static_cast<size_t>(Index)];
    if (!box.text().isEmpty()) {
        double v = 0.0;
        if (!confirmEntry(box, constructionUnit(Index), v) || !checkConstruction(Index, v)) return;
    }
    if (Index < 20)
        txtPark[static_cast<size_t>(Index + 1)]->setFocus();
    else
        cmbChar->setFocus();
}

void frmHE::txtPar_MouseMove(int Index) {
    if (Index > 1) return;
    QLineEdit& box = *txtPar[static_cast<size_t>(Index)];
    double flow = 0.0;
    if (platform::tryRegionalNumber(box.text().toStdString(), flow) && flow > 0.0)
        box.setToolTip(QString::fromStdString(platform::format(flow * 3600.0, "#.0")) +
                       QStringLiteral(" (kg/h)"));
    else
        box.setToolTip(QStringLiteral("Nezadáno nebo špatně!"));
}

void frmHE::txtPark_MouseMove(int Index) {
    if (Index == 6 || Index == 7)
        txtPark[static_cast<size_t>(Index)]->setToolTip(QStringLiteral(
            "Doporučená rozteč: d=20 mm  s=0.025-0.045;  d=25 mm  s=0.0317-0.0554; d=38 mm  s=0.0831"));
    else if (Index == 8)
        txtPark[8]->setToolTip(QStringLiteral("Záporně zadáno znamená Počet přepážek"));
}

} // namespace morv
