#include "KWELARdll/model/Smes.h"

#include "KWELARdll/model/KwelarConstants.h"
#include "KWELARdll/model/LocationFile.h"
#include "KWELARdll/model/WildcardMatch.h"
#include "Platform/CodePage.h"
#include "Platform/Conversions.h"
#include "Platform/FileSystem.h"
#include "Platform/ItemFile.h"
#include "Platform/MessageBox.h"
#include "Platform/RecordFile.h"

#include <cerrno>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kwelar {

using platform::RunTimeError;
using platform::Variant;
namespace err = platform::err;

namespace {

const char* const Crlf = "\r\n";
//! Folder of the library's files in the user's data folder.
const char* const UserFolderName = "KWELAR";
//! File of a user's own record 700, in that folder: the record alone.
const char* const TemporaryRecordFileName = "ZAZNAM700.DRC";
//! A load step failing with this error number is passed over.
constexpr int32_t SkippedStepError = 1005;

bool sameNameIgnoringCase(const std::string& a, const std::string& b) {
    return platform::upperCase(a) == platform::upperCase(b);
}

// The file name in a path of the location file: its last part, at most 99 characters.
// A path without a folder, or whose last part has no ".", names no file (error 5).
std::string fileNameInPath(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos || path.find('.', slash) == std::string::npos)
        platform::raise(err::InvalidCall);
    return platform::leftChars(path.substr(slash + 1), MaxFileNameLength);
}

// Deletes a file; a failure other than an already missing file raises 75.
void deleteFile(const std::string& path) {
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) platform::raise(err::PathFileAccess, path);
}

// Closes a folder listing when the scope ends.
struct FolderListing {
    DIR* dir;
    ~FolderListing() {
        if (dir) ::closedir(dir);
    }
};

enum class EntryKind { Folder, File, Other };

// The kind of a folder entry; a symbolic link is neither folder nor file, so it is never
// followed.
EntryKind kindOf(const dirent& entry, const std::string& path) {
    switch (entry.d_type) {
    case DT_DIR:
        return EntryKind::Folder;
    case DT_REG:
        return EntryKind::File;
    case DT_UNKNOWN:
        break;
    default:
        return EntryKind::Other;
    }
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return EntryKind::Other;
    return S_ISDIR(st.st_mode) ? EntryKind::Folder : S_ISREG(st.st_mode) ? EntryKind::File : EntryKind::Other;
}

} // namespace

// ---- Location of the database -----------------------------------------------------------

void Smes::Adrkwl() {
    try {
        locateFromConfiguration();
    } catch (const RunTimeError& e) {
        if (e.number() == err::FileNotFound || e.number() == err::PathNotFound)
            searchRoots();
        else
            reportLocationError(e, true);
    }
}

void Smes::locateFromConfiguration() {
    const std::string cfgFile = m_CFGPath + m_CFGName;
    platform::ItemReader cfg(cfgFile);
    cfg.readString();
    // The path becomes AdrKWELAR only once it has passed every check below: a location file
    // that fails one does not leave its path there (a path without a file name raises 5).
    std::string located = platform::trim(cfg.readString());

    // A name ending in "#" brings a new file name of the database.
    const std::string name = fileNameInPath(located);
    if (!sameNameIgnoringCase(name, m_DataFileName) && !name.empty() && name.back() == '#') {
        m_DataFileName = name.substr(0, name.size() - 1);
        if (!located.empty() && located.back() == '#') located.pop_back();
    }

    const std::string onDisk = platform::fileExists(located) ? platform::fileNameOf(located) : "";
    if (!sameNameIgnoringCase(onDisk, m_DataFileName)) {
        const int answer = platform::msgBox(
            "Soubor " + m_CFGName + " nejspíše v adresáři " + m_CFGPath + Crlf +
                " obsahuje odkaz na neexistující soubor " + m_DataFileName + "!!!" + Crlf + "Smažte soubor " +
                m_CFGName + " a znovu spusťte program." + Crlf + "Mám ho smazat sám? (Y/N)",
            52, "KWELAR");
        m_AdrKWELAR.clear();
        if (answer == platform::answer::Yes) deleteFile(cfgFile);
        return;
    }

    // Reading its first record proves that the database can be opened.
    const platform::RecordFile db(located, RecordLength);
    db.read(1);
    const int64_t length = db.fileLength();
    if (length < MinDatabaseLength) {
        const std::string dbFile = located;
        const int answer = platform::msgBox("Soubor " + dbFile + "má příliš malou délku (" +
                                                platform::numberText(static_cast<double>(length)) +
                                                ") nebo je nulový." + Crlf + "Smazat ho ? (Y/N)",
                                            52, "KWELAR");
        m_AdrKWELAR.clear();
        if (answer == platform::answer::Yes) deleteFile(dbFile);
        return;
    }
    m_AdrKWELAR = located;
}

