#include "Platform/FileDialog.h"

#include "Platform/FileSystem.h"
#include "Platform/RunTimeError.h"

namespace platform {

namespace {
FileDialogBackend*& installed() {
    static FileDialogBackend* backend = nullptr;
    return backend;
}
} // namespace

FileDialogBackend::~FileDialogBackend() = default;

FileDialogBackend* fileDialogBackend() {
    return installed();
}
void setFileDialogBackend(FileDialogBackend* backend) {
    installed() = backend;
}

std::vector<FileFilter> parseFileFilter(const std::string& filter) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= filter.size()) {
        const size_t bar = filter.find('|', start);
        const size_t end = bar == std::string::npos ? filter.size() : bar;
        parts.push_back(filter.substr(start, end - start));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    std::vector<FileFilter> filters;
    if (filter.empty()) return filters;
    for (size_t i = 0; i < parts.size(); i += 2)
        filters.push_back({parts[i], i + 1 < parts.size() ? parts[i + 1] : std::string("*.*")});
    return filters;
}

namespace {

//! A save dialog does not start in a folder the user may not write, such as the installed
//! sample tasks' folder, where the save would fail: it starts in the home folder instead and
//! proposes the same file name there.
void startWhereTheUserMayWrite(FileDialogRequest& request) {
    const std::string fromName = folderOf(request.fileName);
    const std::string folder = fromName.empty() ? request.folder : fromName;
    if (folder.empty() || !folderExists(folder) || folderWritable(folder)) return;
    const std::string home = homeFolder();
    if (home.empty()) return;
    request.folder = home;
    if (!request.fileName.empty()) request.fileName = joinPath(home, fileNameOf(request.fileName));
}

} // namespace

bool FileDialog::show(bool save) {
    FileDialogRequest request{save, DialogTitle, parseFileFilter(Filter), FilterIndex, FileName, InitDir};
    if (save) startWhereTheUserMayWrite(request);
    FileDialogBackend* backend = fileDialogBackend();
    const FileDialogAnswer answer = backend ? backend->show(request) : FileDialogAnswer{};
    if (!answer.accepted) {
        if (CancelError) raise(err::Cancelled, "CommonDialog", "Cancel was selected.");
        return false;
    }
    FileName = answer.fileName;
    if (const std::string folder = folderOf(FileName); !folder.empty()) InitDir = folder;
    FilterIndex = answer.filterIndex;
    return true;
}

FileDialogAnswer ScriptedFileDialogs::show(const FileDialogRequest& request) {
    m_requests.push_back(request);
    if (m_answers.empty()) {
        m_unexpected.push_back(request);
        return {};
    }
    FileDialogAnswer a = m_answers.front();
    m_answers.pop_front();
    return a;
}

FileDialogBackendScope::FileDialogBackendScope(FileDialogBackend& backend) : m_previous(fileDialogBackend()) {
    setFileDialogBackend(&backend);
}
FileDialogBackendScope::~FileDialogBackendScope() {
    setFileDialogBackend(m_previous);
}

} // namespace platform
