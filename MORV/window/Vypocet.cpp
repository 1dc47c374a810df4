#include "MORV/window/Vypocet.h"

#include "MORV/model/MorvConstants.h"
#include "MORV/model/TaskCommands.h"
#include "MORV/window/frmHE.h"
#include "Platform/Checked.h"
#include "Platform/Conversions.h"
#include "Platform/Format.h"
#include "Platform/MessageBox.h"
#include "Platform/qt/FlexGrid.h"
#include "Platform/qt/QtProgress.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

#include <variant>

namespace morv {

namespace {

const QString Liquid = QStringLiteral("kapalné");
const QString Gas = QStringLiteral("plynné");
const QString Horizontal = QStringLiteral("horizontální");
const QString Vertical = QStringLiteral("vertikální");
const QString Cold = QStringLiteral("studený");
const QString Warm = QStringLiteral("teplý zm.skup.");

//! The construction fields in the order of the boxes txtPark(0..21).
using ConstructionField = std::variant<Single TARMST::*, Int16 TARMST::*>;
const ConstructionField constructionFields[22] = {
    &TARMST::Dplast,   &TARMST::Dtrubo,   &TARMST::Dtrubi,  &TARMST::L,        &TARMST::Ntrub,
    &TARMST::Chod,     &TARMST::sT,       &TARMST::sL,      &TARMST::dPrep,    &TARMST::hPrep,
    &TARMST::NstredT,  &TARMST::NstredL,  &TARMST::Uspor,   &TARMST::HrdloPli, &TARMST::HrdloPlo,
    &TARMST::HrdloTri, &TARMST::HrdloTro, &TARMST::Drsnost, &TARMST::Zneci,    &TARMST::Zneco,
    &TARMST::indProti, &TARMST::Vodw};

//! The number a box shows, read with the regional settings into single precision.
float boxNumber(const QWidget& box) {
    const auto* edit = qobject_cast<const QLineEdit*>(&box);
    return platform::chk::single(
        platform::regionalNumber(platform::plainMinus(edit ? edit->text().toStdString() : std::string())));
}

//! Takes a box into the model: `store` gets the number the box shows. An error of the step (a
//! text that is no number, a value beyond its field) is raised again with the box's object name
//! as its source, so that the caller can name the box.
template <class Store> void takeBox(const QLineEdit& box, Store store) {
    try {
        store(boxNumber(box));
    } catch (const platform::RunTimeError& e) {
        platform::raise(e.number(), box.objectName().toStdString(), e.description());
    }
}

void setText(QLineEdit& box, const platform::Variant& text) {
    box.setText(QString::fromStdString(text.toString()));
}

//! The display text of a model value.
platform::Variant R(frmHE& w, const platform::Variant& x) {
    return w.state().Prevodnik().RoundX(x);
}

//! The display text read back and divided by k, as a general number: a duty in kW, a
//! pressure in MPa.
std::string scaledR(frmHE& w, const platform::Variant& x, double k) {
    return platform::generalText(platform::regionalNumber(R(w, x).toString()) / k);
}

//! The stream-type rule on the model's temperatures, with its labels.
void streamTypes(frmHE& w, TARMST& m) {
    streamTypesFromTemperatures(m);
    w.lblTrTyp->setText(m.TrTyp == 1 ? Cold : Warm);
    w.lblPltyp->setText(m.PlTyp == 1 ? Cold : Warm);
}

} // namespace

void setTextColour(QLineEdit& box, const QColor& colour) {
    QPalette p = box.palette();
    p.setColor(QPalette::Text, colour);
    box.setPalette(p);
}

void setUnknownBackground(QLineEdit& box, bool unknown) {
    QPalette p = box.palette();
    p.setColor(QPalette::Base, unknown ? colour::unknown : QPalette().color(QPalette::Base));
    box.setPalette(p);
}

void PrevezmiZadani(frmHE& w) {
    ProgramState& st = w.state();
    TARMST& m = st.Vymenik();
    takeBox(*w.txtPar[0], [&](float x) { m.Tr().m(x); });
    takeBox(*w.txtPar[1], [&](float x) { m.Pl().m(x); });
    takeBox(*w.txtPar[2], [&](float x) { m.Ttrubi = x; });
    takeBox(*w.txtPar[3], [&](float x) { m.Tplasti = x; });
    takeBox(*w.txtPar[4], [&](float x) { m.Ttrubo = x; });
    takeBox(*w.txtPar[5], [&](float x) { m.Tplasto = x; });
    m.Nazev = w.txtZnac->text().toStdString();
    m.Kod = w.txtKod->text().toStdString();
    // The display shows the number 0 as an empty box; an empty box reads back as 0.
    if (w.txtNum->text().trimmed().isEmpty())
        m.Numb = 0.0f;
    else
        takeBox(*w.txtNum, [&](float x) { m.Numb = x; });
    takeBox(*w.txtPar[6], [&](float x) { m.Q = static_cast<double>(x) * 1000.0; });
    takeBox(*w.txtPar[7], [&](float x) { m.Plocha = x; });
    takeBox(*w.txtPtr, [&](float x) { m.Tr().P(static_cast<double>(x) * 1000000.0); });
    takeBox(*w.txtPpl, [&](float x) { m.Pl().P(static_cast<double>(x) * 1000000.0); });
    m.TrubKap = w.cmbSkS->currentText() == Liquid;
    m.PlastKap = w.cmbSkT->currentText() == Liquid;
    for (int16_t i = 0; i < 8; ++i)
        m.IPOM(i, w.chkPar[static_cast<size_t>(i)]->checkState() == Qt::Checked ? 1 : 0);
    for (size_t i = 0; i < 22; ++i)
        takeBox(*w.txtPark[i], [&](float x) {
            std::visit([&](auto f) { m.*f = static_cast<double>(x); }, constructionFields[i]);
        });
    takeBox(*w.txtSl[18], [&](float x) { st.Kondenzator().Xinert = x; });
    m.Natok = w.cmbChar->currentText() == Horizontal ? 0.0 : 1.0;
    m.IPOM(8, 0);
    streamTypes(w, m);
    if (m.TrTyp * m.PlTyp > 0) platform::msgBox("Chybně zadané teploty proudů!", 16, "MORV");
}

std::string unreadableBoxLine(const frmHE& w, const platform::RunTimeError& e) {
    const auto* box =
        e.source().empty() ? nullptr : w.findChild<const QLineEdit*>(QString::fromStdString(e.source()));
    if (!box || box->accessibleName().isEmpty()) return {};
    QString place = box->accessibleName();
    for (int t = 0; t < w.SSTab1->count(); ++t)
        if (w.SSTab1->widget(t)->isAncestorOf(box))
            place += QStringLiteral(" na listu '") + w.SSTab1->tabText(t).remove(QLatin1Char('&')).trimmed() +
                     QLatin1Char('\'');
    return "Nelze přečíst: " + place.toStdString() + "!";
}

void ZobrazData(frmHE& w) {
    ProgramState& st = w.state();
    TARMST& m = st.Vymenik();
    TARMMORV& k = st.Kondenzator();
    using platform::Variant;

    m.Plocha =
        static_cast<double>(m.Ntrub) * k::pi * static_cast<double>(m.Dtrubo) * static_cast<double>(m.L);

    w.txtZnac->setText(QString::fromStdString(m.Nazev));
    w.txtKod->setText(QString::fromStdString(m.Kod));
    w.txtNum->setText(QString::fromStdString(platform::format(m.Numb, "###")));

    setText(*w.txtPar[0], R(w, m.Tr().m()));
    setText(*w.txtPar[1], R(w, m.Pl().m()));
    setText(*w.txtPar[2], R(w, static_cast<float>(m.Ttrubi)));
    setText(*w.txtPar[3], R(w, static_cast<float>(m.Tplasti)));
    setText(*w.txtPar[4], R(w, static_cast<float>(m.Ttrubo)));
    setText(*w.txtPar[5], R(w, static_cast<float>(m.Tplasto)));
    w.txtPar[6]->setText(QString::fromStdString(scaledR(w, static_cast<float>(m.Q), 1000.0)));
    setText(*w.txtPar[7], R(w, static_cast<float>(m.Plocha)));
    w.txtPtr->setText(QString::fromStdString(scaledR(w, m.Tr().P(), 1000000.0)));
    w.txtPpl->setText(QString::fromStdString(scaledR(w, m.Pl().P(), 1000000.0)));

    w.cmbSkS->setCurrentText(m.TrubKap ? Liquid : Gas);
    w.cmbSkT->setCurrentText(m.PlastKap ? Liquid : Gas);

    for (int16_t i = 0; i < 8; ++i) {
        const bool unknown = m.IPOM(i) == 1;
        const auto idx = static_cast<size_t>(i);
        w.chkPar[idx]->setCheckState(unknown ? Qt::Checked : Qt::Unchecked);
        setUnknownBackground(*w.txtPar[idx], unknown);
    }

    streamTypes(w, m);

    for (size_t i = 0; i < 22; ++i)
        std::visit([&](auto f) { setText(*w.txtPark[i], R(w, Variant(m.*f))); }, constructionFields[i]);
    setText(*w.txtPark[22], R(w, m.Mezer));
    w.cmbChar->setCurrentText(m.Natok == 0 ? Horizontal : Vertical);

    setText(*w.txtTr[0], R(w, static_cast<float>(m.Kprostup)));
    setText(*w.txtTr[4], R(w, (static_cast<double>(m.Ttrubi) + m.Ttrubo) / 2));
    setText(*w.txtTr[7], R(w, (static_cast<double>(m.Tplasti) + m.Tplasto) / 2));
    setText(*w.txtTr[8], R(w, m.vtrubstr));
    setText(*w.txtTr[9], R(w, m.vplaststr));
    setText(*w.txtTr[10], R(w, m.ReT));
    setText(*w.txtTr[11], R(w, m.PrT));
    setText(*w.txtTr[12], R(w, m.ReP));
    setText(*w.txtTr[13], R(w, m.PrP));
    setText(*w.txtTr[14], R(w, m.NuT));
    setText(*w.txtTr[15], R(w, m.NuP));
    setText(*w.txtTr[16], R(w, static_cast<float>(k.Reko)));
    setText(*w.txtTr[17], R(w, static_cast<float>(m.Pterm)));

    const Variant* properties[14] = {&m.HustTr, &m.HustPl, &m.ViskTr, &m.ViskPl, &m.VodTr, &m.VodPl, &m.TbvT,
                                     &m.TbvP,   &m.TrbT,   &m.TrbP,   &m.CpTr,   &m.CpPl,  &m.dHTr,  &m.dHPl};
    for (size_t i = 0; i < 14; ++i)
        setText(*w.txtSl[i], R(w, *properties[i]));
    setText(*w.txtSl[14], R(w, static_cast<float>(k.Hustko)));
    setText(*w.txtSl[15], R(w, static_cast<float>(k.Viskko)));
    setText(*w.txtSl[16], R(w, static_cast<float>(k.Vodko)));
    setText(*w.txtSl[17], R(w, static_cast<float>(k.Cpko)));
    setText(*w.txtSl[18], R(w, static_cast<float>(k.Xinert)));

    w.lblTrSk->setText(m.TrubKap ? Liquid : Gas);
    w.lblPlSk->setText(m.PlastKap ? Liquid : Gas);

    for (int16_t i = 1; i <= 19; ++i) {
        for (auto [grid, stream] : {std::pair{w.flxG, &m.Tr()}, std::pair{w.flxG1, &m.Pl()}}) {
            const bool shown = i <= stream->S().Nsloz().toInteger();
            grid->TextMatrix(i, 0, shown ? QString::fromStdString(stream->S().Nazev(i)) : QString());
            grid->TextMatrix(
                i, 1, shown ? QString::fromStdString(platform::format(stream->Xh(i), "0.00000")) : QString());
            grid->TextMatrix(
                i, 2, shown ? QString::fromStdString(platform::format(stream->Xm(i), "0.00000")) : QString());
        }
    }

    const double tubeTop = m.TrubKap ? 1.5 : 10.0, shellTop = m.PlastKap ? 1.5 : 10.0;
    KontrolaMezi(std::vector<QLineEdit*>(w.txtTr.begin(), w.txtTr.end()),
                 {Variant(), 0.02, 0.02, 1500.0, 0.02, 1500.0, 0.3},
                 {Variant(), tubeTop, shellTop, 1000000.0, 120.0, 1000000.0, 1.0}, {6, 8, 9, 10, 11, 12, 17},
                 6);
}

void ZobrazTlakZtrTrubky(frmHE& w) {
    TARMST& m = w.state().Vymenik();
    const platform::Variant* fields[15] = {&m.vtrubstr, &m.ReT,     &m.ftr,     &m.Gtr,     &m.dPtru,
                                           &m.dPkom,    &m.vtrvst,  &m.Retrvst, &m.Gtrvst,  &m.dPtrvst,
                                           &m.vtrvys,   &m.Retrvys, &m.Gtrvys,  &m.dPtrvys, &m.dPtr};
    for (size_t i = 0; i < 15; ++i)
        setText(*w.txtDp[i], R(w, *fields[i]));
}

void ZobrazTlakZtrPlast(frmHE& w) {
    TARMST& m = w.state().Vymenik();
    const platform::Variant* fields[15] = {&m.vplaststr, &m.ReP,     &m.fpl,     &m.dPplsv,  &m.vus,
                                           &m.dPus,      &m.vplvst,  &m.Replvst, &m.fplvst,  &m.dPplvst,
                                           &m.vplvys,    &m.Replvys, &m.fplvys,  &m.dPplvys, &m.dPpl};
    for (size_t i = 0; i < 15; ++i)
        setText(*w.txtDp[15 + i], R(w, *fields[i]));
}

namespace {

//! A result box as a new window shows it: empty, its text in the colour of a new box.
void emptyResultBox(QLineEdit& box) {
    box.clear();
    setTextColour(box, QApplication::palette(&box).color(QPalette::Text));
}

} // namespace

void clearPressureDrops(frmHE& w) {
    for (QLineEdit* box : w.txtDp)
        emptyResultBox(*box);
}

void clearResults(frmHE& w) {
    clearPressureDrops(w);
    for (QLineEdit* box : w.txtTr)
        emptyResultBox(*box);
}

void KontrolaMezi(const std::vector<QLineEdit*>& boxes, const std::vector<platform::Variant>& lower,
                  const std::vector<platform::Variant>& upper, const std::vector<int16_t>& indices,
                  int16_t count) {
    const int16_t n = count > 0 ? count : indices.at(0);
    for (int16_t i = 1; i <= n; ++i) {
        const auto k = static_cast<size_t>(i);
        if (k >= indices.size() || k >= lower.size() || k >= upper.size() || indices[k] < 0 ||
            static_cast<size_t>(indices[k]) >= boxes.size())
            platform::raise(platform::err::Subscript);
        QLineEdit& b = *boxes[static_cast<size_t>(indices[k])];
        if (b.text().isEmpty()) return;
        const double x = boxNumber(b);
        const bool outside = x < lower[k].toDouble() || x > upper[k].toDouble();
        setTextColour(b, outside ? colour::outOfRange : colour::inRange);
    }
}

void colourPressureDropVelocities(frmHE& w) {
    using platform::Variant;
    std::vector<Variant> lower(31, Variant(0.02)), upper(31, Variant(10.0));
    for (int i = 1; i <= 3 && w.state().Vymenik().TrubKap; ++i)
        upper[static_cast<size_t>(i)] = 1.5;
    for (int i = 4; i <= 7 && w.state().Vymenik().PlastKap; ++i)
        upper[static_cast<size_t>(i)] = 1.5;
    std::vector<int16_t> indices(31, 0);
    const int16_t boxes[8] = {7, 0, 6, 10, 15, 19, 21, 25};
    std::copy(std::begin(boxes), std::end(boxes), indices.begin());
    KontrolaMezi(std::vector<QLineEdit*>(w.txtDp.begin(), w.txtDp.end()), lower, upper, indices, 0);
}

} // namespace morv