void Smes::searchRoots() {
    platform::msgBox("Budu nyní hledat datový soubor " + m_DataFileName + " na všech pevných discích" + Crlf +
                         "Může to trvat i několik minut! Stiskněte OK a vyčkejte.",
                     64, "Instalace KWELAR");
    const std::vector<std::string> roots = platform::SearchRoots::roots();
    // Pass 1 looks into the folder KWELAR of each root, pass 2 walks the whole roots; the
    // first root with a hit ends the search.
    std::string found;
    for (const bool intoKwelarFolder : {true, false}) {
        for (const std::string& root : roots) {
            m_strNalez(0) = "";
            std::string folder = intoKwelarFolder ? platform::joinPath(root, "KWELAR") : root;
            FindFiles(folder, "*", m_DataFileName, m_strNalez);
            if (!m_strNalez(0).empty()) {
                found = m_strNalez(1);
                break;
            }
        }
        if (!found.empty()) break;
    }
    if (found.empty()) {
        platform::msgBox(std::string("Lituji, ale nemáte nikde na dostupných discích") + Crlf +
                             "nainstalován datový soubor báze " + m_DataFileName + Crlf +
                             "Zajistěte jeho nainstalování!" + Crlf + "Bez něho je báze nefunkční!",
                         16, "KWELAR");
        return;
    }
    m_AdrKWELAR = found;
    // The path stays found even when the location file cannot be written; the failure is
    // only reported, and the next object searches again.
    try {
        writeLocationFile(m_CFGPath + m_CFGName, m_AdrKWELAR);
    } catch (const RunTimeError& e) {
        reportLocationError(e, false);
    }
}

void Smes::reportLocationError(const RunTimeError& error, bool raise) {
    platform::msgBox("Chyba č. " + std::to_string(error.number()) + " : " + error.description(), 48,
                     "KWELAR Adrkwl");
    if (raise && raisesErrors())
        raiseChybaVypoctu("KWELAR - Adrkwl", "Chyba při zjišťování umístění datového souboru!");
}

std::string Smes::AdrKWELAR() {
    if (m_AdrKWELAR.empty()) Adrkwl();
    return m_AdrKWELAR;
}

void Smes::AdrKWELAR(const std::string& value) {
    m_AdrKWELAR = value;
}

std::string Smes::SouborBaze() {
    return AdrKWELAR();
}

// ---- The user's own files ---------------------------------------------------------------

std::string Smes::userFile(const std::string& name) {
    const std::string userData = platform::userDataFolder();
    if (userData.empty()) return {};
    return platform::joinPath(platform::joinPath(userData, UserFolderName), name);
}

std::string Smes::ownTemporaryRecordFile() const {
    // An installed database only its administrator may write: each user keeps record 700 of
    // their own, and the database stays as installed.
    if (!platform::fileExists(m_AdrKWELAR) || platform::fileWritable(m_AdrKWELAR)) return {};
    return userFile(TemporaryRecordFileName);
}

std::optional<platform::Bytes> Smes::ownTemporaryRecord() const {
    const std::string own = ownTemporaryRecordFile();
    if (own.empty() || !platform::fileExists(own)) return std::nullopt;
    return platform::RecordFile(own, RecordLength).read(1);
}

