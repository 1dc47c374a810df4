#include "TestSupport.h"

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace testsupport {

ScriptedBoxes::ScriptedBoxes() : m_scope(m_service) {}

ScriptedBoxes::~ScriptedBoxes() {
    for (const auto& box : m_service.unexpected())
        ADD_FAILURE() << "Unexpected " << (box.input ? "input box" : "message box") << " [" << box.title
                      << "] style " << box.style << ": " << box.text;
}

TempDir::TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "morv-test-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
    m_path = tmpl;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

std::string TempDir::file(const std::string& name) const {
    return m_path + "/" + name;
}

ReadOnly::ReadOnly(std::string path)
    : m_path(std::move(path)), m_previous(std::filesystem::status(m_path).permissions()) {
    namespace fs = std::filesystem;
    fs::permissions(m_path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

ReadOnly::~ReadOnly() {
    std::error_code ignored;
    std::filesystem::permissions(m_path, m_previous, ignored);
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string TempDir::write(const std::string& name, const std::string& bytes) const {
    const std::filesystem::path p = file(name);
    std::filesystem::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary);
    out << bytes;
    return p.string();
}

EnvironmentVariable::EnvironmentVariable(std::string name, const std::optional<std::string>& value)
    : m_name(std::move(name)) {
    if (const char* old = std::getenv(m_name.c_str())) m_previous = old;
    if (value)
        ::setenv(m_name.c_str(), value->c_str(), 1);
    else
        ::unsetenv(m_name.c_str());
}

EnvironmentVariable::~EnvironmentVariable() {
    if (m_previous)
        ::setenv(m_name.c_str(), m_previous->c_str(), 1);
    else
        ::unsetenv(m_name.c_str());
}

ProcessLocale::ProcessLocale(const std::string& name) {
    if (const char* old = std::getenv("LOCPATH")) m_previousLocPath = old;
    m_previous = std::setlocale(LC_ALL, nullptr);
    ::setenv("LOCPATH", MORV_TEST_LOCALES, 1);
    if (!std::setlocale(LC_ALL, name.c_str())) {
        ADD_FAILURE() << "The C library's locale " << name << " cannot be set: it is compiled into "
                      << MORV_TEST_LOCALES << " by the build from the Debian package locales "
                      << "(scripts/test installs it).";
        return;
    }
    m_set = true;
    const std::string point = std::localeconv()->decimal_point;
    if (name == DecimalComma && point != ",")
        ADD_FAILURE() << "The locale " << name << " writes \"" << point
                      << "\" as its decimal point, not a comma.";
}

ProcessLocale::~ProcessLocale() {
    if (m_previousLocPath)
        ::setenv("LOCPATH", m_previousLocPath->c_str(), 1);
    else
        ::unsetenv("LOCPATH");
    if (!std::setlocale(LC_ALL, m_previous.c_str()))
        ADD_FAILURE() << "The C library's locale " << m_previous << " cannot be restored.";
}

std::string processLocaleName(const std::string& name) {
    return name == ProcessLocale::DecimalComma ? "DecimalComma" : name;
}

int32_t errorNumberOf(const std::function<void()>& fn) {
    try {
        fn();
    } catch (const platform::RunTimeError& e) {
        return e.number();
    }
    ADD_FAILURE() << "no run-time error was raised";
    return 0;
}

} // namespace testsupport
