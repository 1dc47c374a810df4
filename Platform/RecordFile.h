#pragma once
//! Random-access files of fixed-size records, and the little-endian field codec of a record.

#include "Platform/PlatformExport.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

using Bytes = std::vector<uint8_t>;

//! One file of records of `recordLength` bytes; record n (from 1) lies at (n - 1) * length.
//! The file is opened and closed within each call.
class PLATFORM_EXPORT RecordFile {
public:
    RecordFile(std::string path, size_t recordLength);

    const std::string& path() const noexcept { return m_path; }
    size_t recordLength() const noexcept { return m_length; }

    //! Record n; the part of it beyond the end of the file reads as zero bytes.
    //! A missing file raises 53 (76 when its folder is missing), n < 1 raises 63.
    Bytes read(int32_t n) const;
    //! Writes record n in place, extending the file when needed; never truncates it.
    //! Raises 75 when the file cannot be opened for writing, 76 when its folder is missing.
    void write(int32_t n, const Bytes& record) const;
    //! Writes record n into the file that already exists, in one write at its offset, and
    //! closes it; every other byte stays as it was and a file shorter than n records grows to
    //! exactly n, the records between holding zero bytes. The file is never created: a missing
    //! file raises 53 (76 when its folder is missing); a file that cannot be opened for
    //! writing raises 75, a write of fewer bytes than the record 61, a failed write or close 57.
    void update(int32_t n, const Bytes& record) const;
    //! The file length in bytes; a missing file raises 53.
    int64_t fileLength() const;
    //! The number of records the file holds, a partial last one counted.
    int32_t recordCount() const;

private:
    std::string m_path;
    size_t m_length;
};

//! Little-endian fields at byte offsets of a record buffer.
class PLATFORM_EXPORT RecordCodec {
public:
    explicit RecordCodec(Bytes& buffer) : m_b(buffer) {}

    int16_t getInt16(size_t at) const;
    int32_t getInt32(size_t at) const;
    float getFloat(size_t at) const;
    //! `width` bytes of code page 1250 text, as UTF-8 (trailing blanks kept).
    std::string getText(size_t at, size_t width) const;

    void putInt16(size_t at, int16_t v);
    void putInt32(size_t at, int32_t v);
    void putFloat(size_t at, float v);
    //! The text in code page 1250, cut or padded with blanks to `width` bytes.
    void putText(size_t at, size_t width, std::string_view utf8);

private:
    void check(size_t at, size_t n) const;
    Bytes& m_b;
};

} // namespace platform
