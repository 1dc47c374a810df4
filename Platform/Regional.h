#pragma once
//! The user's regional settings that numbers and dates are shown with: one place, settable
//! by tests.

#include "Platform/PlatformExport.h"

#include <ctime>
#include <string>

namespace platform {

class PLATFORM_EXPORT Regional {
public:
    //! The decimal separator of the user's locale ("." or ","), read once from LC_NUMERIC.
    static char decimalSeparator();
    static void setDecimalSeparator(char sep);
    //! The short-date pattern in strftime form, read once from LC_TIME ("%d.%m.%Y" style).
    static std::string shortDatePattern();
    static void setShortDatePattern(const std::string& pattern);
    //! The date of t (local time) in the short-date pattern.
    static std::string shortDate(std::time_t t);
    //! Today's date in the short-date pattern, by the installed clock.
    static std::string today();
    //! The clock that `today` reads; nullptr restores the system clock. Tests pin it.
    using Clock = std::time_t (*)();
    static void setClock(Clock clock);
    //! Reads both settings from the environment's locale again.
    static void resetFromLocale();
};

//! Sets the decimal separator for the lifetime of the object and restores the old one after.
class PLATFORM_EXPORT DecimalSeparatorScope {
public:
    explicit DecimalSeparatorScope(char sep);
    ~DecimalSeparatorScope();
    DecimalSeparatorScope(const DecimalSeparatorScope&) = delete;
    DecimalSeparatorScope& operator=(const DecimalSeparatorScope&) = delete;

private:
    char m_old;
};

} // namespace platform
