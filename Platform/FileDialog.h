#pragma once
//! The file dialog of a window: one persistent object per owner that keeps the last file
//! name, its folder and the last chosen filter between showings. The filter list is "caption|pattern|
//! caption|pattern..." and the filter index counts from 1. What shows the dialog is a
//! backend: the window system's dialog in the program, a scripted one in tests.

#include "Platform/PlatformExport.h"

#include <deque>
#include <string>
#include <vector>

namespace platform {

//! One entry of a filter list: its caption and its patterns ("*.txt", "*.*", "*.a;*.b").
struct FileFilter {
    std::string caption;
    std::string pattern;
};

//! Splits "caption|pattern|caption|pattern" into its entries; a caption without a pattern
//! gets "*.*".
PLATFORM_EXPORT std::vector<FileFilter> parseFileFilter(const std::string& filter);

//! What one showing of the dialog asks and what the user chose.
struct FileDialogRequest {
    bool save = false; //!< a save dialog (otherwise an open dialog)
    std::string title; //!< the dialog's title ("" for the default)
    std::vector<FileFilter> filters;
    int filterIndex = 1;  //!< the preselected filter, from 1
    std::string fileName; //!< the preselected file name
    std::string folder;   //!< the folder to start in, unless fileName names one ("": the default)
};
struct FileDialogAnswer {
    bool accepted = false;
    std::string fileName; //!< the full name chosen
    int filterIndex = 1;  //!< the filter chosen, from 1
};

class PLATFORM_EXPORT FileDialogBackend {
public:
    virtual ~FileDialogBackend();
    virtual FileDialogAnswer show(const FileDialogRequest& request) = 0;
};

//! The backend every dialog uses; without one installed a dialog answers Cancel.
PLATFORM_EXPORT FileDialogBackend* fileDialogBackend();
//! Installs a backend (nullptr: none); the caller keeps ownership.
PLATFORM_EXPORT void setFileDialogBackend(FileDialogBackend* backend);

//! The dialog object of one owner.
class PLATFORM_EXPORT FileDialog {
public:
    std::string Filter;   //!< "caption|pattern|..."
    int FilterIndex = 1;  //!< preselected, then the one the user chose
    std::string FileName; //!< preselected, then the one the user chose
    //! The folder the dialog starts in when FileName names none; after a choice, the folder
    //! of the chosen file, so the next showing starts where the user last was.
    std::string InitDir;
    std::string DialogTitle;
    bool CancelError = false; //!< Cancel raises run-time error 32755

    //! Shows the open dialog. On OK FileName, InitDir and FilterIndex take the user's choice
    //! and the result is true; on Cancel nothing changes and the result is false, or error 32755 is
    //! raised when CancelError is set.
    bool ShowOpen() { return show(false); }
    //! The same as a save dialog. Where the folder it would start in (that of FileName, else
    //! InitDir) cannot be written, it starts in the user's home folder with the same file name.
    bool ShowSave() { return show(true); }

private:
    bool show(bool save);
};

//! For tests: records every dialog and answers from a queue; a dialog with no queued answer
//! is recorded as unexpected and cancelled.
class PLATFORM_EXPORT ScriptedFileDialogs : public FileDialogBackend {
public:
    FileDialogAnswer show(const FileDialogRequest& request) override;

    //! Queues the choice of a file with the given filter index.
    void choose(std::string fileName, int filterIndex = 1) {
        m_answers.push_back({true, std::move(fileName), filterIndex});
    }
    //! Queues a Cancel.
    void cancel() { m_answers.push_back({}); }

    const std::vector<FileDialogRequest>& requests() const noexcept { return m_requests; }
    const std::vector<FileDialogRequest>& unexpected() const noexcept { return m_unexpected; }
    size_t unusedAnswers() const noexcept { return m_answers.size(); }

private:
    std::deque<FileDialogAnswer> m_answers;
    std::vector<FileDialogRequest> m_requests;
    std::vector<FileDialogRequest> m_unexpected;
};

//! Installs a backend for the lifetime of the object and restores the previous one after.
class PLATFORM_EXPORT FileDialogBackendScope {
public:
    explicit FileDialogBackendScope(FileDialogBackend& backend);
    ~FileDialogBackendScope();
    FileDialogBackendScope(const FileDialogBackendScope&) = delete;
    FileDialogBackendScope& operator=(const FileDialogBackendScope&) = delete;

private:
    FileDialogBackend* m_previous;
};

} // namespace platform
