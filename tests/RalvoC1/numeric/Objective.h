#pragma once
//! An objective function for the minimisers, serving both forms from one formula on plain
//! doubles, and the minimisers of both forms behind one face.

#include "Forms.h"

#include <functional>
#include <optional>
#include <vector>

namespace ralvotest {

//! f(x) with x[i] = X(i); index 0 is not used.
using Formula = std::function<double(const std::vector<double>& x)>;

//! Calls f at every point it is asked for and records the points.
class Objective : public ralvo::Uloha {
public:
    explicit Objective(Formula f) : m_f(std::move(f)) {}
    Variant F(VArray& X) override { return Variant(evaluate(X)); }
    double F(DArray& X) override { return evaluate(X); }

    //! The points at which F was called, in order.
    std::vector<std::vector<double>> points;

private:
    template <class Array> double evaluate(Array& X) {
        std::vector<double> x(static_cast<size_t>(X.ubound()) + 1);
        for (int32_t i = 1; i <= X.ubound(); ++i)
            x[i] = toDouble(X(i));
        points.push_back(x);
        return m_f(x);
    }
    Formula m_f;
};

//! (x - 1)^2 + (y + 2)^2: the minimum 0 at (1, -2).
inline double paraboloid(const std::vector<double>& x) {
    return (x[1] - 1) * (x[1] - 1) + (x[2] + 2) * (x[2] + 2);
}

//! (x - 1)^2: the minimum 0 at 1.
inline double paraboloid1D(const std::vector<double>& x) {
    return (x[1] - 1) * (x[1] - 1);
}

//! Rosenbrock's function 100 (y - x^2)^2 + (1 - x)^2: the minimum 0 at (1, 1) at the end of a
//! curved valley; the classical start is (-1.2, 1).
inline double banana(const std::vector<double>& x) {
    const double a = x[2] - x[1] * x[1], b = 1 - x[1];
    return 100 * a * a + b * b;
}

//! The rotating-coordinates search (Fmin) and the simplex (Fmin1) of each form.
struct Minimisers {
    template <class Form>
    static double fmin(ralvo::Ralvo& r, ralvo::Uloha& G, int n, typename Form::Array& X,
                       std::optional<Variant> eps = std::nullopt, Variant* itmax = nullptr) {
        if constexpr (std::is_same_v<Form, GeneralForm>)
            return toDouble(r.Fmin(G, Variant(int16_t(n)), X, eps, itmax));
        else
            return r.Fmind(G, Variant(int16_t(n)), X, eps, itmax);
    }
    template <class Form>
    static double fmin1(ralvo::Ralvo& r, ralvo::Uloha& G, int n, typename Form::Array& X,
                        std::optional<Variant> eps = std::nullopt, Variant* itmax = nullptr) {
        if constexpr (std::is_same_v<Form, GeneralForm>)
            return toDouble(r.Fmin1(G, Variant(int16_t(n)), X, eps, itmax));
        else
            return r.Fmin1d(G, Variant(int16_t(n)), X, eps, itmax);
    }
};

} // namespace ralvotest
