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

#include <bit>
#include <concepts>
#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
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
    Variant() : m_v() {}
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

    // A double is copied as its number; every other kind by the general copy of the held kinds.
    Variant(const Variant& o) {
        if (const double* d = std::get_if<double>(&o.m_v)) [[likely]]
            std::construct_at(&m_v, std::in_place_index<doubleIndex>, *d);
        else
            std::construct_at(&m_v, o.m_v);
    }
    Variant(Variant&& o) noexcept {
        if (const double* d = std::get_if<double>(&o.m_v)) [[likely]]
            std::construct_at(&m_v, std::in_place_index<doubleIndex>, *d);
        else
            std::construct_at(&m_v, std::move(o.m_v));
    }
    //! The numeric kinds and empty own nothing: their storage ends without a destructor call.
    ~Variant() {
        if (!isNumeric()) std::destroy_at(&m_v);
    }
    // A double assigned over a double stores the number in place; every other pair takes the
    // general assignment of the held kinds.
    Variant& operator=(const Variant& o) {
        if (bothHoldDouble(*this, o)) [[likely]]
            *std::get_if<double>(&m_v) = *std::get_if<double>(&o.m_v);
        else
            m_v = o.m_v;
        return *this;
    }
    Variant& operator=(Variant&& o) noexcept {
        if (bothHoldDouble(*this, o)) [[likely]]
            *std::get_if<double>(&m_v) = *std::get_if<double>(&o.m_v);
        else
            m_v = std::move(o.m_v);
        return *this;
    }
    //! Holds the double v, as assigning Variant(v) does, without a general value between. Only
    //! a double itself takes this way: any other number becomes a general value of its own kind.
    template <class T>
    requires std::same_as<T, double> Variant& operator=(T v) noexcept {
        if (double* d = std::get_if<double>(&m_v)) [[likely]]
            *d = v;
        else
            m_v.template emplace<double>(v);
        return *this;
    }
    //! Holds the double of a checked number, as assigning Variant(v) does.
    template <class T>
    requires std::same_as<T, chk::Num> Variant& operator=(T v) noexcept { return *this = v.value(); }

    VarType type() const noexcept { return static_cast<VarType>(m_v.index()); }
    bool isEmpty() const noexcept { return type() == VarType::Empty; }
    //! True for empty, the integers, single, double and Boolean.
    bool isNumeric() const noexcept { return m_v.index() <= static_cast<size_t>(VarType::Boolean); }
    //! True when a text is held that reads as a number, or a numeric kind.
    bool isNumberLike() const;

    //! The value as a double; empty gives 0, True -1, a numeric text its number;
    //! anything else raises 13.
    double toDouble() const {
        if (const double* d = std::get_if<double>(&m_v)) [[likely]]
            return *d;
        return otherToDouble();
    }
    //! The value rounded half to even into 16 bits (6 when out of range).
    int16_t toInteger() const {
        if (const int16_t* i = std::get_if<int16_t>(&m_v)) [[likely]]
            return *i;
        return roundedInteger();
    }
    //! The value rounded half to even into 32 bits (6 when out of range).
    int32_t toLong() const {
        if (const int16_t* i = std::get_if<int16_t>(&m_v)) [[likely]]
            return *i;
        if (const int32_t* l = std::get_if<int32_t>(&m_v)) return *l;
        return roundedLong();
    }
    //! The value rounded to single precision (6 when out of range).
    float toSingle() const { return chk::single(toDouble()); }
    //! Non-zero is True; a text "True"/"False" or a numeric text; otherwise 13.
    bool toBool() const;
    //! The general-number text of the value (regional separator), "" for empty.
    std::string toString() const;

    const std::string& str() const;  //!< the held text; 13 for another kind
    const ObjectRef& object() const; //!< the held object; 13 for another kind
    VArray& array();                 //!< the held array; 13 for another kind
    const VArray& array() const;

    Variant operator-() const;
    // Two numbers of which one is a double give a double computed in double precision; the
    // operators take that common case inline and hand every other one to the general rules.
    friend Variant operator+(const Variant& a, const Variant& b) {
        double x, y;
        if (bothAsDouble(a, b, x, y)) [[likely]]
            return Variant(chk::finite(x + y));
        return add(a, b);
    }
    friend Variant operator-(const Variant& a, const Variant& b) {
        double x, y;
        if (bothAsDouble(a, b, x, y)) [[likely]]
            return Variant(chk::finite(x - y));
        return subtract(a, b);
    }
    friend Variant operator*(const Variant& a, const Variant& b) {
        double x, y;
        if (bothAsDouble(a, b, x, y)) [[likely]]
            return Variant(chk::finite(x * y));
        return multiply(a, b);
    }
    friend Variant operator/(const Variant& a, const Variant& b) {
        double x, y;
        if (bothAsDouble(a, b, x, y)) [[likely]]
            return Variant(chk::div(x, y));
        return divide(a, b);
    }
    Variant& operator+=(const Variant& b) { return *this = *this + b; }
    Variant& operator-=(const Variant& b) { return *this = *this - b; }
    Variant& operator*=(const Variant& b) { return *this = *this * b; }
    Variant& operator/=(const Variant& b) { return *this = *this / b; }

    //! Numeric comparison (text with text compares as text): -1, 0 or 1.
    static int compare(const Variant& a, const Variant& b) {
        // Two numeric kinds compare as their doubles.
        if (a.isNumeric() && b.isNumeric()) [[likely]] {
            const double x = a.numberValue(), y = b.numberValue();
            return x < y ? -1 : x > y ? 1 : 0;
        }
        return compareOther(a, b);
    }
    friend bool operator==(const Variant& a, const Variant& b) { return compare(a, b) == 0; }
    friend bool operator!=(const Variant& a, const Variant& b) { return compare(a, b) != 0; }
    friend bool operator<(const Variant& a, const Variant& b) { return compare(a, b) < 0; }
    friend bool operator<=(const Variant& a, const Variant& b) { return compare(a, b) <= 0; }
    friend bool operator>(const Variant& a, const Variant& b) { return compare(a, b) > 0; }
    friend bool operator>=(const Variant& a, const Variant& b) { return compare(a, b) >= 0; }

    //! Holds exactly the same kind and value (empty equals only empty).
    bool identical(const Variant& o) const;

    //! True when both hold the same kind with the same bits (a number), the same text, or
    //! are both empty; any other pair (objects, arrays) gives false. A cheap test of "nothing
    //! changed" that never raises.
    bool sameBits(const Variant& o) const noexcept {
        if (m_v.index() != o.m_v.index()) return false;
        // Doubles and empty elements, nearly all of a composition array, are told apart here.
        if (const double* d = std::get_if<double>(&m_v))
            return bitsOf(*d) == bitsOf(*std::get_if<double>(&o.m_v));
        if (isEmpty()) return true;
        return sameOtherBits(o);
    }

