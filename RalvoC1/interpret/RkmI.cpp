#include "RalvoC1/RalvoConstants.h"
#include "RalvoC1/interpret/Interpret.h"
#include "RalvoC1/interpret/Operands.h"

#include <vector>

namespace ralvo {

using platform::Variant;
using platform::VArray;

namespace {

// The right-hand sides of a system given as texts. Before the texts are evaluated, Y(0)
// receives x; derivative i goes to DY(i) and to Y(10 + i), where the texts after it can read
// it. The message mode starts at 0 for every evaluation of the system.
//
// It also notes what the integrator's end tells apart: the trial steps made (five
// evaluations each) and the abscissa x0 at which the last of them started, with the state
// there, the last accepted point. A text that cannot be evaluated ends the integration: its
// failure value -9999 is no derivative.
class TextDerivatives : public Uloha {
public:
    //! Thrown out of the integrator by the first evaluation that fails.
    struct EvaluationFailed {};

    TextDerivatives(const Interpret& interpret, const Texts& Rov, const VArray& Pr)
        : m_interpret(interpret), m_Rov(Rov), m_Pr(Pr) {}

    void FKT(Variant& nn, Variant& x, VArray& Y, VArray& DY, VArray&) override {
        const int32_t count = nn.toLong();
        if (m_evaluations % stagesPerStep == 0) {
            m_stepStart = x;
            m_stateAtStart.assign(static_cast<size_t>(count > 0 ? count : 0), Variant());
            for (int32_t i = 1; i <= count; ++i)
                m_stateAtStart[static_cast<size_t>(i - 1)] = Y(i);
        }
        ++m_evaluations;
        Y(0) = x;
        int16_t mode = 0;
        for (int32_t i = 1; i <= count; ++i) {
            DY(i) = m_interpret.Interp(m_Rov(i), mode, m_Pr, Y);
            if (mode < 0) throw EvaluationFailed{};
            Y(constants::textConstants + i) = DY(i);
        }
    }

    //! True when the integrator stopped at its step limit before the step that ends at xe:
    //! a call that reaches xe ends with xb = x0 + (xe - x0) for the start x0 of its last step.
    bool stoppedShort(const Variant& xb, const Variant& xe) const {
        const bool allStepsUsed = m_evaluations == int64_t{stagesPerStep} * constants::rkmStepLimit;
        return allStepsUsed && !(xb == m_stepStart + (xe - m_stepStart));
    }

    //! Puts xb and Y(1..nn) back to the start of the step in progress, the last accepted point.
    void backToStepStart(Variant& xb, VArray& Y) const {
        xb = m_stepStart;
        for (size_t i = 0; i < m_stateAtStart.size(); ++i)
            Y(static_cast<int32_t>(i + 1)) = m_stateAtStart[i];
    }

private:
    static constexpr int stagesPerStep = 5;

    const Interpret& m_interpret;
    const Texts& m_Rov;
    const VArray& m_Pr;
    int64_t m_evaluations = 0;
    Variant m_stepStart;
    std::vector<Variant> m_stateAtStart;
};

} // namespace

void Interpret::RkmI(const Texts& Rov, Variant nn, Variant& xb, const Variant& xe, VArray& Y, Variant Delta,
                     Variant& Star, VArray& zz) {
    if (nn > Variant(constants::rkmIMaxEquations)) {
        interp::message("RkmI: počet rovnic > 10 ", "Interpret");
        Star = Variant(constants::chybnaHodnota);
        return;
    }
    const VArray Pr = constantsTable(zz);
    TextDerivatives derivatives(*this, Rov, Pr);
    try {
        m_integrator.Rkm(derivatives, nn, xb, xe, Y, std::move(Delta), Star, zz);
    } catch (const TextDerivatives::EvaluationFailed&) {
        // Ended as at the step limit: at the last accepted point, Star -9999.
        derivatives.backToStepStart(xb, Y);
        Star = Variant(constants::chybnaHodnota);
        return;
    }
    if (derivatives.stoppedShort(xb, xe)) Star = Variant(constants::chybnaHodnota);
}

} // namespace ralvo
