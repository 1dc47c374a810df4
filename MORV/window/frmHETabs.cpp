// The controls of the main window and their places: the identification and buttons above
// the seven tabs.

#include "MORV/window/frmHE.h"
#include "Platform/qt/QtProgress.h"

#include "Platform/qt/FlexGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace morv {

namespace {

template <class W> W* named(W* w, const QString& name) {
    w->setObjectName(name);
    return w;
}

QString indexed(const char* name, int i) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i);
}

QLineEdit* box(const QString& name, int width = 90) {
    auto* b = named(new QLineEdit, name);
    b->setFixedWidth(width);
    return b;
}

QLineEdit* resultBox(const QString& name) {
    QLineEdit* b = box(name);
    b->setReadOnly(true);
    return b;
}

QLabel* label(const QString& text, const QString& name = {}) {
    auto* l = new QLabel(text);
    if (!name.isEmpty()) l->setObjectName(name);
    return l;
}

//! Gives an entry box its caption (its accessible name), by which messages name the box.
QLineEdit* captioned(QLineEdit* box, const QString& caption) {
    box->setAccessibleName(caption);
    return box;
}

QPushButton* button(const QString& name, const QString& caption) {
    return named(new QPushButton(caption), name);
}

} // namespace

void frmHE::buildHeader() {
    txtZnac = box(QStringLiteral("txtZnac"), 260);
    txtKod = box(QStringLiteral("txtKod"), 120);
    txtNum = captioned(box(QStringLiteral("txtNum"), 60), QStringLiteral("Číslo aparátu"));
    cmdNactiD = button(QStringLiteral("cmdNactiD"), QStringLiteral("&Načíst data ze souboru"));
    cmdVypoc = button(QStringLiteral("cmdVypoc"), QStringLiteral("Spustit &výpočet"));
    cmdKon = button(QStringLiteral("cmdKon"), QStringLiteral("&Konec"));
    cmdVysl = button(QStringLiteral("cmdVysl"), QStringLiteral("&Zobrazit výsledkové okno"));
    lblStav = label(QString(), QStringLiteral("lblStav"));
    lblStav->setMinimumWidth(150);
    lblStav->setFrameShape(QFrame::Panel);
    lblStav->setFrameShadow(QFrame::Sunken);
    lblFile = label(QString(), QStringLiteral("lblFile"));
    lblFile->setMinimumWidth(250);
}

