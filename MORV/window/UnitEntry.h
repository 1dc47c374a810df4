#pragma once
//! The text of an entry box as the unit converter is to read it: a box that holds its value in
//! a unit of its own (°C, kW, MPa) puts that unit before a text that ends in a unit, so that
//! the typed value converts into the box's unit and not into SI base units.

#include <string>

namespace morv {

//! `typed` with `unit` (target unit and a blank, as "C ") in front when its last character
//! sorts after "9", as a unit typed after the number does; unchanged when it is empty, ends
//! in a digit or the box has no unit of its own (`unit` null).
inline std::string withBoxUnit(const std::string& typed, const char* unit) {
    if (!unit || typed.empty() || static_cast<unsigned char>(typed.back()) <= '9') return typed;
    return unit + typed;
}

} // namespace morv
