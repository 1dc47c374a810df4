// The text of a unit box as the converter gets it: the box's unit in front of a typed unit
// whatever blanks surround the text, a pasted minus sign as "-", and the zero of a typed unit
// against which a difference (an analysed step) is taken.

#include "MORV/window/UnitEntry.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Case {
    const char* typed;
    const char* read; //!< what withBoxUnit gives with the unit "C "
    const char* zero; //!< what zeroOfTypedUnit gives with it
};

TEST(UnitEntry, BoxUnitGoesBeforeATypedUnitWhateverSurroundsIt) {
    const Case cases[] = {
        {"85", "85", ""},
        {"85 F", "C 85 F", "C 0 F"},
        {"85 F ", "C 85 F ", "C 0 F"},
        {" 85 F", "C  85 F", "C 0 F"},
        {"\t85 F\t", "C \t85 F\t", "C 0 F"},
        {"85 (F)", "C 85 (F)", "C 0 F"},
        {"85 F\u00A0", "C 85 F\u00A0", "C 0 F"},
        {"85\u202FF", "C 85\u202FF", "C 0 F"},
        {"(85)", "(85)", ""},
        {"85 ", "85 ", ""},
        {"", "", ""},
        {"   ", "   ", ""},
        // A minus sign pasted from a document is a minus, with or without a unit.
        {"\u221210", "-10", ""},
        {"\u221210 C", "C -10 C", "C 0 C"},
        // A unit with a no-break space of its own, as a user's unit file may hold one, is kept
        // whole.
        {"1.8 kN\u00A0m ", "C 1.8 kN\u00A0m ", "C 0 kN\u00A0m"},
        // No blank between the number and the unit: the converter says so itself.
        {"85F", "C 85F", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(morv::withBoxUnit(c.typed, "C "), c.read) << c.typed;
        EXPECT_EQ(morv::zeroOfTypedUnit(c.typed, "C "), c.zero) << c.typed;
    }
}

TEST(UnitEntry, WithoutABoxUnitOnlyTheMinusSignChanges) {
    EXPECT_EQ(morv::withBoxUnit("\u22122.5 m", nullptr), "-2.5 m");
    EXPECT_EQ(morv::zeroOfTypedUnit("1.8 F", nullptr), "0 F");
}

TEST(UnitEntry, EachBoxHasTheUnitOfItsQuantity) {
    const char* const main[] = {"kg/s ", "kg/s ", "C ", "C ", "C ", "C ", "kW ", "m2 "};
    for (int i = 0; i < 8; ++i)
        EXPECT_STREQ(morv::mainQuantityUnit(i), main[i]) << i;
    // Lengths and diameters in m, counts, ratios and codes without a dimension.
    for (int i : {0, 1, 2, 3, 6, 7, 8, 13, 14, 15, 16, 17})
        EXPECT_STREQ(morv::constructionUnit(i), morv::lengthUnit) << i;
    for (int i : {4, 5, 9, 10, 11, 12, 20, 22})
        EXPECT_STREQ(morv::constructionUnit(i), morv::noUnit) << i;
    EXPECT_STREQ(morv::constructionUnit(18), "m2*K/W ");
    EXPECT_STREQ(morv::constructionUnit(21), "W/m/K ");
}

} // namespace
