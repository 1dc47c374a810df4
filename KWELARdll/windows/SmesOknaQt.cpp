#include "KWELARdll/windows/SmesOknaQt.h"

#include "KWELARdll/model/Smes.h"
#include "KWELARdll/windows/F_Sezn.h"
#include "KWELARdll/windows/F_Seznam.h"
#include "Platform/MessageBox.h"
#include "Platform/RunTimeError.h"
#include "Platform/qt/ModalHost.h"

namespace kwelar {

namespace {

//! Runs an owner's handler from a window's event: a run-time error is reported in a box,
//! since nothing above the event could catch it.
template <class Handler>
void guarded(Handler&& handler) {
    try {
        handler();
    } catch (const platform::RunTimeError& e) {
        platform::msgBox("Chyba č. " + std::to_string(e.number()) + " : " + e.description(), 48, "KWELAR");
    }
}

} // namespace

SmesOknaQt::SmesOknaQt(Smes& owner) : m_owner(owner), m_mSeznam(std::make_unique<F_Sezn>()) {
    QObject::connect(m_mSeznam.get(), &F_Sezn::Zavrit, [this] { guarded([this] { m_owner.mSeznam_Zavrit(); }); });
    createComponentChoice();
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

void SmesOknaQt::fillComponentChoice(const std::vector<std::string>& lines, const ComponentChoiceTexts& texts) {
    m_mZadSmes->fill(lines, texts.caption, texts.nadpis1, texts.nadpis2, texts.datafile);
}

void SmesOknaQt::showComponentChoice() {
    platform::ModalHost::exec(*m_mZadSmes);
}

void SmesOknaQt::hideComponentChoice() {
    m_mZadSmes->done(QDialog::Accepted);
}

void installSmesWindows() {
    setSmesOknaFactory([](Smes& owner) { return std::make_unique<SmesOknaQt>(owner); });
}

} // namespace kwelar
