#pragma once
//! The mixture object of the property library: up to 20 components given by substance
//! numbers, their records loaded from the database "KWELAR.DRC", the library's settings
//! and its error control.
//!
//! Members keep the names of the published interface. Both halves of a property carry its
//! name: the get half takes the property's own arguments, the let half the same arguments
//! followed by the new value (`Nsloz()` reads, `Nsloz(3)` shortens the mixture).
//! Component slots are numbered 1 to 20; an index outside raises error 9.
//!
//! The class is implemented by concern, each in its own source file: the object, its
//! settings and the mixture definition (Smes.cpp), the error control (SmesChyby.cpp), the
//! database and its location (SmesBaze.cpp). The state is protected so that the members of
//! every concern reach it.

#include "KWELAR/KWELARExport.h"
#include "KWELARdll/model/SmesOkna.h"
#include "KWELARdll/model/ZaznamLatky.h"
#include "Platform/Array.h"
#include "Platform/RunTimeError.h"
#include "Platform/Variant.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kwelar {

class KWELAR_EXPORT Smes {
public:
    // ---- Object -------------------------------------------------------------------------
    //! Creates the windows (hidden), sets the defaults and counts the object; opens no file.
    Smes();
    //! Releases the windows and uncounts the object.
    ~Smes();
    Smes(const Smes&) = delete;
    Smes& operator=(const Smes&) = delete;

    //! Number of `Smes` objects that exist in the process.
    static platform::Variant PocetSmesi();

    // ---- Mixture definition (Smes.cpp) --------------------------------------------------
    //! Defines the mixture from r(1..n), n = |KK|, and loads it; KK < 0 sets error mode 1,
    //! otherwise 0. Errors pass to the caller (n above 20 raises 9 at slot 21).
    void DefSmes(int16_t KK, platform::VArray& r);
    //! Defines the mixture from the listed substance numbers (their absolute values) and
    //! loads it; a negative first number sets error mode 1, otherwise 0.
    void DefSlozky(const std::vector<platform::Variant>& parm);
    //! Sets the requested substance number of slot Index (1..20) for the next load.
    void ZapisNslozky(int16_t Index, int16_t value);
    //! Number of components.
    platform::Variant Nsloz() const;
    //! Shortens the mixture: only a value below the current count acts.
    void Nsloz(const platform::Variant& value);
    //! Empties the mixture, returns the error mode to 0 and renews the choice window.
    void ResetujSmes();

    // ---- Settings (Smes.cpp) ------------------------------------------------------------
    std::string SNazev() const;
    void SNazev(const std::string& value);
    //! File name of the database ("KWELAR.DRC").
    std::string DataFileName() const;
    //! "" is ignored.
    void DataFileName(const std::string& value);
    //! Folder of the location file, always ending in "/".
    std::string CFGPath() const;
    //! "" is ignored; the folder is trimmed and gets a final "/".
    void CFGPath(const std::string& value);
    //! File name of the location file ("KWELAR.CFG").
    std::string CFGName() const;
    void CFGName(const std::string& value);
    //! Equation of state of the real-gas members: true = Redlich-Kwong, false = Lee-Kesler.
    bool Redlich() const;
    void Redlich(bool value);
    //! Clamping of correlation temperatures to each correlation's validity range on / off.
    void MezeZap();
    void MezeVyp();

    // ---- Error control (SmesChyby.cpp) --------------------------------------------------
    //! Error mode: -1 boxes and raise, 0 boxes, 1 only boxes of results and definitions,
    //! 2 silent.
    int16_t ChyboveHlasky() const;
    //! Values outside -1..2 are ignored.
    void ChyboveHlasky(int16_t value);
    //! Limit of counted error boxes.
    int16_t MaxErrHlas() const;
    //! Negative values are ignored.
    void MaxErrHlas(int16_t value);
    //! Short name of correlation Nvl ("ETAG" ... "Rezerva", "Nedef. " and the number).
    std::string ChybRozv(int16_t Nvl) const;

