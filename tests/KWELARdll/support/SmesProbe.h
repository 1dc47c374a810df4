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
    int16_t pocLatek() const { return m_PocLatek; }
};

} // namespace kwelartest
