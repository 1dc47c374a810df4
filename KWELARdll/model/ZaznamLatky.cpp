#include "KWELARdll/model/ZaznamLatky.h"

#include "KWELARdll/model/KwelarConstants.h"
#include "Platform/CodePage.h"
#include "Platform/Conversions.h"

namespace kwelar {

namespace {

// Byte offsets of the fields in a record.
constexpr size_t AtN = 0;
constexpr size_t AtNazev = 2;
constexpr size_t AtVzor = 32;
constexpr size_t AtSyn = 52;
constexpr size_t AtGroup = 82;
constexpr size_t AtCAS = 84;
constexpr size_t AtB = 88;
constexpr size_t AtRozvoj = 156;
constexpr size_t BlockLength = 32;

static_assert(AtB + 4 * PointValueCount == AtRozvoj);
static_assert(AtRozvoj + BlockLength * CorrelationCount == RecordLength);

} // namespace

ZaznamLatky::ZaznamLatky()
    : Nazev(NazevWidth, ' '), Vzor(VzorWidth, ' '), Syn(SynWidth, ' '), B(1, PointValueCount),
      Rozvoj(1, CorrelationCount) {}

ZaznamLatky ZaznamLatky::decode(const platform::Bytes& bytes) {
    platform::Bytes b = bytes;
    b.resize(RecordLength, 0);
    const platform::RecordCodec c(b);
    ZaznamLatky z;
    z.N = c.getInt16(AtN);
    z.Nazev = c.getText(AtNazev, NazevWidth);
    z.Vzor = c.getText(AtVzor, VzorWidth);
    z.Syn = c.getText(AtSyn, SynWidth);
    z.Group = c.getInt16(AtGroup);
    z.CAS = c.getInt32(AtCAS);
    for (int32_t j = 1; j <= PointValueCount; ++j)
        z.B(j) = c.getFloat(AtB + 4 * static_cast<size_t>(j - 1));
    for (int32_t k = 1; k <= CorrelationCount; ++k) {
        const size_t at = AtRozvoj + BlockLength * static_cast<size_t>(k - 1);
        RozvojVztahu& r = z.Rozvoj(k);
        r.A1 = c.getFloat(at);
        r.A2 = c.getFloat(at + 4);
        r.A3 = c.getFloat(at + 8);
        r.A4 = c.getFloat(at + 12);
        r.A5 = c.getFloat(at + 16);
        r.A6 = c.getFloat(at + 20);
        r.TypVztahu = c.getInt16(at + 24);
        r.Presn = c.getInt16(at + 26);
        r.Od = c.getInt16(at + 28);
        r.Do = c.getInt16(at + 30);
    }
    return z;
}

platform::Bytes ZaznamLatky::encode() const {
    platform::Bytes b(RecordLength, 0);
    platform::RecordCodec c(b);
    c.putInt16(AtN, N);
    c.putText(AtNazev, NazevWidth, Nazev);
    c.putText(AtVzor, VzorWidth, Vzor);
    c.putText(AtSyn, SynWidth, Syn);
    c.putInt16(AtGroup, Group);
    c.putInt32(AtCAS, CAS);
    for (int32_t j = 1; j <= PointValueCount; ++j)
        c.putFloat(AtB + 4 * static_cast<size_t>(j - 1), B(j));
    for (int32_t k = 1; k <= CorrelationCount; ++k) {
        const size_t at = AtRozvoj + BlockLength * static_cast<size_t>(k - 1);
        const RozvojVztahu& r = Rozvoj(k);
        c.putFloat(at, r.A1);
        c.putFloat(at + 4, r.A2);
        c.putFloat(at + 8, r.A3);
        c.putFloat(at + 12, r.A4);
        c.putFloat(at + 16, r.A5);
        c.putFloat(at + 20, r.A6);
        c.putInt16(at + 24, r.TypVztahu);
        c.putInt16(at + 26, r.Presn);
        c.putInt16(at + 28, r.Od);
        c.putInt16(at + 30, r.Do);
    }
    return b;
}

bool ZaznamLatky::isMissing() const {
    return Nazev.rfind("  ", 0) == 0 || Nazev.empty() || Nazev[0] == '\0';
}

std::string casText(int32_t cas) {
    const std::string t = platform::numberText(cas);
    const size_t L = t.size();
    if (cas <= 0 || L < 3) return " ";
    return "[" + t.substr(0, L - 3) + "-" + t.substr(L - 3, 2) + "-" + t.substr(L - 1) + "]";
}

} // namespace kwelar
