#pragma once
//! Helpers shared by the tests of every library.

#include "Platform/MessageBox.h"
#include "Platform/RunTimeError.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

namespace testsupport {

//! Installs a scripted message service for the lifetime of the object; a box that was not
//! scripted fails the test when the object ends.
class ScriptedBoxes {
public:
    ScriptedBoxes();
    ~ScriptedBoxes();
    ScriptedBoxes(const ScriptedBoxes&) = delete;
    ScriptedBoxes& operator=(const ScriptedBoxes&) = delete;

    platform::ScriptedMessageService& service() { return m_service; }
    platform::ScriptedMessageService* operator->() { return &m_service; }
    //! The boxes shown so far.
    const std::vector<platform::ScriptedMessageService::Box>& boxes() const { return m_service.boxes(); }
    //! Queues answers; returns *this for chaining.
    ScriptedBoxes& answer(int button) {
        m_service.answer(button);
        return *this;
    }
    ScriptedBoxes& type(std::string text) {
        m_service.type(std::move(text));
        return *this;
    }

private:
    platform::ScriptedMessageService m_service;
    platform::MessageServiceScope m_scope;
};

//! The whole content of a file as raw bytes; empty when the file cannot be read.
std::string readBytes(const std::string& path);

//! A fresh temporary folder, removed with its content when the object ends.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return m_path; }
    //! path() + "/" + name.
    std::string file(const std::string& name) const;
    //! Writes raw bytes to a file inside the folder (creating sub-folders) and returns its path.
    std::string write(const std::string& name, const std::string& bytes) const;

private:
    std::string m_path;
};

//! Takes every write permission bit of a file or folder away for the lifetime of the object
//! and gives its permissions back after, so that it can be replaced or removed: the path as
//! a user without write access meets it, also when the tests run as the superuser, for whom
//! the program heeds the bits.
class ReadOnly {
public:
    explicit ReadOnly(std::string path);
    ~ReadOnly();
    ReadOnly(const ReadOnly&) = delete;
    ReadOnly& operator=(const ReadOnly&) = delete;

private:
    std::string m_path;
    std::filesystem::perms m_previous;
};

//! Sets an environment variable (std::nullopt: removes it) for the lifetime of the object and
//! restores its previous value after.
class EnvironmentVariable {
public:
    EnvironmentVariable(std::string name, const std::optional<std::string>& value);
    ~EnvironmentVariable();
    EnvironmentVariable(const EnvironmentVariable&) = delete;
    EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;

private:
    std::string m_name;
    std::optional<std::string> m_previous;
};

//! Sets the C library's locale in every category for the lifetime of the object, as a window
//! toolkit does from the user's environment when it starts, and restores the previous locale
//! after. A locale that cannot be set fails the test (it is never skipped). The locales the
//! tests need are compiled into the build folder and found there through LOCPATH, which the
//! object sets meanwhile.
class ProcessLocale {
public:
    //! A locale that writes a decimal comma, as a Czech user's does.
    static constexpr const char* DecimalComma = "cs_CZ.UTF-8";

    explicit ProcessLocale(const std::string& name);
    ~ProcessLocale();
    ProcessLocale(const ProcessLocale&) = delete;
    ProcessLocale& operator=(const ProcessLocale&) = delete;

    //! Whether the locale was set (when not, the test has already failed).
    bool isSet() const { return m_set; }

private:
    std::string m_previous;
    std::optional<std::string> m_previousLocPath;
    bool m_set = false;
};

//! The locales that numbers are read and written under in tests: the C locale and the
//! decimal-comma one (for ::testing::ValuesIn).
inline constexpr const char* ProcessLocales[] = {"C", ProcessLocale::DecimalComma};
//! A part of a test name for one of ProcessLocales: "C" or "DecimalComma".
std::string processLocaleName(const std::string& name);

//! Runs fn and returns the number of the run-time error it raised; fails the test when it
//! raised none.
int32_t errorNumberOf(const std::function<void()>& fn);

namespace detail {

//! Converts to anything: counts the fields of an aggregate by how many it can be built from.
struct AnyField {
    template <class T> operator T() const;
};

template <class T, class... Fields> constexpr std::size_t fieldCount() {
    if constexpr (requires { T{Fields{}..., AnyField{}}; })
        return fieldCount<T, Fields..., AnyField>();
    else
        return sizeof...(Fields);
}

template <class... F> void printEach(std::ostream* os, const F&... fields) {
    const char* separator = "";
    *os << '{';
    ((*os << separator << ::testing::PrintToString(fields), separator = ", "), ...);
    *os << '}';
}

} // namespace detail

//! Prints a test case of a parameterised test field by field, as {1, "text", 2.5}: a test
//! case struct's `PrintTo` calls it, so that a failing case names its values (a struct of up
//! to eight fields; a field without a printer of its own shows its bytes).
template <class T> void printFields(const T& c, std::ostream* os) {
    constexpr std::size_t n = detail::fieldCount<T>();
    static_assert(n >= 1 && n <= 8, "printFields takes a struct of one to eight fields");
    if constexpr (n == 1) {
        const auto& [a] = c;
        detail::printEach(os, a);
    } else if constexpr (n == 2) {
        const auto& [a, b] = c;
        detail::printEach(os, a, b);
    } else if constexpr (n == 3) {
        const auto& [a, b, d] = c;
        detail::printEach(os, a, b, d);
    } else if constexpr (n == 4) {
        const auto& [a, b, d, e] = c;
        detail::printEach(os, a, b, d, e);
    } else if constexpr (n == 5) {
        const auto& [a, b, d, e, f] = c;
        detail::printEach(os, a, b, d, e, f);
    } else if constexpr (n == 6) {
        const auto& [a, b, d, e, f, g] = c;
        detail::printEach(os, a, b, d, e, f, g);
    } else if constexpr (n == 7) {
        const auto& [a, b, d, e, f, g, h] = c;
        detail::printEach(os, a, b, d, e, f, g, h);
    } else {
        const auto& [a, b, d, e, f, g, h, i] = c;
        detail::printEach(os, a, b, d, e, f, g, h, i);
    }
}

} // namespace testsupport

//! Expects statement to raise run-time error `number`.
#define EXPECT_RUNTIME_ERROR(statement, number)                                                              \
    EXPECT_EQ(::testsupport::errorNumberOf([&] { statement; }), (number))
