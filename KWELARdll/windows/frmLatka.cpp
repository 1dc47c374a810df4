#include "KWELARdll/windows/frmLatka.h"

#include "KWELARdll/windows/WindowSupport.h"

#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace kwelar {

namespace {

//! A label that keeps mouse presses to itself, so a click on it does not close the card.
QLabel* cardLabel(QWidget* parent, const char* name, const QString& text = {}) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAttribute(Qt::WA_NoMousePropagation);
    return label;
}

} // namespace

frmLatka::frmLatka(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmLatka"));
    setWindowTitle(QStringLiteral("Bodové vlastnosti složky"));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    int row = 0;
    // Name and formula span the card.
    grid->addWidget(cardLabel(this, "Nadpis", QStringLiteral("Látka:")), row, 0);
    QLabel* latka = cardLabel(this, "Latka");
    QFont bold = latka->font();
    bold.setBold(true);
    latka->setFont(bold);
    grid->addWidget(latka, row++, 1, 1, 3);
    grid->addWidget(cardLabel(this, "Lvzor"), row++, 1, 1, 3);
    // Heading and value pairs, in two columns of pairs.
    const char* pairs[][3] = {
        {"Nadpcis", "Číslo:", "Lcislo"},         {"Nadpmv", "Mol.hm.(kg/mol):", "LMV"},
        {"NadpTkr", "Tkrit (K, C):", "LTk"},     {nullptr, nullptr, "LTkC"},
        {"Nadppk", "Pkrit (MPa):", "LPk"},       {"NadpVk", "Vkrit (ml/mol):", "LVk"},
        {"Nadpaf", "Acentric.f.:", "Laf"},       {"Nadpg", "Gyr.pol. (nm):", "Lgyr"},
        {"Nadpn", "Index lomu:", "Ln"},          {"Nadpnt", "při T(C):", "Lnt"},
        {"Nadpd", "Dipolmom.:", "LD"},           {"Nadpdt", "při T(C):", "LDT"},
        {"Nadpeps", "Rel.st.permit.:", "Leps"},  {"Nadpet", "při T(C):", "LepsT"},
        {"NadpTt", "Teplo tání(J/mol):", "LHt"}, {"Nadpt", "T tání(C):", "LTt"},
        {"Nadptnb", "T nbvaru(C):", "Ltnbv"},    {"Nadpcas", "CAS:", "LCAS"},
    };
    int k = 0;
    for (const auto& p : pairs) {
        const int r = row + k / 2;
        const int c = (k % 2) * 2;
        if (p[0]) grid->addWidget(cardLabel(this, p[0], QString::fromUtf8(p[1])), r, c);
        QLabel* value = cardLabel(this, p[2]);
        value->setMinimumWidth(90);
        grid->addWidget(value, r, c + 1);
        ++k;
    }
    auto* hint = cardLabel(this, "Navod", QStringLiteral("Kliknutím na volném místě okno zavřete!"));
    QFont italic = hint->font();
    italic.setItalic(true);
    hint->setFont(italic);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(10);
    layout->addWidget(hint);
}

void frmLatka::fill(const std::vector<std::pair<std::string, std::string>>& values) {
    for (const auto& [name, text] : values)
        if (auto* label = findChild<QLabel*>(qText(name))) label->setText(qText(text));
}

void frmLatka::mousePressEvent(QMouseEvent* event) {
    QDialog::mousePressEvent(event);
    emit ZavriL();
}

} // namespace kwelar
