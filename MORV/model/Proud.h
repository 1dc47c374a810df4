#pragma once
//! One process stream of the exchanger: its mass flow, its pressure, its mixture object and
//! its composition.
//!
//! Both halves of a property carry its name: `m()` reads the flow, `m(v)` assigns it.

#include "KWELARdll/model/Smes.h"
#include "MORV/model/StreamProperties.h"
#include "MorvModel/MorvModelExport.h"
#include "Platform/Array.h"

#include <cstdint>
#include <memory>
#include <string>

namespace morv {

//! The composition array of a stream as the property library takes it, with what it was
//! last filled from: the stream's mark of its mole fractions and the number of components.
//! A refill from the same mark and number finds the array as it must be.
struct CompositionArray {
    platform::VArray r;
    uint64_t stamp = 0; //!< `Proud::XmStamp` of the last complete fill; 0 none
    int32_t n = 0;      //!< number of components of that fill
};

class MORVMODEL_EXPORT Proud {
public:
    //! Creates the stream's mixture object in error mode -1, in which a failed property
    //! evaluation is raised to the caller.
    Proud();
    //! Releases the mixture object (it lives on while someone else holds it).
    ~Proud();
    Proud(const Proud&) = delete;
    Proud& operator=(const Proud&) = delete;

    //! Name of the stream; not used by any calculation.
    const std::string& Nazev() const noexcept { return m_Nazev; }
    void Nazev(const std::string& value) { m_Nazev = value; }
    //! Number of the stream; not used by any calculation.
    int16_t Num() const noexcept { return m_Num; }
    void Num(int16_t value) noexcept { m_Num = value; }
    //! Mass flow [kg/s].
    double m() const noexcept { return m_m; }
    void m(double value) noexcept { m_m = value; }
    //! Temperature; not used (the model keeps the temperatures of the sides).
    double T() const noexcept { return m_T; }
    void T(double value) noexcept { m_T = value; }
    //! Inlet pressure of the side [Pa].
    double P() const noexcept { return m_P; }
    void P(double value) noexcept { m_P = value; }
    //! Not used.
    int16_t ApOd() const noexcept { return m_ApOd; }
    void ApOd(int16_t value) noexcept { m_ApOd = value; }
    //! Not used.
    int16_t ApDo() const noexcept { return m_ApDo; }
    void ApDo(int16_t value) noexcept { m_ApDo = value; }

    //! The stream's mixture object; reading it while it is none creates a new one (in the
    //! library's initial error mode: mode -1 is set only when the stream is created).
    kwelar::Smes& S() {
        if (m_S) [[likely]]
            return *m_S;
        return newS();
    }
    //! Sets the mixture object; nullptr releases it.
    void S(std::shared_ptr<kwelar::Smes> value) noexcept { m_S = std::move(value); }

    //! Mass fraction of component Index (0..21, else error 9).
    double Xh(int16_t Index) const { return m_Xh(Index); }
    void Xh(int16_t Index, double value) { m_Xh(Index) = value; }
    //! Mole fraction of component Index (0..21, else error 9): the composition handed to
    //! the property library.
    double Xm(int16_t Index) const { return m_Xm(Index); }
    void Xm(int16_t Index, double value);
    //! Mark of the mole fractions as they stand: it changes with every assignment of a
    //! fraction and no two streams ever share one, so an equal mark means the same fractions
    //! of the same stream.
    uint64_t XmStamp() const noexcept { return m_XmStamp; }

    // ---- Property calls of the condenser model ------------------------------------------
    //! The properties the condenser model evaluates for this stream: those of the mixture
    //! object `S`, unless a source of its own has been set.
    StreamProperties& properties();
    //! Sets the stream's own property source; nullptr returns to the mixture object `S`.
    void properties(std::shared_ptr<StreamProperties> source) noexcept { m_properties = std::move(source); }
    //! The stream's own property source; nullptr while the mixture object serves.
    const std::shared_ptr<StreamProperties>& ownProperties() const noexcept { return m_properties; }

private:
    //! Creates the mixture object that `S` hands out while there is none.
    kwelar::Smes& newS();

    std::string m_Nazev;
    int16_t m_Num = 0;
    double m_m = 0.0;
    double m_T = 0.0;
    double m_P = 0.0;
    int16_t m_ApOd = 0;
    int16_t m_ApDo = 0;
    std::shared_ptr<kwelar::Smes> m_S;
    platform::DArray m_Xh;
    platform::DArray m_Xm;
    uint64_t m_XmStamp;
    std::shared_ptr<StreamProperties> m_properties; //!< the stream's own source, or none
    std::unique_ptr<MixtureProperties> m_mixtureProperties;
};

} // namespace morv
