#include "Platform/Format.h"
#include "RalvoC1/RalvoConstants.h"
#include "RalvoC1/interpret/Interpret.h"

namespace ralvo {

using platform::Variant;
using platform::VArray;

namespace {

// The residuals of a system given as texts: F(i) is the value of text i at X. The message
// mode starts at 0 for every evaluation of the system; each text runs in the mode that the
// text before it left behind, so after a failure the following texts show fewer messages.
class TextResiduals : public Uloha {
public:
    TextResiduals(const Interpret& interpret, const Texts& Rov, const VArray& Pr)
        : m_interpret(interpret), m_Rov(Rov), m_Pr(Pr) {}

    void Fun(VArray& X, VArray& F, Variant& n, VArray&) override {
        int16_t mode = 0;
        for (int32_t i = 1, count = n.toLong(); i <= count; ++i)
            F(i) = m_interpret.Interp(m_Rov(i), mode, m_Pr, X);
    }

private:
    const Interpret& m_interpret;
    const Texts& m_Rov;
    const VArray& m_Pr;
};

// The objective given as a text. The message mode starts at 0 for the solve; each evaluation
// runs in the mode that the one before it left behind.
class TextObjective : public Uloha {
public:
    TextObjective(const Interpret& interpret, const std::string& Rov, const VArray& Pr)
        : m_interpret(interpret), m_Rov(Rov), m_Pr(Pr) {}

    Variant F(VArray& X) override { return m_interpret.Interp(m_Rov, m_mode, m_Pr, X); }

private:
    const Interpret& m_interpret;
    const std::string& m_Rov;
    const VArray& m_Pr;
    int16_t m_mode = 0;
};

} // namespace

VArray Interpret::constantsTable(const VArray& z) {
    VArray Pr(0, constants::textConstants, 0, 2);
    for (int16_t i = 1; i <= constants::textConstants; ++i) {
        Pr(i, 1) = Variant("Z" + platform::format(i, "#0"));
        Pr(i, 2) = z(i);
    }
    return Pr;
}

Variant Interpret::NewtonI(const Texts& Rov, Variant n, Variant Nunknown, Variant NProm, VArray& X,
                           VArray& ipom, VArray& z, Variant& ID, std::optional<Variant> Eps,
                           std::optional<Variant> ALAM, std::optional<Variant> NITER,
                           std::optional<Variant> Delta) const {
    const VArray Pr = constantsTable(z);
    TextResiduals residuals(*this, Rov, Pr);
    Ralvo solver;
    return solver.Newton(residuals, std::move(n), std::move(Nunknown), std::move(NProm), X, ipom, z, ID,
                         std::move(Eps), std::move(ALAM), std::move(NITER), std::move(Delta));
}

Variant Interpret::FminI(const std::string& Rov, Variant n, VArray& X, VArray& z, std::optional<Variant> EPSA,
                         Variant* itmax) const {
    const VArray Pr = constantsTable(z);
    TextObjective objective(*this, Rov, Pr);
    Ralvo minimiser;
    return minimiser.Fmin(objective, std::move(n), X, std::move(EPSA), itmax);
}

Variant Interpret::Fmin1I(const std::string& Rov, Variant NX, VArray& X, VArray& z,
                          std::optional<Variant> Eps, Variant* itmax) const {
    const VArray Pr = constantsTable(z);
    TextObjective objective(*this, Rov, Pr);
    Ralvo minimiser;
    return minimiser.Fmin1(objective, std::move(NX), X, std::move(Eps), itmax);
}

} // namespace ralvo
