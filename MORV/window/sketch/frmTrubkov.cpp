#include "MORV/window/sketch/frmTrubkov.h"

#include "MORV/model/ProgramState.h"
#include "MORV/model/Trubkovnice.h"
#include "MORV/window/UnitEntry.h"
#include "Platform/Conversions.h"
#include "Platform/MessageBox.h"
#include "Platform/RunTimeError.h"
#include "Platform/qt/Activation.h"
#include "Platform/qt/Keys.h"
#include "Platform/qt/PictureBox.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>
#include <limits>
#include <string>

namespace morv {

namespace {

//! Size of the square sketch [pixels]: 7050 twips.
constexpr int sketchPixels = 470;
//! The main window's construction boxes that the sketch reads and writes.
enum Park {
    ShellDiameter = 0,
    TubeDiameter = 1,
    Tubes = 4,
    PitchAcross = 6,
    PitchAlong = 7,
    CentralRow = 10,
    Rows = 11,
    Arrangement = 12
};
//! The construction box of each dimension box Text3(0..3).
constexpr int parkOfDimension[4] = {ShellDiameter, TubeDiameter, PitchAcross, PitchAlong};

QString u8(const char* text) {
    return QString::fromUtf8(text);
}

QLineEdit* box(QWidget* parent, const QString& name, const QString& text) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setFixedWidth(90);
    return edit;
}

QLabel* label(QWidget* parent, const QString& name, const char* text) {
    auto* l = new QLabel(u8(text), parent);
    l->setObjectName(name);
    return l;
}

//! The message of a refused drawing.
std::string refusalText(TubeSheetRefusal why) {
    switch (why) {
    case TubeSheetRefusal::TubeNotInShell:
        return "Průměr trubky není menší než průměr pláště!";
    case TubeSheetRefusal::Overlap:
        return "Trubky se překrývají: vzdálenost středů sousedních trubek je menší než průměr trubky!";
    case TubeSheetRefusal::TooFine:
        return "Síť trubek je příliš hustá na nákres! Nakreslit lze nejvýše " +
               std::to_string(TubeSheetLayout::maxDrawnTubes) + " trubek ve čtvrtině trubkovnice.";
    case TubeSheetRefusal::None:
    case TubeSheetRefusal::Unreadable:
    case TubeSheetRefusal::NoTubeFits:
        break;
    }
    return "Nenačtena nebo chybná konstrukční data!";
}

} // namespace

