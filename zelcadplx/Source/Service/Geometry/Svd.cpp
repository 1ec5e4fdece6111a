// Golub-Reinsch SVD and the inverse tools. The decomposition works on a contiguous copy: the
// Householder steps run along rows, and U and V are kept transposed during the QR sweeps so that
// every plane rotation combines two contiguous rows.
#include "Svd.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
constexpr int maxSweepCount = 30;      // a value still open at this count fails the decomposition
constexpr double singularZero = 1e-14; // singular values at or below this are taken as zero
constexpr double grevZero = 1e-15;     // a new column with a smaller residual lies in the span

using Vec = std::vector<double>;

// Householder reflection H = I + v v^T / h taking x to (g, 0, ..., 0). x[0..len) with the given stride
// becomes v; returns h (0 when x is zero and H is the identity) and sets g.
double Reflector(double* x, int len, int stride, double& g)
{
    double scale = 0.0;
    for (int k = 0; k < len; ++k)
        scale = std::max(scale, std::fabs(x[k * stride]));
    g = 0.0;
    if (scale == 0.0) return 0.0;
    double s = 0.0;
    for (int k = 0; k < len; ++k) {
        x[k * stride] /= scale;
        s += x[k * stride] * x[k * stride];
    }
    const double x0 = x[0];
    const double gs = -std::copysign(std::sqrt(s), x0);
    const double h = x0 * gs - s;
    x[0] = x0 - gs;
    g = gs * scale;
    return h;
}

// Rows p and q of a row-major block become (p c + q s, q c - p s).
void RotateRows(double* p, double* q, int len, double c, double s)
{
    for (int k = 0; k < len; ++k) {
        const double x = p[k], z = q[k];
        p[k] = x * c + z * s;
        q[k] = z * c - x * s;
    }
}

struct TallSvd {
    int m, n, uRows; // m >= n; U^T keeps uRows rows (n, or m for a full U)
    Vec a, d, e, hl, hr, ut, vt;
    double anorm = 0.0;

    TallSvd(int m_, int n_, int uRows_)
        : m(m_), n(n_), uRows(uRows_), a(std::size_t(m_) * n_), d(n_), e(n_), hl(n_), hr(n_),
          ut(std::size_t(uRows_) * m_), vt(std::size_t(n_) * n_)
    {
    }

    double* A(int i, int j) { return &a[std::size_t(i) * n + j]; }

    void LeftStep(int i, Vec& t)
    {
        double g;
        hl[i] = Reflector(A(i, i), m - i, n, g);
        d[i] = g;
        const double h = hl[i];
        if (h == 0.0 || i + 1 >= n) return;
        std::fill(t.begin() + i + 1, t.end(), 0.0);
        for (int k = i; k < m; ++k) {
            const double vk = *A(k, i);
            const double* row = A(k, 0);
            for (int j = i + 1; j < n; ++j)
                t[j] += vk * row[j];
        }
        for (int j = i + 1; j < n; ++j)
            t[j] /= h;
        for (int k = i; k < m; ++k) {
            const double vk = *A(k, i);
            double* row = A(k, 0);
            for (int j = i + 1; j < n; ++j)
                row[j] += vk * t[j];
        }
    }

    void RightStep(int i)
    {
        double g;
        const int len = n - i - 1;
        double* v = A(i, i + 1);
        hr[i] = Reflector(v, len, 1, g);
        e[i + 1] = g;
        const double h = hr[i];
        if (h == 0.0) return;
        for (int k = i + 1; k < m; ++k) {
            double* row = A(k, i + 1);
            double dot = 0.0;
            for (int j = 0; j < len; ++j)
                dot += row[j] * v[j];
            const double f = dot / h;
            for (int j = 0; j < len; ++j)
                row[j] += f * v[j];
        }
    }

    void Bidiagonalise()
    {
        Vec t(n);
        e[0] = 0.0;
        for (int i = 0; i < n; ++i) {
            LeftStep(i, t);
            if (i + 1 < n)
                RightStep(i);
            else
                hr[i] = 0.0;
        }
        for (int i = 0; i < n; ++i)
            anorm = std::max(anorm, std::fabs(d[i]) + std::fabs(e[i]));
    }

    // Applies reflection h, v (over columns from .. from + len) from the right to rows r0 .. rows - 1.
    static void ReflectRows(double* M, int stride, int r0, int rows, int from, const double* v, int len,
                            double h)
    {
        for (int r = r0; r < rows; ++r) {
            double* row = M + std::size_t(r) * stride + from;
            double dot = 0.0;
            for (int j = 0; j < len; ++j)
                dot += row[j] * v[j];
            const double f = dot / h;
            for (int j = 0; j < len; ++j)
                row[j] += f * v[j];
        }
    }

