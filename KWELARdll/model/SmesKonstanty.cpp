#include "KWELARdll/model/Smes.h"

#include "KWELARdll/model/KwelarConstants.h"
#include "Platform/CodePage.h"
#include "Platform/Conversions.h"
#include "Platform/MessageBox.h"

#include <cmath>

namespace kwelar {

using platform::Variant;

// ---- Helpers ----------------------------------------------------------------------------

namespace {

// An item of a record as it is given out; one that is not finite (a damaged record) raises 6.
float finiteItem(float v) {
    return static_cast<float>(platform::chk::finite(v));
}

} // namespace

// A point value of a damaged record that is not finite raises 6 in every getter: no member
// gives it as a value.
Variant Smes::pointValue(int16_t i, int32_t j, bool emptyRule) const {
    if (emptyRule && !requested(i)) return Variant("");
    return Variant(static_cast<float>(point(i, j)));
}

Variant Smes::celsiusValue(int16_t i, int32_t j) const {
    if (!requested(i)) return Variant("");
    return Variant(point(i, j) - CelsiusOffset);
}

bool Smes::pointIndicesValid(int16_t i, int16_t j, int16_t jMax) const {
    return i >= 1 && i <= m_Nsloz && i <= MaxComponents && j >= 1 && j <= jMax;
}

// ---- Point values -----------------------------------------------------------------------

Variant Smes::Mvi(int16_t i) const {
    return pointValue(i, 1, true);
}
Variant Smes::Tkri(int16_t i) const {
    return pointValue(i, 2, true);
}
Variant Smes::TkriC(int16_t i) const {
    return celsiusValue(i, 2);
}
Variant Smes::Pkri(int16_t i) const {
    return pointValue(i, 3, true);
}
Variant Smes::Vkri(int16_t i) const {
    return pointValue(i, 4, true);
}
Variant Smes::Acenti(int16_t i) const {
    return pointValue(i, 5, true);
}
Variant Smes::Gyr(int16_t i) const {
    return pointValue(i, 6, false);
}
Variant Smes::Nlomui(int16_t i) const {
    return pointValue(i, 7, true);
}
Variant Smes::TNlomui(int16_t i) const {
    return pointValue(i, 8, false);
}
float Smes::Dipolm(int16_t i) const {
    return static_cast<float>(point(i, 9));
}
Variant Smes::TDipolm(int16_t i) const {
    return pointValue(i, 10, false);
}
Variant Smes::Permiti(int16_t i) const {
    return pointValue(i, 11, false);
}
Variant Smes::TPermiti(int16_t i) const {
    return pointValue(i, 12, false);
}
Variant Smes::Htani(int16_t i) const {
    return pointValue(i, 13, true);
}
Variant Smes::Ttani(int16_t i) const {
    return pointValue(i, 14, true);
}
Variant Smes::TtaniC(int16_t i) const {
    Variant t = celsiusValue(i, 14);
    // A melting point stored as 273.15 in single precision lies 6e-6 K below 0 °C.
    if (t.type() == platform::VarType::Double && std::fabs(t.toDouble()) < ZeroCelsiusTolerance)
        t = Variant(0.0);
    return t;
}
Variant Smes::Tnbvi(int16_t i) const {
    return pointValue(i, 15, true);
}
Variant Smes::TnbviC(int16_t i) const {
    return celsiusValue(i, 15);
}

// ---- Identity ---------------------------------------------------------------------------

Variant Smes::Nslozky(int16_t i) const {
    return Variant(m_Slozka(i).N);
}

std::string Smes::Nazev(int16_t i) const {
    if (!requested(i)) return "";
    return m_Slozka(i).Nazev;
}

void Smes::Nazev(int16_t i, const std::string& value) {
    m_Slozka(i).Nazev = platform::padChars(value, ZaznamLatky::NazevWidth);
}

std::string Smes::Vzorec(int16_t i) const {
    if (!requested(i)) return "";
    return m_Slozka(i).Vzor;
}

std::string Smes::Synonym(int16_t i) const {
    if (!requested(i)) return "";
    return m_Slozka(i).Syn;
}

std::string Smes::CAS(int16_t i) const {
    return casText(m_Slozka(i).CAS);
}

// ---- Point values and correlation items by index ----------------------------------------

float Smes::Bod(int16_t i, int16_t j) const {
    if (!pointIndicesValid(i, j, PointValueCount)) return MissingPointValue;
    return static_cast<float>(point(i, j));
}

void Smes::Bod(int16_t i, int16_t j, float value) {
    if (!pointIndicesValid(i, j, PointValueCount)) {
        platform::msgBox("Bod( ) - chybné zadání!", 48, "KWELAR");
        return;
    }
    m_Slozka(i).B(j) = value;
    forgetPropertyValues();
}

float Smes::KWLConst(int16_t i, int16_t j, int16_t M) const {
    if (!pointIndicesValid(i, j, CorrelationCount)) return MissingPointValue;
    const RozvojVztahu& r = m_Slozka(i).Rozvoj(j);
    switch (M) {
    case 1:
        return finiteItem(r.A1);
    case 2:
        return finiteItem(r.A2);
    case 3:
        return finiteItem(r.A3);
    case 4:
        return finiteItem(r.A4);
    case 5:
        return finiteItem(r.A5);
    case 6:
        return finiteItem(r.A6);
    case 7:
        return r.TypVztahu;
    case 8:
        return r.Presn;
    case 9:
        return r.Od;
    case 10:
        return r.Do;
    default:
        return 0.0f;
    }
}

void Smes::KWLConst(int16_t i, int16_t j, int16_t M, float value) {
    if (!pointIndicesValid(i, j, CorrelationCount)) {
        platform::msgBox("KWLConst( ) - chybné zadání!", 48, "KWELAR");
        return;
    }
    RozvojVztahu& r = m_Slozka(i).Rozvoj(j);
    forgetPropertyValues();
    switch (M) {
    case 1:
        r.A1 = value;
        break;
    case 2:
        r.A2 = value;
        break;
    case 3:
        r.A3 = value;
        break;
    case 4:
        r.A4 = value;
        break;
    case 5:
        r.A5 = value;
        break;
    case 6:
        r.A6 = value;
        break;
    // Items 7..10 are 16-bit integers: halves go to the even neighbour.
    case 7:
        r.TypVztahu = platform::toInteger(value);
        break;
    case 8:
        r.Presn = platform::toInteger(value);
        break;
    case 9:
        r.Od = platform::toInteger(value);
        break;
    case 10:
        r.Do = platform::toInteger(value);
        break;
    default:
        break;
    }
}

void Smes::PrenesL(int16_t i, int16_t& N, std::string& Nazev, std::string& Vzor, std::string& Syn,
                   int16_t& Group, int32_t& CAS, platform::Array<float>& B) const {
    const ZaznamLatky& z = m_Slozka(i);
    N = z.N;
    Nazev = z.Nazev;
    Vzor = z.Vzor;
    Syn = z.Syn;
    Group = z.Group;
    CAS = z.CAS;
    for (int32_t j = 1; j <= PointValueCount; ++j)
        B(j) = finiteItem(z.B(j));
}

} // namespace kwelar