QWidget* frmHE::buildBasicTab() {
    auto* page = new QWidget;
    Frame1 = named(new QGroupBox(QStringLiteral(" Základní parametry výměníku ")), QStringLiteral("Frame1"));
    auto* g = new QGridLayout(Frame1);
    g->addWidget(label(QStringLiteral("Trubkový prostor")), 0, 1);
    g->addWidget(label(QStringLiteral("Dopočítat")), 0, 2);
    g->addWidget(label(QStringLiteral("Prostor pláště")), 0, 3);
    g->addWidget(label(QStringLiteral("Dopočítat")), 0, 4);
    for (int i = 0; i < 8; ++i) {
        txtPar[static_cast<size_t>(i)] = box(indexed("txtPar", i), 110);
        chkPar[static_cast<size_t>(i)] = named(new QCheckBox, indexed("chkPar", i));
    }
    const QString rowCaptions[] = {QStringLiteral("Průtok (kg/s)"), QStringLiteral("Vstupní teplota (°C)"),
                                   QStringLiteral("Výstupní teplota (°C)")};
    for (int k = 0; k < 3; ++k) {
        captioned(txtPar[static_cast<size_t>(2 * k)], rowCaptions[k] + QStringLiteral(" - Trubkový prostor"));
        captioned(txtPar[static_cast<size_t>(2 * k + 1)],
                  rowCaptions[k] + QStringLiteral(" - Prostor pláště"));
        g->addWidget(label(rowCaptions[k]), k + 1, 0);
        g->addWidget(txtPar[static_cast<size_t>(2 * k)], k + 1, 1);
        g->addWidget(chkPar[static_cast<size_t>(2 * k)], k + 1, 2, Qt::AlignCenter);
        g->addWidget(txtPar[static_cast<size_t>(2 * k + 1)], k + 1, 3);
        g->addWidget(chkPar[static_cast<size_t>(2 * k + 1)], k + 1, 4, Qt::AlignCenter);
    }
    cmbSkT = named(new QComboBox, QStringLiteral("cmbSkT"));
    cmbSkS = named(new QComboBox, QStringLiteral("cmbSkS"));
    g->addWidget(label(QStringLiteral("Skupenství")), 4, 0);
    // The phase of the tube medium is chosen in cmbSkS, that of the shell medium in cmbSkT.
    g->addWidget(cmbSkS, 4, 1);
    g->addWidget(cmbSkT, 4, 3);
    lblTrTyp = label(QString(), QStringLiteral("lblTrTyp"));
    lblPltyp = label(QString(), QStringLiteral("lblPltyp"));
    g->addWidget(lblTrTyp, 5, 1);
    g->addWidget(lblPltyp, 5, 3);
    g->addWidget(label(QStringLiteral("Převedené teplo (kW)")), 6, 0);
    g->addWidget(captioned(txtPar[6], QStringLiteral("Převedené teplo (kW)")), 6, 1);
    g->addWidget(chkPar[6], 6, 2, Qt::AlignCenter);
    g->addWidget(label(QStringLiteral("Teplosměnná plocha (m2)      (dopočet z délky trubek)")), 7, 0);
    g->addWidget(captioned(txtPar[7], QStringLiteral("Teplosměnná plocha (m2)")), 7, 1);
    g->addWidget(chkPar[7], 7, 2, Qt::AlignCenter);
    g->setColumnStretch(5, 1);

    auto* pressures = new QGridLayout;
    txtPtr = captioned(box(QStringLiteral("txtPtr"), 110), QStringLiteral("Tlak na vstupu do trubek (MPa)"));
    txtPpl = captioned(box(QStringLiteral("txtPpl"), 110), QStringLiteral("Tlak na vstupu do pláště (MPa)"));
    pressures->addWidget(label(txtPtr->accessibleName()), 0, 0);
    pressures->addWidget(txtPtr, 0, 1);
    pressures->addWidget(label(txtPpl->accessibleName()), 1, 0);
    pressures->addWidget(txtPpl, 1, 1);
    pressures->setColumnStretch(2, 1);

    Frame2 = named(new QGroupBox(QStringLiteral(" Řídící parametry ")), QStringLiteral("Frame2"));
    auto* f2 = new QVBoxLayout(Frame2);
    chkVysl = named(new QCheckBox(QStringLiteral("Před zápisem výsledků do okna vyžádat potvrzení")),
                    QStringLiteral("chkVysl"));
    chkZap = named(new QCheckBox(QStringLiteral("Zapsat vložená výchozí data před výpočtem do souboru")),
                   QStringLiteral("chkZap"));
    chkRes =
        named(new QCheckBox(QStringLiteral("Výsledky nakonec zapsat do souboru (pokud existuje, přidat)")),
              QStringLiteral("chkRes"));
    optZadk = named(new QRadioButton(QStringLiteral("Zadání dat z klávesnice")), QStringLiteral("optZadk"));
    optZads = named(new QRadioButton(QStringLiteral("Zadání dat ze souboru")), QStringLiteral("optZads"));
    for (QWidget* w : std::initializer_list<QWidget*>{chkVysl, chkZap, chkRes, optZadk, optZads})
        f2->addWidget(w);

    cmdAnal = button(QStringLiteral("cmdAnal"), QStringLiteral("&Analýza citlivosti"));
    pbAn = named(new QProgressBar, QStringLiteral("pbAn"));
    pbAn->setRange(0, 100);
    pbAn->hide();

    lblHelp =
        label(QStringLiteral("Tři z parametrů výměníku, které chcete dopočítat zaklikněte ve čtverečku za "
                             "polem a dosaďte odhadnutou hodnotu."),
              QStringLiteral("lblHelp"));
    lblHelp1 =
        label(QStringLiteral("Údaje možno vkládat s rozměrem odděleným od čísla mezerou (např. 120 kg/h  "
                             "nebo  2.5 at ).  Teploty jsou ve °C, lze je zadat i s jednotkou (např. 85 F)."
                             "\nHorizontální pohyb po listech myší nebo pomocí PgUp, PgDn."),
              QStringLiteral("lblHelp1"));
    lblHelp->setWordWrap(true);
    lblHelp1->setWordWrap(true);

    auto* right = new QVBoxLayout;
    right->addWidget(Frame2);
    right->addWidget(cmdAnal);
    right->addWidget(pbAn);
    right->addStretch();
    auto* top = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(Frame1);
    left->addLayout(pressures);
    top->addLayout(left, 3);
    top->addLayout(right, 2);
    auto* v = new QVBoxLayout(page);
    v->addLayout(top);
    v->addWidget(lblHelp);
    v->addWidget(lblHelp1);
    v->addStretch();
    return page;
}

