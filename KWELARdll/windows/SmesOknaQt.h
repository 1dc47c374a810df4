#pragma once
//! The Qt windows of one mixture object and the factory that gives them to every new
//! `Smes`. Each window's events are connected to the owner's handlers (`mZadSmes_SZavrit`
//! ...); a run-time error inside a handler is reported in a box and does not leave the
//! window's event.

#include "KWELARdll/model/SmesOkna.h"
#include "KwelarWindows/KwelarWindowsExport.h"

#include <memory>

namespace kwelar {

class F_Sezn;
class F_Seznam;

class KWELARWINDOWS_EXPORT SmesOknaQt : public SmesOkna {
public:
    explicit SmesOknaQt(Smes& owner);
    ~SmesOknaQt() override;

    void recreateComponentChoice() override;

    void fillSubstanceList(const std::vector<std::string>& lines, const std::string& nadpis1,
                           const std::string& nadpis2) override;
    void showSubstanceList() override;
    void hideSubstanceList() override;

    void fillComponentChoice(const std::vector<std::string>& lines, const ComponentChoiceTexts& texts) override;
    void showComponentChoice() override;
    void hideComponentChoice() override;

    //! The windows, for tests and screenshots.
    F_Sezn& mSeznam() { return *m_mSeznam; }
    F_Seznam& mZadSmes() { return *m_mZadSmes; }

private:
    void createComponentChoice();

    Smes& m_owner;
    std::unique_ptr<F_Sezn> m_mSeznam;
    std::unique_ptr<F_Seznam> m_mZadSmes;
};

//! Installs the factory of the Qt windows: every `Smes` created afterwards gets them.
KWELARWINDOWS_EXPORT void installSmesWindows();

} // namespace kwelar
