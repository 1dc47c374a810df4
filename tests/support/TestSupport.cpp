#include "TestSupport.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace testsupport {

ScriptedBoxes::ScriptedBoxes() : m_scope(m_service) {}

ScriptedBoxes::~ScriptedBoxes() {
    for (const auto& box : m_service.unexpected())
        ADD_FAILURE() << "Unexpected " << (box.input ? "input box" : "message box") << " [" << box.title
                      << "] style " << box.style << ": " << box.text;
}

TempDir::TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "morv-test-XXXXXX").string();
    if (!::mkdtemp(tmpl.data()))
        throw std::runtime_error("mkdtemp failed");
    m_path = tmpl;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

std::string TempDir::file(const std::string& name) const { return m_path + "/" + name; }

std::string TempDir::write(const std::string& name, const std::string& bytes) const {
    const std::filesystem::path p = file(name);
    std::filesystem::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary);
    out << bytes;
    return p.string();
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
