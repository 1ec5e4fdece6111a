// Gauss elimination with deferred pivoting and the rank-revealing Givens QR of A^T.
#include "LinearEquations.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {
constexpr double pivotDefer = 1e-5;     // rows are pivoted only once the diagonal is this small
constexpr double eliminateSkip = 1e-14; // smaller entries are taken as already eliminated
constexpr double neverChosen = -1e300;  // a norm below this is never a pivot
constexpr double nullScale = 0.0005;    // the null threshold is (nullScale * largest norm)^2 ...
constexpr double nullFloor = 2.5e-7;    // ... but never below this

double SumSquares(const TMathMatrix& R, int from, int c)
{
    double s = 0.0;
    for (int i = from; i < R.Lines; ++i)
        s += R(i, c) * R(i, c);
    return s;
}

void FillMissing(const TMathMatrix& R, TMathVector& S, int j)
{
    for (int c = j; c < R.Columns; ++c)
        if (S[c] < 0.0) S[c] = SumSquares(R, j, c);
}

// Rows j and i of M over columns from .. to - 1: row j gains c times row i.
void Rotate(TMathMatrix& M, int j, int i, double c, double s, int from, int to)
{
    double* rj = M[j].X;
    double* ri = M[i].X;
    for (int k = from; k < to; ++k) {
        const double a = ri[k], b = rj[k];
        rj[k] = b * s + c * a;
        ri[k] = a * s - b * c;
    }
}
// sqrt(x^2 + y^2): the plain formula where the squares can neither overflow nor underflow, std::hypot
// elsewhere. std::hypot alone costs as much as a row of rotations on small systems.
double Hypot(double x, double y)
{
    constexpr double safeBig = 1e150, safeSmall = 1e-150;
    const double ax = std::fabs(x), ay = std::fabs(y);
    const double big = std::max(ax, ay), small = std::min(ax, ay);
    if (big < safeBig && (small > safeSmall || small == 0.0))
        return small == 0.0 ? big : std::sqrt(x * x + y * y);
    return std::hypot(x, y);
}

struct TRotation {
    int row;
    double c, s;
};

// The rotations that zero column j below the diagonal, pivot row j against each lower row in turn.
// Entries of column j below the diagonal change only by their own rotation, so all of them are known
// before any is applied; they are then applied four rows at a time, so row j passes through memory
// once per four rotations. Every element takes its rotations in the same order as one at a time.
void FourRotations(double* __restrict rj, double* __restrict r1, double* __restrict r2, double* __restrict r3,
                   double* __restrict r4, const TRotation* g, int from, int to)
{
    for (int k = from; k < to; ++k) {
        double b = rj[k];
        const double a1 = r1[k], a2 = r2[k], a3 = r3[k], a4 = r4[k];
        r1[k] = a1 * g[0].s - b * g[0].c;
        b = b * g[0].s + g[0].c * a1;
        r2[k] = a2 * g[1].s - b * g[1].c;
        b = b * g[1].s + g[1].c * a2;
        r3[k] = a3 * g[2].s - b * g[2].c;
        b = b * g[2].s + g[2].c * a3;
        r4[k] = a4 * g[3].s - b * g[3].c;
        rj[k] = b * g[3].s + g[3].c * a4;
    }
}

void ZeroColumnBelow(TMathMatrix& R, int j, std::vector<TRotation>& rotations)
{
    rotations.clear();
    if (j >= R.Lines) return;
    for (int i = j + 1; i < R.Lines; ++i) {
        const double x = R(i, j);
        if (std::fabs(x) <= eliminateSkip) continue;
        const double y = R(j, j);
        const double r = Hypot(x, y);
        rotations.push_back({i, x / r, y / r});
        R(j, j) = r;
        R(i, j) = 0.0;
    }
    const int count = int(rotations.size());
    int t = 0;
    for (; t + 4 <= count; t += 4)
        FourRotations(R[j].X, R[rotations[t].row].X, R[rotations[t + 1].row].X, R[rotations[t + 2].row].X,
                      R[rotations[t + 3].row].X, &rotations[t], j + 1, R.Columns);
    for (; t < count; ++t)
        Rotate(R, j, rotations[t].row, rotations[t].c, rotations[t].s, j + 1, R.Columns);
}
} // namespace

