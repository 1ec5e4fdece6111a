// Damped Newton iteration and continuation over a numeric Jacobian.
#include "NonLinearEquations.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr TData diffStep = 0.001;     // central-difference step of the Jacobian
constexpr TData damping = 5.0;        // a Newton step moves a fifth of the full correction
constexpr TData reduceSlack = 1.2;    // a target within this many steps of zero is cleared
constexpr TData firstStepShare = 0.1; // the first continuation step is this share of the misclosure

TData LargestGap(const TMathVector& F, const TMathVector& D)
{
    TData m = 0.0;
    for (TSize i = 0; i < F.N; ++i)
        m = std::max(m, std::fabs(F[i] - D[i]));
    return m;
}
} // namespace

TNonLinearEquations::TNonLinearEquations(const TSize n)
    : LE(n), X(n, 0.0), F(LE.RightSide), dF(LE.Matrix), dX(LE.Solution)
{
}

TNonLinearEquations::TNonLinearEquations(const TNonLinearEquations& other)
    : Iteration(other.Iteration), LE(other.LE), X(other.X), F(LE.RightSide), dF(LE.Matrix), dX(LE.Solution)
{
}

TNonLinearEquations& TNonLinearEquations::operator=(const TNonLinearEquations& other)
{
    if (this == &other) return *this;
    Iteration = other.Iteration;
    LE.Matrix = other.LE.Matrix;
    LE.RightSide = other.LE.RightSide;
    LE.Solution = other.LE.Solution;
    X = other.X;
    return *this;
}

void TNonLinearEquations::SetDimension(const TSize n)
{
    LE.SetDimension(n);
    X.SetDimension(n, 0.0);
}

TData TNonLinearEquations::Misclosure(const TMathVector& eX, const Boolean IsFi)
{
    const TSize n = Count();
    if (!IsFi)
        for (TSize i = 0; i < n; ++i)
            Fi(eX, i);
    TData m = 0.0;
    for (TSize i = 0; i < n; ++i)
        m = std::max(m, std::fabs(F[i]));
    return m;
}

TData& TNonLinearEquations::dFij(TMathVector& tX, const TSize I, const TSize J)
{
    const TData x = tX[J];
    tX[J] = x + diffStep;
    const TData f1 = Fi(tX, I);
    tX[J] = x - diffStep;
    const TData f2 = Fi(tX, I);
    tX[J] = x;
    dF(I, J) = (f1 - f2) / (2.0 * diffStep);
    return dF(I, J);
}

void TNonLinearEquations::MakeJacubian(TMathVector& eX, const Boolean OnlyFunctional)
{
    dF.SetZero();
    F.SetZero();
    for (TSize i = 0; i < Count(); ++i) {
        if (!OnlyFunctional)
            for (TSize j = 0; j < Count(); ++j)
                dFij(eX, i, j);
        Fi(eX, i);
    }
}

void TNonLinearEquations::Reduce(TMathVector& rDelta, const TData& rStep)
{
    const TData d = rDelta.NormaMax();
    if (d == 0.0) return;
    if (d <= rStep * reduceSlack)
        rDelta.SetZero();
    else
        rDelta *= (d - rStep) / d;
}

GcBaseResult TNonLinearEquations::Solve()
{
    const TSize n = Count();
    const TData m0 = Misclosure(X, false);
    for (Integer it = 1; it <= Iteration.MaxIterations; ++it) {
        MakeJacubian(X, false);
        TData m = Misclosure(X, false);
        dX.SetZero();
        const GcBaseResult r = LE.SolveQR(Iteration.Eps);
        if (r == gcBaseCode_Ok) {
            dX /= damping;
            Correct(F, X, dX);
            for (TSize i = 0; i < n; ++i)
                X[i] -= dX[i];
            m = Misclosure(X, false);
            if (m < Iteration.Eps && dX.NormaMax() < Iteration.Eps) {
                Correct(X);
                return gcBaseCode_Ok;
            }
            continue;
        }
        if (m < Iteration.Eps) {
            Correct(X);
            return gcBaseCode_Ok;
        }
        // A step that cannot be solved ends the iteration whenever it happens.
        if (m < m0 * 0.5) {
            Correct(X);
            return gcBaseCode_UninvertableJacobian;
        }
        return gcBaseCode_Unsolvable;
    }
    // Running out of iterations is not convergence.
    return Iteration.MaxIterations < 1 ? gcBaseCode_None : gcBaseCode_Unsolvable;
}

Boolean TNonLinearEquations::Improve(TMathVector& eX, int iterLimit)
{
    const TSize n = Count();
    MakeJacubian(eX, true);
    TData step = firstStepShare * F.NormaMax();
    TMathVector D(F);
    Reduce(D, step);
    Boolean result = false;
    TMathVector Xtry(n, 0.0);
    for (;;) {
        const TData m1 = LargestGap(F, D);
        // The step moves F to the current target D, not all the way to zero: a full Newton step
        // would overshoot the target and no step would ever be accepted.
        F -= D;
        LE.SolveQR(Iteration.LinearEps);
        for (TSize i = 0; i < n; ++i)
            Xtry[i] = eX[i] - dX[i];
        MakeJacubian(Xtry, true);
        const TData m2 = LargestGap(F, D);
        if (m1 <= m2) return result;
        eX = Xtry;
        if (D.NormaMax() == 0.0 && m2 < Iteration.Eps) return true;
        const TData thr = std::max(Iteration.Eps / 3.0, std::min(m1 * 0.1, m1 / iterLimit));
        if (m1 - m2 < thr) return true;
        if (m2 < m1 * 0.5 || m2 < Iteration.Eps) step *= 2.0;
        if (m2 < step) Reduce(D, step);
        result = true;
        if (iterLimit-- < 2) return true;
    }
}
