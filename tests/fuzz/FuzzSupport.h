#pragma once
//! What the fuzz targets share: a quiet message service, a private folder, a small substance
//! database, and the check that stops a run when an invariant breaks.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace fuzzsupport {

//! Sets up the process once (on the first call): every box is answered cautiously and shown
//! nowhere (no Yes, so nothing is ever deleted), the search roots are an empty folder of the
//! run, so no file search walks the machine, and the library folder of every mixture object
//! is a folder of the run holding a location file that points at `database()`.
void setUp();

//! A folder of this process, removed at its end.
const std::string& folder();
//! Path of a file in `folder()`.
std::string file(const std::string& name);
//! Writes the bytes into the file `name` of `folder()` and returns its path.
std::string write(const std::string& name, std::string_view bytes);

//! The substance database of the run: substances 1 to 12 ("Látka 1" ...), each with the point
//! values and eleven correlations of a plausible liquid; substance 1 is water.
const std::string& database();

//! The input as a text.
inline std::string_view text(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

//! Stops the run with the message when the condition does not hold: an invariant of the
//! code under test is broken, and the input that broke it is the reproducer.
void require(bool condition, const char* what);

} // namespace fuzzsupport
