#include "KWELARdll/model/Smes.h"

#include "KWELARdll/model/KwelarConstants.h"
#include "KWELARdll/model/LibraryFolder.h"
#include "Platform/CodePage.h"
#include "Platform/Conversions.h"
#include "Platform/MessageBox.h"

#include <algorithm>

namespace kwelar {

using platform::Variant;

namespace {

// Number of Smes objects that exist in the process.
int16_t KWELARPocSmesi = 0;

// A folder trimmed of blanks and ending in "/".
std::string folderWithSlash(const std::string& folder) {
    std::string f = platform::trim(folder);
    if (f.empty() || f.back() != '/') f += '/';
    return f;
}

const char* const DefinitionTitle = "Definice složek";

} // namespace

// ---- Object -----------------------------------------------------------------------------

Smes::Smes()
    : m_CislaSlozek(1, MaxComponents), m_Slozka(1, MaxComponents), m_SlozeniSmesi(1, MaxComponents),
      m_strNalez(0, 2), m_SeznamLatek(0, 2), m_NazvyVlastnosti(1, PropertyNameCount) {
    m_okna = createSmesOkna(*this);
    m_DataFileName = "KWELAR.DRC";
    m_CFGName = "KWELAR.CFG";
    m_CFGPath = folderWithSlash(libraryFolder());
    m_ChyboveHlasky = 0;
    m_Redlich = false;
    m_PocErrHlas = 0;
    m_MaxErrHlas = DefaultMaxErrHlas;
    // An overflow of the counter is ignored.
    if (KWELARPocSmesi < INT16_MAX) ++KWELARPocSmesi;
}

Smes::~Smes() {
    m_okna.reset();
    if (KWELARPocSmesi > INT16_MIN) --KWELARPocSmesi;
}

Variant Smes::PocetSmesi() {
    return Variant(KWELARPocSmesi);
}

// ---- Mixture definition -----------------------------------------------------------------

void Smes::ZapisNslozky(int16_t Index, int16_t value) {
    if (Index < 1 || Index > MaxComponents) {
        platform::msgBox("Index složky mimo meze!", 16, "KWELAR");
        return;
    }
    m_CislaSlozek(Index) = value;
    forgetPropertyValues();
    m_PriznakNacteni = 0;
}

void Smes::DefSmes(int16_t KK, platform::VArray& r) {
    const int32_t n = KK < 0 ? -static_cast<int32_t>(KK) : KK;
    m_ChyboveHlasky = KK < 0 ? 1 : 0;
    forgetPropertyValues();
    for (int32_t k = 1; k <= n; ++k)
        m_CislaSlozek(k) = r(k).toInteger();
    if (n < MaxComponents) m_CislaSlozek(n + 1) = 0;
    m_Nsloz = static_cast<int16_t>(n);
    // New numbers must be read: a mixture loaded before would otherwise be kept.
    m_PriznakNacteni = 0;
    if (Inikwl().toInteger() == 0 && showsResultMessages()) {
        platform::msgBox("Nemohu načíst z " + m_DataFileName + "!", 16, "KWELAR");
        return;
    }
    m_PriznakNacteni = 0;
}

void Smes::DefSlozky(const std::vector<Variant>& parm) {
    // A step that fails shows the box and the member goes on with the next step.
    auto step = [](auto&& statement) {
        try {
            statement();
        } catch (const platform::RunTimeError&) {
            platform::msgBox("Chybné zadání složek", 48, DefinitionTitle);
        }
    };
    if (parm.empty() && showsResultMessages())
        platform::msgBox("Nebyly zadány čísla složek!", 48, DefinitionTitle);
    if (!parm.empty()) step([&] { m_ChyboveHlasky = parm[0] < Variant(int16_t{0}) ? 1 : 0; });
    const size_t given = std::min<size_t>(parm.size(), MaxComponents);
    forgetPropertyValues();
    for (size_t k = 1; k <= given; ++k)
        step([&] { m_CislaSlozek(static_cast<int32_t>(k)) = platform::Abs(parm[k - 1]).toInteger(); });
    if (parm.size() < static_cast<size_t>(MaxComponents))
        m_CislaSlozek(static_cast<int32_t>(parm.size()) + 1) = 0;
    step([&] { m_Nsloz = platform::toInteger(static_cast<double>(parm.size())); });
    // New numbers must be read: a mixture loaded before would otherwise be kept.
    m_PriznakNacteni = 0;
    Variant loaded(int16_t{0});
    step([&] { loaded = Inikwl(); });
    if (loaded.toInteger() == 0 && showsResultMessages()) {
        platform::msgBox("Nemohu načíst z " + m_DataFileName + "!", 16, "KWELAR");
        return;
    }
    m_PriznakNacteni = 0;
}

Variant Smes::Nsloz() const {
    return Variant(m_Nsloz);
}

void Smes::Nsloz(const Variant& value) {
    if (!(value < Variant(m_Nsloz))) return;
    m_Nsloz = value.toInteger();
    m_CislaSlozek(m_Nsloz + 1) = 0;
    forgetPropertyValues();
}

void Smes::ResetujSmes() {
    m_Nsloz = 0;
    m_PriznakNacteni = 0;
    m_ChyboveHlasky = 0;
    for (int32_t i = 1; i <= MaxComponents; ++i) {
        m_CislaSlozek(i) = 0;
        m_Slozka(i).N = 0;
        m_Slozka(i).Nazev = std::string(ZaznamLatky::NazevWidth, ' ');
    }
    forgetPropertyValues();
    if (m_okna) m_okna->recreateComponentChoice();
}

Smes::Definition Smes::definition() const {
    return {m_Nsloz, m_CislaSlozek, m_Slozka, m_PriznakNacteni, m_ChyboveHlasky};
}

void Smes::restoreDefinition(const Definition& d) {
    m_Nsloz = d.Nsloz;
    m_CislaSlozek = d.CislaSlozek;
    m_Slozka = d.Slozka;
    m_PriznakNacteni = d.PriznakNacteni;
    m_ChyboveHlasky = d.ChyboveHlasky;
    forgetPropertyValues();
}

// ---- Settings ---------------------------------------------------------------------------

std::string Smes::SNazev() const {
    return m_SNazev;
}
void Smes::SNazev(const std::string& value) {
    m_SNazev = value;
}

std::string Smes::DataFileName() const {
    return m_DataFileName;
}
void Smes::DataFileName(const std::string& value) {
    if (!value.empty()) m_DataFileName = value;
}

std::string Smes::CFGPath() const {
    return m_CFGPath;
}
void Smes::CFGPath(const std::string& value) {
    if (!value.empty()) m_CFGPath = value;
    m_CFGPath = folderWithSlash(m_CFGPath);
}

std::string Smes::CFGName() const {
    return m_CFGName;
}
void Smes::CFGName(const std::string& value) {
    m_CFGName = value;
}

bool Smes::Redlich() const {
    return m_Redlich;
}
void Smes::Redlich(bool value) {
    m_Redlich = value;
}

void Smes::MezeZap() {
    m_MezeTeplot = 1;
}
void Smes::MezeVyp() {
    m_MezeTeplot = 0;
}

} // namespace kwelar
