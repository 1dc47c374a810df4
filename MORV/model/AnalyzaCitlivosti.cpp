#include "MORV/model/AnalyzaCitlivosti.h"

#include "MORV/model/DesignSolve.h"
#include "MORV/model/MorvConstants.h"
#include "Platform/Checked.h"
#include "Platform/Conversions.h"
#include "Platform/DecimalText.h"
#include "Platform/Format.h"

#include <array>
#include <cmath>
#include <memory>
#include <optional>

namespace morv {

using platform::Variant;

namespace {

const std::string Crlf = "\r\n";

//! The model field of main quantity i: a flow (i = 0, 1) as a double, the rest as singles.
double mainField(TARMST& m, int16_t i) {
    switch (i) {
    case 0:
        return m.Tr().m();
    case 1:
        return m.Pl().m();
    case 2:
        return m.Ttrubi;
    case 3:
        return m.Tplasti;
    case 4:
        return m.Ttrubo;
    case 5:
        return m.Tplasto;
    case 6:
        return m.Q;
    default:
        return m.Plocha;
    }
}

void setMainField(TARMST& m, int16_t i, double v) {
    switch (i) {
    case 0:
        m.Tr().m(v);
        break;
    case 1:
        m.Pl().m(v);
        break;
    case 2:
        m.Ttrubi = v;
        break;
    case 3:
        m.Tplasti = v;
        break;
    case 4:
        m.Ttrubo = v;
        break;
    case 5:
        m.Tplasto = v;
        break;
    case 6:
        m.Q = v;
        break;
    default:
        m.Plocha = v;
        break;
    }
}

//! Unknown number k (1 to 3) of the solved vector as its quantity: the duty, which the vector
//! holds divided by 10000, in W; the area, which it holds as the tube length, in m2.
double unknownQuantity(ProgramState& st, int16_t k) {
    TARMST& m = st.Vymenik();
    const int16_t code = st.Nezname(k).toInteger();
    const double x = m.xx(code).toDouble();
    if (code == 7) return k::dutyScale * x;
    if (code == 8) return x * m.Ntrub * k::pi * m.Dtrubo;
    return x;
}

//! A range as its points are formed: the decimals its bounds stand for (a single-precision
//! 0.1 is the decimal 0.1, not 0.100000001), so that k steps from the start meet the end the
//! user typed; points held in single precision unless a bound is a double.
struct Range {
    double start, end, step;
    bool single;

    Range(const Variant& from, const Variant& to, const Variant& by)
        : start(decimal(from)), end(decimal(to)), step(decimal(by)),
          single(from.type() != platform::VarType::Double && by.type() != platform::VarType::Double) {}

