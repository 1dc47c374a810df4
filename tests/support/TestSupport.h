#pragma once
//! Helpers shared by the tests of every library.

#include "Platform/MessageBox.h"
#include "Platform/RunTimeError.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
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

} // namespace testsupport

//! Expects statement to raise run-time error `number`.
#define EXPECT_RUNTIME_ERROR(statement, number)                                                                \
    EXPECT_EQ(::testsupport::errorNumberOf([&] { statement; }), (number))