    void Accumulate()
    {
        std::fill(vt.begin(), vt.end(), 0.0);
        for (int i = 0; i < n; ++i)
            vt[std::size_t(i) * n + i] = 1.0;
        for (int i = n - 2; i >= 0; --i)
            if (hr[i] != 0.0) ReflectRows(vt.data(), n, i + 1, n, i + 1, A(i, i + 1), n - i - 1, hr[i]);
        std::fill(ut.begin(), ut.end(), 0.0);
        for (int i = 0; i < uRows; ++i)
            ut[std::size_t(i) * m + i] = 1.0;
        Vec v(m);
        for (int i = n - 1; i >= 0; --i) {
            if (hl[i] == 0.0) continue;
            for (int k = i; k < m; ++k)
                v[k - i] = *A(k, i);
            ReflectRows(ut.data(), m, i, uRows, i, v.data(), m - i, hl[i]);
        }
    }

    bool Negligible(double x) const { return std::fabs(x) + anorm == anorm; }
    double* URow(int i) { return &ut[std::size_t(i) * m]; }
    double* VRow(int i) { return &vt[std::size_t(i) * n]; }

    // d[l - 1] is negligible: left rotations with rows l .. k clear the coupling e[l] and its fill.
    void Cancel(int l, int k)
    {
        double c = 0.0, s = 1.0;
        for (int i = l; i <= k; ++i) {
            const double f = s * e[i];
            e[i] *= c;
            if (Negligible(f)) break;
            const double g = d[i];
            const double h = pythag(f, g);
            d[i] = h;
            c = g / h;
            s = -f / h;
            RotateRows(URow(l - 1), URow(i), m, c, s);
        }
    }

    // One implicitly shifted QR sweep over the block l .. k, shift from its trailing 2 x 2.
    void Sweep(int l, int k)
    {
        double x = d[l], y = d[k - 1], g = e[k - 1], h = e[k], z = d[k];
        double f = ((y - z) * (y + z) + (g - h) * (g + h)) / (2.0 * h * y);
        g = pythag(f, 1.0);
        f = ((x - z) * (x + z) + h * (y / (f + std::copysign(g, f)) - h)) / x;
        double c = 1.0, s = 1.0;
        for (int j = l; j < k; ++j) {
            const int i = j + 1;
            g = e[i];
            y = d[i];
            h = s * g;
            g *= c;
            z = pythag(f, h);
            e[j] = z;
            c = z != 0.0 ? f / z : 1.0;
            s = z != 0.0 ? h / z : 0.0;
            f = x * c + g * s;
            g = g * c - x * s;
            h = y * s;
            y *= c;
            RotateRows(VRow(j), VRow(i), n, c, s);
            z = pythag(f, h);
            d[j] = z;
            if (z != 0.0) {
                c = f / z;
                s = h / z;
            }
            f = c * g + s * y;
            x = c * y - s * g;
            RotateRows(URow(j), URow(i), m, c, s);
        }
        e[l] = 0.0;
        e[k] = f;
        d[k] = x;
    }

    bool Diagonalise()
    {
        for (int k = n - 1; k >= 0; --k)
            for (int its = 1;; ++its) {
                int l = k;
                bool cancel = false;
                for (; l > 0; --l) {
                    if (Negligible(e[l])) break;
                    if (Negligible(d[l - 1])) {
                        cancel = true;
                        break;
                    }
                }
                if (cancel) Cancel(l, k);
                if (l == k) {
                    if (d[k] < 0.0) {
                        d[k] = -d[k];
                        double* vr = VRow(k);
                        for (int j = 0; j < n; ++j)
                            vr[j] = -vr[j];
                    }
                    break;
                }
                if (its == maxSweepCount) return false;
                Sweep(l, k);
            }
        return true;
    }
};
} // namespace

double pythag(double a, double b)
{
    const double absa = std::fabs(a), absb = std::fabs(b);
    if (absa > absb) return absa * std::sqrt(1.0 + (absb / absa) * (absb / absa));
    return absb == 0.0 ? 0.0 : absb * std::sqrt(1.0 + (absa / absb) * (absa / absb));
}

