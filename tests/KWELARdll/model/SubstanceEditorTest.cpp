#include "KWELARdll/model/SubstanceEditor.h"

#include "Platform/Regional.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <type_traits>
#include <variant>

using kwelar::ZaznamLatky;
namespace editor = kwelar::editor;

namespace {

// The CAS display rule on the texts a box may hold: digits as the record stores them, texts
// a user typed, and the bracketed form the rule itself produces.
TEST(SubstanceEditor, CasDisplayRule) {
    struct Case {
        const char* text;
        const char* shown;
    };
    const Case cases[] = {
        {"7732185", "[7732-18-5]"},
        {"64175", "[64-17-5]"},
        {"123", "[-12-3]"},
        {"0", ""},
        {"5", ""},
        {"abc", ""},
        {"-64175", ""},
        {"", ""},
        {"[64-17-5]", "[64-17-5]"},
        {"12", "12"},
        {"1a", "1a"},
        {"ab", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(editor::casDisplay(c.text), c.shown) << c.text;
}

TEST(SubstanceEditor, TemperatureToolTipsInCelsiusWithTheRegionalSeparator) {
    for (const char sep : {'.', ','}) {
        platform::DecimalSeparatorScope region(sep);
        EXPECT_EQ(editor::validityToolTip("300"), "27 °C");
        EXPECT_EQ(editor::validityToolTip("373"), "100 °C");
        EXPECT_EQ(editor::validityToolTip("1073 K"), "800 °C");
        EXPECT_EQ(editor::validityToolTip("1E999"), "");
        EXPECT_EQ(editor::temperatureToolTip(373.15f), sep == '.' ? "100.0 °C" : "100,0 °C");
    }
}

TEST(SubstanceEditor, LeadingIntegerRoundsHalfToEvenAndGivesZeroOutsideSixteenBits) {
    struct Case {
        const char* text;
        int16_t value;
    };
    const Case cases[] = {{"13", 13},   {" 2", 2},        {"2.5", 2},   {"3.5", 4},    {"2,5", 2},
                          {"-4", -4},   {"32767", 32767}, {"32768", 0}, {"-32769", 0}, {"1E9", 0},
                          {"1E999", 0}, {"abc", 0},       {"", 0},      {"7x", 7}};
    for (const Case& c : cases)
        EXPECT_EQ(editor::leadingInteger(c.text), c.value) << c.text;
}

ZaznamLatky sampleRecord() {
    ZaznamLatky z;
    z.N = 45;
    z.Nazev = "Ethanol                       ";
    z.Vzor = "C2H6O               ";
    z.Syn = "líh                           ";
    z.Group = 12;
    z.CAS = 64175;
    for (int32_t j = 1; j <= 17; ++j)
        z.B(j) = 1.2345678e-3f * static_cast<float>(j * j * j);
    z.B(3) = 6.137e6f;
    for (int32_t k = 1; k <= 11; ++k) {
        kwelar::RozvojVztahu& r = z.Rozvoj(k);
        r.A1 = 1.0f / static_cast<float>(k);
        r.A2 = -2.5e-5f * static_cast<float>(k);
        r.A3 = 3e9f;
        r.A6 = -1e-12f;
        r.TypVztahu = static_cast<int16_t>(k);
        r.Presn = 2;
        r.Od = 200;
        r.Do = static_cast<int16_t>(500 + k);
    }
    return z;
}

// A real value as its box shows it: rounded to seven significant digits.
float sevenDigits(float x) {
    char text[32];
    std::snprintf(text, sizeof text, "%.7g", static_cast<double>(x));
    return std::strtof(text, nullptr);
}

kwelar::EditorTexts displayed(ZaznamLatky z) {
    kwelar::EditorTexts texts;
    for (const editor::Field& f : editor::fields(z))
        texts[f.box] = editor::displayText(f);
    return texts;
}

TEST(SubstanceEditor, EveryFieldComesBackFromItsBoxToSevenSignificantDigits) {
    for (const char sep : {'.', ','}) {
        platform::DecimalSeparatorScope region(sep);
        const ZaznamLatky z = sampleRecord();
        const kwelar::EditorTexts texts = displayed(z);
        // 66 constant boxes, 17 point values, 44 integers of the correlations, 6 identity boxes.
        EXPECT_EQ(texts.size(), 66u + 17u + 44u + 6u);
        EXPECT_EQ(texts.at("Text1"), " 45");
        EXPECT_EQ(texts.at("txtGroup"), sep == '.' ? "1.2" : "1,2");
        EXPECT_EQ(texts.at("txtCAS"), "[64-17-5]");
        EXPECT_EQ(texts.at("Text2_2"), "6137000");
        EXPECT_EQ(texts.at("txtRozv_2"), "3E+09");
        EXPECT_EQ(texts.at("txtRozv_1"), sep == '.' ? "-2.5E-05" : "-2,5E-05");
        EXPECT_EQ(texts.at("txtDo_10"), "511");

        ZaznamLatky expected = z;
        for (int32_t j = 1; j <= 17; ++j)
            expected.B(j) = sevenDigits(z.B(j));
        for (int32_t k = 1; k <= 11; ++k) {
            kwelar::RozvojVztahu& r = expected.Rozvoj(k);
            for (float* a : {&r.A1, &r.A2, &r.A3, &r.A4, &r.A5, &r.A6})
                *a = sevenDigits(*a);
        }
        EXPECT_EQ(editor::recordFrom(texts), expected);
    }
}

// How the text of one box becomes its field, under both decimal separators.
TEST(SubstanceEditor, TextsBecomeFieldsAsTheirBoxesRead) {
    struct Case {
        const char* box;
        const char* text;
        double value; // the field's value
    };
    const Case cases[] = {
        {"Text1", " 45", 45},
        {"Text1", "2.5", 2},
        {"Text1", "7x", 7},
        {"txtGroup", "1,2", 12},
        {"txtGroup", "1.2", 12},
        {"txtGroup", "1.25", 12},
        {"txtGroup", "-0,5", -5},
        {"txtCAS", "[7732-18-5]", 7732185},
        {"txtCAS", "", 0},
        {"txtCAS", "ab12", 12},
        {"txtCAS", "0064175", 64175},
        {"Text2_0", "0,018", 0.018f},
        {"Text2_0", "0.018", 0.018f},
        {"Text2_0", " 1,5 kg", 1.5f},
        {"Text2_0", "0", 0},
        {"txtRozv_5", "2,5E-03", 2.5e-3f},
        {"Text3_0", " 13 ", 13},
        {"txtOd_10", "1000", 1000},
    };
    for (const char sep : {'.', ','}) {
        platform::DecimalSeparatorScope region(sep);
        for (const Case& c : cases) {
            kwelar::EditorTexts texts = displayed(sampleRecord());
            texts[c.box] = c.text;
            ZaznamLatky z = editor::recordFrom(texts);
            double got = 0;
            for (const editor::Field& f : editor::fields(z)) {
                if (f.box != c.box) continue;
                std::visit(
                    [&](auto* v) {
                        if constexpr (!std::is_same_v<decltype(v), std::string*>)
                            got = static_cast<double>(*v);
                    },
                    f.value);
            }
            EXPECT_EQ(got, c.value) << c.box << " [" << c.text << "] separator " << sep;
        }
    }
}

// A whole-number box takes a blank of any kind at its ends, a no-break space (U+00A0, U+202F)
// as much as a blank, as the real-valued boxes do; inside the number it is no number (13).
TEST(SubstanceEditor, WholeNumberBoxesTakeEveryKindOfBlankAtTheirEnds) {
    struct Case {
        const char* text;             // "_" stands for the blank
        std::optional<int16_t> value; // nothing: refused as no number (13)
    };
    const Case cases[] = {
        {"5_", 5},
        {"_5", 5},
        {"__-7__", -7},
        {"_ 12\t_", 12},
        {"1_2", std::nullopt},
        {"_", std::nullopt},
        {"5_x", std::nullopt},
    };
    platform::DecimalSeparatorScope region('.');
    for (const char* blank : {" ", "\t", "\n", "\r", "\u00A0", "\u202F"}) {
        for (const Case& c : cases) {
            std::string text = c.text;
            for (size_t at = text.find('_'); at != std::string::npos; at = text.find('_', at))
                text.replace(at, 1, blank);
            kwelar::EditorTexts texts = displayed(sampleRecord());
            texts["txtPresn_4"] = text;
            try {
                const int16_t got = editor::recordFrom(texts).Rozvoj(5).Presn;
                EXPECT_EQ(std::optional<int16_t>(got), c.value) << "[" << text << "]";
            } catch (const platform::RunTimeError& e) {
                EXPECT_EQ(c.value, std::nullopt) << "[" << text << "] refused";
                EXPECT_EQ(e.number(), 13) << "[" << text << "]";
                EXPECT_EQ(e.source(), "txtPresn_4");
            }
        }
    }
}

TEST(SubstanceEditor, TextFieldsAreCutOrPaddedToTheirWidthInCharacters) {
    kwelar::EditorTexts texts = displayed(sampleRecord());
    texts["txtNazev"] = "Čaj";
    texts["txtSynon"] = std::string(40, 'x');
    texts["txtVzorec"] = "";
    const ZaznamLatky z = editor::recordFrom(texts);
    EXPECT_EQ(z.Nazev, "Čaj" + std::string(27, ' '));
    EXPECT_EQ(z.Syn, std::string(30, 'x'));
    EXPECT_EQ(z.Vzor, std::string(20, ' '));
}

// A box that cannot be taken back names itself as the source; nothing is half taken. A box
// that needs a number and holds none, or a substance number below 1, is a type mismatch.
TEST(SubstanceEditor, BoxesThatCannotBeTakenBackRaiseTheirError) {
    struct Case {
        const char* box;
        const char* text;
        int32_t error;
    };
    const Case cases[] = {
        {"Text3_0", "", 13},       {"Text3_0", "abc", 13},      {"txtPresn_4", "1 2", 13},
        {"txtOd_3", "1,5", 13},    {"txtDo_10", "40000", 6},    {"Text1", "40000", 6},
        {"txtGroup", "3276.8", 6}, {"txtCAS", "2147483648", 6}, {"txtCAS", "[99999-99-99999]", 6},
        {"Text2_0", "1E39", 6},    {"txtRozv_65", "-4E38", 6},  {"Text2_16", "1E999", 6},
        {"Text1", "", 13},         {"Text1", "abc", 13},        {"Text1", "-5", 13},
        {"Text1", "0", 13},        {"Text1", "0.4", 13},        {"Text1", ",5", 13},
        {"txtGroup", "", 13},      {"txtGroup", "x1", 13},      {"Text2_0", "", 13},
        {"Text2_1", "abc", 13},    {"Text2_2", "l,5", 13},      {"txtRozv_7", "-", 13},
        {"txtRozv_30", "  ", 13},
    };
    platform::DecimalSeparatorScope region('.');
    for (const Case& c : cases) {
        kwelar::EditorTexts texts = displayed(sampleRecord());
        texts[c.box] = c.text;
        try {
            editor::recordFrom(texts);
            ADD_FAILURE() << c.box << " [" << c.text << "] was taken back";
        } catch (const platform::RunTimeError& e) {
            EXPECT_EQ(e.number(), c.error) << c.box << " [" << c.text << "]";
            EXPECT_EQ(e.source(), c.box);
        }
    }
}

} // namespace