platform::Bytes Smes::readRecord(const platform::RecordFile& db, int16_t number) const {
    if (number == TemporaryRecord)
        if (std::optional<platform::Bytes> own = ownTemporaryRecord()) return std::move(*own);
    return db.read(number);
}

// ---- Loading the components -------------------------------------------------------------

Variant Smes::Inikwl() {
    if (m_PriznakNacteni == LoadedMarker) return Variant(m_Nsloz);

    // A step that fails is tried once more, error 1005 passes it over; a step that fails
    // twice ends the load with 0, as a missing substance does.
    auto attempt = [](auto&& step) {
        for (int tries = 0; tries < 2; ++tries) {
            try {
                step();
                return true;
            } catch (const RunTimeError& e) {
                if (e.number() == SkippedStepError) return true;
            }
        }
        return false;
    };

    if (m_AdrKWELAR.empty() && !attempt([&] { Adrkwl(); })) return Variant(int16_t{0});

    int16_t n = 0;
    while (n < MaxComponents && m_CislaSlozek(n + 1) >= 1)
        ++n;
    m_Nsloz = n;

    // Every slot is read, also after a missing substance, so that each of the Nsloz slots holds
    // the record of its own substance or, for a missing one, an empty record with the number
    // 0; no record of an earlier mixture stays behind. The first missing one is reported.
    const platform::RecordFile db(m_AdrKWELAR, RecordLength);
    forgetPropertyValues();
    bool missing = false;
    for (int16_t k = 1; k <= n; ++k) {
        const int16_t number = m_CislaSlozek(k);
        ZaznamLatky& slot = m_Slozka(k);
        slot = ZaznamLatky();
        if (!attempt([&] { slot = ZaznamLatky::decode(readRecord(db, number)); })) {
            slot = ZaznamLatky();
            missing = true;
            continue;
        }
        if (slot.isMissing()) {
            if (!missing)
                platform::msgBox("INIKWL: Látka č. " + platform::numberText(number) + " není v bázi!", 48,
                                 "KWELAR");
            slot = ZaznamLatky();
            missing = true;
        }
    }
    if (missing) return Variant(int16_t{0});
    if (n > 0) m_PriznakNacteni = LoadedMarker;
    return Variant(n);
}

// ---- File search ------------------------------------------------------------------------

void Smes::FindFiles(std::string& strRootFolder, const std::string& strFolder, const std::string& strFile,
                     platform::Array<std::string>& strNalez) {
    if (!strNalez.allocated()) strNalez.redim(0, 10);
    if (strRootFolder.empty() || strRootFolder.back() != '/') strRootFolder += '/';

    const FolderListing listing{::opendir(strRootFolder.c_str())};
    if (!listing.dir) return;
    const std::string filePattern = platform::upperCase(strFile);
    while (const dirent* entry = ::readdir(listing.dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        std::string path = strRootFolder + name;
        switch (kindOf(*entry, path)) {
        case EntryKind::Folder:
            if (!platform::SearchRoots::isSkipped(path)) FindFiles(path, strFolder, strFile, strNalez);
            break;
        case EntryKind::File:
            if (matchesWildcard(strRootFolder, strFolder) &&
                matchesWildcard(platform::upperCase(name), filePattern)) {
                const int32_t n = platform::toLong(platform::val(strNalez(0)));
                if (n == strNalez.ubound()) {
                    platform::Array<std::string> larger(strNalez.lbound(), strNalez.ubound() + 10);
                    for (int32_t i = strNalez.lbound(); i <= strNalez.ubound(); ++i)
                        larger(i) = std::move(strNalez(i));
                    strNalez = std::move(larger);
                }
                strNalez(0) = platform::numberText(n + 1);
                strNalez(n + 1) = path;
            }
            break;
        case EntryKind::Other:
            break;
        }
    }
}

std::string Smes::TrimNulls(const std::string& strString) const {
    const size_t nul = strString.find('\0');
    return nul == std::string::npos ? strString : strString.substr(0, nul);
}

} // namespace kwelar
