#include "ToviC/Tovi.h"

#include "ToviC/DimensionCode.h"
#include "ToviC/NumberDisplay.h"
#include "ToviC/UnitText.h"

#include "Platform/CodePage.h"
#include "Platform/Conversions.h"
#include "Platform/FileSystem.h"
#include "Platform/RunTimeError.h"

namespace tovi {

namespace {

std::string& userFolder() {
    static std::string folder = k::userFileFolder;
    return folder;
}

Exponents exponentsOf(const platform::Array<int16_t>& tp) {
    Exponents e{};
    for (int i = 0; i < k::baseDimensions; ++i)
        e[static_cast<size_t>(i)] = tp(i);
    return e;
}

} // namespace

std::string Tovi::userFileFolder() {
    return userFolder();
}
void Tovi::setUserFileFolder(std::string folder) {
    userFolder() = std::move(folder);
}

Tovi::Tovi() {
    Inicializace();
}

Tovi::~Tovi() = default;

int16_t Tovi::Ncelk() const {
    return m_table.count();
}
void Tovi::Ncelk(int16_t n) {
    m_table.setCount(n);
}

void Tovi::Inicializace() {
    m_table.build(platform::joinPath(userFileFolder(), k::userFileName));
    m_last.sourceExponents = {};
    m_last.targetExponents = {};
}

platform::Variant Tovi::Prevod(std::string& Buf) {
    int16_t ch = 0;
    return Prevod(Buf, ch);
}

platform::Variant Tovi::Prevod(std::string& Buf, int16_t& CH) {
    std::string text = std::move(Buf);
    Buf.clear();
    return readTypedValue(m_table, std::move(text), CH, nullptr, m_last);
}

platform::Variant Tovi::Prevod(std::string& Buf, int16_t& CH, std::string& Rozmer) {
    std::string text = std::move(Buf);
    Buf.clear();
    return readTypedValue(m_table, std::move(text), CH, &Rozmer, m_last);
}

platform::Variant Tovi::Dekodr(std::string Brozm, double& s, platform::Array<int16_t>& sk, int16_t& CH) {
    for (int i = 0; i < k::baseDimensions; ++i)
        sk(i) = 0;
    Exponents e{};
    const int16_t count = decodeUnitText(m_table, Brozm, s, e, CH);
    for (int i = 0; i < k::baseDimensions; ++i)
        sk(i) = e[static_cast<size_t>(i)];
    return platform::Variant(count);
}

platform::Variant Tovi::DeTyp(int32_t Typp, platform::Array<int16_t>& Tp) {
    const Exponents e = splitCode(Typp);
    for (int i = 0; i < k::baseDimensions; ++i)
        Tp(i) = e[static_cast<size_t>(i)];
    return platform::Variant(highestIndex(e));
}

platform::Variant Tovi::Rdef() {
    if (m_last.source.empty()) return platform::Variant(std::string());
    return platform::Variant(siText(m_last.sourceExponents));
}

int32_t Tovi::NaTyp(const platform::Array<int16_t>& Tp) {
    return packCode(exponentsOf(Tp));
}

platform::Variant Tovi::RoundX(const platform::Variant& X) {
    return platform::Variant(displayText(X.toDouble()));
}

std::string Tovi::Radek(const std::string& Tx, platform::Variant& j) {
    const int32_t start = j.toLong();
    if (start < 1) platform::raise(platform::err::InvalidCall);
    // Positions count characters; find the byte where character `start` begins.
    size_t byte = 0;
    int32_t position = 1;
    while (position < start && byte < Tx.size()) {
        ++byte;
        while (byte < Tx.size() && (static_cast<unsigned char>(Tx[byte]) & 0xC0) == 0x80)
            ++byte;
        ++position;
    }
    const size_t cr = position == start ? Tx.find('\r', byte) : std::string::npos;
    if (cr == std::string::npos) return " ";
    std::string line = Tx.substr(byte, cr - byte);
    const int64_t next = static_cast<int64_t>(start) + static_cast<int64_t>(platform::charCount(line)) + 2;
    j = platform::Variant(platform::toLong(static_cast<double>(next)));
    return line;
}

platform::Variant Tovi::Zkr(int16_t i) const {
    return platform::Variant(m_table.row(i).Zkr);
}

ToviOkna* Tovi::okna() {
    if (!m_okna) m_okna = createToviOkna(*this);
    return m_okna.get();
}

void Tovi::ZobrazPrehled() {
    ToviOkna* w = okna();
    if (!w) return;
    std::vector<std::string> abbreviations;
    for (int16_t i = 1; i <= Ncelk(); ++i)
        abbreviations.push_back(m_table.row(i).Zkr);
    w->showList(abbreviations);
}

void Tovi::Prepocet() {
    if (ToviOkna* w = okna()) w->showConversion();
}

void Tovi::mPrehled_Zavrit() {
    if (m_okna) m_okna->hideList();
}

void Tovi::mPrep_ZavritP() {
    if (m_okna) m_okna->hideConversion();
}

} // namespace tovi
