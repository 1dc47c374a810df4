#include "Platform/FileSystem.h"

#include "Platform/RunTimeError.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <pwd.h>
#include <sstream>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

int32_t missingFileError(const std::string& path) {
    const std::string folder = folderOf(path);
    if (!folder.empty() && !folderExists(folder)) return err::PathNotFound;
    return err::FileNotFound;
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool folderExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string readWholeFile(const std::string& path) {
    if (folderExists(path)) raise(err::PathFileAccess, path);
    std::ifstream in(path, std::ios::binary);
    if (!in) raise(missingFileError(path), path);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void writeFileAtomically(const std::string& path, const std::string& content) {
    const std::string folder = folderOf(path);
    if (!folder.empty() && !folderExists(folder)) raise(err::PathNotFound, path);
    std::string tmpl = joinPath(folder.empty() ? "." : folder, "." + fileNameOf(path) + ".XXXXXX");
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) raise(err::PathFileAccess, path);
    const std::string tmp(name.data());
    bool ok = true;
    size_t done = 0;
    while (ok && done < content.size()) {
        const ssize_t w = ::write(fd, content.data() + done, content.size() - done);
        if (w <= 0)
            ok = false;
        else
            done += static_cast<size_t>(w);
    }
    ok = ::fsync(fd) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    if (ok) {
        // Keep the usual permissions of a new file rather than mkstemp's 0600.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::chmod(tmp.c_str(), 0666 & ~mask);
        ok = ::rename(tmp.c_str(), path.c_str()) == 0;
    }
    if (!ok) {
        ::unlink(tmp.c_str());
        raise(err::PathFileAccess, path);
    }
}

namespace {

//! True when the process's effective user is counted in the group `gid`.
bool inGroup(gid_t gid) {
    if (gid == ::getegid()) return true;
    const int count = ::getgroups(0, nullptr);
    if (count <= 0) return false;
    std::vector<gid_t> groups(static_cast<size_t>(count));
    const int got = ::getgroups(count, groups.data());
    return got > 0 && std::find(groups.begin(), groups.begin() + got, gid) != groups.begin() + got;
}

//! True when the process may write the file or folder at path, whose status is st, with the
//! access `mode` (W_OK, with X_OK for a folder).
bool writable(const std::string& path, const struct stat& st, int mode) {
    // The system's answer: permissions, access lists, read-only file systems.
    if (::faccessat(AT_FDCWD, path.c_str(), mode, AT_EACCESS) != 0) return false;
    const uid_t user = ::geteuid();
    if (user != 0) return true;
    // The superuser passes every permission check: the bits of the class it falls in (owner,
    // group or others) say what the owner meant.
    const mode_t bit = st.st_uid == user ? S_IWUSR : inGroup(st.st_gid) ? S_IWGRP : S_IWOTH;
    return (st.st_mode & bit) != 0;
}

} // namespace

bool folderWritable(const std::string& folder) {
    const std::string f = folder.empty() ? "." : folder;
    struct stat st {};
    if (::stat(f.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
    return writable(f, st, W_OK | X_OK);
}

bool fileWritable(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    return writable(path, st, W_OK);
}

std::string homeFolder() {
    if (const char* h = std::getenv("HOME"); h && h[0] != '\0') return h;
    if (const passwd* entry = ::getpwuid(::geteuid()); entry && entry->pw_dir) return entry->pw_dir;
    return {};
}

std::string userDataFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && data[0] == '/') return data;
    const std::string home = homeFolder();
    if (home.empty()) return {};
    return joinPath(home, ".local/share");
}

std::string folderOf(const std::string& path) {
    const size_t p = path.find_last_of('/');
    if (p == std::string::npos) return {};
    return p == 0 ? "/" : path.substr(0, p);
}

std::string fileNameOf(const std::string& path) {
    const size_t p = path.find_last_of('/');
    return p == std::string::npos ? path : path.substr(p + 1);
}

std::string joinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

std::string folderOfCode(const void* address) {
    Dl_info info{};
    if (::dladdr(address, &info) == 0 || !info.dli_fname) return executableFolder();
    char resolved[4096];
    if (::realpath(info.dli_fname, resolved)) return folderOf(resolved);
    return folderOf(info.dli_fname);
}

std::string executableFolder() {
    char buf[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return ".";
    buf[n] = '\0';
    return folderOf(buf);
}

std::string findInFolder(const std::string& folder, const std::string& name) {
    const std::string exact = joinPath(folder, name);
    if (fileExists(exact)) return exact;
    std::vector<std::string> matches;
    if (DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string candidate = entry->d_name;
            if (::strcasecmp(candidate.c_str(), name.c_str()) == 0 && fileExists(joinPath(folder, candidate)))
                matches.push_back(candidate);
        }
        ::closedir(dir);
    }
    if (matches.empty()) return {};
    // The order of a folder's entries is the file system's: take the first name in byte order.
    return joinPath(folder, *std::min_element(matches.begin(), matches.end()));
}

namespace {

std::optional<std::vector<std::string>>& overriddenRoots() {
    static std::optional<std::vector<std::string>> r;
    return r;
}

// Local file systems from /proc/self/mounts, "/" first, each once.
std::vector<std::string> mountedRoots() {
    static const char* const local[] = {"ext2", "ext3",  "ext4", "xfs", "btrfs",    "vfat", "exfat",
                                        "ntfs", "ntfs3", "f2fs", "jfs", "reiserfs", "zfs",  "overlay"};
    std::vector<std::string> roots{"/"};
    std::ifstream in("/proc/self/mounts");
    std::string dev, dir, type, rest;
    while (in >> dev >> dir >> type && std::getline(in, rest)) {
        if (std::find(std::begin(local), std::end(local), type) == std::end(local)) continue;
        if (SearchRoots::isSkipped(dir) || std::find(roots.begin(), roots.end(), dir) != roots.end())
            continue;
        roots.push_back(dir);
    }
    return roots;
}

} // namespace

std::vector<std::string> SearchRoots::roots() {
    if (overriddenRoots()) return *overriddenRoots();
    return mountedRoots();
}

void SearchRoots::setRoots(std::vector<std::string> roots) {
    overriddenRoots() = std::move(roots);
}
void SearchRoots::reset() {
    overriddenRoots().reset();
}

bool SearchRoots::isSkipped(const std::string& folder) {
    for (const char* s : {"/proc", "/sys", "/dev", "/run"}) {
        const std::string p(s);
        if (folder == p || folder.rfind(p + "/", 0) == 0) return true;
    }
    return false;
}

} // namespace platform
