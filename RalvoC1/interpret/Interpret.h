#pragma once
//! The expression interpreter: arithmetic expressions given as text, and nonlinear systems,
//! minimisations and differential equations whose equations are such texts.
//!
//! An expression is a sequence of operands joined by + - * / ^, all working from left to
//! right, ^ before * and /, these before + and -. An operand is a number (a "," counts as
//! "."; an exponent may be written with E or D), a name from the caller's name table, an
//! element name[k] of the caller's vector, a function call NAME(expression) or an expression
//! in parentheses. A "-" at the start of an expression negates its first operand as soon as
//! that is read, so -2^2 is 4. The text must hold no blank; inside a number a tab, line feed,
//! carriage return or no-break space counts as one.
//!
//! The solvers turn their texts into the function object of the numerical library and run
//! its own methods (Newton, Fmin, Fmin1, Rkm), so each algorithm exists once.

#include "Platform/Array.h"
#include "Platform/Variant.h"
#include "Ralvo/RalvoExport.h"
#include "RalvoC1/numeric/Ralvo.h"

#include <cstdint>
#include <optional>
#include <string>

namespace ralvo {

//! Outcome codes of Interp in ipok (a successful evaluation gives 0).
namespace ipokCode {
inline constexpr int16_t Blank = -1;    //!< the text holds a blank
inline constexpr int16_t Name = -2;     //!< a name or a vector element could not be read
inline constexpr int16_t Function = -3; //!< a function could not be evaluated
inline constexpr int16_t Syntax = -4;   //!< the text is no expression (or is nested too deeply)
} // namespace ipokCode

//! Texts of the equations, one per element from index 1.
using Texts = platform::Array<std::string>;

class RALVO_EXPORT Interpret {
public:
    //! The value of the expression s, or -9999 when it cannot be given.
    //!
    //! ipok on entry chooses the messages: 0 or more all, -1 only the one about a missing
    //! name table or vector element, -2 or less none. On return it holds 0 on success or one
    //! of the codes of namespace ipokCode. Pr is the name table: row i (1 to its upper bound)
    //! holds a name in upper case in column 1 and its value in column 2; Y is the vector
    //! that name[k] reads. Run-time errors of the arithmetic (division by zero 11, overflow
    //! 6, a power or logarithm outside its domain 5) are not trapped.
    platform::Variant Interp(const std::string& s, int16_t& ipok, const platform::VArray& Pr,
                             const platform::VArray& Y) const;

    //! Ralvo::Newton on the residuals Rov(1..n), evaluated at X; Z1 to Z10 stand for
    //! z(1..10). Returns the iteration count; ID ends as 0, 1 or 2 as in Newton.
    platform::Variant NewtonI(const Texts& Rov, platform::Variant n, platform::Variant Nunknown,
                              platform::Variant NProm, platform::VArray& X, platform::VArray& ipom,
                              platform::VArray& z, platform::Variant& ID,
                              std::optional<platform::Variant> Eps = std::nullopt,
                              std::optional<platform::Variant> ALAM = std::nullopt,
                              std::optional<platform::Variant> NITER = std::nullopt,
                              std::optional<platform::Variant> Delta = std::nullopt) const;

    //! Ralvo::Fmin (Rosenbrock) on the objective text Rov over X(1..n); Z1 to Z10 stand for
    //! z(1..10). Returns the lowest value found and leaves its point in X; itmax as in Fmin.
    platform::Variant FminI(const std::string& Rov, platform::Variant n, platform::VArray& X,
                            platform::VArray& z, std::optional<platform::Variant> EPSA = std::nullopt,
                            platform::Variant* itmax = nullptr) const;

    //! Ralvo::Fmin1 (Nelder-Mead) on the objective text Rov over X(1..NX); Z1 to Z10 stand for
    //! z(1..10). Returns the lowest vertex value at the start of the last iteration and leaves
    //! that iteration's centroid in X; at most itmax iterations as in Fmin1 (default 1000).
    platform::Variant Fmin1I(const std::string& Rov, platform::Variant NX, platform::VArray& X,
                             platform::VArray& z, std::optional<platform::Variant> Eps = std::nullopt,
                             platform::Variant* itmax = nullptr) const;

    //! Ralvo::Rkm on the system y'(i) = Rov(i), i = 1..nn (at most 10), from xb to xe. Inside a
    //! text X[0] is x, X[1] to X[nn] the state and X[11] to X[10 + nn] the derivatives computed
    //! so far at the same point; Z1 to Z10 stand for zz(1..10). Y must have the elements 0 to
    //! 10 + nn. The object keeps the step for a further call with Star 0 or less. Star ends as
    //! in Rkm, or as -9999 when the call was refused (more than 10 equations, with a message,
    //! nothing changed), stopped at the step limit short of xe, or stopped by the first text
    //! that could not be evaluated (its message, by mode 0, the only one); xb and Y(1..nn) then
    //! hold the last accepted point.
    void RkmI(const Texts& Rov, platform::Variant nn, platform::Variant& xb, const platform::Variant& xe,
              platform::VArray& Y, platform::Variant Delta, platform::Variant& Star, platform::VArray& zz);

private:
    //! The name table of the text solvers: row i holds "Zi" and z(i), i = 1 to 10.
    static platform::VArray constantsTable(const platform::VArray& z);

    //! Integrates for RkmI and keeps the step from one call to the next.
    Ralvo m_integrator;
};

} // namespace ralvo
