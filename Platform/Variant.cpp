#include "Platform/Variant.h"

#include "Platform/Checked.h"
#include "Platform/Conversions.h"

#include <cmath>
#include <limits>

namespace platform {

Object::~Object() = default;

Variant::ArrayBox::ArrayBox(const VArray& a) : p(std::make_unique<VArray>(a)) {}
Variant::ArrayBox::ArrayBox(const ArrayBox& o) : p(o.p ? std::make_unique<VArray>(*o.p) : nullptr) {}
Variant::ArrayBox& Variant::ArrayBox::operator=(const ArrayBox& o) {
    p = o.p ? std::make_unique<VArray>(*o.p) : nullptr;
    return *this;
}
Variant::ArrayBox::~ArrayBox() = default;

Variant::Variant(const VArray& a) : m_v(ArrayBox(a)) {}

namespace {

// Numeric rank of a kind taking part in arithmetic: 1 16-bit, 2 32-bit, 3 single, 4 double.
int rankOf(const Variant& v) {
    switch (v.type()) {
    case VarType::Empty:
    case VarType::Integer:
    case VarType::Boolean:
        return 1;
    case VarType::Long:
        return 2;
    case VarType::Single:
        return 3;
    case VarType::Double:
        return 4;
    case VarType::String:
        if (v.isNumberLike()) return 4;
        raise(err::TypeMismatch);
    default:
        raise(err::TypeMismatch);
    }
}

// The kind of a + - * result: the wider kind, a 32-bit integer with a single giving double.
int resultRank(int ra, int rb) {
    if ((ra == 2 && rb == 3) || (ra == 3 && rb == 2)) return 4;
    return ra > rb ? ra : rb;
}

// An integer result in the narrowest kind at least `rank` wide that holds it.
Variant integerResult(int64_t r, int rank) {
    if (rank == 1 && r >= std::numeric_limits<int16_t>::min() && r <= std::numeric_limits<int16_t>::max())
        return Variant(static_cast<int16_t>(r));
    if (r >= std::numeric_limits<int32_t>::min() && r <= std::numeric_limits<int32_t>::max())
        return Variant(static_cast<int32_t>(r));
    return Variant(static_cast<double>(r));
}

// A floating result of the given rank: a single that overflows becomes a double.
Variant floatResult(double r, int rank) {
    r = chk::finite(r);
    if (rank == 3) {
        const float f = static_cast<float>(r);
        if (std::isfinite(f)) return Variant(f);
    }
    return Variant(r);
}

int64_t integerOf(const Variant& v) {
    switch (v.type()) {
    case VarType::Integer:
    case VarType::Long:
    case VarType::Boolean:
    case VarType::Empty:
        return static_cast<int64_t>(v.toDouble());
    default:
        raise(err::TypeMismatch);
    }
}

enum class Op { Add, Sub, Mul };

Variant arith(const Variant& a, const Variant& b, Op op) {
    const int ra = rankOf(a), rb = rankOf(b);
    const int rank = resultRank(ra, rb);
    if (rank <= 2) {
        const int64_t x = integerOf(a), y = integerOf(b);
        const int64_t r = op == Op::Add ? x + y : op == Op::Sub ? x - y : x * y;
        return integerResult(r, rank);
    }
    const double x = a.toDouble(), y = b.toDouble();
    const double r = op == Op::Add ? x + y : op == Op::Sub ? x - y : x * y;
    return floatResult(r, rank);
}

} // namespace

bool Variant::sameOtherBits(const Variant& o) const noexcept {
    switch (type()) {
    case VarType::Integer:
        return *std::get_if<int16_t>(&m_v) == *std::get_if<int16_t>(&o.m_v);
    case VarType::Long:
        return *std::get_if<int32_t>(&m_v) == *std::get_if<int32_t>(&o.m_v);
    case VarType::Single:
        return bitsOf(*std::get_if<float>(&m_v)) == bitsOf(*std::get_if<float>(&o.m_v));
    case VarType::Boolean:
        return *std::get_if<bool>(&m_v) == *std::get_if<bool>(&o.m_v);
    case VarType::String:
        return *std::get_if<std::string>(&m_v) == *std::get_if<std::string>(&o.m_v);
    default:
        return false;
    }
}

bool Variant::isNumberLike() const {
    if (isNumeric()) return true;
    double d;
    return type() == VarType::String && tryRegionalNumber(std::get<std::string>(m_v), d);
}

double Variant::otherToDouble() const {
    switch (type()) {
    case VarType::Empty:
        return 0.0;
    case VarType::Integer:
        return std::get<int16_t>(m_v);
    case VarType::Long:
        return std::get<int32_t>(m_v);
    case VarType::Single:
        return std::get<float>(m_v);
    case VarType::Double:
        return std::get<double>(m_v);
    case VarType::Boolean:
        return std::get<bool>(m_v) ? -1.0 : 0.0;
    case VarType::String:
        return regionalNumber(std::get<std::string>(m_v));
    default:
        raise(err::TypeMismatch);
    }
}

int16_t Variant::roundedInteger() const {
    return platform::toInteger(toDouble());
}
int32_t Variant::roundedLong() const {
    return platform::toLong(toDouble());
}

bool Variant::toBool() const {
    if (type() == VarType::Boolean) return std::get<bool>(m_v);
    if (type() == VarType::String) {
        const std::string& s = std::get<std::string>(m_v);
        if (s == "True" || s == "true" || s == "TRUE") return true;
        if (s == "False" || s == "false" || s == "FALSE") return false;
    }
    return toDouble() != 0.0;
}

std::string Variant::toString() const {
    switch (type()) {
    case VarType::Empty:
        return {};
    case VarType::Integer:
        return std::to_string(std::get<int16_t>(m_v));
    case VarType::Long:
        return std::to_string(std::get<int32_t>(m_v));
    case VarType::Single:
        return generalText(std::get<float>(m_v), true);
    case VarType::Double:
        return generalText(std::get<double>(m_v), false);
    case VarType::Boolean:
        return std::get<bool>(m_v) ? "True" : "False";
    case VarType::String:
        return std::get<std::string>(m_v);
    default:
        raise(err::TypeMismatch);
    }
}

const std::string& Variant::str() const {
    if (type() != VarType::String) raise(err::TypeMismatch);
    return std::get<std::string>(m_v);
}

const ObjectRef& Variant::object() const {
    if (type() != VarType::Object) raise(err::TypeMismatch);
    return std::get<ObjectRef>(m_v);
}

VArray& Variant::array() {
    if (type() != VarType::Array) raise(err::TypeMismatch);
    return *std::get<ArrayBox>(m_v).p;
}

const VArray& Variant::array() const {
    if (type() != VarType::Array) raise(err::TypeMismatch);
    return *std::get<ArrayBox>(m_v).p;
}

Variant Variant::operator-() const {
    return Variant(int16_t{0}) - *this;
}

Variant Variant::add(const Variant& a, const Variant& b) {
    if (a.type() == VarType::String && b.type() == VarType::String) return Variant(a.str() + b.str());
    return arith(a, b, Op::Add);
}

Variant Variant::subtract(const Variant& a, const Variant& b) {
    return arith(a, b, Op::Sub);
}
Variant Variant::multiply(const Variant& a, const Variant& b) {
    return arith(a, b, Op::Mul);
}

Variant Variant::divide(const Variant& a, const Variant& b) {
    const int ra = rankOf(a), rb = rankOf(b);
    const double r = chk::div(a.toDouble(), b.toDouble());
    // Single when both are single or a single meets a 16-bit integer; double otherwise.
    const bool single = (ra == 3 && rb == 3) || (ra == 3 && rb == 1) || (ra == 1 && rb == 3);
    return floatResult(r, single ? 3 : 4);
}

int Variant::compareOther(const Variant& a, const Variant& b) {
    if (a.type() == VarType::String && b.type() == VarType::String) {
        const int c = a.str().compare(b.str());
        return c < 0 ? -1 : c > 0 ? 1 : 0;
    }
    if (a.type() == VarType::String && b.isEmpty()) return a.str().empty() ? 0 : 1;
    if (b.type() == VarType::String && a.isEmpty()) return b.str().empty() ? 0 : -1;
    rankOf(a);
    rankOf(b);
    const double x = a.toDouble(), y = b.toDouble();
    return x < y ? -1 : x > y ? 1 : 0;
}

bool Variant::identical(const Variant& o) const {
    if (type() != o.type()) return false;
    if (type() == VarType::Array) return *std::get<ArrayBox>(m_v).p == *std::get<ArrayBox>(o.m_v).p;
    if (type() == VarType::Object) return object() == o.object();
    if (type() == VarType::String) return str() == o.str();
    return isEmpty() || toDouble() == o.toDouble();
}

Variant Abs(const Variant& v) {
    switch (v.type()) {
    case VarType::Empty:
        return Variant(int16_t{0});
    case VarType::Integer:
        return integerResult(std::llabs(integerOf(v)), 1);
    case VarType::Long:
        return integerResult(std::llabs(integerOf(v)), 2);
    case VarType::Boolean:
        return Variant(static_cast<int16_t>(v.toBool() ? 1 : 0));
    case VarType::Single:
        return Variant(std::fabs(static_cast<float>(v.toDouble())));
    default:
        return Variant(std::fabs(v.toDouble()));
    }
}

Variant Int(const Variant& v) {
    switch (v.type()) {
    case VarType::Empty:
        return Variant(int16_t{0});
    case VarType::Integer:
    case VarType::Long:
        return v;
    case VarType::Boolean:
        return Variant(static_cast<int16_t>(v.toBool() ? -1 : 0));
    case VarType::Single:
        return Variant(std::floor(static_cast<float>(v.toDouble())));
    default:
        return Variant(std::floor(v.toDouble()));
    }
}

std::string concat(const Variant& a, const Variant& b) {
    return a.toString() + b.toString();
}

} // namespace platform
