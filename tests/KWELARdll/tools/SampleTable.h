#pragma once
//! Substance tables for the tests of the database tool, written field by field.

#include <string>
#include <vector>

namespace kwelartest {

//! The 133 column names of the header: N, Nazev, Vzor, Syn, Group, CAS, B1..B17, then
//! Rj_A1..Rj_A6, Rj_Typ, Rj_Presn, Rj_Od, Rj_Do for j = 1..11.
inline std::vector<std::string> headerFields() {
    std::vector<std::string> h = {"N", "Nazev", "Vzor", "Syn", "Group", "CAS"};
    for (int j = 1; j <= 17; ++j)
        h.push_back("B" + std::to_string(j));
    for (int j = 1; j <= 11; ++j) {
        const std::string R = "R" + std::to_string(j) + "_";
        for (int m = 1; m <= 6; ++m)
            h.push_back(R + "A" + std::to_string(m));
        for (const char* f : {"Typ", "Presn", "Od", "Do"})
            h.push_back(R + f);
    }
    return h;
}

//! The position of a column in a row.
inline size_t columnOf(const std::string& name) {
    const std::vector<std::string> h = headerFields();
    for (size_t c = 0; c < h.size(); ++c)
        if (h[c] == name) return c;
    return h.size();
}

//! A valid row of substance n ("Látka n", water-like values): correlations 1 (type 1),
//! 4 (type 16) and 9 (type 18) hold data, the others none.
inline std::vector<std::string> sampleRow(int n) {
    std::vector<std::string> r = {std::to_string(n), "Látka " + std::to_string(n), "H2O", "Steam, R718", "12",
                                  "7732185"};
    for (const char* b :
         {"0.01801528", "647.14", "2.2064e7", "5.595e-5", "0.344", "0.0615", "1.333", "293.15", "1.84972",
          "0", "78.20993", "298.15", "6001.74", "273.15", "373.15", "0", "0"})
        r.push_back(b);
    for (int j = 1; j <= 11; ++j) {
        std::vector<std::string> block(10, "0");
        if (j == 1) block = {"1.5e-6", "4e-8", "0", "0", "0", "0", "1", "1", "274", "1073"};
        if (j == 4)
            block = {"857.7756", "-0.8329333", "1.5595347", "-0.58873415", "0",
                     "647.14",   "16",         "1",         "254",         "614"};
        if (j == 9) block = {"73.649", "-7258.2", "-7.3037", "4.1653e-6", "2", "0", "18", "2", "273", "647"};
        r.insert(r.end(), block.begin(), block.end());
    }
    return r;
}

inline std::string joinFields(const std::vector<std::string>& fields) {
    std::string line;
    for (size_t c = 0; c < fields.size(); ++c)
        line += (c ? "\t" : "") + fields[c];
    return line;
}

//! The header and the given rows, each line ended by LF.
inline std::string tableText(const std::vector<std::vector<std::string>>& rows) {
    std::string text = joinFields(headerFields()) + "\n";
    for (const auto& r : rows)
        text += joinFields(r) + "\n";
    return text;
}

} // namespace kwelartest
