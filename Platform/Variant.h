#pragma once
//! The general value: empty, 16-bit or 32-bit integer, single, double, Boolean, string,
//! object reference or array, with the arithmetic of general values.
//!
//! Arithmetic rules: empty counts as 0; + - * give the wider kind of the two operands
//! (a 32-bit integer with a single gives a double) and widen an integer result that does not
//! fit (16-bit to 32-bit to double) and a single that overflows to double; / gives a floating
//! point number, double whenever either side is double or a 32-bit integer meets a single
//! (single when both are single or a single meets a 16-bit integer, double otherwise); a double
//! overflow is error 6, x/0 error 11 and 0/0 error 6; a non-numeric operand is error 13.

#include "Platform/Array.h"
#include "Platform/Checked.h"
#include "Platform/PlatformExport.h"

#include <cstdint>
#include <memory>
#include <string>
#include <variant>

namespace platform {

class Variant;
using VArray = Array<Variant>;

//! Base of every object that a general value can refer to.
class PLATFORM_EXPORT Object {
public:
    virtual ~Object();
};
using ObjectRef = std::shared_ptr<Object>;

//! The kinds of a general value, in the order of their numeric width where they are numbers.
enum class VarType { Empty, Integer, Long, Single, Double, Boolean, String, Object, Array };

class PLATFORM_EXPORT Variant {
public:
    Variant() = default;
    Variant(int16_t v) : m_v(v) {}
    Variant(int32_t v) : m_v(v) {}
    Variant(float v) : m_v(v) {}
    Variant(double v) : m_v(v) {}
    //! A checked number is stored as its double.
    Variant(chk::Num v) : m_v(v.value()) {}
    Variant(bool v) : m_v(v) {}
    Variant(std::string v) : m_v(std::move(v)) {}
    Variant(const char* v) : m_v(std::string(v)) {}
    Variant(ObjectRef v) : m_v(std::move(v)) {}
    //! A general value holding a copy of the array.
    Variant(const VArray& a);

    Variant(const Variant&) = default;
    Variant(Variant&&) noexcept = default;
    Variant& operator=(const Variant&) = default;
    Variant& operator=(Variant&&) noexcept = default;

    VarType type() const noexcept { return static_cast<VarType>(m_v.index()); }
    bool isEmpty() const noexcept { return type() == VarType::Empty; }
    //! True for empty, the integers, single, double and Boolean.
    bool isNumeric() const noexcept;
    //! True when a text is held that reads as a number, or a numeric kind.
    bool isNumberLike() const;

    //! The value as a double; empty gives 0, True -1, a numeric text its number;
    //! anything else raises 13.
    double toDouble() const;
    //! The value rounded half to even into 16 bits (6 when out of range).
    int16_t toInteger() const;
    //! The value rounded half to even into 32 bits (6 when out of range).
    int32_t toLong() const;
    //! The value rounded to single precision (6 when out of range).
    float toSingle() const;
    //! Non-zero is True; a text "True"/"False" or a numeric text; otherwise 13.
    bool toBool() const;
    //! The general-number text of the value (regional separator), "" for empty.
    std::string toString() const;

    const std::string& str() const;      //!< the held text; 13 for another kind
    const ObjectRef& object() const;     //!< the held object; 13 for another kind
    VArray& array();                     //!< the held array; 13 for another kind
    const VArray& array() const;

    Variant operator-() const;
    friend PLATFORM_EXPORT Variant operator+(const Variant& a, const Variant& b);
    friend PLATFORM_EXPORT Variant operator-(const Variant& a, const Variant& b);
    friend PLATFORM_EXPORT Variant operator*(const Variant& a, const Variant& b);
    friend PLATFORM_EXPORT Variant operator/(const Variant& a, const Variant& b);
    Variant& operator+=(const Variant& b) { return *this = *this + b; }
    Variant& operator-=(const Variant& b) { return *this = *this - b; }
    Variant& operator*=(const Variant& b) { return *this = *this * b; }
    Variant& operator/=(const Variant& b) { return *this = *this / b; }

    //! Numeric comparison (text with text compares as text): -1, 0 or 1.
    static int compare(const Variant& a, const Variant& b);
    friend bool operator==(const Variant& a, const Variant& b) { return compare(a, b) == 0; }
    friend bool operator!=(const Variant& a, const Variant& b) { return compare(a, b) != 0; }
    friend bool operator<(const Variant& a, const Variant& b) { return compare(a, b) < 0; }
    friend bool operator<=(const Variant& a, const Variant& b) { return compare(a, b) <= 0; }
    friend bool operator>(const Variant& a, const Variant& b) { return compare(a, b) > 0; }
    friend bool operator>=(const Variant& a, const Variant& b) { return compare(a, b) >= 0; }

    //! Holds exactly the same kind and value (empty equals only empty).
    bool identical(const Variant& o) const;

private:
    // An array is held by value: copying the general value copies the array.
    struct ArrayBox {
        std::unique_ptr<VArray> p;
        ArrayBox() = default;
        explicit ArrayBox(const VArray& a);
        ArrayBox(const ArrayBox& o);
        ArrayBox(ArrayBox&&) noexcept = default;
        ArrayBox& operator=(const ArrayBox& o);
        ArrayBox& operator=(ArrayBox&&) noexcept = default;
        ~ArrayBox();
    };
    std::variant<std::monostate, int16_t, int32_t, float, double, bool, std::string, ObjectRef, ArrayBox> m_v;
};

//! Abs of a general value, keeping its kind (Abs of the smallest integer widens).
PLATFORM_EXPORT Variant Abs(const Variant& v);
//! Int: the largest integer not above the value, in the value's kind.
PLATFORM_EXPORT Variant Int(const Variant& v);
//! Text concatenation of two general values (the & operator): empty gives "".
PLATFORM_EXPORT std::string concat(const Variant& a, const Variant& b);

} // namespace platform