frmTrubkov::frmTrubkov(QWidget& mainWindow, ProgramState& state)
    : QDialog(&mainWindow), m_main(mainWindow), m_state(state) {
    setObjectName("frmTrubkov");
    setWindowTitle(u8(" Zobrazení trubkovnice"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    m_picture = new platform::PictureBox(this);
    m_picture->setObjectName("Picture");
    m_picture->setFixedSize(sketchPixels, sketchPixels);
    auto& surface = m_picture->surface();
    surface.setBackColour(platform::ImageSurface::fromQColor(palette().color(QPalette::Window)));
    surface.clear();

    static const char* const dimensionLabels[4] = {"Prům.pláště", "Prům.trubky", "Rozteč středů napříč",
                                                   "Rozteč středů podél"};
    static const char* const designValues[4] = {"400", "25", "65", "65"};
    auto* grid = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(label(this, QString("Label%1").arg(i + 3), dimensionLabels[i]), i, 0);
        m_Text3[size_t(i)] = box(this, QString("Text3_%1").arg(i), designValues[i]);
        m_Text3[size_t(i)]->installEventFilter(this);
        grid->addWidget(m_Text3[size_t(i)], i, 1);
    }
    grid->setRowMinimumHeight(4, 12);
    m_Text1 = box(this, "Text1", {});
    m_Text2 = box(this, "Text2", {});
    m_Text4 = box(this, "Text4", {});
    grid->addWidget(label(this, "Label1", "Počet řad"), 5, 0);
    grid->addWidget(m_Text1, 5, 1);
    grid->addWidget(label(this, "Label2", "Počet trubek"), 6, 0);
    grid->addWidget(m_Text2, 6, 1);
    grid->addWidget(label(this, "Label7", "Středová řada"), 7, 0);
    grid->addWidget(m_Text4, 7, 1);

    auto* frame = new QGroupBox(u8("Uspořádání "), this);
    frame->setObjectName("Frame1");
    auto* options = new QVBoxLayout(frame);
    static const char* const optionCaptions[2] = {"&Střídavé ", "&Zákrytové "};
    for (int i = 0; i < 2; ++i) {
        m_Option1[size_t(i)] = new QRadioButton(u8(optionCaptions[i]), frame);
        m_Option1[size_t(i)]->setObjectName(QString("Option1_%1").arg(i));
        options->addWidget(m_Option1[size_t(i)]);
        // A choice of arrangement redraws nothing until "Kresli".
        connect(m_Option1[size_t(i)], &QRadioButton::clicked, this, [this] { m_cmdKresli->setFocus(); });
    }
    m_Option1[1]->setChecked(true);

    m_cmdKresli = new QPushButton(u8("K&resli"), this);
    m_cmdKresli->setObjectName("cmdKresli");
    m_cmdKonc = new QPushButton(u8("&Dosadit zpět"), this);
    m_cmdKonc->setObjectName("cmdKonc");
    m_cmdKonc->setToolTip(
        u8("Tím může dojít ke změně počtu trubek a řad. Bez dosazení - klikněte na x v pravém "
           "horním okně okna."));
    connect(m_cmdKresli, &QPushButton::clicked, this, &frmTrubkov::cmdKresli_Click);
    connect(m_cmdKonc, &QPushButton::clicked, this, &frmTrubkov::cmdKonc_Click);

    auto* panel = new QVBoxLayout;
    panel->addLayout(grid);
    panel->addSpacing(8);
    panel->addWidget(frame);
    panel->addSpacing(8);
    panel->addWidget(m_cmdKresli);
    panel->addWidget(m_cmdKonc);
    panel->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(0, 0, 10, 10);
    layout->addWidget(m_picture);
    layout->addLayout(panel);

    // A window that refused its data is hidden: a late activation does not fill it again.
    new platform::ActivationWatcher(*this, [this] {
        if (isVisible()) Form_Activate();
    });
}

QLineEdit* frmTrubkov::park(int index) const {
    return m_main.findChild<QLineEdit*>(QString("txtPark_%1").arg(index));
}

double frmTrubkov::dimension(int index) const {
    double v = 0;
    if (platform::tryRegionalNumber(m_Text3[size_t(index)]->text().toStdString(), v)) return v;
    return std::numeric_limits<double>::quiet_NaN();
}

void frmTrubkov::Form_Activate() {
    // The whole texts of the main window's boxes, which hold metres.
    for (int i = 0; i < 4; ++i)
        if (QLineEdit* source = park(parkOfDimension[i])) m_Text3[size_t(i)]->setText(source->text());
    // Arrangement code 0 is staggered; any other code, or a box without a number, keeps the
    // in-line arrangement the window opens with.
    double code = 0;
    if (QLineEdit* source = park(Arrangement);
        source && platform::tryRegionalNumber(source->text().toStdString(), code) && float(code) == 0.0f)
        m_Option1[0]->setChecked(true);
    cmdKresli_Click();
}

void frmTrubkov::cmdKresli_Click() {
    const TubeSheetLayout sheet =
        sketchTubeSheet(m_picture->surface(),
                        {dimension(0), dimension(1), dimension(2), dimension(3), m_Option1[0]->isChecked()});
    if (!sheet.valid) {
        platform::msgBox(refusalText(sheet.refusal), 16, "HE");
        reject();
        return;
    }
    m_Text1->setText(QString::number(sheet.sheetRows()));
    m_Text2->setText(QString::number(sheet.sheetTubes()));
    m_Text4->setText(QString::number(sheet.centralRowTubes()));

    m_cmdKonc->setFocus();
}

void frmTrubkov::cmdKonc_Click() {
    // The tube count and the tubes of the central row go into 16-bit fields of the
    // construction: a count beyond them is not written, or the next calculation could not
    // read it back. The calculation reads a box in single precision and rounds it half to
    // even, as nearbyint does.
    const std::pair<QLineEdit*, const char*> counts[] = {{m_Text2, "Počet trubek "},
                                                         {m_Text4, "Počet trubek středové řady "}};
    for (const auto& [box, what] : counts) {
        double count = 0;
        if (platform::tryRegionalNumber(box->text().toStdString(), count) &&
            std::nearbyint(double(float(count))) > double(maxConstructionTubes)) {
            platform::msgBox(what + box->text().toStdString() +
                                 " nelze dosadit: konstrukční data pojmou nejvýše " +
                                 std::to_string(maxConstructionTubes) + " trubek!",
                             16, "HE");
            return;
        }
    }
    // The texts go back as they stand, the counts of the last drawing included.
    const std::pair<int, QLineEdit*> copies[] = {{ShellDiameter, m_Text3[0]},
                                                 {TubeDiameter, m_Text3[1]},
                                                 {PitchAcross, m_Text3[2]},
                                                 {PitchAlong, m_Text3[3]},
                                                 {Rows, m_Text1},
                                                 {Tubes, m_Text2},
                                                 {CentralRow, m_Text4}};
    for (const auto& [index, source] : copies)
        if (QLineEdit* target = park(index)) target->setText(source->text());
    if (QLineEdit* target = park(Arrangement)) target->setText(m_Option1[0]->isChecked() ? "0" : "1");
    // The construction has changed: the sensitivity analysis waits for a new calculation.
    if (auto* status = m_main.findChild<QLabel*>("lblStav")) status->setText(QStringLiteral("Nespočteno"));
    accept();
}

void frmTrubkov::Text3_Enter(int Index) {
    QLineEdit* edit = m_Text3[size_t(Index)];
    if (!edit->text().isEmpty()) {
        // The dimensions are lengths in metres: a unit typed after the number converts into
        // them, a unit of another quantity is refused.
        std::string buffer = withBoxUnit(edit->text().toStdString(), lengthUnit);
        int16_t CH = 0;
        std::string unit;
        try {
            const platform::Variant v = m_state.Prevodnik().Prevod(buffer, CH, unit);
            if (CH != 0) return;
            edit->setText(QString::fromStdString(m_state.Prevodnik().RoundX(v).toString()));
        } catch (const platform::RunTimeError&) {
            // A value the converter cannot take stays as typed, like a refused one.
            return;
        }
    }
    if (Index < 3)
        m_Text3[size_t(Index + 1)]->setFocus();
    else
        m_cmdKresli->setFocus();
}

void frmTrubkov::keyPressEvent(QKeyEvent* event) {
    // A focused button takes Enter itself; elsewhere Enter presses no button of the window.
    if (platform::keyCode(*event) == platform::key::Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool frmTrubkov::eventFilter(QObject* watched, QEvent* event) {
    for (int i = 0; i < 4; ++i) {
        if (watched != m_Text3[size_t(i)]) continue;
        if (event->type() == QEvent::KeyPress &&
            platform::keyCode(static_cast<const QKeyEvent&>(*event)) == platform::key::Enter) {
            Text3_Enter(i);
            return true;
        }
        if (event->type() == QEvent::FocusIn) {
            // After the click that brought the focus has placed the cursor.
            QLineEdit* edit = m_Text3[size_t(i)];
            QTimer::singleShot(0, edit, [edit] { edit->selectAll(); });
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace morv