int svdcmp(double** a, int m, int n, double* w, double** v)
{
    if (m < 1 || n < 1) return 1;
    const bool wide = m < n;
    // A wide matrix is decomposed through its transpose, whose full n x n U becomes V. Either way U^T
    // keeps n rows.
    TallSvd s(wide ? n : m, wide ? m : n, n);
    for (int i = 0; i < m; ++i)
        for (int j = 0; j < n; ++j)
            (wide ? *s.A(j, i) : *s.A(i, j)) = a[i + 1][j + 1];
    s.Bidiagonalise();
    s.Accumulate();
    if (!s.Diagonalise()) return 0;
    if (!wide) {
        for (int i = 0; i < m; ++i)
            for (int j = 0; j < n; ++j)
                a[i + 1][j + 1] = s.ut[std::size_t(j) * m + i];
        for (int j = 0; j < n; ++j) {
            w[j + 1] = s.d[j];
            for (int i = 0; i < n; ++i)
                v[i + 1][j + 1] = s.vt[std::size_t(j) * n + i];
        }
        return 1;
    }
    // A = (U' W V'^T)^T: U is V', V is the full U'.
    for (int i = 0; i < m; ++i)
        for (int j = 0; j < n; ++j)
            a[i + 1][j + 1] = j < m ? s.vt[std::size_t(j) * m + i] : 0.0;
    for (int j = 0; j < n; ++j) {
        w[j + 1] = j < m ? s.d[j] : 0.0;
        for (int i = 0; i < n; ++i)
            v[i + 1][j + 1] = s.ut[std::size_t(j) * n + i];
    }
    return 1;
}

void svd_bksb(const double* const* u, const double* w, const double* const* v, int m, int n, const double* b,
              double* x)
{
    Vec tmp(n + 1, 0.0);
    for (int j = 1; j <= n; ++j) {
        if (std::fabs(w[j]) <= singularZero) continue;
        double s = 0.0;
        for (int i = 1; i <= m; ++i)
            s += u[i][j] * b[i];
        tmp[j] = s / w[j];
    }
    for (int j = 1; j <= n; ++j) {
        double s = 0.0;
        for (int k = 1; k <= n; ++k)
            s += v[j][k] * tmp[k];
        x[j] = s;
    }
}

namespace {
// Row i of r (upper triangle) becomes row i of the inverse, the rows below being inverted already.
// cols lists the columns k > i whose entries take part, in increasing order.
void InvertRow(TMathMatrix& r, int i, const int* cols, int count, Vec& t)
{
    const int n = r.Lines;
    std::fill(t.begin() + i + 1, t.end(), 0.0);
    for (int c = 0; c < count; ++c) {
        const int k = cols[c];
        const double rik = r(i, k);
        for (int j = k; j < n; ++j)
            t[j] += rik * r(k, j);
    }
    const double rii = r(i, i);
    for (int j = i + 1; j < n; ++j)
        r(i, j) = -rii * t[j];
}

bool InvertUpper(TMathMatrix& r, int* idx, double null_v, bool sparse)
{
    const int n = r.Lines;
    Vec t(n);
    std::vector<int> all(n);
    int* cols = sparse ? idx : all.data();
    for (int i = n - 1; i >= 0; --i) {
        if (r(i, i) == 0.0) return false;
        r(i, i) = 1.0 / r(i, i);
        int count = 0;
        for (int k = i + 1; k < n; ++k)
            if (!sparse || std::fabs(r(i, k)) > null_v) cols[count++] = k;
        InvertRow(r, i, cols, count, t);
    }
    return true;
}

// v = row i of q times a, summing over the columns k of q that pass the filter.
void RowTimes(const TMathMatrix& q, int i, const TMathMatrix& a, TMathVector& v, double null_v, bool sparse)
{
    const int n = a.Columns;
    std::fill(v.X, v.X + n, 0.0);
    for (int k = 0; k < q.Columns; ++k) {
        const double qik = q.Get(i, k);
        if (qik == 0.0 || (sparse && std::fabs(qik) <= null_v)) continue;
        const TRowSparseMathVector& ak = a[k];
        for (int j = ak.SI; j < std::min(ak.EI, n); ++j)
            v.X[j] += qik * ak(j);
    }
}

void StoreRow(TMathMatrix& q, int i, const TMathVector& v, bool minus)
{
    TRowSparseMathVector& r = q[i];
    for (int j = r.SI; j < std::min(r.EI, v.N); ++j)
        r(j) = minus ? r(j) - v.X[j] : v.X[j];
}
} // namespace

bool inv_rmat(TMathMatrix& r)
{
    return InvertUpper(r, nullptr, 0.0, false);
}

bool inv_srmat(TMathMatrix& r, int* idx, double null_v)
{
    return InvertUpper(r, idx, null_v, true);
}

void prod_mat(TMathMatrix& q, const TMathMatrix& a, TMathVector& v, bool minus)
{
    for (int i = 0; i < a.Lines; ++i) {
        RowTimes(q, i, a, v, 0.0, false);
        StoreRow(q, i, v, minus);
    }
}

void prod_sm_dm(TMathMatrix& q, const TMathMatrix& a, TMathVector& v, int*, double null_v)
{
    for (int i = 0; i < a.Lines; ++i) {
        RowTimes(q, i, a, v, null_v, true);
        StoreRow(q, i, v, false);
    }
}

