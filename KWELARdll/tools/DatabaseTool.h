#pragma once
//! The command of the database tool that the build runs.

#include <ostream>
#include <string>
#include <vector>

namespace kwelar::tools {

//! Runs the tool with its arguments (without the program's name):
//!
//!     database <table.tsv> <KWELAR.DRC>   checks the table and writes the database
//!     location <KWELAR.CFG> <database>    writes the location file pointing at the database
//!
//! A fault of the table is reported on `err` naming its row and column; the database file
//! is then removed, so no file that does not match the table is left behind. The location
//! file takes only a full path that it can hold (code page 1250, no double quote, no line
//! end). Returns the exit status: 0 done, 1 a fault of the input or of a file, 2 wrong
//! arguments.
int runDatabaseTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace kwelar::tools
