#include "Platform/Conversions.h"
#include "Platform/MessageBox.h"
#include "RalvoC1/RalvoConstants.h"
#include "RalvoC1/numeric/Numbers.h"
#include "RalvoC1/numeric/Ralvo.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ralvo {

using platform::DArray;
using platform::Variant;
using platform::VArray;

namespace {

// The box shown when the trial limit is exceeded; the lines are separated by a carriage return.
void showTrialLimitBox(const Variant& limit) {
    const std::string text =
        "Překročen max.počet iterací  " +
        platform::numberText(limit.toDouble(), limit.type() == platform::VarType::Single) +
        "\rVýsledky nesplňují přesnost nebo jsou zcela chybné!" + "\rZměňte poč.odhady, snižte přesnost" +
        "\rnebo zvyšte max.počet iterací v Fmin.";
    platform::msgBox(text, 48, "FMIN");
}

// Progress of a direction within one cycle.
enum DirectionState { SuccessThenFailure = 0, Success = 1, NoSuccess = 2 };

// Rosenbrock's rotating coordinates; see Ralvo::Fmin.
//
// Along each of the n orthonormal directions V(i, .) the step e(i) is tried in turn: a point
// no worse than the best so far is kept and the step tripled, a worse point is undone and the
// step reversed and halved. Once every direction has had a success followed by a failure, the
// directions are turned: A(p, .) = sum over r >= p of d(r) V(r, .), with d(r) the progress
// along direction r in this cycle, orthonormalised by Gram-Schmidt in the order p = 1..n.
template <class P>
typename P::Num rosenbrockSearch(Uloha& G, const Variant& nArg, typename P::Array& X, const Variant& EPSA,
                                 Variant* itmax, const Variant& defaultLimit) {
    using Num = typename P::Num;
    using Array = typename P::Array;

    const int32_t n = detail::loopBound16(nArg.toInteger());
    const Num epsa = P::fromVariant(EPSA);
    Array V(0, n, 0, n), A(0, n, 0, n), B(0, n, 0, n);
    Array e(0, n), d(0, n), a(0, n);
    std::vector<int> state(static_cast<size_t>(n < 0 ? 0 : n) + 1);

    // A given itmax is the limit itself and receives the count at the end.
    Variant ownLimit = defaultLimit;
    Variant& limit = itmax ? *itmax : ownLimit;
    if (limit < Variant(constants::fminSmallestLimit)) limit = Variant(constants::fminSmallLimitReplacement);
    int16_t count = 0;

    const Num zero(int16_t{0}), one(int16_t{1}), expansion(constants::fminExpansion);
    const Num contraction(constants::fminContraction), firstStep(constants::fminFirstStep);
    const Num normGuard(constants::fminNormGuard);

    Num F0 = G.F(X);
    for (int32_t i = 1; i <= n; ++i)
        for (int32_t j = 1; j <= n; ++j)
            V(i, j) = i == j ? one : zero;

    for (;;) {
        // A new cycle, with steps that shrink with the number of trials already counted.
        for (int32_t i = 1; i <= n; ++i) {
            state[i] = NoSuccess;
            d(i) = zero;
            e(i) = P::div(firstStep, P::add(Num(count), one));
        }
        int32_t i = 1;
        for (;;) {
            for (int32_t j = 1; j <= n; ++j)
                X(j) = P::add(X(j), P::mul(e(i), V(i, j)));
            Num FT = G.F(X);
            if (FT > F0) {
                for (int32_t j = 1; j <= n; ++j)
                    X(j) = P::sub(X(j), P::mul(e(i), V(i, j)));
                e(i) = P::mul(contraction, e(i));
                if (state[i] == Success) state[i] = SuccessThenFailure;
            } else {
                // The progress is weighted by one plus the improvement.
                d(i) = P::add(d(i), P::mul(e(i), P::sub(P::add(one, F0), FT)));
                e(i) = P::mul(expansion, e(i));
                F0 = std::move(FT);
                if (state[i] == NoSuccess) state[i] = Success;
            }

            bool converged = true;
            for (int32_t k = 1; k <= n && converged; ++k)
                converged = P::abs(e(k)) < epsa;
            if (converged) {
                if (itmax) *itmax = Variant(count);
                return F0;
            }

            if (count == INT16_MAX) [[unlikely]]
                platform::raise(platform::err::Overflow);
            ++count;
            if (Variant(count) > limit) {
                showTrialLimitBox(limit);
                if (itmax) *itmax = Variant(count);
                return F0;
            }

            bool pending = false;
            for (int32_t k = 1; k <= n && !pending; ++k)
                pending = state[k] != SuccessThenFailure;
            if (!pending) break;
            i = i == n ? 1 : i + 1;
        }

        // Rotation: the progress vectors, summed in increasing r.
        for (int32_t p = 1; p <= n; ++p)
            for (int32_t q = 1; q <= n; ++q) {
                Num s = zero;
                for (int32_t r = p; r <= n; ++r)
                    s = P::add(s, P::mul(d(r), V(r, q)));
                A(p, q) = s;
            }
        // Gram-Schmidt against the directions 1..p-1 already made new.
        for (int32_t p = 1; p <= n; ++p) {
            for (int32_t q = 1; q <= p - 1; ++q) {
                Num s = zero;
                for (int32_t r = 1; r <= n; ++r)
                    s = P::add(s, P::mul(A(p, r), V(q, r)));
                a(q) = s;
            }
            for (int32_t q = 1; q <= n; ++q) {
                Num s = zero;
                for (int32_t r = 1; r <= p - 1; ++r)
                    s = P::add(s, P::mul(a(r), V(r, q)));
                B(p, q) = P::sub(A(p, q), s);
            }
            Num s = zero;
            for (int32_t q = 1; q <= n; ++q)
                s = P::add(s, P::mul(B(p, q), B(p, q)));
            // A zero progress vector makes a zero direction, not a division by zero.
            const Num norm = P::add(P::sqrt(s), normGuard);
            for (int32_t q = 1; q <= n; ++q)
                V(p, q) = P::div(B(p, q), norm);
        }
    }
}

} // namespace

Variant Ralvo::Fmin(Uloha& G, Variant n, VArray& X, std::optional<Variant> EPSA, Variant* itmax) {
    return rosenbrockSearch<detail::GeneralValues>(G, n, X, EPSA.value_or(Variant(constants::fminEpsa)),
                                                   itmax, Variant(constants::fminTrials));
}

double Ralvo::Fmind(Uloha& G, Variant n, DArray& X, std::optional<Variant> EPSA, Variant* itmax) {
    return rosenbrockSearch<detail::DoubleValues>(G, n, X, EPSA.value_or(Variant(constants::fminEpsaD)),
                                                  itmax, Variant(constants::fminTrialsD));
}

} // namespace ralvo