void TLinearEquations::SetDimension(TSize n)
{
    Matrix.SetDimension(n, n, TMathMatrix::mt_GENERAL);
    Matrix.SetZero();
    RightSide.SetDimension(n, 0.0);
    Solution.SetDimension(n, 0.0);
}

int TLinearEquations::SolveLeftDnTriangle(const TMathMatrix& L, TMathVector& y)
{
    const int m = std::min(L.Lines, L.Columns);
    for (int k = 0; k < m; ++k) {
        if (L.Get(k, k) == 0.0) return k;
        double s = y[k];
        for (int j = 0; j < k; ++j) {
            const double l = L.Get(k, j);
            if (l != 0.0) s -= l * y[j];
        }
        y[k] = s / L.Get(k, k);
    }
    return m;
}

int TLinearEquations::SolveLeftDnTriangleAsRightUpTransponate(const TMathMatrix& R, TMathVector& y)
{
    const int m = std::min(R.Lines, R.Columns);
    for (int k = 0; k < m; ++k) {
        if (R.Get(k, k) == 0.0) break;
        double s = y[k];
        for (int j = 0; j < k; ++j) {
            const double r = R.Get(j, k);
            if (r != 0.0) s -= r * y[j];
        }
        y[k] = s / R.Get(k, k);
    }
    return m;
}

int TLinearEquations::SolveRightUpTriangle(const TMathMatrix& R, TMathVector& y)
{
    const int m = std::min(R.Lines, R.Columns);
    int count = m;
    for (int k = m - 1; k >= 0; --k) {
        const double d = R.Get(k, k);
        if (d == 0.0) {
            --count;
            continue;
        }
        const TRowSparseMathVector& row = R[k];
        double s = y[k];
        for (int j = std::max(k + 1, row.SI); j < std::min(R.Columns, row.EI); ++j) {
            const double r = row(j);
            if (r != 0.0) s -= r * y[j];
        }
        y[k] = s / d;
    }
    return count;
}

namespace {
// Gauss elimination in pairs of steps: the second pivot row is brought up to date first, then every
// lower row takes both updates in one pass, which halves the sweeps over the trailing block. Each
// element still receives its updates in the order of single steps, so the results are the same.
class TGauss {
public:
    TGauss(TMathMatrix& a, TMathVector& r, double t) : A(a), rcol(r), n(a.Columns), tol(t), f(n), pending(n)
    {
    }

    GcBaseResult Run()
    {
        int k = 0;
        for (; k + 2 < n; k += 2)
            if (!Pair(k)) return gcBaseCode_Unsolvable;
        for (; k < n - 1; ++k) {
            if (!Pivot(k)) return gcBaseCode_Unsolvable;
            Multipliers(k);
            for (int i = k + 1; i < n; ++i)
                ApplyPending(i, k, k + 1);
        }
        if (std::fabs(A(n - 1, n - 1)) < tol) return gcBaseCode_Unsolvable;
        TLinearEquations::SolveRightUpTriangle(A, rcol);
        return gcBaseCode_Ok;
    }

private:
    TMathMatrix& A;
    TMathVector& rcol;
    int n;
    double tol;
    std::vector<double> f;     // multiplier of step k for each lower row
    std::vector<char> pending; // the row still owes the update of step k beyond column `from`

    // Deferred partial pivoting on column k; false when the pivot stays below the tolerance.
    bool Pivot(int k)
    {
        if (std::fabs(A(k, k)) >= pivotDefer) return true;
        int best = k;
        for (int i = k + 1; i < n; ++i)
            if (std::fabs(A(i, k)) > std::fabs(A(best, k))) best = i;
        if (best != k) {
            A.SwapLines(k, best);
            std::swap(rcol[k], rcol[best]);
            std::swap(f[k], f[best]);
            std::swap(pending[k], pending[best]);
        }
        return std::fabs(A(k, k)) >= tol;
    }

