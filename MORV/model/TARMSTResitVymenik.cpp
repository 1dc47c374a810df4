//! The exchanger model's own solve for an exchanger in which neither stream changes phase,
//! its residuals and the effectiveness of the P-NTU relation.

#include "MORV/model/DesignSolve.h"
#include "MORV/model/MorvConstants.h"
#include "MORV/model/ProgramState.h"
#include "MORV/model/SinglePhaseResiduals.h"
#include "MORV/model/TARMST.h"
#include "Platform/Checked.h"
#include "Platform/MessageBox.h"
#include "RalvoC1/numeric/Ralvo.h"

#include <cmath>

namespace morv {

namespace chk = platform::chk;
using platform::Variant;
using platform::VArray;
using platform::chk::Num;

namespace {

const std::string Title = "HE";
const std::string Crlf = "\r\n";

// Status values of ResitVymenik beside the Newton method's 0, 1 and 2.
const Variant wrongUnknowns(int16_t{3});
const Variant unrealisticData(int16_t{4});

} // namespace

Variant TARMST::ResitVymenik(std::optional<Variant> MaxIT) {
    const Variant iterations = MaxIT.value_or(Variant(k::singlePhaseIterations));

    if (!(L >= k::smallestDimension && Dplast >= k::smallestDimension)) {
        platform::msgBox("Nerálná konstrukční data! Zkontrolujte!", 16, Title);
        return unrealisticData;
    }
    if (!(Tr().m() >= k::smallestFlow && Pl().m() >= k::smallestFlow && Plocha >= k::smallestArea)) {
        platform::msgBox("Nerálná základní data! Zkontrolujte!", 16, Title);
        return unrealisticData;
    }

    // Positions 1 to 8 of the flagged quantities in the vector, ascending.
    VArray positions(0, k::mainQuantities);
    unknownPositions(*this, positions);
    if (!unknownsChosenRightly(*this)) {
        platform::msgBox("Nevybrali jste správně 3 neznámé k výpočtu!" + Crlf +
                             "Nebo zadáváte přeurčené známé (Q a údaje jednoho proudu)",
                         16, Title);
        return wrongUnknowns;
    }

    // Start values; k of them with the sum of the resistances in single precision.
    Alfakon = wallConductance(*this);
    Alfai0 = k::singlePhaseStartCoefficient;
    Alfao0 = k::singlePhaseStartCoefficient;
    Alfai = Alfai0;
    Alfao = Alfao0;
    const float q = chk::single(Num(Dtrubo) / Dtrubi);
    const float resistance =
        chk::single(1.0 / Num(Alfakon.toDouble()) + 1.0 / Num(Alfao.toDouble()) + Num(q) / Alfai.toDouble());
    Kprostup = 1.0 / Num(resistance);

    vectorFromFields(*this);

    FyzVlast();
    if (ReP.toDouble() < 0.0) {
        platform::msgBox("Záporné Re v plášti, zajistěte aby Dplast > Nstřed.Dtrubvněj", 16, Title);
        return Variant();
    }

    Variant ID;
    ralvo::Ralvo::app().Newton(*this, Variant(k::equations), Variant(k::equations),
                               Variant(k::mainQuantities), m_xx, positions, m_z, ID,
                               Variant(k::singlePhaseTolerance), Variant(k::singlePhaseDamping), iterations);

    if (ID > Variant(int16_t{0})) {
        ProgramState& state = program();
        Variant three(k::equations);
        FUN(m_xx, state.Rezidua, three, m_z);
        if (ID == Variant(int16_t{1})) {
            const Variant sum = state.Rezidua(1) + state.Rezidua(2) + state.Rezidua(3);
            platform::msgBox("Překročen max.počet iterací" + Crlf +
                                 "Suma reziduí = " + state.Prevodnik().RoundX(sum).toString(),
                             64, Title);
        }
        // A duty sought for a given area may have been estimated too small.
        if (IPOM(6) == 1 && IPOM(7) == 0)
            platform::msgBox("Možná chybný odhad převedeného teplo na zadanou plochu?" + Crlf +
                                 "Zadejte spíše větší odhad.",
                             64, Title);
        return ID;
    }

    Tr().m(xx(1).toDouble());
    Pl().m(xx(2).toDouble());
    Ttrubi = xx(3);
    Tplasti = xx(4);
    Ttrubo = xx(5);
    Tplasto = xx(6);
    Q = Num(k::dutyScale) * xx(7).toDouble();
    Plocha = Num(Ntrub) * xx(8).toDouble() * k::pi * Dtrubo;
    return ID;
}

void TARMST::FUN(VArray& xx, VArray& FF, Variant&, VArray&) {
    detail::TrialValues x = {};
    for (int16_t i = 1; i <= k::mainQuantities; ++i)
        x[i] = xx(i).toDouble();
    detail::singlePhaseResiduals(*this, x, FF, k::dutyScale);
}

void TARMST::Fun(VArray& X, VArray& F, Variant& n, VArray& z) {
    FUN(X, F, n, z);
}

Variant TARMST::P_TermUcin(const Variant& r, const Variant& ksW, const Variant& ip) const {
    const double R = r.toDouble();
    const double onePlusR = 1.0 + Num(R);
    const double D2 = Num(onePlusR) * onePlusR - 4.0 * Num(R) * ip.toDouble();
    const double D = D2 > 0.0 ? std::sqrt(D2) : k::radicandFallback;
    const double coth = Cotgh(Variant(Num(D) * ksW.toDouble() / 2.0)).toDouble();
    return Variant(2.0 / (onePlusR + Num(D) * coth));
}

Variant TARMST::Cotgh(const Variant& x) const {
    const double v = x.toDouble();
    if (!(v < k::cothCutOff)) return Variant(1.0);
    const double ep = chk::exp(v);
    const double em = chk::exp(-v);
    return Variant((Num(em) + ep) / (Num(ep) - em));
}

} // namespace morv
