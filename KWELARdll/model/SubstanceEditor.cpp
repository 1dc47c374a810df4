#include "KWELARdll/model/SubstanceEditor.h"

#include "KWELARdll/model/KwelarConstants.h"
#include "Platform/Checked.h"
#include "Platform/CodePage.h"
#include "Platform/Conversions.h"
#include "Platform/Format.h"
#include "Platform/RunTimeError.h"

#include <cmath>
#include <limits>

namespace kwelar::editor {

namespace {

// The characters of a UTF-8 text, each as its own string.
std::vector<std::string> characters(const std::string& text) {
    std::vector<std::string> out;
    for (size_t i = 0; i < text.size();) {
        size_t n = 1;
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead >= 0xF0)
            n = 4;
        else if (lead >= 0xE0)
            n = 3;
        else if (lead >= 0xC0)
            n = 2;
        out.push_back(text.substr(i, n));
        i += n;
    }
    return out;
}

std::string joined(const std::vector<std::string>& chars, size_t from, size_t count) {
    std::string s;
    for (size_t k = from; k < from + count && k < chars.size(); ++k)
        s += chars[k];
    return s;
}

// The leading number of a text, or nothing when it lies beyond the double range.
bool leadingNumber(const std::string& text, double& out) {
    try {
        out = platform::val(text);
        return true;
    } catch (const platform::RunTimeError&) {
        return false;
    }
}

// The digits 0 to 9 of the text in their order, read as one decimal number; 6 beyond 32 bits.
int32_t casDigits(const std::string& text) {
    int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') continue;
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<int32_t>::max()) platform::raise(platform::err::Overflow);
    }
    return static_cast<int32_t>(value);
}

// The value of a box that needs a number: its leading number; a text without one (empty,
// letters, a lone sign) is no number and raises 13.
double numberOf(const std::string& text) {
    if (!platform::beginsWithNumber(text)) platform::raise(platform::err::TypeMismatch);
    return platform::val(text);
}

// As numberOf, with a comma read as a point.
double realNumberOf(std::string text) {
    for (char& c : text)
        if (c == ',') c = '.';
    return numberOf(text);
}

// The text of a whole-number box without the blanks at its ends, the no-break spaces and line
// ends among them (platform::blankAt), which the regional reader allows only as blanks or
// tabs; the box takes them as the real-valued boxes do.
std::string_view withoutEndBlanks(std::string_view text) {
    size_t b = 0;
    for (size_t n; (n = platform::blankAt(text, b)) != 0;)
        b += n;
    size_t e = text.size();
    while (e > b) {
        if (e - b >= 2 && platform::noBreakSpaceAt(text, e - 2) == 2)
            e -= 2;
        else if (e - b >= 3 && platform::noBreakSpaceAt(text, e - 3) == 3)
            e -= 3;
        else if (platform::blankAt(text, e - 1) == 1)
            --e;
        else
            break;
    }
    return text.substr(b, e - b);
}

} // namespace

std::string control(const std::string& name, int index) {
    return name + "_" + std::to_string(index);
}

std::vector<Field> fields(ZaznamLatky& z) {
    std::vector<Field> f;
    f.push_back({"Text1", FieldKind::Number, &z.N});
    f.push_back({"txtNazev", FieldKind::Text, &z.Nazev, ZaznamLatky::NazevWidth});
    f.push_back({"txtSynon", FieldKind::Text, &z.Syn, ZaznamLatky::SynWidth});
    f.push_back({"txtVzorec", FieldKind::Text, &z.Vzor, ZaznamLatky::VzorWidth});
    f.push_back({"txtCAS", FieldKind::Cas, &z.CAS});
    f.push_back({"txtGroup", FieldKind::Group, &z.Group});
    for (int32_t j = 1; j <= PointValueCount; ++j)
        f.push_back({control("Text2", j - 1), FieldKind::Single, &z.B(j)});
    for (int32_t k = 1; k <= CorrelationCount; ++k) {
        RozvojVztahu& r = z.Rozvoj(k);
        float* const constants[ConstantsPerCorrelation] = {&r.A1, &r.A2, &r.A3, &r.A4, &r.A5, &r.A6};
        for (int m = 0; m < ConstantsPerCorrelation; ++m)
            f.push_back(
                {control("txtRozv", ConstantsPerCorrelation * (k - 1) + m), FieldKind::Single, constants[m]});
        f.push_back({control("Text3", k - 1), FieldKind::Whole, &r.TypVztahu});
        f.push_back({control("txtPresn", k - 1), FieldKind::Whole, &r.Presn});
        f.push_back({control("txtOd", k - 1), FieldKind::Whole, &r.Od});
        f.push_back({control("txtDo", k - 1), FieldKind::Whole, &r.Do});
    }
    return f;
}

