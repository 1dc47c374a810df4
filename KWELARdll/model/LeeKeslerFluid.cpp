#include "KWELARdll/model/LeeKeslerFluid.h"

#include "Platform/Checked.h"

#include <cmath>

namespace kwelar {

namespace chk = platform::chk;
using chk::add, chk::sub, chk::mul, chk::div;

LeeKeslerFluid::LeeKeslerFluid(const LeeKeslerConstants& k, double Tr) : m_k(k), m_Tr(Tr) {
    const double Tr2 = mul(Tr, Tr);
    const double Tr3 = mul(Tr2, Tr);
    // B = b1 - b2/Tr - b3/Tr^2 - b4/Tr^3, C = c1 - c2/Tr + c3/Tr^3, D = d1 + d2/Tr, F = c4/Tr^3
    m_B = sub(sub(sub(k.b1, div(k.b2, Tr)), div(k.b3, Tr2)), div(k.b4, Tr3));
    m_C = add(sub(k.c1, div(k.c2, Tr)), div(k.c3, Tr3));
    m_D = add(k.d1, div(k.d2, Tr));
    m_F = div(k.c4, Tr3);
}

double LeeKeslerFluid::Z(double rho) const {
    const double rho2 = mul(rho, rho);
    const double rho5 = mul(mul(rho2, rho2), rho);
    const double e = chk::exp(-mul(m_k.gamma, rho2));
    double Z = add(1.0, mul(m_B, rho));
    Z = add(Z, mul(m_C, rho2));
    Z = add(Z, mul(m_D, rho5));
    const double bracket = add(m_k.beta, mul(m_k.gamma, rho2));
    return add(Z, mul(mul(mul(m_F, rho2), bracket), e));
}

double LeeKeslerFluid::G(double rho) const {
    const double rho2 = mul(rho, rho);
    const double rho4 = mul(rho2, rho2);
    const double rho5 = mul(rho4, rho);
    const double e = chk::exp(-mul(m_k.gamma, rho2));
    double G = add(1.0, mul(mul(2.0, m_B), rho));
    G = add(G, mul(mul(3.0, m_C), rho2));
    G = add(G, mul(mul(6.0, m_D), rho5));
    const double bracket = sub(add(m_k.threeBeta, mul(m_k.gTerm2, rho2)), mul(m_k.gTerm3, rho4));
    return add(G, mul(mul(mul(m_F, rho2), e), bracket));
}

LeeKeslerFluid::Density LeeKeslerFluid::density(double pr, double rho, int passLimit) const {
    int counter = 0;
    for (;;) {
        const double Z0 = Z(rho);
        const double prc = mul(mul(Z0, m_Tr), rho);
        ++counter;
        double step = div(sub(pr, prc), mul(m_Tr, G(rho)));
        if (std::fabs(step) < LeeKeslerTolerance || counter > passLimit) return {rho, Z0};
        if (std::fabs(step) >= mul(LeeKeslerMaxStep, rho)) step = (step < 0.0 ? -1.0 : 1.0) * div(rho, 10.0);
        rho = add(rho, step);
    }
}

LeeKeslerFluid::Departures LeeKeslerFluid::departures(double rho, double Z) const {
    const LeeKeslerConstants& k = m_k;
    const double Tr = m_Tr;
    const double Tr2 = mul(Tr, Tr);
    const double Tr3 = mul(Tr2, Tr);
    const double rho2 = mul(rho, rho);
    const double rho5 = mul(mul(rho2, rho2), rho);
    const double e = chk::exp(-mul(k.gamma, rho2));

    // E = F / (2 gamma) (beta + 1 - (beta + 1 + gamma rho^2) e)
    const double inner = mul(add(k.betaPlusOne, mul(k.gamma, rho2)), e);
    const double E = mul(div(m_F, k.twoGamma), sub(k.betaPlusOne, inner));

    // ln phi = Z - 1 - ln Z + B rho + C rho^2 / 2 + D rho^5 / 5 + E
    const double CHalf = add(sub(k.c1Half, div(k.c2Half, Tr)), div(k.c3Half, Tr3));
    double g = sub(sub(Z, 1.0), chk::log(Z));
    g = add(g, mul(m_B, rho));
    g = add(g, mul(CHalf, rho2));
    g = add(g, div(mul(m_D, rho5), 5.0));
    g = add(g, E);

    // (H - H_ig) / (R Tc) = Tr (Z - 1 - (rho/Tr)(b2 + 2b3/Tr + 3b4/Tr^2)
    //                          - (rho^2/(2Tr))(c2 - 3c3/Tr^2) + d2 rho^5/(5Tr) + 3E)
    const double bTerm = add(add(k.b2, div(k.twoB3, Tr)), div(k.threeB4, Tr2));
    const double cTerm = sub(k.c2, div(k.threeC3, Tr2));
    double h = sub(Z, 1.0);
    h = sub(h, mul(div(rho, Tr), bTerm));
    h = sub(h, mul(div(rho2, mul(2.0, Tr)), cTerm));
    h = add(h, div(mul(k.d2Fifth, rho5), Tr));
    h = add(h, mul(3.0, E));
    h = mul(Tr, h);

    // (Cv - Cv_ig) / R = 2 rho (b3 + 3b4/Tr) / Tr^2 - 3c3 rho^2 / Tr^3 - 6E
    double v = div(mul(mul(2.0, rho), add(k.b3, div(k.threeB4, Tr))), Tr2);
    v = sub(v, div(mul(k.threeC3, rho2), Tr3));
    v = sub(v, mul(6.0, E));

    // Z + Tr dZ/dTr = 1 + rho (b1 + b3/Tr^2 + 2b4/Tr^3) + rho^2 (c1 - 2c3/Tr^3) + d1 rho^5
    //                 - 2F rho^2 (beta + gamma rho^2) e
    double w = add(1.0, mul(rho, add(add(k.b1, div(k.b3, Tr2)), div(k.twoB4, Tr3))));
    w = add(w, mul(rho2, sub(k.c1, div(k.twoC3, Tr3))));
    w = add(w, mul(k.d1, rho5));
    w = sub(w, mul(mul(mul(mul(2.0, m_F), rho2), add(k.beta, mul(k.gamma, rho2))), e));

    return {g, h, v, w, G(rho)};
}

} // namespace kwelar
