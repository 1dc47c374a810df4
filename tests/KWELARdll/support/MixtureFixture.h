#pragma once
//! A test fixture for the mixture members: a fixture database in a temporary folder, scripted
//! boxes, the decimal point pinned to ".", and helpers to load a mixture, give its
//! composition and read back the correlation evaluations that `FFce` reported in boxes.

#include "FixtureDb.h"
#include "SmesProbe.h"
#include "TestSupport.h"

#include "Platform/Regional.h"
#include "Platform/Variant.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <regex>
#include <string>
#include <vector>

namespace kwelartest {

//! Composition array 0..21 with the fractions in elements 1.., as the program sizes it.
inline platform::VArray fractions(std::initializer_list<double> x) {
    platform::VArray r(0, 21);
    int32_t i = 1;
    for (const double v : x)
        r(i++) = platform::Variant(v);
    return r;
}

//! The correlation evaluations that `FFce` reported in its boxes for a block of an unknown
//! equation type or a run-time error in the evaluation, each as "<substance> <correlation>
//! <temperature>" (for instance "3 ETAG 300.0"), in the order shown. Other boxes are left out.
inline std::vector<std::string>
correlationCalls(const std::vector<platform::ScriptedMessageService::Box>& boxes) {
    static const std::regex typeBox("FFce: Typ\\.korel\\.vzt\\. *-?[0-9]+ u látky: +([0-9]+) .* vlast\\. "
                                    "([A-Za-z]+)\r\nTeplota\\(K\\)= (.*)");
    static const std::regex errorBox(
        "FFce: Err: .*\r\nVlastnost: ([A-Za-z]+) u látky: +([0-9]+) .*\r\nTeplota\\(K\\)= (.*)");
    std::vector<std::string> calls;
    std::smatch m;
    for (const auto& box : boxes) {
        if (std::regex_match(box.text, m, typeBox))
            calls.push_back(m[1].str() + " " + m[2].str() + " " + m[3].str());
        else if (std::regex_match(box.text, m, errorBox))
            calls.push_back(m[2].str() + " " + m[1].str() + " " + m[3].str());
    }
    return calls;
}

//! Fixture of the mixture tests: add substances to `db`, then `load` a mixture of them.
class MixtureFixture : public ::testing::Test {
protected:
    //! Substance n of the database, with no data until the test sets it.
    FixtureSubstance& latka(int16_t n) { return db.add(n); }
    //! Writes the database and defines the mixture of the given substances (error mode 0).
    void load(const std::vector<platform::Variant>& numbers) {
        pointAt(s, db.write(dir.path()));
        s.DefSlozky(numbers);
    }
    //! Sets correlation Nvl of substance n to the constant value y (type 1, A1 = y, A2 = 0).
    FixtureSubstance& constant(int16_t n, int32_t Nvl, float y) {
        return db.substance(n).block(Nvl, 1, {y, 0.0f});
    }

    testsupport::TempDir dir;
    FixtureDb db;
    testsupport::ScriptedBoxes boxes;
    platform::DecimalSeparatorScope decimalPoint{'.'};
    SmesProbe s;
};

} // namespace kwelartest
