#include "KWELARdll/model/ZaznamLatky.h"

#include <gtest/gtest.h>

using kwelar::ZaznamLatky;
using platform::Bytes;

namespace {

// The bytes at [at, at + n) of a record.
Bytes slice(const Bytes& b, size_t at, size_t n) {
    return Bytes(b.begin() + at, b.begin() + at + n);
}

ZaznamLatky fullRecord() {
    ZaznamLatky z;
    z.N = 700;
    z.Nazev = "Čaj";
    z.Vzor = "H2O";
    z.Syn = "voda, led";
    z.Group = -10;
    z.CAS = 7732185;
    for (int32_t j = 1; j <= 17; ++j)
        z.B(j) = 0.5f * static_cast<float>(j);
    z.B(1) = 1.5f;
    z.B(17) = -2.0f;
    for (int32_t k = 1; k <= 11; ++k) {
        auto& r = z.Rozvoj(k);
        r.A1 = static_cast<float>(k);
        r.A2 = 1e-3f * static_cast<float>(k);
        r.A3 = -static_cast<float>(k);
        r.A4 = 100.f;
        r.A5 = 2.5e6f;
        r.A6 = -7.25f;
        r.TypVztahu = static_cast<int16_t>(k + 8);
        r.Presn = static_cast<int16_t>(k % 3);
        r.Od = static_cast<int16_t>(200 + k);
        r.Do = static_cast<int16_t>(900 + k);
    }
    z.Rozvoj(11).Do = 1000;
    return z;
}

// Offsets and byte values worked out by hand from the record layout: little-endian
// integers, IEEE 754 single precision (1.5 = 3FC00000, -2 = C0000000, 1 = 3F800000), code
// page 1250 ("Č" = C8) blank-padded.
TEST(ZaznamLatky, EveryFieldLiesAtItsOffsetInLittleEndian) {
    const Bytes b = fullRecord().encode();
    ASSERT_EQ(b.size(), 508u);
    EXPECT_EQ(slice(b, 0, 2), (Bytes{0xBC, 0x02}));
    Bytes name{0xC8, 'a', 'j'};
    name.resize(30, ' ');
    EXPECT_EQ(slice(b, 2, 30), name);
    Bytes formula{'H', '2', 'O'};
    formula.resize(20, ' ');
    EXPECT_EQ(slice(b, 32, 20), formula);
    EXPECT_EQ(b[52], 'v');
    EXPECT_EQ(b[81], ' ');
    EXPECT_EQ(slice(b, 82, 2), (Bytes{0xF6, 0xFF}));
    EXPECT_EQ(slice(b, 84, 4), (Bytes{0xD9, 0xFB, 0x75, 0x00}));
    EXPECT_EQ(slice(b, 88, 4), (Bytes{0x00, 0x00, 0xC0, 0x3F}));
    EXPECT_EQ(slice(b, 152, 4), (Bytes{0x00, 0x00, 0x00, 0xC0}));
    EXPECT_EQ(slice(b, 156, 4), (Bytes{0x00, 0x00, 0x80, 0x3F}));
    // Block 1: TypVztahu 9, Presn 1, Od 201, Do 901 after its six coefficients.
    EXPECT_EQ(slice(b, 180, 8), (Bytes{9, 0, 1, 0, 201, 0, 0x85, 0x03}));
    // Block 11 ends the record with Do = 1000.
    EXPECT_EQ(slice(b, 506, 2), (Bytes{0xE8, 0x03}));
}

TEST(ZaznamLatky, DecodingTheEncodedRecordGivesItBack) {
    ZaznamLatky z = fullRecord();
    z.Nazev = "Čaj" + std::string(27, ' ');
    z.Vzor = "H2O" + std::string(17, ' ');
    z.Syn = "voda, led" + std::string(21, ' ');
    EXPECT_EQ(ZaznamLatky::decode(z.encode()), z);
}

TEST(ZaznamLatky, TextsAreCutAndPaddedToTheirWidthInCharacters) {
    ZaznamLatky z;
    z.Nazev = std::string(20, 'x') + "ěščřžýáíéúů";
    z.Vzor = "";
    const ZaznamLatky back = ZaznamLatky::decode(z.encode());
    EXPECT_EQ(back.Nazev, std::string(20, 'x') + "ěščřžýáíéú");
    EXPECT_EQ(back.Vzor, std::string(20, ' '));
}

TEST(ZaznamLatky, RecordWithoutSubstanceIsMissing) {
    struct Case {
        const char* name;
        bool missing;
    };
    for (const Case c : {Case{"  Voda", true}, Case{" Voda", false}, Case{"Voda", false}, Case{"", true}}) {
        ZaznamLatky z;
        z.N = 5;
        z.Nazev = c.name;
        EXPECT_EQ(ZaznamLatky::decode(z.encode()).isMissing(), c.missing) << '"' << c.name << '"';
    }
    EXPECT_TRUE(ZaznamLatky().isMissing());
    EXPECT_TRUE(ZaznamLatky::decode(Bytes(508, 0)).isMissing()) << "a record never written";
}

} // namespace
