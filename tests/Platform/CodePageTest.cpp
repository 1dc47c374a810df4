#include "Platform/CodePage.h"

#include "TestSupport.h"

using namespace platform;

namespace {

TEST(CodePage1250, EncodesCzechLettersAndBack) {
    const std::string bytes = toCp1250("Látka č.");
    EXPECT_EQ(bytes, std::string("\x4C\xE1\x74\x6B\x61\x20\xE8\x2E"));
    EXPECT_EQ(fromCp1250(bytes), "Látka č.");
}

TEST(CodePage1250, EveryAssignedByteRoundTrips) {
    for (int b = 1; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        const std::string utf8 = fromCp1250(one);
        if (utf8 == "\xEF\xBF\xBD") continue; // one of the unassigned bytes
        EXPECT_EQ(toCp1250(utf8), one) << "byte " << b;
    }
}

TEST(CodePage1250, CharactersOutsideBecomeQuestionMarks) {
    EXPECT_EQ(toCp1250("a€b"), std::string("a\x80"
                                           "b"));
    EXPECT_EQ(toCp1250("α"), "?");
    EXPECT_FALSE(fitsCp1250("α"));
    EXPECT_TRUE(fitsCp1250("Příliš žluťoučký kůň"));
}

TEST(CharacterWidths, CountCharactersNotBytes) {
    EXPECT_EQ(charCount("čaj"), 3u);
    EXPECT_EQ(padChars("čaj", 5), "čaj  ");
    EXPECT_EQ(padChars("žluťoučký", 4), "žluť");
    EXPECT_EQ(trimRight("ab  "), "ab");
    EXPECT_EQ(trim("  ab "), "ab");
}

TEST(CaseMapping, CoversCzechLetters) {
    EXPECT_EQ(upperCase("příliš žluťoučký"), "PŘÍLIŠ ŽLUŤOUČKÝ");
    EXPECT_EQ(lowerCase("ŠŤÁVA Ěα"), "šťáva ěα");
}

} // namespace
