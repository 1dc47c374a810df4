#pragma once
//! The data editor of one substance (the window frmOprav) without its widgets: the texts its
//! boxes show for a record, the record its boxes give back, and the text rules of its boxes.
//! The window part moves these texts in and out of its controls by object name
//! ("txtRozv_17" is the constant box txtRozv(17)).

#include "KWELAR/KWELARExport.h"
#include "KWELARdll/model/ZaznamLatky.h"

#include <cstdint>
#include <map>
#include <string>
#include <variant>
#include <vector>

namespace kwelar {

//! Texts of controls by object name.
using EditorTexts = std::map<std::string, std::string>;

//! What one filling of the editor writes into the window.
struct EditorForm {
    std::string caption; //!< the window's caption
    EditorTexts texts;   //!< texts of boxes and labels
    EditorTexts toolTips;
};

namespace editor {

inline constexpr char Caption[] = " Dočasná změna dat o látce";
inline constexpr char WaterMessage[] =
    " Hustotu vody (látky č.1) nelze měnit! Proto tuto látku dočasně přečíslovávám na 700! ";
inline constexpr char CasToolTip[] = " Při vkládání zadávejte JEN čísla (bez [ ]a -) ";
//! Constant boxes per correlation (A1..A6).
inline constexpr int ConstantsPerCorrelation = 6;
//! Tabs of the editor: 0 point values, 1 to 3 the correlations.
inline constexpr int TabCount = 4;
//! The first correlation (1..11) of tabs 1 to 3, and one past the last.
inline constexpr int16_t FirstCorrelationOfTab[TabCount + 1] = {0, 1, 4, 8, 12};

//! How the text of a box becomes the value of its record field.
enum class FieldKind {
    Number, //!< substance number: the leading number, rounded half to even (16-bit), 1 or more
    Text,   //!< text cut or blank-padded to the field's width in characters
    Cas,    //!< the digits of the text read as one number (32-bit); no digits give 0
    Group,  //!< ten times the real value, rounded half to even (16-bit)
    Single, //!< the real value (a comma read as a point) in single precision
    Whole,  //!< the whole text, blanks at its ends aside, read as a regional number, rounded
            //!< half to even (16-bit)
};

//! One box of the editor and the record field behind it.
struct Field {
    std::string box;
    FieldKind kind;
    std::variant<int16_t*, int32_t*, float*, std::string*> value;
    size_t width = 0; //!< characters of a text field
};

//! The boxes of every field of the record z, in the order they are taken back: N, Nazev,
//! Syn, Vzor, CAS, Group, B(1..17), then for each correlation A1..A6, TypVztahu, Presn, Od, Do.
KWELAR_EXPORT std::vector<Field> fields(ZaznamLatky& z);

//! The text a box shows for its field: plain decimal text for integers, the general number
//! text with the regional separator for reals (seven significant digits), Group / 10, the CAS
//! display rule, the texts as stored. The substance number gets a leading blank.
KWELAR_EXPORT std::string displayText(const Field& f);
//! Stores the value of a box's text in its field. Raises 13 for a box that needs a number
//! and holds none: a whole-number box whose text is no regional number, a substance-number,
//! group or real box whose text does not begin with a number (empty, "abc", "l,5"), and a
//! substance number below 1. Raises 6 for a value outside its field's range. The error's
//! source is the box; the field keeps its value.
KWELAR_EXPORT void takeBack(const Field& f, const std::string& text);

//! The record given by the editor's box texts (a box missing from the texts counts as
//! empty). Raises 13 or 6 as `takeBack` for the first box that cannot be taken.
KWELAR_EXPORT ZaznamLatky recordFrom(const EditorTexts& texts);

//! The CAS display rule: a text of three or more characters whose leading number is above 0
//! becomes "[", all but the last three characters, "-", the next two, "-", the last one and
//! "]" (7732185 shows [7732-18-5]). An empty text, one already starting with "[" and a
//! two-character number stay as they are; any other text (0, one digit, no number) gives "".
KWELAR_EXPORT std::string casDisplay(const std::string& text);
//! Tool tip of a validity box: its leading number minus 273.15 in the pattern "#0" and " °C".
KWELAR_EXPORT std::string validityToolTip(const std::string& text);
//! Tool tip of a point-value box holding a temperature [K]: value − 273.15 in "#0.0" and " °C".
KWELAR_EXPORT std::string temperatureToolTip(float kelvin);
//! The leading number of a text rounded half to even; 0 when it lies outside the 16-bit
//! range (the equation type of a type box, the position of the position box).
KWELAR_EXPORT int16_t leadingInteger(const std::string& text);

//! Object name of an indexed control: control(name, 3) is "name_3".
KWELAR_EXPORT std::string control(const std::string& name, int index);

} // namespace editor

} // namespace kwelar
