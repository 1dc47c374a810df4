#pragma once
//! The window system's file dialog behind the platform's `FileDialog` objects.

#include "Platform/FileDialog.h"
#include "PlatformQt/PlatformQtExport.h"

#include <QStringList>

namespace platform {

//! The Qt name filters of a filter list: "caption (patterns)" each, the patterns separated
//! by blanks. "*.*" becomes "*", so that names without an extension match too.
PLATFORMQT_EXPORT QStringList qtNameFilters(const std::vector<FileFilter>& filters);

class PLATFORMQT_EXPORT QtFileDialogBackend : public FileDialogBackend {
public:
    FileDialogAnswer show(const FileDialogRequest& request) override;
};

} // namespace platform