    //! Point k: start + k step; none once it passes the end by more than a millionth of the
    //! step (for a negative step: lies below it by more).
    std::optional<Variant> point(int k) const {
        const double v = start + k * step;
        const double past = step >= 0.0 ? v - end : end - v;
        if (past > 1e-6 * std::abs(step)) return std::nullopt;
        return single ? Variant(platform::chk::single(v)) : Variant(v);
    }

private:
    static double decimal(const Variant& x) {
        return x.type() == platform::VarType::Single
                   ? platform::decimalValue(platform::pointText(x.toDouble(), true))
                   : x.toDouble();
    }
};

//! The model as the last calculation left it, put back when the analysis ends, so that the
//! task in the window, the next analysis and the next calculation find it as they would
//! without the analysis: every field of the exchanger and condensation models, the streams'
//! flows (the analysis varies and solves them), the Newton vector and the unknowns' positions.
class CalculatedModel {
public:
    explicit CalculatedModel(ProgramState& st)
        : m_st(st), m_exchanger(st.Vymenik().fieldCopy()), m_condenser(st.Kondenzator().fieldCopy()),
          m_tubeFlow(st.Vymenik().Tr().m()), m_shellFlow(st.Vymenik().Pl().m()), m_VektorX(st.VektorX),
          m_Nezname(st.Nezname) {}
    ~CalculatedModel() {
        TARMST& m = m_st.Vymenik();
        m.restoreFields(*m_exchanger);
        m_st.Kondenzator().restoreFields(*m_condenser);
        m.Tr().m(m_tubeFlow);
        m.Pl().m(m_shellFlow);
        m_st.VektorX = m_VektorX;
        m_st.Nezname = m_Nezname;
    }
    CalculatedModel(const CalculatedModel&) = delete;
    CalculatedModel& operator=(const CalculatedModel&) = delete;

private:
    ProgramState& m_st;
    std::unique_ptr<TARMST> m_exchanger;
    std::unique_ptr<TARMMORV> m_condenser;
    double m_tubeFlow, m_shellFlow;
    platform::VArray m_VektorX, m_Nezname;
};

//! The line of a point whose calculation ended with a run-time error: the varied value, the
//! error's number and its description, with its source where it names one.
std::string pointErrorLine(ProgramState& st, const Variant& v, const platform::RunTimeError& e) {
    std::string why = e.description();
    if (!e.source().empty()) why = why.empty() ? e.source() : why + " (" + e.source() + ")";
    return "Výpočet pro hodnotu " + st.Prevodnik().RoundX(v).toString() + " skončil chybou č. " +
           platform::format(e.number(), "0") + ": " + why + ", analýza ukončena!" + Crlf;
}

} // namespace

const std::string analysisPressureDropCaptions = "   dPtr    dPpl";

const std::string& analysisListCaption(int16_t i) {
    static const std::array<std::string, 8> captions = {
        "Hmotový průtok v trubkách", "Hmotový průtok v plášti",   "Vstupní teplota do trubek",
        "Vstupní teplota do pláště", "Výstupní teplota z trubek", "Výstupní teplota z pláště",
        "Převedené teplo",           "Teplosměnná plocha"};
    return captions.at(static_cast<size_t>(i));
}

const std::string& analysisColumnCaption(int16_t i) {
    static const std::array<std::string, 8> captions = {
        "Hmot. průtok v trubkách", "Hmot. průtok v plášti", "Vstup. teplota trubky", "Vstup. teplota plášť",
        "Výstup. teplota trubky",  "Výstup. teplota plášť", "Převedené teplo (W)",   "Teplosměnná plocha"};
    return captions.at(static_cast<size_t>(i));
}

int analysisPointCount(const Variant& start, const Variant& end, const Variant& step, int limit) {
    const Range range(start, end, step);
    int n = 0;
    while (n < limit && range.point(n))
        ++n;
    return n;
}

void recordAnalysisPoint(ProgramState& st, std::string& T, const Variant& v, int16_t ID) {
    TARMST& m = st.Vymenik();
    tovi::Tovi& t = st.Prevodnik();
    // The lines are made whole before they join the table: a value without a text leaves none
    // of them behind.
    std::string lines;
    if (ID > 0)
        lines += "Následující řádek výpočtu nekonveroval! ID= " + platform::format(ID, "0") + ":" + Crlf;

    const std::array<double, 3> y = {unknownQuantity(st, 1), unknownQuantity(st, 2), unknownQuantity(st, 3)};
    const double dPtr = m.dPtr.toDouble(), dPpl = m.dPpl.toDouble();
    lines += t.RoundX(v).toString();
    for (double x : y)
        lines += "\t\t\t" + t.RoundX(Variant(x)).toString();
    lines += "\t\t    " + platform::format(dPtr, "#0") + "\t" + platform::format(dPpl, "#0") + Crlf;
    T += lines;

    const auto n = static_cast<size_t>(++st.AnalPocBodu);
    st.AnalX[n] = v.toDouble();
    for (size_t j = 0; j < 3; ++j)
        st.AnalY[j][n] = y[j];
    st.AnalY[3][n] = m.Pterm;
    st.AnalY[4][n] = m.Kprostup;
    st.AnalY[5][n] = dPtr;
    st.AnalY[6][n] = dPpl;
}

AnalysisOutcome analyzaCitlivosti(ProgramState& st, platform::Progress& bar) {
    // Whatever the points leave, the model is as the calculation left it once the analysis ends.
    const CalculatedModel calculated(st);
    AnalysisOutcome out;
    std::string& T = out.table;
    TARMST& m = st.Vymenik();

    bar.setVisible(true);
    T += Crlf + "ANALÝZA CITLIVOSTI" + Crlf + Crlf + st.AnalNazev;
    st.AnalHotovaNazev = st.AnalNazev;
    st.AnalHotovaNezname.fill(0);
    size_t unknown = 0;
    for (int16_t i = 0; i <= 7; ++i)
        if (m.IPOM(i) == 1) {
            T += "\t" + analysisColumnCaption(i);
            if (unknown < st.AnalHotovaNezname.size()) st.AnalHotovaNezname[unknown++] = int16_t(i + 1);
        }
    T += analysisPressureDropCaptions + Crlf;
    st.AnalPocBodu = 0;

    const int16_t varied = st.AnalProm;
    const Variant start = st.AnalPoc, end = st.AnalKon;
    const double span = (end - start).toDouble();
    try {
        const Range range(start, end, st.AnalKrok);
        std::optional<Variant> point;
        for (int n = 0; st.AnalPocBodu < k::maxAnalysisPoints && (point = range.point(n)); ++n) {
            const Variant& v = *point;
            try {
                setMainField(m, varied, v.toDouble());
                std::array<double, 8> estimates{};
                for (int16_t i = 0; i <= 7; ++i)
                    estimates[size_t(i)] = mainField(m, i);

                const DesignSolveResult r = designSolve(st, DesignSolveKind::AnalysisPoint);
                if (r.status != DesignSolveStatus::Solved) break;
                const int16_t ID = r.ID.toInteger();
                recordAnalysisPoint(st, T, v, ID);
                const float progress =
                    span == 0.0 ? 100.0f : static_cast<float>(100.0 * (v - start).toDouble() / span);
                bar.setValue(platform::toInteger(progress));

                // A failed iterate is no start for the next point: its estimates come back.
                if (ID > 0)
                    for (int16_t i = 0; i <= 7; ++i)
                        if (m.IPOM(i) == 1) setMainField(m, i, estimates[size_t(i)]);
            } catch (const platform::RunTimeError& e) {
                // The table says where and why it ends.
                T += pointErrorLine(st, v, e);
                out.error = e;
                break;
            }
        }
    } catch (const platform::RunTimeError& e) {
        // The range itself cannot be stepped on.
        out.error = e;
    }

    T += Crlf;
    st.Vysledky += T;
    bar.setVisible(false);
    st.AnalHotova = true;
    return out;
}

} // namespace morv