    // Multipliers of step k and their effect on column k and the right-hand side.
    void Multipliers(int k)
    {
        const double pkk = A(k, k);
        for (int i = k + 1; i < n; ++i) {
            double* pi = A[i].X;
            pending[i] = std::fabs(pi[k]) > eliminateSkip;
            if (!pending[i]) continue;
            f[i] = -pi[k] / pkk;
            pi[k] = 0.0;
            rcol[i] += f[i] * rcol[k];
        }
    }

    void ApplyPending(int i, int k, int from)
    {
        if (!pending[i]) return;
        const double* pk = A[k].X;
        double* pi = A[i].X;
        const double fi = f[i];
        for (int c = from; c < n; ++c)
            pi[c] += fi * pk[c];
        pending[i] = 0;
    }

    bool Pair(int k)
    {
        if (!Pivot(k)) return false;
        Multipliers(k);
        const int k1 = k + 1;
        ApplyPending(k1, k, k1);
        // Column k + 1 of the lower rows now, the rest of their step-k update with step k + 1.
        const double pkk1 = A(k, k1);
        for (int i = k1 + 1; i < n; ++i)
            if (pending[i]) A(i, k1) += f[i] * pkk1;
        if (!Pivot(k1)) {
            for (int i = k1; i < n; ++i)
                ApplyPending(i, k, k1 + 1);
            return false;
        }
        ApplyPending(k1, k, k1 + 1); // a row swapped into place still owes step k
        const double* pk = A[k].X;
        const double* pk1 = A[k1].X;
        const double p11 = pk1[k1];
        for (int i = k1 + 1; i < n; ++i) {
            double* pi = A[i].X;
            const bool second = std::fabs(pi[k1]) > eliminateSkip;
            const double f2 = second ? -pi[k1] / p11 : 0.0;
            if (second) {
                pi[k1] = 0.0;
                rcol[i] += f2 * rcol[k1];
            }
            const double f1 = f[i];
            if (pending[i] && second)
                for (int c = k1 + 1; c < n; ++c)
                    pi[c] = (pi[c] + f1 * pk[c]) + f2 * pk1[c];
            else if (pending[i])
                for (int c = k1 + 1; c < n; ++c)
                    pi[c] += f1 * pk[c];
            else if (second)
                for (int c = k1 + 1; c < n; ++c)
                    pi[c] += f2 * pk1[c];
            pending[i] = 0;
        }
        return true;
    }
};
} // namespace

GcBaseResult TLinearEquations::SolveGauss(TMathMatrix& A, TMathVector& rcol, double epsilon)
{
    const int n = A.Columns;
    if (n <= 0) return gcBaseCode_Ok;
    return TGauss(A, rcol, epsilon / (n + 1)).Run();
}

int TLinearEquations::RRQR_MaxColumn(const TMathMatrix& R, TMathVector& S, int j)
{
    FillMissing(R, S, j);
    int best = j;
    for (int c = j + 1; c < R.Columns; ++c)
        if (S[c] > S[best]) best = c;
    return best;
}

int TLinearEquations::RRQR_Pivot(const TMathMatrix& R, TMathVector& S, int j, const double& sqNullEps)
{
    FillMissing(R, S, j);
    int smallest = -1, largest = -1;
    for (int c = j; c < R.Columns; ++c) {
        if (S[c] > sqNullEps && (smallest < 0 || S[c] < S[smallest])) smallest = c;
        if (S[c] >= neverChosen && (largest < 0 || S[c] > S[largest])) largest = c;
    }
    if (smallest >= 0) return smallest;
    return largest >= 0 ? largest : j;
}

void TLinearEquations::RRQR_Reduce(const TMathMatrix& R, TMathVector& S, int j)
{
    if (j >= R.Lines) return;
    for (int c = j + 1; c < R.Columns; ++c) {
        if (S[c] >= 0.0)
            S[c] -= R(j, c) * R(j, c);
        else
            S[c] = SumSquares(R, j + 1, c);
    }
}

void TLinearEquations::RRQR_Permutation(TMathMatrix& R, TMathVector& S, std::vector<int>& P, int j,
                                        const double& sqNullEps)
{
    const int pivot = RRQR_Pivot(R, S, j, sqNullEps);
    if (pivot == j) return;
    R.SwapCols(j, pivot);
    std::swap(P[j], P[pivot]);
    std::swap(S[j], S[pivot]);
}

