// Givens QR, LDL^T and LU bordering on the row storage of TMathMatrix.
#include "MatrixDecomp.h"

#include <cmath>
#include <vector>

namespace {
constexpr double givensSkip = 1e-14; // entries this small are taken as already zero

// Rotates rows j and i of M over columns from .. to - 1 so that row j gains c times row i.
void Rotate(TMathMatrix& M, int j, int i, double c, double s, int from, int to)
{
    double* rj = &M(j, 0);
    double* ri = &M(i, 0);
    for (int k = from; k < to; ++k) {
        const double a = ri[k], b = rj[k];
        rj[k] = b * s + c * a;
        ri[k] = a * s - b * c;
    }
}

// Zeroes R(i, j) against the pivot R(j, j); returns false when there was nothing to do.
bool GivensStep(TMathMatrix& R, int j, int i, double& c, double& s)
{
    const double x = R(i, j), y = R(j, j);
    const double r = std::hypot(x, y);
    if (r == 0.0) return false;
    c = x / r;
    s = y / r;
    R(j, j) = r;
    R(i, j) = 0.0;
    Rotate(R, j, i, c, s, j + 1, R.Columns);
    return true;
}
} // namespace

bool addrow_lu(double** mtm, double** lu, int dim, double tol, double)
{
    const int d = dim;
    for (int k = 0; k < d; ++k) {
        if (lu[k][k] == 0.0) return false;
        double u = mtm[k][d];
        double l = mtm[d][k];
        for (int j = 0; j < k; ++j) {
            u -= lu[k][j] * lu[j][d];
            l -= lu[d][j] * lu[j][k];
        }
        lu[k][d] = u;
        lu[d][k] = l / lu[k][k];
    }
    double p = mtm[d][d];
    for (int j = 0; j < d; ++j)
        p -= lu[d][j] * lu[j][d];
    if (std::fabs(p) > tol) {
        lu[d][d] = p;
        return true;
    }
    lu[d][d] = 1e-20;
    return false;
}

void qr_dcmp(TMathMatrix& R, TMathMatrix& Q, bool q)
{
    if (q)
        for (int i = 0; i < R.Lines; ++i)
            Q(i, i) = 1.0;
    for (int j = 0; j < R.Columns && j < R.Lines; ++j)
        for (int i = j + 1; i < R.Lines; ++i) {
            double c, s;
            if (R(i, j) == 0.0 || !GivensStep(R, j, i, c, s)) continue;
            if (q) Rotate(Q, j, i, c, s, 0, i + 1);
        }
}

void qr_dcmp(TMathMatrix& R, int firstColumn, int lines, int columns)
{
    for (int j = firstColumn; j < columns && j < lines; ++j)
        for (int i = j + 1; i < lines; ++i) {
            double c, s;
            if (std::fabs(R(i, j)) > givensSkip) GivensStep(R, j, i, c, s);
        }
}

void qr_dcmp(TMathMatrix& R)
{
    qr_dcmp(R, 0, R.Lines, R.Columns);
}

void qr_lequ(const TMathMatrix& rMat, const TMathMatrix& qMat, TMathVector& rVec)
{
    const int n = rVec.N;
    if (rMat.Lines != n || rMat.Columns != n || qMat.Lines != n || qMat.Columns != n) return;
    std::vector<double> y(n, 0.0);
    for (int i = 0; i < n; ++i)
        for (int k = 0; k < n; ++k)
            if (qMat(i, k) != 0.0) y[i] += qMat(i, k) * rVec[k];
    for (int k = n; k >= 1; --k) {
        const double x = y[k - 1] / rMat(k - 1, k - 1);
        rVec[k - 1] = x;
        for (int i = 0; i < k - 1; ++i)
            if (rMat(i, k - 1) != 0.0) y[i] -= rMat(i, k - 1) * x;
    }
}

int Solve(TMathMatrix& R, TMathMatrix& x, int n, double dnull)
{
    constexpr double largest = 1000.0; // a larger component is taken for a rejected row
    for (int k = n; k >= 1; --k) {
        const double d = R(k - 1, k - 1);
        if (std::fabs(d) < dnull) return k;
        x(k - 1, 0) = R(k - 1, k) / d;
        if (std::fabs(x(k - 1, 0)) > largest) {
            R(k - 1, k - 1) = 0.0;
            R(k - 1, k) = 0.0;
            return k;
        }
        for (int i = 0; i < k - 1; ++i)
            R(i, k - 1) = R(i, k) - R(i, k - 1) * x(k - 1, 0);
    }
    return 0;
}

namespace {
// Shared body of both LR_LD forms; column k of the input is read from col once L may overwrite it.
int FactorLDL(const TMathMatrix* A, TMathMatrix& L, TMathMatrix& D, int n)
{
    std::vector<double> t(n), col(n);
    for (int k = 0; k < n; ++k) {
        for (int i = k; i < n; ++i)
            col[i] = A != nullptr ? A->Get(i, k) : L(i, k);
        double dk = col[k];
        for (int j = 0; j < k; ++j)
            if (L(k, j) != 0.0) {
                t[j] = L(k, j) * D(j, j);
                dk -= L(k, j) * t[j];
            } else {
                t[j] = 0.0;
            }
        D(k, k) = dk;
        if (dk == 0.0) return k;
        L(k, k) = 1.0;
        for (int i = k + 1; i < n; ++i) {
            double v = col[i];
            for (int j = 0; j < k; ++j)
                if (t[j] != 0.0 && L(i, j) != 0.0) v -= L(i, j) * t[j];
            L(i, k) = v / dk;
        }
    }
    return 0;
}

void SizeFactors(int n, TMathMatrix& L, TMathMatrix& D, bool keepL)
{
    if (!keepL && (L.Lines != n || L.Columns != n || L.Data == nullptr))
        L.SetDimension(n, n, TMathMatrix::mt_LEFT);
    if (D.Lines != n || D.Columns != n || D.Data == nullptr) D.SetDimension(n, n, TMathMatrix::mt_DIAGONAL);
}
} // namespace

int LR_LD(TMathMatrix& A, TMathMatrix& L, TMathMatrix& D)
{
    const int n = A.Columns;
    SizeFactors(n, L, D, false);
    return FactorLDL(&A, L, D, n);
}

int LR_LD(TMathMatrix& L, TMathMatrix& D)
{
    const int n = L.Columns;
    SizeFactors(n, L, D, true);
    return FactorLDL(nullptr, L, D, n);
}
