#pragma once
//! The substance record: one record of the database file "KWELAR.DRC" and, with the same
//! fields, the loaded record of one component slot of a mixture.

#include "KWELAR/KWELARExport.h"
#include "Platform/Array.h"
#include "Platform/RecordFile.h"

#include <cstdint>
#include <string>

namespace kwelar {

//! One temperature correlation of a substance (32 bytes in the file).
struct RozvojVztahu {
    float A1 = 0, A2 = 0, A3 = 0, A4 = 0, A5 = 0, A6 = 0; //!< coefficients
    int16_t TypVztahu = 0;                                //!< equation type 1..19
    int16_t Presn = 0;                                    //!< accuracy class; 0 = no data for this substance
    int16_t Od = 0;                                       //!< lower end of the validity range [K]
    int16_t Do = 0;                                       //!< upper end of the validity range [K]

    bool operator==(const RozvojVztahu&) const = default;
};

//! The 508-byte record of one substance. Texts are held in UTF-8 with their fixed widths
//! in characters (30, 20, 30), blank-padded; the file holds them in code page 1250.
//!
//! Layout (offset: field): 0 N int16; 2 Nazev 30; 32 Vzor 20; 52 Syn 30; 82 Group int16;
//! 84 CAS int32; 88 B(1..17) single; 156 Rozvoj(1..11), 32 bytes each: A1..A6 single,
//! TypVztahu, Presn, Od, Do int16. All numbers little-endian.
struct KWELAR_EXPORT ZaznamLatky {
    static constexpr size_t NazevWidth = 30;
    static constexpr size_t VzorWidth = 20;
    static constexpr size_t SynWidth = 30;

    //! An empty record: number 0, blank texts, every number 0.
    ZaznamLatky();

    int16_t N = 0;     //!< substance number (the record number; 0 = holds no substance)
    std::string Nazev; //!< name; beginning with two blanks marks a record without substance
    std::string Vzor;  //!< formula
    std::string Syn;   //!< synonyms
    int16_t Group = 0; //!< group of the substance, ten times the group number
    int32_t CAS = 0;   //!< CAS registry number, its digits read as one number
    //! Point values 1..17: 1 molar mass [kg/mol], 2 critical temperature [K], 3 critical
    //! pressure [Pa], 4 critical molar volume [m3/mol], 5 acentric factor, 6 radius of
    //! gyration [nm], 7 refractive index, 8 its temperature [K], 9 dipole moment, 10 its
    //! temperature [K], 11 relative static permittivity, 12 its temperature [K], 13 heat of
    //! fusion [J/mol], 14 melting point [K], 15 normal boiling point [K], 16 and 17 reserve.
    platform::Array<float> B;
    //! Correlations 1..11: 1 ETAG, 2 CPG, 3 ALAG, 4 ROLW, 5 ETAL, 6 ALAL, 7 CPL, 8 DHV,
    //! 9 TENS, 10 SIGMA, 11 reserve.
    platform::Array<RozvojVztahu> Rozvoj;

    //! The record held in 508 bytes of the file.
    static ZaznamLatky decode(const platform::Bytes& bytes);
    //! The 508 bytes of the file; texts cut or blank-padded to their widths.
    platform::Bytes encode() const;

    //! True when the record read from the file holds no substance: its name begins with two
    //! blanks, or its first character has the code 0 (never written, or beyond the end).
    bool isMissing() const;

    bool operator==(const ZaznamLatky&) const = default;
};

//! The CAS registry number as shown in the substance list and on the card: the number-text
//! form t (" 64175") split before its last three and its last digit, "[ 64-17-5]"; a single
//! blank for 0, a negative number or a number of one digit, which leaves no first part.
KWELAR_EXPORT std::string casText(int32_t cas);

} // namespace kwelar