    // ---- Substance database and its location (SmesBaze.cpp) ----------------------------
    //! Locates the database through the location file or, without one, by a search of the
    //! search roots; sets `AdrKWELAR` ("" when not located).
    void Adrkwl();
    //! Full path of the database; located first while it is "".
    std::string AdrKWELAR();
    //! Stores any path unchanged.
    void AdrKWELAR(const std::string& value);
    //! The same as `AdrKWELAR`.
    std::string SouborBaze();
    //! Loads the records of the requested substances; the number of components, or 0 when a
    //! substance is missing or the database cannot be read.
    platform::Variant Inikwl();
    //! Depth-first search for files named like strFile below strRootFolder (a "/" is
    //! appended to it when missing); hits are appended to strNalez, element 0 counting them.
    void FindFiles(std::string& strRootFolder, const std::string& strFolder, const std::string& strFile,
                   platform::Array<std::string>& strNalez);
    //! The text before its first character with the code 0.
    std::string TrimNulls(const std::string& strString) const;

protected:
    // ---- Error control: guards, counted boxes, the raised error (SmesChyby.cpp) ---------
    //! Boxes of calculation errors are shown (mode 0 or less).
    bool showsCalculationErrors() const { return m_ChyboveHlasky <= 0; }
    //! Boxes of results and definitions are shown (mode below 2).
    bool showsResultMessages() const { return m_ChyboveHlasky < 2; }
    //! Errors are raised to the caller (mode -1).
    bool raisesErrors() const { return m_ChyboveHlasky == -1; }
    //! A counted box may still be shown.
    bool counterFree() const { return m_PocErrHlas < m_MaxErrHlas; }
    //! Shows a box and counts it; the caller has checked its guard.
    int countedBox(const std::string& text, int style, const std::string& title);
    //! Raises `ChybaVypoctu` (-2147220904) with the given source and description.
    [[noreturn]] void raiseChybaVypoctu(const std::string& source, const std::string& description) const;
    //! Reports the error `error` caught by the handler of the mixture member `member`: its
    //! box in mode 0 or less while the counter is free and the number is below
    //! -2147220904 (not counted), then in mode -1 raises `ChybaVypoctu` with `source`.
    void HlasChybu(const std::string& member, const std::string& source, const platform::RunTimeError& error);
    //! Source text "KWELAR - <member>; T(K)= <T, one decimal>".
    static std::string errorSource(const std::string& member, const platform::Variant& T);
    //! The same followed by " ,P(Pa)= <p, no decimals>".
    static std::string errorSource(const std::string& member, const platform::Variant& T,
                                   const platform::Variant& p);
    //! Source text "KWELAR - <member>; P(Pa)= <p, no decimals>" (bubble and dew points).
    static std::string pressureErrorSource(const std::string& member, const platform::Variant& p);

    // ---- State --------------------------------------------------------------------------
    int16_t m_Nsloz = 0;                     //!< number of components
    platform::Array<int16_t> m_CislaSlozek;  //!< requested substance numbers, slots 1..20
    platform::Array<ZaznamLatky> m_Slozka;   //!< loaded records, slots 1..20
    int16_t m_PriznakNacteni = 0;            //!< -9999 (LoadedMarker) after a load
    std::string m_SNazev;                    //!< name of the mixture
    std::string m_AdrKWELAR;                 //!< path of the database; "" = not located
    std::string m_DataFileName;              //!< file name of the database
    std::string m_CFGPath;                   //!< folder of the location file, ending in "/"
    std::string m_CFGName;                   //!< file name of the location file
    int16_t m_MezeTeplot = 0;                //!< 1 = correlation temperatures clamped
    bool m_Redlich = false;                  //!< true = Redlich-Kwong
    int16_t m_ChyboveHlasky = 0;             //!< error mode -1..2
    int16_t m_PocErrHlas = 0;                //!< counted boxes shown so far
    int16_t m_MaxErrHlas = 0;                //!< limit of counted boxes
    platform::Array<std::string> m_strNalez; //!< file search: count in 0, paths from 1
    platform::VArray m_SeznamLatek;          //!< sorted substance list of the windows
    int16_t m_PocLatek = 0;                  //!< lines of m_SeznamLatek
    std::unique_ptr<SmesOkna> m_okna;        //!< the object's windows (none without a factory)

private:
    // Location steps of Adrkwl (SmesBaze.cpp).
    void locateFromConfiguration();
    void searchRoots();
    void reportLocationError(const platform::RunTimeError& error, bool raise);
    bool loadRecord(int16_t k);
};

} // namespace kwelar