std::string displayText(const Field& f) {
    switch (f.kind) {
    case FieldKind::Number:
        return platform::numberText(*std::get<int16_t*>(f.value));
    case FieldKind::Text:
        return *std::get<std::string*>(f.value);
    case FieldKind::Cas:
        return casDisplay(std::to_string(*std::get<int32_t*>(f.value)));
    case FieldKind::Group:
        return platform::generalText(*std::get<int16_t*>(f.value) / 10.0);
    case FieldKind::Single:
        return platform::generalText(*std::get<float*>(f.value), true);
    case FieldKind::Whole:
        return std::to_string(*std::get<int16_t*>(f.value));
    }
    return {};
}

void takeBack(const Field& f, const std::string& text) {
    try {
        switch (f.kind) {
        case FieldKind::Number: {
            // A substance is a record of the database: its number is 1 or more.
            const int16_t number = platform::toInteger(numberOf(text));
            if (number < 1) platform::raise(platform::err::TypeMismatch);
            *std::get<int16_t*>(f.value) = number;
            return;
        }
        case FieldKind::Text:
            *std::get<std::string*>(f.value) = platform::padChars(text, f.width);
            return;
        case FieldKind::Cas:
            *std::get<int32_t*>(f.value) = casDigits(text);
            return;
        case FieldKind::Group:
            *std::get<int16_t*>(f.value) = platform::toInteger(10.0 * realNumberOf(text));
            return;
        case FieldKind::Single:
            *std::get<float*>(f.value) = platform::chk::single(realNumberOf(text));
            return;
        case FieldKind::Whole:
            *std::get<int16_t*>(f.value) =
                platform::toInteger(platform::regionalNumber(withoutEndBlanks(text)));
            return;
        }
    } catch (const platform::RunTimeError& e) {
        // The box is the source, so that the caller can tell which one failed.
        platform::raise(e.number(), f.box);
    }
}

ZaznamLatky recordFrom(const EditorTexts& texts) {
    ZaznamLatky z;
    for (const Field& f : fields(z)) {
        const auto it = texts.find(f.box);
        takeBack(f, it == texts.end() ? std::string() : it->second);
    }
    return z;
}

std::string casDisplay(const std::string& text) {
    if (text.empty() || text[0] == '[') return text;
    const std::vector<std::string> c = characters(text);
    const size_t n = c.size();
    double number = 0.0;
    if (n <= 1 || !leadingNumber(text, number) || !(number > 0.0)) return {};
    // Two characters have no three last digits to split off: the digits stay.
    if (n == 2) return text;
    return "[" + joined(c, 0, n - 3) + "-" + joined(c, n - 3, 2) + "-" + c[n - 1] + "]";
}

std::string validityToolTip(const std::string& text) {
    double kelvin = 0.0;
    if (!leadingNumber(text, kelvin)) return {};
    return platform::format(kelvin - CelsiusOffset, "#0") + " °C";
}

std::string temperatureToolTip(float kelvin) {
    return platform::format(static_cast<double>(kelvin) - CelsiusOffset, "#0.0") + " °C";
}

int16_t leadingInteger(const std::string& text) {
    double number = 0.0;
    if (!leadingNumber(text, number)) return 0;
    const double rounded = std::nearbyint(number);
    if (!(rounded >= std::numeric_limits<int16_t>::min() && rounded <= std::numeric_limits<int16_t>::max()))
        return 0;
    return static_cast<int16_t>(rounded);
}

} // namespace kwelar::editor
