#pragma once
//! Sequential item files: the task file, the location file, the catalogue and the unit file.
//!
//! Items are separated by commas or line ends; a string stands in double quotes (not
//! escaped); a number is decimal text with "." and an optional exponent; a Boolean is #TRUE#
//! or #FALSE#; an empty general value is nothing between its commas. Lines end with CR LF
//! (a lone LF is accepted). Files are in code page 1250; texts are UTF-8 in memory.

#include "Platform/PlatformExport.h"
#include "Platform/Variant.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

//! One item as it stands in the file.
struct Item {
    std::string text; //!< the item without its quotes and surrounding blanks (UTF-8)
    bool quoted = false;
};

class PLATFORM_EXPORT ItemReader {
public:
    //! Reads the whole file; a missing file raises 53, a missing folder 76.
    explicit ItemReader(const std::string& path);
    //! Reads items from a text already in memory (code page 1250 bytes).
    static ItemReader fromBytes(std::string bytes);

    //! True when no item is left.
    bool atEnd() const;
    //! The next item; past the end raises 62.
    Item next();
    //! The rest of the current line as it stands, without its line end (Line Input); past
    //! the end raises 62.
    std::string readLine();

    //! A string item (a number item gives its text).
    std::string readString();
    //! A number; an empty item is 0, a text that is not a number raises 13.
    double readDouble();
    //! A number rounded to single precision (6 beyond its range).
    float readSingle();
    //! A number rounded half to even into 16 bits (6 out of range).
    int16_t readInteger();
    //! A number rounded half to even into 32 bits.
    int32_t readLong();
    //! #TRUE#/#FALSE# (or a number: non-zero is true); anything else raises 13.
    bool readBool();
    //! An empty item gives an empty value, #TRUE#/#FALSE# a Boolean, a quoted item a string,
    //! a number a double; any other text a string.
    Variant readVariant();

private:
    ItemReader() = default;
    std::string m_text;
    size_t m_pos = 0;
    std::string m_path;
};

//! Builds a file line by line in the item convention.
class PLATFORM_EXPORT ItemWriter {
public:
    //! A string item in double quotes; a `"` inside becomes `'`, CR and LF are dropped.
    ItemWriter& text(std::string_view s);
    //! A number with "." and enough digits to recover it: 7 significant for single, 15 otherwise.
    ItemWriter& number(double x, bool single = false);
    ItemWriter& integer(int32_t v);
    ItemWriter& boolean(bool b);
    //! Empty writes nothing between the commas; otherwise by the held kind.
    ItemWriter& value(const Variant& v);
    //! Ends the line with CR LF.
    ItemWriter& endLine();

    //! The text written so far, in UTF-8.
    const std::string& content() const noexcept { return m_out; }
    //! Writes the content in code page 1250, replacing the file only once it is complete.
    void save(const std::string& path) const;

private:
    void separate();
    std::string m_out;
    bool m_lineStarted = false;
};

} // namespace platform
