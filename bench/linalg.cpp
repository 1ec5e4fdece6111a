// Speed of the singular value decomposition and the two square solvers against Eigen's BDCSVD,
// PartialPivLU and ColPivHouseholderQR on the same random matrices, n = 50, 100, 200.
#include "BenchTimes.h"
#include "LinearEquations.h"
#include "Svd.h"

#include <Eigen/Dense>
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {
Eigen::MatrixXd RandomMatrix(int n, unsigned seed)
{
    std::mt19937 gen(seed);
    std::uniform_real_distribution<double> u(-1.0, 1.0);
    Eigen::MatrixXd A(n, n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            A(i, j) = u(gen);
    return A;
}

// A 1-based array of rows, as svdcmp takes it.
struct OneBased {
    std::vector<double> cells;
    std::vector<double*> rows;
    OneBased(int m, int n) : cells(std::size_t(m + 1) * (n + 1)), rows(m + 1)
    {
        for (int i = 0; i <= m; ++i)
            rows[i] = &cells[std::size_t(i) * (n + 1)];
    }
};

void BM_SvdOurs(benchmark::State& state)
{
    const int n = int(state.range(0));
    const Eigen::MatrixXd A = RandomMatrix(n, 1);
    OneBased a(n, n), v(n, n);
    std::vector<double> w(n + 1);
    for (auto _ : state) {
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                a.rows[i + 1][j + 1] = A(i, j);
        benchmark::DoNotOptimize(svdcmp(a.rows.data(), n, n, w.data(), v.rows.data()));
    }
}

void BM_SvdEigen(benchmark::State& state)
{
    const int n = int(state.range(0));
    const Eigen::MatrixXd A = RandomMatrix(n, 1);
    for (auto _ : state) {
        Eigen::BDCSVD<Eigen::MatrixXd> svd(A, Eigen::ComputeThinU | Eigen::ComputeThinV);
        benchmark::DoNotOptimize(svd.singularValues().data());
    }
}

TMathMatrix ToMatrix(const Eigen::MatrixXd& A)
{
    TMathMatrix M(int(A.rows()), int(A.cols()));
    for (int i = 0; i < A.rows(); ++i)
        for (int j = 0; j < A.cols(); ++j)
            M(i, j) = A(i, j);
    return M;
}

void BM_LuOurs(benchmark::State& state)
{
    const int n = int(state.range(0));
    const TMathMatrix A = ToMatrix(RandomMatrix(n, 2));
    TMathMatrix work(n, n);
    TMathVector b(n, 1.0);
    for (auto _ : state) {
        work = A;
        b.SetDimension(n, 1.0);
        std::fill(b.X, b.X + n, 1.0);
        benchmark::DoNotOptimize(TLinearEquations::SolveGauss(work, b, 1e-12));
    }
}

void BM_LuEigen(benchmark::State& state)
{
    const int n = int(state.range(0));
    const Eigen::MatrixXd A = RandomMatrix(n, 2);
    const Eigen::VectorXd b = Eigen::VectorXd::Ones(n);
    for (auto _ : state) {
        Eigen::VectorXd x = Eigen::PartialPivLU<Eigen::MatrixXd>(A).solve(b);
        benchmark::DoNotOptimize(x.data());
    }
}

void BM_QrOurs(benchmark::State& state)
{
    const int n = int(state.range(0));
    TLinearEquations le(n);
    le.Matrix = ToMatrix(RandomMatrix(n, 3));
    std::fill(le.RightSide.X, le.RightSide.X + n, 1.0);
    for (auto _ : state)
        benchmark::DoNotOptimize(le.SolveQR(1e-12));
}

void BM_QrEigen(benchmark::State& state)
{
    const int n = int(state.range(0));
    const Eigen::MatrixXd A = RandomMatrix(n, 3);
    const Eigen::VectorXd b = Eigen::VectorXd::Ones(n);
    for (auto _ : state) {
        Eigen::VectorXd x = Eigen::ColPivHouseholderQR<Eigen::MatrixXd>(A).solve(b);
        benchmark::DoNotOptimize(x.data());
    }
}
} // namespace

BENCHMARK(BM_SvdOurs)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SvdEigen)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LuOurs)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LuEigen)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QrOurs)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QrEigen)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMicrosecond);

// Console output as usual, then where the run took place.
int main(int argc, char** argv)
{
    return RunBenchmarks(argc, argv, [](const TTimesReporter&, std::ostream&) {});
}
