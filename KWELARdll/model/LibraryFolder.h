#pragma once
//! The folder of the property library, where its location file "KWELAR.CFG" lies.

#include "KWELAR/KWELARExport.h"

#include <string>

namespace kwelar {

//! The folder of the KWELAR shared library, or the folder set by `setLibraryFolder`.
KWELAR_EXPORT std::string libraryFolder();
//! Makes `folder` the library folder of every `Smes` created afterwards; "" goes back to
//! the folder of the shared library. For tests and for the tools that run beside the build.
KWELAR_EXPORT void setLibraryFolder(std::string folder);

} // namespace kwelar
