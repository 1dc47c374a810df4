#include "Platform/RecordFile.h"

#include "Platform/CodePage.h"
#include "Platform/FileSystem.h"
#include "Platform/RunTimeError.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Closes a descriptor when the scope ends.
struct Fd {
    int fd;
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
};

} // namespace

RecordFile::RecordFile(std::string path, size_t recordLength)
    : m_path(std::move(path)), m_length(recordLength) {}

Bytes RecordFile::read(int32_t n) const {
    if (n < 1) raise(63, m_path, "Bad record number");
    Fd f{::open(m_path.c_str(), O_RDONLY | O_CLOEXEC)};
    if (f.fd < 0) raise(missingFileError(m_path), m_path);
    Bytes out(m_length, 0);
    const off_t offset = static_cast<off_t>(n - 1) * static_cast<off_t>(m_length);
    size_t done = 0;
    while (done < m_length) {
        const ssize_t r =
            ::pread(f.fd, out.data() + done, m_length - done, offset + static_cast<off_t>(done));
        if (r < 0) raise(57, m_path);
        if (r == 0) break;
        done += static_cast<size_t>(r);
    }
    return out;
}

void RecordFile::write(int32_t n, const Bytes& record) const {
    if (n < 1) raise(63, m_path, "Bad record number");
    if (record.size() != m_length) raise(59, m_path, "Bad record length");
    Fd f{::open(m_path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644)};
    if (f.fd < 0) raise(errno == ENOENT ? err::PathNotFound : err::PathFileAccess, m_path);
    const off_t offset = static_cast<off_t>(n - 1) * static_cast<off_t>(m_length);
    size_t done = 0;
    while (done < m_length) {
        const ssize_t w =
            ::pwrite(f.fd, record.data() + done, m_length - done, offset + static_cast<off_t>(done));
        if (w <= 0) raise(57, m_path);
        done += static_cast<size_t>(w);
    }
}

void RecordFile::update(int32_t n, const Bytes& record) const {
    if (n < 1) raise(63, m_path, "Bad record number");
    if (record.size() != m_length) raise(59, m_path, "Bad record length");
    // Read and write, never O_CREAT or O_TRUNC: the file must already be there, whole.
    const int fd = ::open(m_path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) raise(errno == ENOENT ? missingFileError(m_path) : err::PathFileAccess, m_path);
    const off_t offset = static_cast<off_t>(n - 1) * static_cast<off_t>(m_length);
    const ssize_t written = ::pwrite(fd, record.data(), m_length, offset);
    const int writeErrno = errno;
    const bool closed = ::close(fd) == 0;
    if (written < 0) raise(writeErrno == ENOSPC ? 61 : 57, m_path);
    if (static_cast<size_t>(written) != m_length) raise(61, m_path);
    if (!closed) raise(57, m_path);
}

int64_t RecordFile::fileLength() const {
    struct stat st {};
    if (::stat(m_path.c_str(), &st) != 0) raise(missingFileError(m_path), m_path);
    return static_cast<int64_t>(st.st_size);
}

int32_t RecordFile::recordCount() const {
    const int64_t len = fileLength();
    return static_cast<int32_t>((len + static_cast<int64_t>(m_length) - 1) / static_cast<int64_t>(m_length));
}

void RecordCodec::check(size_t at, size_t n) const {
    if (at + n > m_b.size()) raise(err::Subscript);
}

int16_t RecordCodec::getInt16(size_t at) const {
    check(at, 2);
    return static_cast<int16_t>(m_b[at] | (m_b[at + 1] << 8));
}

int32_t RecordCodec::getInt32(size_t at) const {
    check(at, 4);
    const uint32_t u = static_cast<uint32_t>(m_b[at]) | (static_cast<uint32_t>(m_b[at + 1]) << 8) |
                       (static_cast<uint32_t>(m_b[at + 2]) << 16) |
                       (static_cast<uint32_t>(m_b[at + 3]) << 24);
    return static_cast<int32_t>(u);
}

float RecordCodec::getFloat(size_t at) const {
    const uint32_t u = static_cast<uint32_t>(getInt32(at));
    float f;
    std::memcpy(&f, &u, 4);
    return f;
}

std::string RecordCodec::getText(size_t at, size_t width) const {
    check(at, width);
    return fromCp1250(std::string_view(reinterpret_cast<const char*>(m_b.data() + at), width));
}

void RecordCodec::putInt16(size_t at, int16_t v) {
    check(at, 2);
    const auto u = static_cast<uint16_t>(v);
    m_b[at] = static_cast<uint8_t>(u & 0xFF);
    m_b[at + 1] = static_cast<uint8_t>(u >> 8);
}

void RecordCodec::putInt32(size_t at, int32_t v) {
    check(at, 4);
    const auto u = static_cast<uint32_t>(v);
    for (size_t k = 0; k < 4; ++k)
        m_b[at + k] = static_cast<uint8_t>((u >> (8 * k)) & 0xFF);
}

void RecordCodec::putFloat(size_t at, float v) {
    uint32_t u;
    std::memcpy(&u, &v, 4);
    putInt32(at, static_cast<int32_t>(u));
}

void RecordCodec::putText(size_t at, size_t width, std::string_view utf8) {
    check(at, width);
    std::string bytes = toCp1250(utf8);
    bytes.resize(width, ' ');
    std::memcpy(m_b.data() + at, bytes.data(), width);
}

} // namespace platform
