#pragma once
//! Field types of the model that hold their value in a narrower kind than the double it is
//! computed in: every store converts, so a field holds exactly what its kind can hold.
//!
//! A field reads as its plain kind (float, int16_t), so arithmetic with a double is done in
//! double; `Variant(field)` makes a general value of the field's own kind (single, 16-bit).

#include "Platform/Checked.h"
#include "Platform/Conversions.h"
#include "Platform/Variant.h"

#include <cstdint>

namespace morv {

//! A single-precision field. A store rounds the value to the nearest single-precision
//! number; a value beyond the single range (or not finite) raises 6 and leaves the field
//! unchanged. It reads as a float, so arithmetic with doubles is done in double.
class Single {
public:
    Single() = default;
    explicit Single(double v) : m_v(platform::chk::single(v)) {}

    Single& operator=(double v) {
        m_v = platform::chk::single(v);
        return *this;
    }
    Single& operator=(platform::chk::Num v) { return *this = v.value(); }
    //! A general value: empty stores 0, a text its number; a non-numeric one raises 13.
    Single& operator=(const platform::Variant& v) {
        m_v = v.toSingle();
        return *this;
    }

    operator float() const noexcept { return m_v; }

private:
    float m_v = 0.0f;
};

//! A 16-bit integer field (a count or a code). A store rounds the value half to even to a
//! whole number; outside -32768..32767 (or not finite) it raises 6 and leaves the field
//! unchanged.
class Int16 {
public:
    Int16() = default;
    explicit Int16(double v) : m_v(platform::toInteger(v)) {}

    Int16& operator=(double v) {
        m_v = platform::toInteger(v);
        return *this;
    }
    Int16& operator=(platform::chk::Num v) { return *this = v.value(); }
    //! A general value: empty stores 0, a text its number; a non-numeric one raises 13.
    Int16& operator=(const platform::Variant& v) {
        m_v = v.toInteger();
        return *this;
    }

    operator int16_t() const noexcept { return m_v; }

private:
    int16_t m_v = 0;
};

} // namespace morv
