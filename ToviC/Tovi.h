#pragma once
//! The unit converter: a table of units with dimension codes, conversion of a typed value
//! with units into SI base units or between units, and the text of numbers for display.
//!
//! Each object has its own unit table: the 91 built-in units and up to nine user units read
//! once from the user unit file "Prevody.kfc". Problems found while reading a typed value are
//! shown in message boxes without a title of their own and returned as a code; arithmetic and
//! index errors reach the caller as run-time errors.
//!
//! An object also owns two windows, the list of its abbreviations and an interactive
//! conversion window; they exist only once a client has asked for one of them and the window
//! part of the library has installed their factory (see ToviOkna.h).

#include "ToviC/ToviOkna.h"
#include "ToviC/TypedValue.h"
#include "ToviC/UnitTable.h"
#include "Tovicls/ToviclsExport.h"

#include "Platform/Array.h"
#include "Platform/Variant.h"

#include <cstdint>
#include <string>

namespace tovi {

class TOVICLS_EXPORT Tovi {
public:
    //! Builds the unit table and tries the user unit file (Inicializace).
    Tovi();
    ~Tovi();
    Tovi(const Tovi&) = delete;
    Tovi& operator=(const Tovi&) = delete;

    //! Rows of the unit table in use: 91 plus the user rows read, unless set otherwise.
    int16_t Ncelk() const;
    //! Sets the rows in use; outside 0 to 100 raises 9.
    void Ncelk(int16_t n);

    //! The member published under the class's own name, `Tovi` (slot 2 of the class
    //! interface); a C++ member cannot carry its class's name.
    //!
    //! Reads the typed text `Buf` (consumed: it is empty on return) and returns the value of
    //! its first statement as a double, or empty when the text holds none. A statement is a
    //! number alone (returned unchanged), a number and a unit ("145 cm": into SI base units),
    //! a unit and a number ("kW 500000": from SI base units into kW) or a target unit, a number
    //! and a source unit in either order ("BTU/lb 14 kcal/kg"). Statements end at ";" or ":";
    //! the second is evaluated, its value is not returned, and any further one is not read.
    //! `CH` receives 0, or the code of the last problem: 1 units of different dimensions
    //! (the value is still converted), 2 an unknown unit, 3 a number not followed by a blank.
    //! `Rozmer` receives the target unit text of the last statement; it keeps its value when
    //! the text holds no statement.
    platform::Variant Prevod(std::string& Buf);
    platform::Variant Prevod(std::string& Buf, int16_t& CH);
    platform::Variant Prevod(std::string& Buf, int16_t& CH, std::string& Rozmer);

    //! Decodes the unit text `Brozm` into its factor to SI base units `s` and its exponents
    //! `sk(0..7)`; returns the number of abbreviations read as a 16-bit integer. An unknown
    //! abbreviation sets `CH` to 2; while `CH` is not 0 every factor counts as 1. `sk` must
    //! cover indices 0 to 7 (else 9).
    platform::Variant Dekodr(std::string Brozm, double& s, platform::Array<int16_t>& sk, int16_t& CH);

    //! Writes the built-in rows anew, clears the dimensions of the last conversion and, on the
    //! first call of this object only, reads the user unit file.
    void Inicializace();

    //! Writes the exponents of the dimension code `Typp` into `Tp(0..7)` and returns the
    //! highest index whose exponent is not 0 as a 16-bit integer (0 when all are 0).
    platform::Variant DeTyp(int32_t Typp, platform::Array<int16_t>& Tp);

    //! The SI text of the source unit's dimension in the last conversion ("kg*m/K/s3" after
    //! "5 W/m/K", "Pa" after "1 bar"); empty when that statement had no source unit.
    platform::Variant Rdef();

    //! The dimension code of the exponents `Tp(0..7)`; a code beyond 32 bits raises 6.
    int32_t NaTyp(const platform::Array<int16_t>& Tp);

    //! The display text of the number X (see NumberDisplay.h). A text is read as a number with
    //! the regional separator; a value that is not a number raises 13.
    platform::Variant RoundX(const platform::Variant& X);

    //! The line of `Tx` from character position `j` (1-based) up to the next carriage return,
    //! moving `j` past the carriage return and its line feed; a single blank, with `j` kept,
    //! when no carriage return follows. A position below 1 raises 5.
    std::string Radek(const std::string& Tx, platform::Variant& j);

    //! The abbreviation of row `i` (0 to 100; else 9) as text.
    platform::Variant Zkr(int16_t i) const;

    //! Fills the abbreviation list with rows 1 to `Ncelk` and shows it modally; returns when
    //! it is closed. Does nothing without the window part.
    void ZobrazPrehled();
    //! Shows the conversion window, which keeps its texts between showings, and returns at
    //! once. Does nothing without the window part.
    void Prepocet();
    //! The abbreviation list asks to close: hide it.
    void mPrehled_Zavrit();
    //! The conversion window asks to close: hide it.
    void mPrep_ZavritP();

    //! Folder of the user unit file: "/etc/" unless a test has set another.
    static std::string userFileFolder();
    static void setUserFileFolder(std::string folder);

private:
    UnitTable m_table;
    LastConversion m_last;
    // Made at the first request for a window; declared last so the windows, which refer to
    // this object, go first.
    std::unique_ptr<ToviOkna> m_okna;

    //! The windows, made now when there are none yet; null without the window part.
    ToviOkna* okna();
};

} // namespace tovi
