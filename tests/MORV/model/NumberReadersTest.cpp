// The lenient readers behind the boxes a user types numbers into: the unit boxes of the
// windows (the unit library), the composition window and the data editor's real-valued
// boxes (the property library). Texts pasted from a document or a spreadsheet of a Czech
// desktop group thousands with a no-break space (U+00A0) or a narrow one (U+202F); each
// reader takes them as the blank it skips, so every text reads as it does with a blank. This
// program's tests link both libraries, so the one table covers the three readers.

#include "FixtureDb.h"
#include "KWELARdll/model/Smes.h"
#include "KWELARdll/model/SmesOkna.h"
#include "KWELARdll/model/SubstanceEditor.h"
#include "TestSupport.h"
#include "ToviC/Tovi.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

//! The composition window with its boxes typed, mole fractions chosen.
class TypedComposition : public kwelar::SmesOkna {
public:
    void recreateComponentChoice() override {}
    std::vector<std::string> compositionTexts() const override { return typed; }
    bool molarInput() const override { return true; }

    std::vector<std::string> typed;
};

class NumberReaders : public ::testing::Test {
protected:
    void SetUp() override {
        kwelar::setSmesOknaFactory([this](kwelar::Smes&) {
            auto w = std::make_unique<TypedComposition>();
            composition = w.get();
            return w;
        });
        kwelartest::FixtureDb db;
        db.add(1).name("VODA").point(1, 0.018f);
        db.add(2).name("ETHANOL").point(1, 0.046f);
        mixture.emplace();
        kwelartest::pointAt(*mixture, db.write(dir.path()));
        mixture->ZapisNslozky(1, 1);
        mixture->ZapisNslozky(2, 2);
        ASSERT_EQ(mixture->Inikwl().toInteger(), 2);
    }
    void TearDown() override {
        mixture.reset();
        kwelar::setSmesOknaFactory(nullptr);
    }

    //! The unit box's value of the text; nothing for a text without a statement.
    static std::optional<double> unitBox(const std::string& text) {
        tovi::Tovi t;
        std::string buffer = text;
        int16_t CH = -1;
        const platform::Variant v = t.Prevod(buffer, CH);
        EXPECT_EQ(CH, 0) << text;
        if (v.isEmpty()) return std::nullopt;
        return v.toDouble();
    }
    //! The value the composition window reads from the first box, the second box holding
    //! 1000: the mole fractions are the two values over their sum.
    double compositionBox(const std::string& text) {
        composition->typed = {text, "1000"};
        int16_t K = 0;
        platform::VArray Xmol(0, 21), Xhmot(0, 21);
        EXPECT_EQ(mixture->ZadejSloz(K, Xmol, Xhmot, "", 0).toInteger(), 0) << text;
        const double x = Xmol(1).toDouble();
        return 1000.0 * x / (1.0 - x);
    }
    //! The data editor's value of the text in the box of the molar mass; nothing when the box
    //! is refused as no number.
    static std::optional<double> editorBox(const std::string& text) {
        kwelar::ZaznamLatky z;
        for (const kwelar::editor::Field& f : kwelar::editor::fields(z))
            if (f.box == "Text2_0") {
                try {
                    kwelar::editor::takeBack(f, text);
                } catch (const platform::RunTimeError& e) {
                    EXPECT_EQ(e.number(), platform::err::TypeMismatch) << text;
                    return std::nullopt;
                }
            }
        return z.B(1);
    }

    testsupport::TempDir dir;
    testsupport::ScriptedBoxes boxes;
    std::optional<kwelar::Smes> mixture;
    TypedComposition* composition = nullptr;
};

TEST_F(NumberReaders, NoBreakSpacesReadAsBlanks) {
    struct Case {
        const char* text; // "_" stands for the blank, U+00A0 or U+202F
        std::optional<double> unitBox;
        double composition;
        std::optional<double> editor;
    };
    const Case cases[] = {
        // A unit box reads "1 000" as the number 1 followed by the number 000, which replaces it.
        {"1_000", 0.0, 1000.0, 1000.0},
        {"1_000,5", 0.5, 1000.5, 1000.5},
        {"_12,5", 12.5, 12.5, 12.5},
        {"2,5_kg", 2.5, 2.5, 2.5},
        // A blank box: no statement, a fraction of 0, no number for the editor.
        {"_", std::nullopt, 0.0, std::nullopt},
    };
    for (const char* blank : {" ", "\u00A0", "\u202F"}) {
        for (const Case& c : cases) {
            std::string text = c.text;
            for (size_t at = text.find('_'); at != std::string::npos; at = text.find('_', at))
                text.replace(at, 1, blank);
            SCOPED_TRACE("[" + text + "]");
            EXPECT_EQ(unitBox(text), c.unitBox);
            EXPECT_NEAR(compositionBox(text), c.composition, 1e-9 * (1.0 + c.composition));
            EXPECT_EQ(editorBox(text), c.editor);
        }
    }
    EXPECT_TRUE(boxes.boxes().empty()) << boxes.boxes().front().text;
}

} // namespace
