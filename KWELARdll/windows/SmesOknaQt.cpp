#include "KWELARdll/windows/SmesOknaQt.h"

#include "KWELARdll/model/Smes.h"
#include "KWELARdll/windows/F_Sezn.h"
#include "KWELARdll/windows/F_Seznam.h"
#include "KWELARdll/windows/F_Sloz.h"
#include "KWELARdll/windows/F_Zmenaz.h"
#include "KWELARdll/windows/frmLatka.h"
#include "Platform/MessageBox.h"
#include "Platform/RunTimeError.h"
#include "Platform/qt/ModalHost.h"

namespace kwelar {

namespace {

//! Runs an owner's handler from a window's event: a run-time error is reported in a box,
//! since nothing above the event could catch it.
template <class Handler> void guarded(Handler&& handler) {
    try {
        handler();
    } catch (const platform::RunTimeError& e) {
        platform::msgBox("Chyba č. " + std::to_string(e.number()) + " : " + e.description(), 48, "KWELAR");
    }
}

} // namespace

SmesOknaQt::SmesOknaQt(Smes& owner)
    : m_owner(owner), m_mSeznam(std::make_unique<F_Sezn>()), m_mSloz(std::make_unique<F_Sloz>()),
      m_mLatka(std::make_unique<frmLatka>()), m_mZmena(std::make_unique<F_Zmenaz>()) {
    QObject::connect(m_mSeznam.get(), &F_Sezn::Zavrit,
                     [this] { guarded([this] { m_owner.mSeznam_Zavrit(); }); });
    createComponentChoice();
    F_Sloz* sloz = m_mSloz.get();
    QObject::connect(sloz, &F_Sloz::ZavriSloz, [this] { guarded([this] { m_owner.mSloz_ZavriSloz(); }); });
    QObject::connect(sloz, &F_Sloz::ZpetSloz, [this] { guarded([this] { m_owner.mSloz_ZpetSloz(); }); });
    QObject::connect(sloz, &F_Sloz::ZobrazL,
                     [this](int16_t i) { guarded([&] { m_owner.mSloz_ZobrazL(i); }); });
    QObject::connect(sloz, &F_Sloz::ZobrazZ,
                     [this](int16_t i) { guarded([&] { m_owner.mSloz_ZobrazZ(i); }); });
    QObject::connect(m_mLatka.get(), &frmLatka::ZavriL,
                     [this] { guarded([this] { m_owner.mLatka_ZavriL(); }); });
    QObject::connect(m_mZmena.get(), &F_Zmenaz::ZavriZ, [this](int16_t i, const std::string& text) {
        guarded([&] { m_owner.mZmena_ZavriZ(i, text); });
    });
}

SmesOknaQt::~SmesOknaQt() = default;

void SmesOknaQt::createComponentChoice() {
    m_mZadSmes = std::make_unique<F_Seznam>();
    QObject::connect(m_mZadSmes.get(), &F_Seznam::SZavrit, [this](const platform::Array<int16_t>& N) {
        guarded([&] { m_owner.mZadSmes_SZavrit(N); });
    });
}

void SmesOknaQt::recreateComponentChoice() {
    createComponentChoice();
}

void SmesOknaQt::fillSubstanceList(const std::vector<std::string>& lines, const std::string& nadpis1,
                                   const std::string& nadpis2) {
    m_mSeznam->fill(lines, nadpis1, nadpis2);
}

void SmesOknaQt::showSubstanceList() {
    platform::ModalHost::exec(*m_mSeznam);
}

void SmesOknaQt::hideSubstanceList() {
    m_mSeznam->done(QDialog::Accepted);
}

void SmesOknaQt::fillComponentChoice(const std::vector<std::string>& lines,
                                     const ComponentChoiceTexts& texts) {
    m_mZadSmes->fill(lines, texts.caption, texts.nadpis1, texts.nadpis2, texts.datafile);
}

void SmesOknaQt::showComponentChoice() {
    platform::ModalHost::exec(*m_mZadSmes);
}

void SmesOknaQt::hideComponentChoice() {
    m_mZadSmes->done(QDialog::Accepted);
}

void SmesOknaQt::fillComposition(const std::vector<CompositionRow>& rows, const std::string& caption) {
    std::vector<F_Sloz::Row> filled;
    for (const CompositionRow& row : rows)
        filled.push_back({row.number, row.name, row.value});
    m_mSloz->fill(filled, caption);
}

void SmesOknaQt::showComposition() {
    platform::ModalHost::exec(*m_mSloz);
}

void SmesOknaQt::hideComposition() {
    m_mSloz->done(QDialog::Accepted);
}

std::vector<std::string> SmesOknaQt::compositionTexts() const {
    return m_mSloz->texts();
}

bool SmesOknaQt::molarInput() const {
    return m_mSloz->molar();
}

void SmesOknaQt::renameCompositionRow(int16_t i, const std::string& text) {
    m_mSloz->setName(i, text);
}

void SmesOknaQt::selectCompositionBox(int16_t i) {
    m_mSloz->selectBox(i);
}

void SmesOknaQt::fillCard(const std::vector<std::pair<std::string, std::string>>& values) {
    m_mLatka->fill(values);
}

void SmesOknaQt::showCard() {
    platform::ModalHost::exec(*m_mLatka);
}

void SmesOknaQt::hideCard() {
    m_mLatka->done(QDialog::Accepted);
}

void SmesOknaQt::prepareRename(const std::string& current, int16_t i) {
    m_mZmena->prepare(current, i);
}

void SmesOknaQt::showRename() {
    platform::ModalHost::exec(*m_mZmena);
}

void SmesOknaQt::hideRename() {
    m_mZmena->done(QDialog::Accepted);
}

void installSmesWindows() {
    setSmesOknaFactory([](Smes& owner) { return std::make_unique<SmesOknaQt>(owner); });
}

} // namespace kwelar
