#include "KWELARdll/model/Smes.h"

#include "KWELARdll/model/KwelarConstants.h"
#include "Platform/Checked.h"
#include "Platform/CodePage.h"

#include <cmath>

namespace kwelar {

using platform::RunTimeError;
using platform::Variant;
using platform::VArray;
namespace chk = platform::chk;
using chk::add, chk::sub, chk::mul, chk::div;

// ---- Results of the equation of state ---------------------------------------------------

Variant Smes::perKilogram(const Variant& molar, const VArray& r) {
    if (molar.isEmpty()) return Variant();
    const double value = molar.toDouble();
    return Variant(div(value, VSM(r).toDouble()));
}

Variant Smes::RUG(const Variant& T, const Variant& p, const VArray& r) {
    realGas(false, T, p, r);
    return m_URG;
}

Variant Smes::RUGW(const Variant& T, const Variant& p, const VArray& r) {
    realGas(false, T, p, r);
    return perKilogram(m_URG, r);
}

Variant Smes::RHG(const Variant& T, const Variant& p, const VArray& r) {
    realGas(false, T, p, r);
    return m_HRG;
}

Variant Smes::RHGW(const Variant& T, const Variant& p, const VArray& r) {
    realGas(false, T, p, r);
    return perKilogram(m_HRG, r);
}

Variant Smes::RSG(const Variant& T, const Variant& p, const VArray& r) {
    realGas(false, T, p, r);
    return m_SRG;
}

Variant Smes::RSGW(const Variant& T, const Variant& p, const VArray& r) {
    realGas(false, T, p, r);
    return perKilogram(m_SRG, r);
}

Variant Smes::RCPG(const Variant& T, const Variant& p, const VArray& r) {
    realGas(false, T, p, r);
    return m_CpRG;
}

Variant Smes::RCPGW(const Variant& T, const Variant& p, const VArray& r) {
    realGas(false, T, p, r);
    return perKilogram(m_CpRG, r);
}

Variant Smes::RCVG(const Variant& T, const Variant& p, const VArray& r) {
    realGas(false, T, p, r);
    return m_CvRG;
}

Variant Smes::RCVGW(const Variant& T, const Variant& p, const VArray& r) {
    realGas(false, T, p, r);
    return perKilogram(m_CvRG, r);
}

Variant Smes::Kapa(const Variant& T, const Variant& p, const VArray& r) {
    realGas(false, T, p, r);
    if (m_CpRG.isEmpty() || m_CvRG.isEmpty()) return Variant();
    return Variant(div(m_CpRG.toDouble(), m_CvRG.toDouble()));
}

Variant Smes::LnFug(const Variant& T, const Variant& p, const VArray& r) {
    realGas(false, T, p, r);
    return m_LnFugRG;
}

Variant Smes::JTkoef(const Variant& T, const Variant& p, const VArray& r) {
    realGas(false, T, p, r);
    return m_JTRG;
}

// ---- Density ----------------------------------------------------------------------------

// rho = RoRG [mol/cm3] 1e6 [cm3/m3] sum r_i M_i [kg/mol], the molar mass from the caller's
// fractions. On the condenser model's main road: no text is built unless an error is reported.
Variant Smes::RROGW(const Variant& T, const Variant& p, const VArray& r) {
    // The Lee-Kesler density is kept with the molar density it leaves behind, which a kept
    // value leaves behind too.
    const KeptProperty member = KeptProperty::RROGW;
    if (!m_Redlich) {
        const int kept = keptPropertyEntry(member, T, r, &p);
        if (kept >= 0) {
            const PropertyValues& row = m_propertyValues[static_cast<size_t>(member)];
            m_RoRG = Variant(row.density[kept]);
            return Variant(row.value[kept]);
        }
    }
    const uint64_t anomalies = m_anomalies;
    Variant value = realGasDensity(T, p, r);
    if (!m_Redlich && m_anomalies == anomalies && m_RoRG.type() == platform::VarType::Double)
        keepPropertyValue(member, T, r, value, &p, m_RoRG.toDouble());
    return value;
}

Variant Smes::realGasDensity(const Variant& T, const Variant& p, const VArray& r) {
    try {
        realGas(true, T, p, r);
        if (m_RoRG.isEmpty()) return Variant();
        double M = 0.0;
        for (int16_t i = 1; i <= m_Nsloz; ++i)
            M = add(M, mul(r(i).toDouble(), point(i, MolarMassPoint)));
        return Variant(mul(mul(CubicCentimetrePerCubicMetre, m_RoRG.toDouble()), M));
    } catch (const RunTimeError& e) {
        HlasChybu("RROGW", errorSource("RROGW", T, p), e);
        return Variant();
    }
}

// ---- Pseudo-critical values -------------------------------------------------------------

Variant Smes::PSEUD(const VArray& r, const std::string& typ) {
    m_TKRITsm = Variant(0.0);
    m_PKRITsm = Variant(0.0);
    m_VKRITsm = Variant(0.0);
    m_ZKRITsm = Variant(0.0);
    m_Msm = Variant(0.0);
    const Variant refused("PSEUD?");
    const int16_t n = m_Nsloz;
    if (n <= 0 && showsResultMessages() && counterFree()) {
        countedBox("Směs není definována!", 48, "KWELAR");
        return refused;
    }
    double s = 0.0;
    for (int16_t i = 1; i <= n; ++i) {
        m_SlozeniSmesi(i) = r(i);
        s = add(s, m_SlozeniSmesi(i).toDouble());
    }
    bool normalise = false;
    if (std::fabs(s - 1.0) > PseudoCriticalSumTolerance && showsResultMessages() && counterFree()) {
        countedBox("Směs složení není definováno nebo normalizováno!", 48, "KWELAR");
        if (!(s > PseudoCriticalMinSum)) return refused;
        normalise = true;
    }
    // Mole-fraction averages; Zc_i = pc_i Vc_i / (R Tc_i).
    double Tc = 0.0, Vc = 0.0, Zc = 0.0, M = 0.0;
    const Variant sum(s);
    for (int16_t i = 1; i <= n; ++i) {
        if (normalise) m_SlozeniSmesi(i) = m_SlozeniSmesi(i) / sum;
        const double x = m_SlozeniSmesi(i).toDouble();
        const double Tci = point(i, CriticalTemperaturePoint);
        const double Vci = point(i, CriticalVolumePoint);
        M = add(M, mul(x, point(i, MolarMassPoint)));
        Vc = add(Vc, mul(x, Vci));
        Tc = add(Tc, mul(x, Tci));
        Zc = add(Zc, div(mul(mul(x, point(i, CriticalPressurePoint)), Vci), mul(GasConstant, Tci)));
    }
    m_Msm = Variant(M);
    m_VKRITsm = Variant(Vc);
    m_TKRITsm = Variant(Tc);
    m_ZKRITsm = Variant(Zc);
    m_PKRITsm = Variant(div(mul(mul(Zc, GasConstant), Tc), Vc));
    const std::string which = platform::upperCase(typ);
    if (which == "T") return m_TKRITsm;
    if (which == "P") return m_PKRITsm;
    if (which == "V") return m_VKRITsm;
    if (which == "Z") return m_ZKRITsm;
    if (which == "M") return m_Msm;
    return refused;
}

// ---- Dense-gas transport ----------------------------------------------------------------
// Both members start from the pseudo-critical mixture (PSEUD) and its reduced density
// rr = rho Vc / M, rho the real-gas density RROGW [kg/m3]; a density left empty by a reported
// error gives an empty result, as does an empty low-pressure value.

bool Smes::reducedDensity(const Variant& T, const Variant& p, const VArray& r, double& rhoR) {
    PSEUD(r, "");
    const Variant rho = RROGW(T, p, r);
    if (rho.isEmpty()) return false;
    rhoR = div(mul(rho.toDouble(), m_VKRITsm.toDouble()), m_Msm.toDouble());
    return true;
}

// eta = eta0 + 1.08e-4 (exp(1.439 rr) - exp(-1.111 rr^1.858)) / xi [cP],
// xi = Tc^(1/6) / (M^(1/2) pc^(2/3)) with M [g/mol] and pc [atm].
Variant Smes::RETAG(const Variant& T, const Variant& p, const VArray& r) {
    try {
        double rhoR = 0.0;
        if (!reducedDensity(T, p, r, rhoR)) return Variant();
        const double root = chk::sqrt(mul(GramPerKilogram, m_Msm.toDouble()));
        const double pc = div(m_PKRITsm.toDouble(), PascalPerAtmosphere);
        const double xi = div(chk::pow(m_TKRITsm.toDouble(), 1.0 / 6.0), mul(root, chk::pow(pc, 2.0 / 3.0)));
        const Variant eta0 = ETAG(T, r);
        if (eta0.isEmpty()) return Variant();
        const double e1 = chk::exp(mul(DenseViscosityExponent1, rhoR));
        const double e2 = chk::exp(-mul(DenseViscosityExponent2, chk::pow(rhoR, DenseViscosityPower)));
        const double excess = mul(DenseViscosityFactor, sub(e1, e2));
        return Variant(add(eta0.toDouble(), div(div(excess, xi), CentipoisePerPascalSecond)));
    } catch (const RunTimeError& e) {
        HlasChybu("RETAG", errorSource("RETAG", T), e);
        return Variant();
    }
}

// lambda = lambda0 + Delta(rr) / Gamma / Zc^5, Gamma = Tc^(1/6) M^(1/2) / pc^(2/3) with M [g/mol]
// and pc [atm], Delta by bands of rr, the method's constants converted from cal/(cm s K).
Variant Smes::RALAG(const Variant& T, const Variant& p, const VArray& r) {
    try {
        double rhoR = 0.0;
        if (!reducedDensity(T, p, r, rhoR)) return Variant();
        const double root = chk::sqrt(mul(GramPerKilogram, m_Msm.toDouble()));
        const double pc = div(m_PKRITsm.toDouble(), PascalPerAtmosphere);
        const double Gamma =
            div(mul(chk::pow(m_TKRITsm.toDouble(), 1.0 / 6.0), root), chk::pow(pc, 2.0 / 3.0));
        double Delta;
        if (rhoR <= DenseConductivityBand1) {
            Delta = mul(DenseConductivityFactor1, sub(chk::exp(mul(DenseConductivityExponent1, rhoR)), 1.0));
        } else if (rhoR <= DenseConductivityBand2) {
            Delta = mul(DenseConductivityFactor2,
                        sub(chk::exp(mul(DenseConductivityExponent2, rhoR)), DenseConductivityShift2));
        } else {
            // Constant above the end of the third band: its value there.
            const double rr = rhoR < DenseConductivityBand3 ? rhoR : DenseConductivityBand3;
            Delta = mul(DenseConductivityFactor3,
                        add(chk::exp(mul(DenseConductivityExponent3, rr)), DenseConductivityShift3));
        }
        const Variant lambda0 = ALAG(T, r);
        if (lambda0.isEmpty()) return Variant();
        const double Zc = m_ZKRITsm.toDouble();
        const double Zc5 = mul(mul(mul(mul(Zc, Zc), Zc), Zc), Zc);
        return Variant(add(lambda0.toDouble(), div(div(Delta, Gamma), Zc5)));
    } catch (const RunTimeError& e) {
        HlasChybu("RALAG", errorSource("RALAG", T, p), e);
        return Variant();
    }
}

// ---- Dimensionless numbers --------------------------------------------------------------

Variant Smes::PrG(const Variant& T, const Variant& p, const VArray& r) {
    const Variant cp = RCPGW(T, p, r);
    const Variant eta = RETAG(T, p, r);
    const Variant lambda = RALAG(T, p, r);
    if (cp.isEmpty() || eta.isEmpty() || lambda.isEmpty()) return Variant();
    return Variant(div(mul(cp.toDouble(), eta.toDouble()), lambda.toDouble()));
}

Variant Smes::ReG(const Variant& T, const Variant& p, const VArray& r, const Variant& v, const Variant& d) {
    const Variant rho = RROGW(T, p, r);
    const Variant eta = RETAG(T, p, r);
    if (rho.isEmpty() || eta.isEmpty()) return Variant();
    const double vd = mul(v.toDouble(), d.toDouble());
    return Variant(div(mul(vd, rho.toDouble()), eta.toDouble()));
}

} // namespace kwelar
