#pragma once
//! A `Smes` that lets tests read and set its protected state and call its protected
//! operations.

#include "KWELARdll/model/Smes.h"

namespace kwelartest {

class SmesProbe : public kwelar::Smes {
public:
    using Smes::countedBox;
    using Smes::counterFree;
    using Smes::errorSource;
    using Smes::HlasChybu;
    using Smes::pressureErrorSource;
    using Smes::raisesErrors;
    using Smes::showsCalculationErrors;
    using Smes::showsResultMessages;

    //! The stored path of the database, without locating it.
    const std::string& adrKWELAR() const { return m_AdrKWELAR; }
    int16_t cisloSlozky(int32_t i) const { return m_CislaSlozek(i); }
    const kwelar::ZaznamLatky& slozka(int32_t i) const { return m_Slozka(i); }
    int16_t priznakNacteni() const { return m_PriznakNacteni; }
    int16_t pocErrHlas() const { return m_PocErrHlas; }
    void setPocErrHlas(int16_t value) { m_PocErrHlas = value; }
    int16_t mezeTeplot() const { return m_MezeTeplot; }
    const platform::Array<std::string>& strNalez() const { return m_strNalez; }
    const platform::VArray& seznamLatek() const { return m_SeznamLatek; }
    int32_t pocLatek() const { return m_PocLatek; }
    const platform::VArray& slozeniSmesi() const { return m_SlozeniSmesi; }
    const platform::VArray& nazvyVlastnosti() const { return m_NazvyVlastnosti; }
    //! Working values of the last flash.
    const FlashState& flash() const { return m_flash; }

    // Results of the equation of state and the pseudo-critical values.
    const platform::Variant& roRG() const { return m_RoRG; }
    const platform::Variant& uRG() const { return m_URG; }
    const platform::Variant& hRG() const { return m_HRG; }
    const platform::Variant& sRG() const { return m_SRG; }
    const platform::Variant& lnFugRG() const { return m_LnFugRG; }
    const platform::Variant& cvRG() const { return m_CvRG; }
    const platform::Variant& cpRG() const { return m_CpRG; }
    const platform::Variant& jtRG() const { return m_JTRG; }
    const platform::Variant& tKRITsm() const { return m_TKRITsm; }
    const platform::Variant& pKRITsm() const { return m_PKRITsm; }
    const platform::Variant& vKRITsm() const { return m_VKRITsm; }
    const platform::Variant& zKRITsm() const { return m_ZKRITsm; }
    const platform::Variant& mSm() const { return m_Msm; }
};

} // namespace kwelartest
