// The damped Newton iteration and the continuation over a numeric Jacobian.
#include "NonLinearEquations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

namespace {

// A system given by lambdas; counts the accepted-solution hook.
class TSystem : public TNonLinearEquations {
public:
    using Eq = std::function<double(const TMathVector&)>;
    std::vector<Eq> eqs;
    int accepted = 0;
    bool fillJacobianInFi = false;

    explicit TSystem(std::vector<Eq> e) : TNonLinearEquations(TSize(e.size())), eqs(std::move(e))
    {
        Iteration.Eps = 1e-6;
        Iteration.MaxIterations = 200;
    }
    TData& Fi(const TMathVector& x, const TSize I) override
    {
        F[I] = eqs[I](x);
        if (fillJacobianInFi) { // the analytic row of F(x) = x - 1 style diagonal systems
            for (TSize j = 0; j < Count(); ++j)
                dF(I, j) = I == j ? 1.0 : 0.0;
        }
        return F[I];
    }
    void Correct(const TMathVector&) override { ++accepted; }
    using TNonLinearEquations::Correct;
    using TNonLinearEquations::Reduce;
};

TEST(TNonLinearEquationsTest, NewtonMovesAFifthOfTheWayEachStepAndTheLimitIsAFailure)
{
    TSystem s({[](const TMathVector& x) { return x[0] - 1.0; }});
    s.Iteration.MaxIterations = 0; // no iterations change nothing
    EXPECT_EQ(s.Solve(), gcBaseCode_None);
    EXPECT_EQ(s.X[0], 0.0);
    for (double expected : {0.2, 0.36, 0.488}) {
        s.Iteration.MaxIterations = 1;
        EXPECT_EQ(s.Solve(), gcBaseCode_Unsolvable); // the limit reached
        EXPECT_NEAR(s.X[0], expected, 1e-12);
    }
    EXPECT_EQ(s.accepted, 0);
    s.Iteration.MaxIterations = 200;
    EXPECT_EQ(s.Solve(), gcBaseCode_Ok);
    EXPECT_NEAR(s.X[0], 1.0, 1e-5);
    EXPECT_EQ(s.accepted, 1);
    s.X[0] = 1.0 + 1e-8; // a satisfied system still takes one step
    EXPECT_EQ(s.Solve(), gcBaseCode_Ok);
    EXPECT_NEAR(s.X[0], 1.0 + 0.8e-8, 1e-14);
}

TEST(TNonLinearEquationsTest, FlatEquationIsUnsolvableUnlessAlreadyMet)
{
    TSystem s({[](const TMathVector&) { return 0.5; }});
    EXPECT_EQ(s.Solve(), gcBaseCode_Unsolvable);
    TSystem met({[](const TMathVector&) { return 1e-9; }});
    EXPECT_EQ(met.Solve(), gcBaseCode_Ok);
}

// A Jacobian that turns singular midway ends the iteration as a failure, never a success.
TEST(TNonLinearEquationsTest, FailedStepAfterTheFirstIsAFailure)
{
    // F = x^3 - 8 near the start; flat once x passes 1.5, so the steps there cannot be solved.
    TSystem s({[](const TMathVector& x) { return x[0] < 1.5 ? x[0] * x[0] * x[0] - 8.0 : 5.0; }});
    s.X[0] = 1.0;
    EXPECT_EQ(s.Solve(), gcBaseCode_Unsolvable);
}

TEST(TNonLinearEquationsTest, SolvesACoupledSystem)
{
    TSystem s({[](const TMathVector& x) { return x[0] * x[0] + x[1] * x[1] - 4.0; },
               [](const TMathVector& x) { return x[0] - x[1]; }});
    s.X = {1.0, 0.5};
    ASSERT_EQ(s.Solve(), gcBaseCode_Ok);
    EXPECT_NEAR(s.X[0], std::sqrt(2.0), 1e-5);
    EXPECT_NEAR(s.X[1], std::sqrt(2.0), 1e-5);
}

TEST(TNonLinearEquationsTest, CentralDifferenceIsExactForAQuadratic)
{
    TSystem s({[](const TMathVector& x) { return x[0] * x[0]; }});
    TMathVector x(1, 3.0);
    EXPECT_NEAR(s.dFij(x, 0, 0), 6.0, 1e-12);
    EXPECT_EQ(x[0], 3.0);
    EXPECT_NEAR(s.F[0], 2.999 * 2.999, 1e-12);
}

TEST(TNonLinearEquationsTest, ReduceClearsOrShortensByTheStep)
{
    TSystem s({[](const TMathVector& x) { return x[0]; }, [](const TMathVector& x) { return x[1]; }});
    TMathVector d(2, 0.0);
    d = {1.0, -0.5};
    s.Reduce(d, 0.9);
    EXPECT_EQ(d[0], 0.0);
    EXPECT_EQ(d[1], 0.0);
    d = {1.0, -0.5};
    s.Reduce(d, 0.5);
    EXPECT_EQ(d[0], 0.5);
    EXPECT_EQ(d[1], -0.25);
}

// Each step aims at the current target rather than at zero; aiming at zero overshot the target on
// every linear system, so no step was ever accepted.
TEST(TNonLinearEquationsTest, ImproveDrivesTheMisclosureDown)
{
    TSystem s(
        {[](const TMathVector& x) { return x[0] - 1.0; }, [](const TMathVector& x) { return x[1] + 2.0; }});
    s.fillJacobianInFi = true;
    TMathVector x(2, 0.0);
    EXPECT_TRUE(s.Improve(x, 20));
    EXPECT_NEAR(x[0], 1.0, 1e-6);
    EXPECT_NEAR(x[1], -2.0, 1e-6);
    TSystem flat({[](const TMathVector&) { return 1.0; }});
    TMathVector y(1, 0.0);
    EXPECT_FALSE(flat.Improve(y, 5)); // no step lowers it: X stays
    EXPECT_EQ(y[0], 0.0);
}

TEST(TNonLinearEquationsTest, CopiesBindTheirOwnLinearSystem)
{
    TSystem s({[](const TMathVector& x) { return x[0] - 1.0; }});
    TSystem copy = s;
    copy.F[0] = 42.0;
    EXPECT_EQ(&copy.F, &copy.LE.RightSide);
    EXPECT_NE(s.F[0], 42.0);
}

} // namespace
