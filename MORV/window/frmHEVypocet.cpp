// The calculation driver: the checks of the inputs, the design solve with its window steps,
// the display of the results, the pressure drops and the report.

#include "KWELARdll/model/KwelarConstants.h"
#include "MORV/model/DesignSolve.h"
#include "MORV/model/MorvConstants.h"
#include "MORV/model/Vysledky.h"
#include "MORV/window/Vypocet.h"
#include "MORV/window/frmHE.h"
#include "Platform/Conversions.h"
#include "Platform/FileDialog.h"
#include "Platform/Format.h"
#include "Platform/MessageBox.h"
#include "Platform/RunTimeError.h"
#include "Platform/qt/QtProgress.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>

#include <cmath>
#include <vector>

namespace morv {

namespace {

const std::string Crlf = "\r\n";
//! Longest results text with which a calculation still runs [characters].
constexpr qsizetype resultsLimit = 38000;

//! The length of a text in characters, as the results box counts it.
qsizetype characters(const std::string& text) {
    return QString::fromStdString(text).size();
}

//! The result boxes of the heat-transfer, composition and pressure-drop tabs as they stand:
//! text, tool tip and colours, for a calculation that stops before its solve to put back.
class ShownResults {
public:
    explicit ShownResults(frmHE& w) {
        for (QLineEdit* box : w.txtTr)
            keep(*box);
        for (QLineEdit* box : w.txtDp)
            keep(*box);
        // The properties; the inert content (txtSl(18)) is an input.
        for (size_t i = 0; i < 18; ++i)
            keep(*w.txtSl[i]);
    }
    void restore() const {
        for (const Shown& s : m_boxes) {
            s.box->setText(s.text);
            s.box->setToolTip(s.toolTip);
            s.box->setPalette(s.palette);
        }
    }

private:
    struct Shown {
        QLineEdit* box;
        QString text, toolTip;
        QPalette palette;
    };
    void keep(QLineEdit& box) { m_boxes.push_back({&box, box.text(), box.toolTip(), box.palette()}); }
    std::vector<Shown> m_boxes;
};

//! The box of an error, after a line of its own when one is given.
void showError(const platform::RunTimeError& e, const std::string& before = {}) {
    platform::msgBox((before.empty() ? before : before + Crlf) + "Výpočet - Chyba č. " +
                         platform::numberText(e.number()) + Crlf + e.description(),
                     16, "MORV");
}

} // namespace

void showCalculationError(const platform::RunTimeError& e) {
    if (e.number() == kwelar::ChybaVypoctu)
        platform::msgBox("Fatální chyba pro daná data!" + Crlf + e.source() + Crlf + "Změňte zadání!", 16,
                         "MORV - výpočet");
    else
        showError(e);
}

platform::Progress& frmHE::progress() {
    if (m_progress) return *m_progress;
    if (!m_barProgress) m_barProgress = std::make_unique<platform::QtProgress>(*pbAn);
    return *m_barProgress;
}

ReportBoxes frmHE::reportBoxes() const {
    ReportBoxes b;
    auto texts = [](auto& out, const auto& widgets) {
        for (size_t i = 0; i < widgets.size(); ++i)
            out[i] = widgets[i]->text().toStdString();
    };
    texts(b.lblKo, lblKo);
    texts(b.txtPark, txtPark);
    texts(b.lblSl, lblSl);
    texts(b.txtSl, txtSl);
    texts(b.lblTran, lblTran);
    texts(b.txtTr, txtTr);
    texts(b.lblDp, lblDp);
    texts(b.txtDp, txtDp);
    return b;
}

void frmHE::cmdVypoc_MouseDown() {
    lblStav->setText(QStringLiteral("Počítám..."));
}

void frmHE::cmdVypoc_Click() {
    if (m_calculating) return;
    m_calculating = true;
    struct Running {
        bool& flag;
        ~Running() { flag = false; }
    } running{m_calculating};

    ProgramState& st = m_state;
    platform::Progress& bar = progress();
    auto end = [&] { bar.setVisible(false); };
    auto refuse = [&](const std::string& text, int style) { platform::msgBox(text, style, "MORV"); };

    if (characters(st.Vysledky) > resultsLimit) {
        refuse("Výsledkové okno je již přeplněno! Uložte je nebo zpracujte," + Crlf +
                   "SMAŽTE HO a potom spusťte výpočet ještě jednou!",
               48);
        return;
    }
    lblStav->setText(QStringLiteral("Počítám..."));
    // A calculation stopped by its checks before the solve shows what was shown before.
    const ShownResults before(*this);
    // The pressure drops shown belong to the last calculation; this one shows its own only
    // once it has converged.
    clearPressureDrops(*this);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    try {
        PrevezmiZadani(*this);
    } catch (const platform::RunTimeError& e) {
        // The fields behind the unreadable box still hold an earlier task: no solve on them.
        showError(e, unreadableBoxLine(*this, e));
        lblStav->setText(QStringLiteral("Nespočteno!"));
        return;
    }

    TARMST& m = st.Vymenik();
    const float smallest = 0.05f;
    if (m.TrubKap && m.PlastKap) return refuse("Aspoň jedno médium musí být plynné!", 48);
    if (m.L < smallest || m.Dplast < smallest) return refuse("Nerálná konstrukční data! Zkontrolujte!", 16);
    if (m.Tr().m() < 0.0003 || m.Pl().m() < 0.0003 || m.Plocha < 0.02f)
        return refuse("Nerálná základní data! Zkontrolujte!", 16);
    if ((m.TrubKap && m.Ttrubi > m.Tplasti) || (m.PlastKap && m.Ttrubi < m.Tplasti))
        return refuse("Vstupní teplota kondenzovaného proudu musí být vyšší," + Crlf + "než kondenzačního!",
                      16);
    if (m.TrubKap && m.Tplasti < m.TrbP.toDouble())
        return refuse("Vstupní teplota par je pod rosným bodem!", 48);
    try {
        if (m.IPOM(8) == 0 &&
            platform::chk::div(platform::chk::div(m.Q, static_cast<double>(m.Tplasto - m.Ttrubi)), 600.0) >
                static_cast<double>(m.Plocha))
            refuse("Pro zadané podmínky patrně nedostatečná plocha!", 48);
    } catch (const platform::RunTimeError& e) {
        showError(e);
    }

    if (!unknownsChosenRightly(m)) {
        refuse("Nevybrali jste správně 3 neznámé k výpočtu!" + Crlf +
                   "Nebo zadáváte přeurčené známé (Q a údaje jednoho proudu)",
               16);
        lblStav->setText(QStringLiteral("Nespočteno!"));
        return;
    }
    unknownPositions(m, st.Nezname);

    if (chkZap->isChecked()) {
        CommonDialog1->CancelError = true;
        CommonDialog1->Filter = "Všechny soubory (*.*)|*.*|Datové(*.dat)|*.dat|Výsledkové (*.res)|*.res";
        CommonDialog1->FilterIndex = 2;
        try {
            CommonDialog1->ShowSave();
        } catch (const platform::RunTimeError& e) {
            if (e.number() != platform::err::Cancelled) throw;
            platform::msgBox("Uživatel stiskl CANCEL, data neuložena!", 16, "MORV");
            return end();
        }
        // The label names the task's file only once the file has been written; a failed
        // write is shown and the calculation goes on.
        try {
            m.UlozData(CommonDialog1->FileName);
            lblFile->setText(QString::fromStdString(CommonDialog1->FileName));
        } catch (const platform::RunTimeError& e) {
            showError(e);
        }
    }

    if (m.TrbP.toDouble() < 1.0)
        return refuse("Zkontrolujte, zda bylo zadáno a spočteno složení proudů!", 48);
    if (m.Tplasto > m.TrbP.toDouble()) m.Tplasto = m.TrbP.toDouble();
    bar.setVisible(true);
    bar.setValue(1);

    DesignSolveResult result;
    bool ended = false; // the checks before the solve ended the run
    try {
        startCoefficients(m);
        ZobrazData(*this);
        result = designSolve(st, DesignSolveKind::Calculation, [&] {
            if (m.ReP.toDouble() < 0.0) {
                refuse("Záporné Re v plášti, zajistěte aby Dplast > Nstřed.Dtrubvněj", 16);
                ended = true;
                return false;
            }
            if (m.PlTyp == -1) {
                const double W1 =
                    m.xx(1).toDouble() * m.CpTr.toDouble() * (m.xx(5).toDouble() - m.xx(3).toDouble());
                const double W2 =
                    m.xx(2).toDouble() *
                    (m.dHPl.toDouble() + m.CpPl.toDouble() * std::abs(m.Tplasti - m.TrbP.toDouble()));
                if (W1 < W2) {
                    const std::string water =
                        platform::format(m.xx(1).toDouble() * 1.01 * W2 / W1, "#0.0000");
                    if (m.IPOM(5) == 1 && m.IPOM(6) == 1 && m.IPOM(7) == 1) {
                        refuse("Zadané množství chladící vody nestačí na zkondenzování!" + Crlf +
                                   "Potřebujete min. " + water + " kg/s vody",
                               48);
                        ended = true;
                        end();
                        return false;
                    }
                    if (platform::msgBox("Množství chladící vody nestačí na zkondenzování!" + Crlf +
                                             "Pro daný odhad potřebujete min. " + water + " kg/s vody" +
                                             Crlf + "Pokračovat přesto ve výpočtu?",
                                         308, "MORV - odhady") != platform::answer::Yes) {
                        ended = true;
                        end();
                        return false;
                    }
                }
            }
            bar.setValue(10);
            lblFix->setText(st.Kondenzator().MetodaP == 4
                                ? QStringLiteral("Koeficienty přestupu fixně zadány !")
                                : QString());
            return true;
        });
    } catch (const platform::RunTimeError& e) {
        showCalculationError(e);
        // Any other failure on the way to the solution: nothing half-iterated is shown as a
        // result.
        if (e.number() != kwelar::ChybaVypoctu) lblStav->setText(QStringLiteral("Nespočteno!"));
        return end();
    }
    if (result.status != DesignSolveStatus::Solved) {
        // Stopped before the solve (the shell's Reynolds number, too little cooling water, or
        // the user's No): nothing of the starting state is a result, and nothing was solved.
        if (ended) {
            before.restore();
            lblStav->setText(QStringLiteral("Nespočteno!"));
        }
        return;
    }
    bar.setValue(25);

    const int16_t ID = result.ID.toInteger();
    const std::string iterations = platform::numberText(result.iterations.toDouble());
    if (ID > 0) {
        lblStav->setText(QStringLiteral("Nespočteno!"));
        if (ID == 1) {
            lblStav->setText(QString::fromStdString(iterations + "  it. DIVERGENCE!"));
            const double sum = std::abs(st.Rezidua(1).toDouble()) + std::abs(st.Rezidua(2).toDouble()) +
                               std::abs(st.Rezidua(3).toDouble());
            platform::msgBox("Překročen max.počet iterací " + platform::numberText(st.MaxIter) + Crlf +
                                 "Suma Abs reziduí = " + st.Prevodnik().RoundX(sum).toString(),
                             64, "MORV");
        } else if (ID == 2) {
            lblStav->setText(QString::fromStdString(iterations + "  it. SINGULARITA!"));
        }
    }

    // The solution (or the last iterate) in the window.
    auto step = [](const std::function<void()>& f) {
        try {
            f();
        } catch (const platform::RunTimeError& e) {
            showError(e);
        }
    };
    st.PosledniVysl = static_cast<int32_t>(txtRes->toPlainText().size());
    step([&] {
        txtPar[5]->setToolTip(QStringLiteral("Rosný bod (°C) ") +
                              QString::fromStdString(platform::format(m.TrbP.toDouble(), "#.0")));
        txtPar[7]->setToolTip(QStringLiteral("Délka trubek (m) ") +
                              QString::fromStdString(platform::format(m.xx(8).toDouble(), "#.000")));
    });
    step([&] { ZobrazData(*this); });
    bar.setValue(50);
    step([&] {
        const double D1 = m.Tplasto - m.Ttrubi, D2 = m.Tplasti - m.Ttrubo;
        double r = platform::chk::div(D1, D2);
        if (r < 0.0) r = std::abs(r);
        if (std::abs(1.0 - r) < 1e-5) r = 0.99999;
        const double lmtd = std::abs(platform::chk::div(D1 - D2, platform::chk::log(r)));
        const double required = platform::chk::div(platform::chk::div(m.Q, m.Kprostup), m.Plocha);
        tovi::Tovi& t = st.Prevodnik();
        auto show = [&](size_t i, const platform::Variant& x) {
            txtTr[i]->setText(QString::fromStdString(t.RoundX(x).toString()));
        };
        show(1, m.Alfai);
        show(2, m.Alfao);
        show(3, lmtd);
        show(5, m.Twi);
        show(6, m.Two);
        show(18, static_cast<float>(st.Kondenzator().Ar));
        show(19, required);
        show(20, platform::chk::div(static_cast<double>(m.Kprostup) * m.Plocha, m.WTr.toDouble()));
    });
    if (ID != 0) return end();

    bar.setValue(70);
    step([&] { ZobrazTlakZtrTrubky(*this); });
    bar.setValue(90);
    step([&] { ZobrazTlakZtrPlast(*this); });
    lblStav->setText(QString::fromStdString(iterations + "  iterací"));
    step([&] { colourPressureDropVelocities(*this); });
    if (m.PlTyp == -1 && m.Tplasto > m.TrbP.toDouble())
        platform::msgBox("Výst.teplota kondenzátu vyšší než ros.bod : " +
                             platform::format(m.TrbP.toDouble(), "#0.0"),
                         48, "MORV");
    if (!chkVysl->isChecked() ||
        platform::msgBox("Zapsat výsledky do okna výsledků?", 36, "HE") == platform::answer::Yes) {
        step([&] { VypisVysledky(st, reportBoxes()); });
        txtRes->setPlainText(QString::fromStdString(st.Vysledky));
    }
    end();
}

void frmHE::cmdVysl_Click() {
    SSTab1->setCurrentIndex(6);
    QTextCursor c = txtRes->textCursor();
    c.setPosition(
        std::min<int>(m_state.PosledniVysl, static_cast<int>(txtRes->document()->characterCount() - 1)));
    txtRes->setTextCursor(c);
    txtRes->ensureCursorVisible();
}

void frmHE::cmdSmaz_Click() {
    txtRes->clear();
    m_state.Vysledky.clear();
}

} // namespace morv
