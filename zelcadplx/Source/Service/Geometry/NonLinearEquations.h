#pragma once
// TNonLinearEquations: the base of a square system F(X) = 0 of n equations in n variables. A derived
// class supplies the equations (Fi); the base supplies a central-difference Jacobian, a damped Newton
// iteration whose steps are rank-revealing QR solves, and a continuation that drives the misclosure
// to zero in controlled decrements.

#include "LinearEquations.h"

struct TIterationParam {
    Real Eps = 1e-6;            // misclosure and step tolerance; rank threshold of Solve's steps
    Real LinearEps = 1e-9;      // rank threshold of Improve's steps
    Integer MaxIterations = 50; // iteration limit of Solve
};

class TNonLinearEquations {
public:
    TIterationParam Iteration;
    TLinearEquations LE;
    TMathVector X;
    TMathVector& F;  // the equation values (LE's right-hand side)
    TMathMatrix& dF; // the Jacobian (LE's matrix)
    TMathVector& dX; // the Newton step (LE's solution)

    explicit TNonLinearEquations(const TSize n);
    TNonLinearEquations(const TNonLinearEquations& other);
    TNonLinearEquations& operator=(const TNonLinearEquations& other);
    virtual ~TNonLinearEquations() = default;

    TSize Count() const { return X.N; }
    void SetDimension(const TSize n);

    // The largest |F(i)|; with IsFi false the equations are evaluated at X first.
    virtual TData Misclosure(const TMathVector& X, const Boolean IsFi);
    // Evaluates equation I at X into F(I) and returns it.
    virtual TData& Fi(const TMathVector& X, const TSize I) = 0;
    // Central difference with step 0.001 into dF(I, J); F(I) is left at tX(J) - 0.001.
    virtual TData& dFij(TMathVector& tX, const TSize I, const TSize J);
    // Called with the accepted solution.
    virtual void Correct(const TMathVector&) {}
    // Called with every Newton step before it is applied; may alter dX.
    virtual void Correct(const TMathVector&, const TMathVector&, TMathVector&) {}

    // Damped Newton (a fifth of the full step each time). Ok only when the misclosure and the step
    // both fell below Eps; running out of iterations or a failed step is a failure.
    GcBaseResult Solve();
    // Continuation towards F(X) = 0; true when a step was accepted or success was met.
    Boolean Improve(TMathVector& X, int iterLimit);

protected:
    void MakeJacubian(TMathVector& eX, const Boolean OnlyFunctional);
    // Lowers the largest magnitude of rDelta by rStep, or clears it when within 1.2 rStep.
    void Reduce(TMathVector& rDelta, const TData& rStep);
};