void prod_dm_sm(const TMathMatrix& q, TMathMatrix& a, TMathVector& v, int* idx, double null_v)
{
    const int n = a.Lines;
    for (int j = 0; j < a.Columns; ++j) {
        int count = 0;
        for (int k = 0; k < n; ++k)
            if (std::fabs(a.Get(k, j)) > null_v) idx[count++] = k;
        for (int i = 0; i < q.Lines; ++i) {
            double s = 0.0;
            for (int c = 0; c < count; ++c)
                s += q.Get(i, idx[c]) * a(idx[c], j);
            v.X[i] = s;
        }
        for (int i = 0; i < n; ++i)
            if (a.Stored(i, j)) a(i, j) = v.X[i];
    }
}

void prod_rmat(TMathMatrix& q, const TMathMatrix& r, TMathVector& v)
{
    const int n = r.Lines;
    for (int i = 0; i < q.Lines; ++i) {
        std::fill(v.X, v.X + n, 0.0);
        for (int k = 0; k < n; ++k) {
            const double qik = q(i, k);
            if (qik == 0.0) continue;
            // Only the upper triangle of r enters, whatever lies below it.
            for (int j = k; j < n; ++j)
                v.X[j] += qik * r(k, j);
        }
        StoreRow(q, i, v, false);
    }
}

double Inv_Improve(const TMathMatrix& A, TMathMatrix& X, int& it)
{
    constexpr int defaultLimit = 38;
    constexpr double smallest = 1e-15;
    int limit = defaultLimit;
    if (it >= 1) {
        limit = it;
        it = 0;
    }
    const int mn = std::min(A.Lines, A.Columns);
    TMathMatrix E(mn, mn, TMathMatrix::mt_DIAGONAL);
    for (int i = 0; i < mn; ++i)
        E(i, i) = 1.0;
    TMathMatrix R, dX;
    double prev = X.NormaMax();
    double d = 0.0;
    for (;;) {
        if (A.Lines < A.Columns) {
            Rest_matr(E, A, X, R);
            dX.SetMultiply(X, R);
        } else {
            Rest_matr(E, X, A, R);
            dX.SetMultiply(R, X);
        }
        X += dX;
        d = dX.NormaMax();
        ++it;
        if (!(it < limit && d < prev)) break;
        prev = d;
        if (!(d > smallest)) break;
    }
    const double xn = X.NormaMax();
    const double q = d / (xn > 0.0 ? xn : 1.0);
    return q > 0.0 ? q : smallest;
}

TMathMatrix GrevRec(TMathMatrix& A, TMathMatrix& a, TMathMatrix& _A)
{
    const int m = A.Lines;
    const TMathMatrix d = _A * a;
    TMathMatrix c(m, 1);
    Rest_matr(a, A, d, c);
    double s = 0.0;
    for (int i = 0; i < m; ++i)
        s += c(i, 0) * c(i, 0);
    if (s >= grevZero) {
        c *= 1.0 / s;
        return c;
    }
    s = 1.0;
    for (int i = 0; i < d.Lines; ++i)
        s += d(i, 0) * d(i, 0);
    TMathMatrix At;
    _A.Transpose(At);
    TMathMatrix b = At * d;
    b *= 1.0 / s;
    return b;
}

void RecInv(const TMathMatrix& A, int& dec, TMathMatrix& _A)
{
    const int m = A.Lines, n = A.Columns;
    _A.SetDimension(1, m, TMathMatrix::mt_GENERAL);
    _A.SetZero();
    double s = 0.0;
    for (int i = 0; i < m; ++i)
        s += A(i, 0) * A(i, 0);
    if (s > 0.0)
        for (int i = 0; i < m; ++i)
            _A(0, i) = A(i, 0) / s;
    double r = s;
    TMathMatrix Ak(m, 1), a(m, 1);
    for (int i = 0; i < m; ++i)
        Ak(i, 0) = A(i, 0);
    const int stepLimit = dec;
    for (int k = 1; k < n; ++k) {
        for (int i = 0; i < m; ++i)
            a(i, 0) = A(i, k);
        const TMathMatrix b = GrevRec(Ak, a, _A);
        // [_A - (_A a) b^T; b^T]
        const TMathMatrix d = _A * a;
        TMathMatrix next(k + 1, m);
        for (int i = 0; i < k; ++i)
            for (int j = 0; j < m; ++j)
                next(i, j) = _A(i, j) - d(i, 0) * b(j, 0);
        for (int j = 0; j < m; ++j)
            next(k, j) = b(j, 0);
        _A = next;
        TMathMatrix grown(m, k + 1);
        for (int i = 0; i < m; ++i) {
            std::copy(Ak[i].X, Ak[i].X + k, grown[i].X);
            grown(i, k) = A(i, k);
        }
        Ak = grown;
        int it = k + 1 < n ? stepLimit : 0;
        r = Inv_Improve(Ak, _A, it);
    }
    constexpr double tiny = 1e-30;
    if (r < tiny) r = 1e-15;
    dec = int(-std::log10(r));
}
