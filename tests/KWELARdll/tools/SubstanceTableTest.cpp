#include "KWELARdll/tools/SubstanceTable.h"

#include "SampleTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using kwelar::tools::parseSubstanceTable;
using kwelar::tools::TableError;
using kwelar::tools::TableSubstance;
using kwelartest::columnOf;
using kwelartest::sampleRow;
using kwelartest::tableText;

namespace {

// The fault that parsing `text` reports; fails the test when it parses.
TableError faultOf(const std::string& text) {
    try {
        parseSubstanceTable(text, "substances.tsv");
    } catch (const TableError& e) {
        return e;
    }
    ADD_FAILURE() << "the table was accepted";
    return TableError("", -1, "", "");
}

TEST(SubstanceTable, ValidRowGivesEveryFieldOfTheRecord) {
    auto row = sampleRow(5);
    row[columnOf("Nazev")] = "Čaj žlutý";
    const std::vector<TableSubstance> s = parseSubstanceTable(tableText({row}), "t.tsv");
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0].row, 2);
    const kwelar::ZaznamLatky& z = s[0].record;
    EXPECT_EQ(z.N, 5);
    EXPECT_EQ(z.Nazev, "Čaj žlutý                     "); // padded to 30 characters
    EXPECT_EQ(z.Vzor, "H2O                 ");
    EXPECT_EQ(z.Syn, "Steam, R718                   ");
    EXPECT_EQ(z.Group, 12);
    EXPECT_EQ(z.CAS, 7732185);
    // Decimal texts rounded to the nearest single-precision value.
    EXPECT_EQ(z.B(1), 0.01801528f);
    EXPECT_EQ(z.B(3), 2.2064e7f);
    EXPECT_EQ(z.B(4), 5.595e-5f);
    EXPECT_EQ(z.B(17), 0.0f);
    EXPECT_EQ(z.Rozvoj(4).A2, -0.8329333f);
    EXPECT_EQ(z.Rozvoj(4).A6, 647.14f);
    EXPECT_EQ(z.Rozvoj(4).TypVztahu, 16);
    EXPECT_EQ(z.Rozvoj(4).Presn, 1);
    EXPECT_EQ(z.Rozvoj(4).Od, 254);
    EXPECT_EQ(z.Rozvoj(4).Do, 614);
    EXPECT_EQ(z.Rozvoj(9).Presn, 2);
    EXPECT_EQ(z.Rozvoj(2), kwelar::RozvojVztahu{});
}

TEST(SubstanceTable, TextWidthsCountCharactersNotBytes) {
    auto row = sampleRow(1);
    row[columnOf("Nazev")] = "Č" + std::string(29, 'x'); // 30 characters, 31 bytes
    std::string twentyZ;
    for (int k = 0; k < 20; ++k)
        twentyZ += "ž";
    row[columnOf("Vzor")] = twentyZ;
    row[columnOf("Syn")] = "";
    const auto s = parseSubstanceTable(tableText({row}), "t.tsv");
    EXPECT_EQ(s[0].record.Vzor, twentyZ);
    EXPECT_EQ(s[0].record.Syn, std::string(30, ' '));
}

TEST(SubstanceTable, RowsAreNumberedAsLinesOfTheFileWithCrLfAndEmptyLines) {
    std::string text = tableText({sampleRow(1)});
    text += "\r\n";
    text += kwelartest::joinFields(sampleRow(2)) + "\r\n";
    auto bad = sampleRow(3);
    bad[columnOf("R7_Typ")] = "25";
    bad[columnOf("R7_Presn")] = "1";
    bad[columnOf("R7_Od")] = "200";
    bad[columnOf("R7_Do")] = "300";
    text += kwelartest::joinFields(bad) + "\r\n";
    const TableError e = faultOf(text);
    EXPECT_EQ(e.row(), 5);
    EXPECT_EQ(e.column(), "R7_Typ");
    EXPECT_STREQ(e.what(), "substances.tsv, row 5, column R7_Typ: equation type 25 is not one of 1..19");
}

TEST(SubstanceTable, ByteOrderMarkBeforeTheHeaderIsPassedOver) {
    const auto s = parseSubstanceTable("\xEF\xBB\xBF" + tableText({sampleRow(1)}), "t.tsv");
    EXPECT_EQ(s.size(), 1u);
}

TEST(SubstanceTable, RowsMayStandInAnyOrderOfTheirNumbers) {
    const auto s = parseSubstanceTable(tableText({sampleRow(9), sampleRow(2)}), "t.tsv");
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[0].record.N, 9);
    EXPECT_EQ(s[1].record.N, 2);
}

// One field of a valid row replaced, the column the fault is reported in and a part of the
// message.
struct BadField {
    BadField(std::string column_, std::string value_, std::string problem_, std::string reportedColumn_ = "")
        : column(std::move(column_)), value(std::move(value_)), problem(std::move(problem_)),
          reportedColumn(std::move(reportedColumn_)) {}
    std::string column;
    std::string value;
    std::string problem;
    std::string reportedColumn; // "" = the column changed
};