void TLinearEquations::RRQR_Decompose(const TMathMatrix& A, TMathMatrix& R, TMathMatrix* q,
                                      std::vector<int>& P)
{
    A.Transpose(R);
    R.Type = TMathMatrix::mt_GENERAL; // A^T of a triangular kind is still stored in full rows
    P.resize(A.Lines);
    for (int i = 0; i < A.Lines; ++i)
        P[i] = i;
    if (q != nullptr) {
        q->SetZero();
        for (int i = 0; i < std::min(q->Lines, q->Columns); ++i)
            (*q)(i, i) = 1.0;
    }
    TMathVector S(R.Columns, -1.0);
    const double largest = R.Columns > 0 ? S[RRQR_MaxColumn(R, S, 0)] : 0.0;
    const double v = std::max(largest * nullScale * nullScale, nullFloor);
    std::vector<TRotation> rotations;
    for (int j = 0; j < R.Columns; ++j) {
        RRQR_Permutation(R, S, P, j, v);
        ZeroColumnBelow(R, j, rotations);
        if (q != nullptr)
            for (const TRotation& g : rotations)
                Rotate(*q, j, g.row, g.c, g.s, 0, g.row + 1);
        RRQR_Reduce(R, S, j);
    }
}

int TLinearEquations::RRQR_Rank(const TMathMatrix& rMat, double eps) const
{
    int r = std::min(rMat.Lines, rMat.Columns);
    while (r >= 1 && std::fabs(rMat.Get(r - 1, r - 1)) <= eps)
        --r;
    return r;
}

bool TLinearEquations::SubstituteBoth(const TMathMatrix& A, const TMathMatrix& R, std::vector<int> P,
                                      const TMathVector& Y, TMathVector& X, int& k1)
{
    const int n = R.Lines;
    TMathVector y(n, 0.0);
    for (int k = 0; k < n; ++k)
        y[k] = Y[P[k]];
    k1 = SolveLeftDnTriangleAsRightUpTransponate(R, y);
    y.SetZero(k1);
    const int k2 = SolveRightUpTriangle(R, y);
    if (k2 != k1) return false;
    y.SetZero(k1);
    // A A^T z = b with A^T P = Q R gives R^T R (P^T z) = P^T b; the solution is A^T z.
    TMathVector z(n, 0.0);
    for (int k = 0; k < n; ++k)
        z[P[k]] = y[k];
    for (int i = 0; i < A.Columns && i < X.N; ++i) {
        double s = 0.0;
        for (int j = 0; j < A.Lines && j < n; ++j)
            s += A.Get(j, i) * z[j];
        X[i] = s;
    }
    return true;
}

bool TLinearEquations::rrqr_lequ_wo_q(const TMathMatrix& A, const TMathMatrix& rMat,
                                      const std::vector<int>& P, const TMathVector& Y, TMathVector& X)
{
    int k1 = 0;
    return SubstituteBoth(A, rMat, P, Y, X, k1);
}

GcBaseResult TLinearEquations::SolveQR(const double& epsilon)
{
    const int n = Matrix.Lines;
    if (n != Matrix.Columns || RightSide.N < n || Solution.N < n) return gcBaseCode_Unsolvable;
    TMathMatrix R(n, n, TMathMatrix::mt_GENERAL);
    std::vector<int> P(n);
    RRQR_Decompose(Matrix, R, nullptr, P);
    const int r = RRQR_Rank(R, epsilon);
    for (int i = r; i < n; ++i)
        R(i, i) = 0.0;
    int k1 = 0;
    if (!SubstituteBoth(Matrix, R, P, RightSide, Solution, k1)) return gcBaseCode_Unsolvable;
    constexpr double absoluteShare = 0.3, relativeShare = 10.0;
    const double tol = std::max(epsilon * absoluteShare, RightSide.NormaMax() * epsilon * relativeShare);
    for (int i = k1; i < Matrix.Lines; ++i) {
        double s = RightSide[i];
        for (int j = 0; j < Matrix.Columns; ++j)
            s -= Matrix(i, j) * Solution[j];
        if (std::fabs(s) > tol) return gcBaseCode_Unsolvable;
    }
    return gcBaseCode_Ok;
}
