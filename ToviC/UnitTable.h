#pragma once
//! The unit table: 91 built-in units and up to nine user units, each with its factor to SI
//! base units and its dimension code.

#include "ToviC/ToviConstants.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tovi {

//! One row of the unit table.
struct ZaznamJednotky {
    std::string Zkr;        //!< the abbreviation as typed and listed
    double Koef = 0;        //!< value in SI base units = value in the unit * Koef
    int32_t TypRozmeru = 0; //!< dimension code
    int16_t DelkaZkr = 0;   //!< characters of Zkr that a lookup compares: its length
    std::string upper;      //!< Zkr in upper case, for lookups without regard to case
};

class UnitTable {
public:
    //! Writes the built-in rows 1 to 91 and sets the row count to 91 plus the user rows read.
    //! The first call also reads the user unit file at `userFile`; later calls keep the user
    //! rows of the first and never read the file again.
    void build(const std::string& userFile);

    //! Rows in use (91 plus the user rows read, unless a client set it).
    int16_t count() const noexcept { return m_count; }
    //! Sets the rows in use; outside 0 to 100 raises 9.
    void setCount(int16_t n);
    //! Row i (0 to 100); outside raises 9.
    const ZaznamJednotky& row(int i) const;

    //! The first of rows 1 to count() whose abbreviation equals `abbreviation` without regard
    //! to case (equal length, equal characters); nullptr when none does or the abbreviation
    //! is empty.
    const ZaznamJednotky* find(std::string_view abbreviation) const;
    //! The characters of the longest abbreviation of rows 1 to count() (0 without rows).
    int longestAbbreviation() const;

private:
    void readUserFile(const std::string& path);

    std::array<ZaznamJednotky, k::tableRows + 1> m_rows{};
    int16_t m_count = 0;
    int16_t m_userRows = 0;
    bool m_userFileTried = false;
};

} // namespace tovi
