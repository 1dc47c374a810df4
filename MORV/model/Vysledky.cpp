#include "MORV/model/Vysledky.h"

#include "Platform/Conversions.h"
#include "Platform/Format.h"

namespace morv {

namespace {

const std::string Crlf = "\r\n";

std::string tabs(int16_t n) {
    return std::string(n > 0 ? static_cast<size_t>(n) : 0u, '\t');
}

//! The number a box shows, read with the regional settings into single precision.
platform::Variant boxNumber(const std::string& text) {
    return platform::Variant(static_cast<float>(platform::regionalNumber(text)));
}

//! The code designation with at least three digits when it reads as a number; otherwise the
//! text as it stands.
std::string codeText(const std::string& code) {
    double x = 0.0;
    if (platform::tryRegionalNumber(code, x)) return platform::format(x, "#000");
    return code;
}

// Tab counts of the lines built from the window's label arrays.
constexpr int16_t constructionTabs[23] = {4, 3, 1, 4, 3, 3, 3, 3, 3, 2, 1, 2,
                                          2, 3, 2, 3, 2, 3, 2, 3, 3, 2, 3};
constexpr int16_t propertyTabs[7] = {3, 3, 2, 3, 3, 2, 3};
constexpr int16_t heatTransferTabs[21] = {2, 2, 2, 3, 2, 2, 2, 3, 2, 2, 3, 3, 3, 3, 3, 3, 3, 2, 3, 3, 4};
constexpr int16_t tubeDropTabs[15] = {3, 3, 3, 2, 2, 2, 3, 3, 2, 2, 3, 3, 2, 2, 2};
constexpr int16_t shellDropTabs[15] = {2, 3, 2, 2, 2, 2, 3, 3, 2, 2, 3, 3, 2, 2, 2};

} // namespace

void PridejRadek(ProgramState& state, std::string& target, const std::string& label,
                 const platform::Variant& value, int16_t n) {
    target += label + tabs(n);
    target += state.Prevodnik().RoundX(value).toString() + Crlf;
}

void PridejRadek2(ProgramState& state, std::string& target, const std::string& label,
                  const platform::Variant& value1, const platform::Variant& value2, int16_t n) {
    target += label + tabs(n);
    target += state.Prevodnik().RoundX(value1).toString() + "\t";
    target += state.Prevodnik().RoundX(value2).toString() + Crlf;
}

void VypisVysledky(ProgramState& st, const ReportBoxes& b) {
    std::string& v = st.Vysledky;
    TARMST& m = st.Vymenik();
    TARMMORV& k = st.Kondenzator();
    tovi::Tovi& t = st.Prevodnik();
    auto R = [&](const platform::Variant& x) { return t.RoundX(x).toString(); };
    auto line2 = [&](const std::string& label, int16_t n1, const std::string& a, int16_t n2,
                     const std::string& c) { v += label + tabs(n1) + a + tabs(n2) + c + Crlf; };
    using platform::Variant;

    v += "VÝPOČET TRUBKOVÉHO KONDENZÁTORU" + Crlf + Crlf;
    v += "Název:    " + m.Nazev + tabs(2) + "KodZn.:  " + codeText(m.Kod) + tabs(2) +
         "Č.aparátu: " + std::to_string(static_cast<int16_t>(m.Numb)) + Crlf;
    v += Crlf + "Základní parametry (zákl. jednotky SI):" + Crlf + tabs(4) + "Trubky" + tabs(2) + "Plášť" +
         Crlf;
    line2("Skupenství", 3, m.TrubKap ? "kapalné" : "plynné", 2, m.PlastKap ? "kapalné" : "plynné");
    line2("Hmotový průtok (kg/s)", 2, R(m.Tr().m()), 2, R(m.Pl().m()));
    line2("Hmotový průtok (kg/h)", 2, R(m.Tr().m() * 3600.0), 2, R(m.Pl().m() * 3600.0));
    line2("Vstupní teplota (°C)", 3, R(static_cast<float>(m.Ttrubi)), 2, R(static_cast<float>(m.Tplasti)));
    line2("Výstupní teplota (°C)", 2, R(static_cast<float>(m.Ttrubo)), 2, R(static_cast<float>(m.Tplasto)));
    line2("Vstupní tlak (MPa)", 3, R(m.Tr().P() / 1000000.0), 2, R(m.Pl().P() / 1000000.0));
    v += "Převedené teplo (kW)" + tabs(3) + R(static_cast<double>(m.Q) / 1000.0) + Crlf;
    v += "Teplosměnná plocha (m2)" + tabs(3) + R(static_cast<float>(m.Plocha)) + Crlf;

    v += Crlf + "Konstrukční parametry (zákl. jednotky SI):" + Crlf;
    v += "Typ kondezátoru " + tabs(3) + (m.Natok == 0 ? "HORIZONTÁLNÍ" : "VERTIKÁLNÍ") + Crlf;
    for (size_t i = 0; i < 23; ++i)
        PridejRadek(st, v, b.lblKo[i], boxNumber(b.txtPark[i]), constructionTabs[i]);

    v += Crlf + "Fyzikální parametry:" + Crlf;
    auto stream = [&](const char* heading, Proud& s, size_t side) {
        v += heading + tabs(3) + "Xhmot" + tabs(1) + "Xmol" + Crlf;
        const int16_t n = s.S().Nsloz().toInteger();
        for (int16_t i = 1; i <= n; ++i)
            PridejRadek2(st, v, s.S().Nazev(i), Variant(s.Xh(i)), Variant(s.Xm(i)), 2);
        for (size_t j = 0; j < 7; ++j)
            PridejRadek(st, v, b.lblSl[j], Variant(b.txtSl[2 * j + side]), propertyTabs[j]);
    };
    stream("Trubkový prostor", m.Tr(), 0);
    stream("Plášťový prostor", m.Pl(), 1);
    v += "Kondenzát" + Crlf;
    v += "Hustota kondenzátu (kg/m3)" + tabs(3) + platform::format(k.Hustko, "#.0") + Crlf;
    v += "Viskozita kondenzátu (Pa.s)" + tabs(3) + R(static_cast<float>(k.Viskko)) + Crlf;
    v += "Tepelná kapacita kondenzátu (J/kg/K)" + tabs(2) + platform::format(k.Cpko, "#.0") + Crlf;
    v += "Prandtlovo č. kondenzátu" + tabs(3) + platform::format(k.Prko, "#.00") + Crlf;

    v += Crlf + "Parametry přestupu tepla:" + Crlf;
    for (size_t i = 0; i < 21; ++i)
        PridejRadek(st, v, b.lblTran[i], boxNumber(b.txtTr[i]), heatTransferTabs[i]);
    v += "Prandtlovo č. plášť (kond)" + tabs(3) + platform::numberText(k.Prko, true) + Crlf;
    v += "Archimedovo č. plášť" + tabs(3) + platform::numberText(k.Ar, true) + Crlf;
    v += "Kriterium K32 plášť" + tabs(4) + platform::numberText(k.K32, true) + Crlf;
    v += "Obsah nekondenzujících inertů (mol.zl.)" + tabs(2) + R(static_cast<float>(k.Xinert)) + Crlf;
    v += "Metoda výpočtu" + tabs(4) + platform::numberText(k.MetodaP) + Crlf;

    v += Crlf + "Tlaková ztráta:" + Crlf + "Trubkový prostor" + Crlf;
    for (size_t i = 0; i < 15; ++i)
        PridejRadek(st, v, b.lblDp[i], Variant(b.txtDp[i]), tubeDropTabs[i]);
    v += "Plášťový prostor" + Crlf;
    for (size_t i = 0; i < 15; ++i) {
        PridejRadek(st, v, b.lblDp[15 + i], Variant(b.txtDp[15 + i]), shellDropTabs[i]);
        if (i == 1) {
            PridejRadek(st, v, "Re z hydraulického průměru", t.RoundX(m.Reh), 3);
            PridejRadek(st, v, "Hydraulický průměr (m)", t.RoundX(m.dh), 3);
            PridejRadek(st, v, "Počet přepážek v plášti", t.RoundX(m.Nprep), 3);
            PridejRadek(st, v, "Viskozitní korekce", t.RoundX(m.VisKor), 4);
        }
    }
    v += Crlf + Crlf;
}

} // namespace morv
