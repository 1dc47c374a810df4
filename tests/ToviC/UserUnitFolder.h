#pragma once
//! Points the user unit file of every Tovi object made in a test at a fresh folder of its
//! own, so that no unit file of the machine takes part.

#include "ToviC/Tovi.h"
#include "ToviC/ToviConstants.h"

#include "TestSupport.h"

#include <string>

class UserUnitFolder {
public:
    UserUnitFolder() : m_old(tovi::Tovi::userFileFolder()) {
        tovi::Tovi::setUserFileFolder(m_dir.path() + "/");
    }
    ~UserUnitFolder() { tovi::Tovi::setUserFileFolder(m_old); }
    UserUnitFolder(const UserUnitFolder&) = delete;
    UserUnitFolder& operator=(const UserUnitFolder&) = delete;

    //! Writes the user unit file with these bytes (code page 1250).
    void write(const std::string& bytes) const { m_dir.write(tovi::k::userFileName, bytes); }
    const testsupport::TempDir& dir() const { return m_dir; }

private:
    testsupport::TempDir m_dir;
    std::string m_old;
};