QWidget* frmHE::buildConstructionTab() {
    static const char* const captions[23] = {"Průměr pláště",
                                             "Průměr trubky vnější",
                                             "Průměr trubky vnitřní nebo sílu stěny záporně",
                                             "Délka trubek",
                                             "Počet trubek ve svazku",
                                             "Počet chodů v trubkách",
                                             "Rozteč trubek napříč proudu",
                                             "Rozteč trubek podél proudu",
                                             "Rozteč mezi přepážkami",
                                             "Relativní výška přepážky (např.0.65)",
                                             "Počet trub.středové řady kolmo na proud",
                                             "Počet řad trubek ve směru proudu",
                                             "Uspořádání: 0-střídavé; 1-za sebou",
                                             "Průměr vstupního hrdla pláště",
                                             "Průměr výstupního hrdla pláště",
                                             "Průměr vstupního hrdla trubky",
                                             "Průměr výstupního hrdla trubky",
                                             "Abs.drsnost pro tlak.ztrátu",
                                             "Faktor znečištění uvnitř trubek",
                                             "Faktor znečištění vně trubek",
                                             "Index protiproudnosti",
                                             "Tepel.vodivost stěny trubky (W/m/K)",
                                             "Mezerovitost svazku"};
    auto* page = new QWidget;
    auto* g = new QGridLayout;
    for (int i = 0; i < 23; ++i) {
        const auto k = static_cast<size_t>(i);
        lblKo[k] = label(QString::fromUtf8(captions[i]), indexed("lblKo", i));
        txtPark[k] = captioned(box(indexed("txtPark", i), 110), lblKo[k]->text());
        const int row = i % 12, col = (i / 12) * 3;
        g->addWidget(lblKo[k], row, col);
        g->addWidget(txtPark[k], row, col + 1);
    }
    txtPark[8]->setToolTip(QStringLiteral("Záporně zadáno znamená počet přepážek"));
    txtPark[22]->setReadOnly(true);
    g->setColumnMinimumWidth(2, 24);
    cmbChar = named(new QComboBox, QStringLiteral("cmbChar"));
    g->addWidget(label(QStringLiteral("Typ kondenzátoru")), 11, 3);
    g->addWidget(cmbChar, 11, 4);

    cmdNorm = button(QStringLiteral("cmdNorm"), QStringLiteral("Výběr n&ormovaného výměníku"));
    cmdLogK = button(QStringLiteral("cmdLogK"), QStringLiteral("Lo&gická kontrola dat"));
    cmdTrubk = button(QStringLiteral("cmdTrubk"), QStringLiteral("Nástin &trubkovnice"));
    lblHelp2 = label(
        QStringLiteral("Všechny údaje jsou v metrech a SI !\nÚdaje možno vkládat s rozměrem odděleným od "
                       "čísla mezerou (např. 120 cm nebo 2.5 mm)"),
        QStringLiteral("lblHelp2"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdNorm);
    buttons->addWidget(cmdLogK);
    buttons->addWidget(cmdTrubk);
    buttons->addStretch();
    auto* v = new QVBoxLayout(page);
    v->addLayout(g);
    v->addLayout(buttons);
    v->addWidget(lblHelp2);
    v->addStretch();
    return page;
}

QWidget* frmHE::buildHeatTransferTab() {
    static const char* const captions[21] = {"Celkový koef.prostupu tepla (W/m2/K)",
                                             "Koef. přestupu uvnitř trubek (W/m2/K)",
                                             "Koef. přestupu ve svazku (W/m2/K)",
                                             "Střední teplotní log. spád (K)",
                                             "Stř. teplota media v trubce (°C)",
                                             "Stř. teplota vnitřní stěny trubky (°C)",
                                             "Stř. teplota vnější stěny trubky (°C)",
                                             "Stř. teplota media v plášti (°C)",
                                             "Stř. rychlost media v trubkách (m/s)",
                                             "Stř. rychlost media v plášti (m/s)",
                                             "Reynoldsovo č. v trubkách",
                                             "Prandtlovo číslo v trubkách",
                                             "Reynoldsovo č. v plášti",
                                             "Prandtlovo č. v plášti",
                                             "Nuseltovo č. v trubkách",
                                             "Nuseltovo č. v plášti ",
                                             "Reynoldsovo č. kondenzátu",
                                             "Termická \"účinnost\" výměníku P",
                                             "Archimedovo č. kondenzátu",
                                             "Střední teplotní rozdíl (K)",
                                             "Parametr k.S/W1"};
    auto* page = new QWidget;
    auto* g = new QGridLayout;
    for (int i = 0; i < 21; ++i) {
        const auto k = static_cast<size_t>(i);
        lblTran[k] = label(QString::fromUtf8(captions[i]), indexed("lblTran", i));
        txtTr[k] = resultBox(indexed("txtTr", i));
        const int row = i % 11, col = (i / 11) * 3;
        g->addWidget(lblTran[k], row, col);
        g->addWidget(txtTr[k], row, col + 1);
    }
    g->setColumnMinimumWidth(2, 24);
    lblRed = label(
        QStringLiteral("Červeně zobrazené výsledky jsou mimo obvyklý rozsah      a vyžadují vaši pozornost!"),
        QStringLiteral("lblRed"));
    lblRed->setStyleSheet(QStringLiteral("color: red"));
    lblFix = label(QString(), QStringLiteral("lblFix"));
    cmdMetP = button(QStringLiteral("cmdMetP"), QStringLiteral("Metoda výpočtu"));
    cmdTlum = button(QStringLiteral("cmdTlum"), QStringLiteral("Tlumící konstanta"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdMetP);
    buttons->addWidget(cmdTlum);
    buttons->addWidget(lblFix);
    buttons->addStretch();
    auto* v = new QVBoxLayout(page);
    v->addLayout(g);
    v->addWidget(lblRed);
    v->addLayout(buttons);
    v->addStretch();
    return page;
}

QWidget* frmHE::buildCompositionTab() {
    static const char* const captions[7] = {
        "Střední hustota (kg/m3)",     "Střední viskozita (Pa.s)",  "Střední tepelná vodivost (W/m/K)",
        "Teplota bodu varu (°C)",      "Teplota rosného bodu (°C)", "Střední tepelná kapacita (J/kg/K)",
        "Střední výparné teplo (J/kg)"};
    auto* page = new QWidget;
    flxG = named(new platform::FlexGrid, QStringLiteral("flxG"));
    flxG1 = named(new platform::FlexGrid, QStringLiteral("flxG1"));
    for (platform::FlexGrid* grid : {flxG, flxG1}) {
        grid->Cols(3);
        grid->Rows(2);
        grid->setMinimumHeight(160);
    }
    lblSt = label(QStringLiteral("Medium v trubkách"), QStringLiteral("lblSt"));
    lblSp = label(QStringLiteral("Medium v plášti"), QStringLiteral("lblSp"));
    lblTrSk = label(QString(), QStringLiteral("lblTrSk"));
    lblPlSk = label(QString(), QStringLiteral("lblPlSk"));
    auto* grids = new QGridLayout;
    grids->addWidget(lblSt, 0, 0);
    grids->addWidget(lblTrSk, 0, 1);
    grids->addWidget(lblSp, 0, 2);
    grids->addWidget(lblPlSk, 0, 3);
    grids->addWidget(flxG, 1, 0, 1, 2);
    grids->addWidget(flxG1, 1, 2, 1, 2);

    auto* g = new QGridLayout;
    g->addWidget(label(QStringLiteral("Kondenzát:")), 0, 3);
    for (int i = 0; i < 19; ++i)
        txtSl[static_cast<size_t>(i)] = resultBox(indexed("txtSl", i));
    txtSl[18]->setReadOnly(false);
    captioned(txtSl[18], QStringLiteral("Obsah inertů (mol.zlomek)"));
    // Rows of the condensate's density, viscosity, conductivity and heat capacity.
    const int condensateRow[4] = {0, 1, 2, 5};
    for (int k = 0; k < 7; ++k) {
        lblSl[static_cast<size_t>(k)] = label(QString::fromUtf8(captions[k]), indexed("lblSl", k));
        g->addWidget(lblSl[static_cast<size_t>(k)], k + 1, 0);
        g->addWidget(txtSl[static_cast<size_t>(2 * k)], k + 1, 1);
        g->addWidget(txtSl[static_cast<size_t>(2 * k + 1)], k + 1, 2);
    }
    for (int c = 0; c < 4; ++c)
        g->addWidget(txtSl[static_cast<size_t>(14 + c)], condensateRow[c] + 1, 3);
    g->addWidget(label(QStringLiteral("Zadejte obsah inertů (mol.zlomek):")), 8, 0);
    g->addWidget(txtSl[18], 8, 1);
    g->setColumnStretch(4, 1);
    cmdSloz = button(QStringLiteral("cmdSloz"), QStringLiteral("Zadat &složení"));
    auto* v = new QVBoxLayout(page);
    v->addLayout(grids);
    v->addLayout(g);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdSloz);
    buttons->addStretch();
    v->addLayout(buttons);
    v->addStretch();
    return page;
}

QWidget* frmHE::buildPressureDropTab() {
    static const char* const captions[30] = {"Stř.rychlost v trubkách (m/s)",
                                             "Reynoldsovo č. v trubkách",
                                             "Součinitel odporu v trubkách",
                                             "Souč.místních odporů v trubkách",
                                             "Tlaková ztráta v trubkách (Pa)",
                                             "Tlak. ztráta obratem v komoře (Pa)",
                                             "Rychlost ve vstup.hrdle (m/s)",
                                             "Re ve vstupním hrdle",
                                             "Souč.místních odporů vstup. hrdlo",
                                             "Tlak. ztráta ve vstupním hrdle (Pa)",
                                             "Rychlost ve výstup.hrdle (m/s)",
                                             "Re ve výstupním hrdle",
                                             "Souč.místních odporů výstup. hrdo",
                                             "Tlak. ztráta ve výstupním hrdle (Pa)",
                                             "Celk.tlak. ztr. v trubk. prostoru (Pa)",
                                             "Stř. max. rychlost ve svazku (m/s)",
                                             "Reynoldsovo č. ve svazku",
                                             "Součinitel odporu segmentu svazku",
                                             "Tlaková ztráta segmentu svazku (Pa)",
                                             "Stř. rychlost v úseči přepážek (m/s)",
                                             "Tlaková ztráta v úseči přepážek (Pa)",
                                             "Rychlost ve vstup. hrdle (m/s)",
                                             "Re ve vstupním hrdle",
                                             "Souč.místních odporů vstup. hrdlo",
                                             "Tlak. ztráta ve vstupním hrdle (Pa)",
                                             "Rychlost ve výstup.hrdle (m/s)",
                                             "Re ve výstupním hrdle",
                                             "Souč.místních odporů výstup. hrdo",
                                             "Tlak. ztráta ve výstupním hrdle (Pa)",
                                             "Celk.tlak. ztr. v plášt. prostoru (Pa)"};
    auto* page = new QWidget;
    auto* g = new QGridLayout(page);
    for (int i = 0; i < 30; ++i) {
        const auto k = static_cast<size_t>(i);
        lblDp[k] = label(QString::fromUtf8(captions[i]), indexed("lblDp", i));
        txtDp[k] = resultBox(indexed("txtDp", i));
        const int row = i % 15, col = (i / 15) * 3;
        g->addWidget(lblDp[k], row, col);
        g->addWidget(txtDp[k], row, col + 1);
    }
    g->setColumnMinimumWidth(2, 24);
    g->setRowStretch(15, 1);
    return page;
}

QWidget* frmHE::buildCatalogueTab() {
    auto* page = new QWidget;
    Frame3 = named(new QGroupBox(QStringLiteral(" Nabídka normovaných výměníků ")), QStringLiteral("Frame3"));
    flxG2 = named(new platform::FlexGrid, QStringLiteral("flxG2"));
    flxG2->Cols(4);
    flxG2->Rows(2);
    auto* help1 =
        label(QStringLiteral("Všechny rozměry mm\nVyberte požadovaný výměník dvojklikem nebo najetím "
                             "kursoru a stiskem Enter."),
              QStringLiteral("lblNorm_0"));
    help1->setWordWrap(true);
    auto* help2 =
        label(QStringLiteral("Kódové značení:\nD D D C d d\nDDD je prům.pláště\nC  počet chodů (tr.)\ndd    "
                             "průměr trubek"),
              QStringLiteral("lblNorm_1"));
    Command1 = button(QStringLiteral("Command1"), QStringLiteral("Načíst n&ormované výměníky"));
    auto* side = new QVBoxLayout;
    side->addWidget(help1);
    side->addWidget(help2);
    side->addWidget(Command1);
    side->addStretch();
    auto* h = new QHBoxLayout(Frame3);
    h->addWidget(flxG2, 3);
    h->addLayout(side, 2);
    auto* v = new QVBoxLayout(page);
    v->addWidget(Frame3);
    return page;
}

QWidget* frmHE::buildResultsTab() {
    auto* page = new QWidget;
    txtRes = named(new QPlainTextEdit, QStringLiteral("txtRes"));
    txtRes->setReadOnly(true);
    txtRes->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtRes->setTabStopDistance(txtRes->fontMetrics().horizontalAdvance(QLatin1Char(' ')) * 8);
    lblResFile = label(QString(), QStringLiteral("lblResFile"));
    cmdGraf = button(QStringLiteral("cmdGraf"), QStringLiteral("Zobrazit graf &analýzy"));
    cmdNFile = button(QStringLiteral("cmdNFile"), QStringLiteral("Založit nový soubor"));
    cmdZapis = button(QStringLiteral("cmdZapis"), QStringLiteral("Zapsat &do souboru"));
    cmdSmaz = button(QStringLiteral("cmdSmaz"), QStringLiteral("Smazat výsledky"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblResFile, 1);
    for (QPushButton* b : {cmdGraf, cmdNFile, cmdZapis, cmdSmaz})
        buttons->addWidget(b);
    auto* v = new QVBoxLayout(page);
    v->addWidget(txtRes, 1);
    v->addLayout(buttons);
    return page;
}

} // namespace morv