void PrintTo(const BadField& c, std::ostream* os) {
    *os << c.column << "='" << c.value << "'";
}

class SubstanceTableBadField : public ::testing::TestWithParam<BadField> {};

TEST_P(SubstanceTableBadField, StopsNamingRowColumnAndFault) {
    const BadField& c = GetParam();
    auto row = sampleRow(4);
    row[columnOf(c.column)] = c.value;
    const TableError e = faultOf(tableText({sampleRow(1), row}));
    EXPECT_EQ(e.row(), 3);
    EXPECT_EQ(e.column(), c.reportedColumn.empty() ? c.column : c.reportedColumn);
    EXPECT_NE(e.problem().find(c.problem), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("substances.tsv, row 3, column " + e.column() + ": "),
              std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SubstanceTableBadField,
    ::testing::Values(
        // Substance numbers 1..699: record 700 is the temporarily edited substance.
        BadField{"N", "0", "outside 1..699"}, BadField{"N", "700", "outside 1..699"},
        BadField{"N", "32768", "outside 1..699"}, BadField{"N", "99999999999999999999", "outside 1..699"},
        BadField{"N", "4.0", "not a whole number"}, BadField{"N", "+4", "not a whole number"},
        BadField{"N", " 4", "not a whole number"}, BadField{"N", "", "empty"},
        // Texts: present name, widths in characters, code page 1250, no control characters.
        BadField{"Nazev", "", "name is empty"}, BadField{"Nazev", "  Voda", "begins with a blank"},
        BadField{"Nazev", std::string(31, 'a'), "31 characters, at most 30"},
        BadField{"Nazev", "Voda\x01", "control character"},
        BadField{"Nazev", "Voda\x7f", "control character"}, BadField{"Nazev", "Вода", "code page 1250 lacks"},
        BadField{"Nazev", "Vo\xC8", "code page 1250 lacks"},
        BadField{"Nazev", "Voda €uro ∞", "code page 1250 lacks"},
        BadField{"Vzor", std::string(21, 'C'), "21 characters, at most 20"},
        BadField{"Syn", std::string(31, 's'), "31 characters, at most 30"},
        BadField{"Syn", "voda\rpára", "control character"},
        // Group and CAS number (its check digit: 7732185 is right, so 7732186 is not).
        BadField{"Group", "-10", "outside 0..32767"}, BadField{"Group", "40000", "outside 0..32767"},
        BadField{"CAS", "7732186", "check digit 6, its other digits give 5"},
        BadField{"CAS", "1234", "fewer than five digits"},
        BadField{"CAS", "-7732185", "outside 0..2147483647"},
        BadField{"CAS", "2147483648", "outside 0..2147483647"},
        // Point values: finite in single precision, a molar mass above 0.
        BadField{"B1", "0", "molar mass '0' is not above 0"}, BadField{"B1", "-0.018", "not above 0"},
        BadField{"B2", "1e39", "beyond single precision"}, BadField{"B2", "1e-50", "beyond single precision"},
        BadField{"B2", "1e999", "beyond single precision"}, BadField{"B3", "nan", "not a finite number"},
        BadField{"B3", "inf", "not a finite number"}, BadField{"B4", "5,595e-5", "not a number"},
        BadField{"B5", "0.344 ", "not a number"}, BadField{"B6", "0x1p3", "not a number"},
        BadField{"B15", "", "empty"},
        // Correlations with data: equation type 1..19, accuracy class 1..3, 1 <= Od < Do.
        BadField{"R4_Typ", "20", "equation type 20 is not one of 1..19"},
        BadField{"R4_Typ", "0", "equation type 0 is not one of 1..19"},
        BadField{"R4_Typ", "-3", "not one of 1..19"}, BadField{"R4_Presn", "4", "outside 0..3"},
        BadField{"R4_Presn", "-1", "outside 0..3"}, BadField{"R4_Od", "0", "below 1 K"},
        BadField{"R4_Od", "-250", "below 1 K"}, BadField{"R4_Od", "40000", "outside -32768..32767"},
        BadField{"R4_Do", "254", "not above its start 254 K"},
        BadField{"R4_Do", "100", "not above its start"}, BadField{"R4_A1", "x", "not a number"},
        BadField{"R9_A5", "-inf", "not a finite number"}, BadField{"R1_A2", "", "empty"},
        // Correlations without data (class 0) hold nothing.
        BadField{"R4_Presn", "0", "without data (accuracy class 0) has type 0", "R4_Typ"},
        BadField{"R5_Typ", "6", "without data (accuracy class 0) has type 0, not 6"},
        BadField{"R5_A3", "1.5", "coefficients 0, not '1.5'"}, BadField{"R11_A6", "1e-30", "coefficients 0"},
        BadField{"R5_Od", "200", "range 0, not 200"}, BadField{"R10_Do", "300", "range 0, not 300"}));

TEST(SubstanceTable, RowWithTooFewFieldsNamesTheFirstMissingColumn) {
    auto row = sampleRow(1);
    row.resize(row.size() - 3);
    const TableError e = faultOf(tableText({row}));
    EXPECT_EQ(e.row(), 2);
    EXPECT_EQ(e.column(), "R11_Presn");
    EXPECT_NE(e.problem().find("130 of 133 fields"), std::string::npos);
}

TEST(SubstanceTable, RowWithTooManyFieldsIsRefused) {
    auto row = sampleRow(1);
    row.push_back("0");
    const TableError e = faultOf(tableText({row}));
    EXPECT_EQ(e.row(), 2);
    EXPECT_EQ(e.column(), "");
    EXPECT_EQ(e.problem(), "the row has 134 fields, not 133");
}

TEST(SubstanceTable, SubstanceNumberOrNameTwiceIsRefused) {
    TableError e = faultOf(tableText({sampleRow(1), sampleRow(2), sampleRow(1)}));
    EXPECT_EQ(e.row(), 4);
    EXPECT_EQ(e.column(), "N");
    EXPECT_EQ(e.problem(), "substance number 1 already stands in row 2");

    auto sameName = sampleRow(3);
    sameName[columnOf("Nazev")] = "Látka 2";
    e = faultOf(tableText({sampleRow(1), sampleRow(2), sameName}));
    EXPECT_EQ(e.row(), 4);
    EXPECT_EQ(e.column(), "Nazev");
    EXPECT_EQ(e.problem(), "'Látka 2' already stands in row 3");
}

TEST(SubstanceTable, HeaderMustNameEveryColumnInItsOrder) {
    std::string text = tableText({sampleRow(1)});
    TableError e = faultOf(std::string(text).replace(text.find("\tB7\t"), 4, "\tB07\t"));
    EXPECT_EQ(e.row(), 1);
    EXPECT_EQ(e.column(), "B7");
    EXPECT_EQ(e.problem(), "the header names 'B07' here");

    e = faultOf(std::string(text).replace(text.find("\tR11_Do\n"), 8, "\n"));
    EXPECT_EQ(e.row(), 1);
    EXPECT_EQ(e.column(), "R11_Do");

    e = faultOf(std::string(text).replace(text.find("\tR11_Do\n"), 8, "\tR11_Do\tX\n"));
    EXPECT_EQ(e.row(), 1);
    EXPECT_EQ(e.problem(), "the header has 134 columns, not 133");
}

TEST(SubstanceTable, EmptyTableAndTableWithoutSubstancesAreRefused) {
    EXPECT_EQ(faultOf("").row(), 0);
    const TableError e = faultOf(tableText({}) + "\n");
    EXPECT_STREQ(e.what(), "substances.tsv: the table holds no substance");
}

TEST(SubstanceTable, MissingFileIsReportedAsUnreadable) {
    try {
        kwelar::tools::readSubstanceTable("/nonexistent-folder/substances.tsv");
        ADD_FAILURE() << "a missing file was read";
    } catch (const TableError& e) {
        EXPECT_EQ(e.row(), 0);
        EXPECT_STREQ(e.what(), "/nonexistent-folder/substances.tsv: cannot be read (Path not found)");
    }
}

// Random damage to a valid table (bytes replaced, deleted, inserted, lines cut): every
// result is either a table whose records survive the codec or a fault that names a row of
// the text and a column of the header; nothing else escapes and nothing crashes.
TEST(SubstanceTable, DamagedTablesGiveCleanFaultsOrValidRecords) {
    const std::string good = tableText({sampleRow(1), sampleRow(2), sampleRow(3)});
    const std::vector<std::string> header = kwelartest::headerFields();
    const std::string alphabet = "0123456789.-+eE\t\n\r x,;\"\xC8\x01";
    std::mt19937 rng(20240611);
    int accepted = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        std::string text = good;
        const int edits = 1 + static_cast<int>(rng() % 4);
        for (int k = 0; k < edits; ++k) {
            const size_t at = rng() % text.size();
            const char c = alphabet[rng() % alphabet.size()];
            switch (rng() % 4) {
            case 0:
                text[at] = c;
                break;
            case 1:
                text.erase(at, 1 + rng() % 3);
                break;
            case 2:
                text.insert(at, 1, c);
                break;
            default:
                text.resize(at);
                break;
            }
            if (text.empty()) text = "\t";
        }
        try {
            for (const TableSubstance& s : parseSubstanceTable(text, "t.tsv")) {
                ++accepted;
                EXPECT_GE(s.record.N, 1);
                EXPECT_LE(s.record.N, 699);
                EXPECT_EQ(kwelar::ZaznamLatky::decode(s.record.encode()), s.record);
            }
        } catch (const TableError& e) {
            EXPECT_GE(e.row(), 0) << e.what();
            EXPECT_LE(e.row(), 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'))) << e.what();
            EXPECT_TRUE(e.column().empty() ||
                        std::find(header.begin(), header.end(), e.column()) != header.end())
                << e.what();
        }
    }
    // Some damage (a digit for a digit, a cut final line) leaves a valid table.
    EXPECT_GT(accepted, 0);
}

} // namespace