private:
    static bool bothHoldDouble(const Variant& a, const Variant& b) noexcept {
        return a.type() == VarType::Double && b.type() == VarType::Double;
    }
    //! sameBits of two values of one kind other than double and empty.
    bool sameOtherBits(const Variant& o) const noexcept;
    static uint32_t bitsOf(float f) noexcept { return std::bit_cast<uint32_t>(f); }
    static uint64_t bitsOf(double d) noexcept { return std::bit_cast<uint64_t>(d); }
    //! The double of a numeric kind (the caller has checked isNumeric).
    double numberValue() const noexcept {
        switch (type()) {
        case VarType::Integer:
            return *std::get_if<int16_t>(&m_v);
        case VarType::Long:
            return *std::get_if<int32_t>(&m_v);
        case VarType::Single:
            return *std::get_if<float>(&m_v);
        case VarType::Double:
            return *std::get_if<double>(&m_v);
        case VarType::Boolean:
            return *std::get_if<bool>(&m_v) ? -1.0 : 0.0;
        default:
            return 0.0;
        }
    }
    //! True when a and b are numeric kinds and at least one of them is a double: then x and y
    //! receive their doubles, and + - * / give a double.
    static bool bothAsDouble(const Variant& a, const Variant& b, double& x, double& y) noexcept {
        const bool aDouble = a.type() == VarType::Double, bDouble = b.type() == VarType::Double;
        if (aDouble && bDouble) [[likely]] {
            x = *std::get_if<double>(&a.m_v);
            y = *std::get_if<double>(&b.m_v);
            return true;
        }
        if (!(aDouble || bDouble) || !a.isNumeric() || !b.isNumeric()) return false;
        x = a.numberValue();
        y = b.numberValue();
        return true;
    }
    // The general rules of the operators, and of toDouble and compare for the other kinds.
    static Variant add(const Variant& a, const Variant& b);
    static Variant subtract(const Variant& a, const Variant& b);
    static Variant multiply(const Variant& a, const Variant& b);
    static Variant divide(const Variant& a, const Variant& b);
    double otherToDouble() const;
    // The rounding conversions of a value that is not already an integer of their width.
    int16_t roundedInteger() const;
    int32_t roundedLong() const;
    static int compareOther(const Variant& a, const Variant& b);

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
    using Storage =
        std::variant<std::monostate, int16_t, int32_t, float, double, bool, std::string, ObjectRef, ArrayBox>;
    static constexpr size_t doubleIndex = static_cast<size_t>(VarType::Double);
    static_assert(std::is_same_v<std::variant_alternative_t<doubleIndex, Storage>, double>);
    // Held in a union so that the destructor decides whether the held kind needs destroying.
    union {
        Storage m_v;
    };
};

//! Abs of a general value, keeping its kind (Abs of the smallest integer widens).
PLATFORM_EXPORT Variant Abs(const Variant& v);
//! Int: the largest integer not above the value, in the value's kind.
PLATFORM_EXPORT Variant Int(const Variant& v);
//! Text concatenation of two general values (the & operator): empty gives "".
PLATFORM_EXPORT std::string concat(const Variant& a, const Variant& b);

} // namespace platform
