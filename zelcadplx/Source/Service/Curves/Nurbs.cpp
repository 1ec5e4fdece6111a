#include "Nurbs.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr Real kNotComputed = TMathDef::UndefinedReal;
constexpr Real kFullBasis = 0.9999999999999997; // a basis value this close to 1 carries the point alone
constexpr Real kNegligibleBasis = 1e-16;
constexpr Real kZeroZero = 1e137; // reciprocal slot of a 0/0 term
constexpr int kFindStep = 8;

Real Binomial(int n, int m)
{
    Real r = 1.0;
    for (int i = 1; i <= m; ++i)
        r = r * (n - m + i) / i;
    return r;
}

} // namespace

void TNurbsVector2D::CatchMemory(int count, bool bWeight)
{
    if (count <= 0) return;
    x.assign(count, 0.0);
    y.assign(count, 0.0);
    w.assign(bWeight ? count : 0, 0.0);
}

bool ArrayFind(const TArrayOf<double>& AParam, double& t, int& I)
{
    const int n = AParam.Count;
    if (n == 0) return false;
    int lo = std::clamp(I, 0, n - 1), hi = lo;
    if (AParam[lo] >= t) {
        while (lo > 0 && AParam[lo] >= t) {
            hi = lo;
            lo = std::max(lo - kFindStep, 0);
        }
        if (AParam[lo] >= t) hi = lo; // every value from the start is >= t
    } else {
        while (hi < n && AParam[hi] < t) {
            lo = hi;
            hi = std::min(hi + kFindStep, n);
        }
    }
    // Now AParam[lo] < t <= AParam[hi] (hi = n: past the end), unless lo = hi.
    while (hi - lo > kFindStep) {
        const int mid = lo + (hi - lo) / 2;
        (AParam[mid] < t ? lo : hi) = mid;
    }
    int i = lo;
    while (i < hi && AParam[i] < t)
        ++i;
    I = i;
    return true;
}

int KnotIndex(int degree, const TArrayOf<double>& knots, double& t)
{
    const int k = degree, n = knots.Count;
    if (t <= knots[k - 1]) {
        t = knots[k - 1];
        int span = k - 1;
        while (span < n - k - 1 && knots[span + 1] == knots[span])
            ++span;
        return span;
    }
    if (t >= knots[n - k]) {
        t = knots[n - k];
        int span = n - k - 1;
        while (span > 0 && knots[span] == knots[n - k])
            --span;
        return std::max(span, 0);
    }
    int i = k - 1;
    ArrayFind(knots, t, i);
    while (i < n - 1 && knots[i] == t)
        ++i;
    return i - 1;
}

void AllBasisFuns(int I, double& t, int P, const TArrayOf<double>& knots, double** ndu, double* left,
                  double* right, bool newPatch)
{
    std::vector<double> ownLeft, ownRight;
    if (!left) left = (ownLeft.assign(P + 1, 0.0), ownLeft.data());
    if (!right) right = (ownRight.assign(P + 1, 0.0), ownRight.data());
    ndu[0][0] = 1.0;
    for (int j = 1; j <= P; ++j) {
        left[j] = t - knots[I + 1 - j];
        right[j] = knots[I + j] - t;
        double saved = 0.0;
        for (int r = 0; r < j; ++r) {
            if (right[r + 1] == 0.0 && left[j - r] == 0.0) {
                const double temp = ndu[r][j - 1] * 0.5;
                ndu[r][j] = saved + temp;
                saved = temp;
                if (newPatch) ndu[j][r] = kZeroZero;
                continue;
            }
            if (newPatch) ndu[j][r] = 1.0 / (right[r + 1] + left[j - r]);
            const double temp = ndu[r][j - 1] * ndu[j][r];
            ndu[r][j] = saved + right[r + 1] * temp;
            saved = left[j - r] * temp;
        }
        ndu[j][j] = saved;
    }
}

void CurveDeriveCpts(int p, const TArrayOf<double>& U, const TArrayOf<TPoint2D>& P, const TArrayOf<double>& W,
                     const TNurbsVector2D* PW, int d, int r1, int r2, TNurbsVector2D* PK)
{
    const int r = r2 - r1, count = P.Count;
    TNurbsVector2D& out0 = PK[0];
    const bool homogeneous = !out0.w.empty();
    for (int i = 0; i <= r; ++i) {
        if (PW) {
            out0.x[i] = PW[0].x[r1 + i];
            out0.y[i] = PW[0].y[r1 + i];
            if (homogeneous) out0.w[i] = PW[0].w[r1 + i];
            continue;
        }
        const int c = (r1 + i) % count;
        const double wt = homogeneous ? W[c] : 1.0;
        out0.x[i] = P[c].x * wt;
        out0.y[i] = P[c].y * wt;
        if (homogeneous) out0.w[i] = wt;
    }
    for (int m = 1; m <= d; ++m) {
        const TNurbsVector2D& a = PK[m - 1];
        TNurbsVector2D& b = PK[m];
        for (int i = 0; i <= r - m; ++i) {
            const double c = (p - m + 1) / (U[r1 + i + p + 1] - U[r1 + i + m]);
            b.x[i] = c * (a.x[i + 1] - a.x[i]);
            b.y[i] = c * (a.y[i + 1] - a.y[i]);
            if (!b.w.empty()) b.w[i] = c * (a.w[i + 1] - a.w[i]);
        }
    }
}

void EiSum(const double* pk, double** nd, int jcount, double& sum)
{
    const int p = jcount;
    if (p == 0 || nd[0][p] > kFullBasis) {
        sum = pk[0];
        return;
    }
    sum = nd[0][p] * pk[0];
    for (int j = 1; j <= p; ++j) {
        const double b = nd[j][p];
        const bool take = p == 1 || (p == 2 && j == 2 ? b >= kNegligibleBasis : b > kNegligibleBasis);
        if (take) sum += b * pk[j];
    }
}

// ---- TNurbs ------------------------------------------------------------------------------------

TNurbs::TNurbs(const TNurbs& N) : TPolyLine(N)
{
    *this = N;
}

TNurbs& TNurbs::operator=(const TNurbs& N)
{
    if (this == &N) return *this;
    TPolyLine::operator=(N);
    degree = N.degree;
    uppKnotsIndex = N.uppKnotsIndex;
    knots = N.knots;
    weights = N.weights;
    closeSegments = N.closeSegments;
    form = N.form;
    FreeMemory();
    return *this;
}

TNurbs::~TNurbs()
{
    FreeMemory();
}

bool TNurbs::DataValid() const
{
    const Integer k = degree;
    return k >= 1 && knots.Count >= 2 * k && uppKnotsIndex == knots.Count - 1 && Segments >= 0 &&
           Points.Count >= Segments + 1 && weights.Count >= Segments + 1 && Points.Count > 0;
}

bool TNurbs::CatchMemory() const
{
    if (!DataValid()) return false;
    FreeMemory();
    const Integer k = degree;
    leftIndex = noSpan;
    tCalc = UndefinedReal;
    FRational = false;
    for (Integer i = 1; i <= Segments; ++i)
        if (std::fabs(weights[i] - weights[0]) > kNegligibleBasis * std::fabs(weights[0])) FRational = true;
    pk.resize(std::min(k, 4));
    for (Integer i = 0; i < static_cast<Integer>(pk.size()); ++i)
        pk[i].CatchMemory(k - i, FRational);
    ndStore.assign(static_cast<size_t>(k) * k, 0.0);
    nd.resize(k);
    for (Integer i = 0; i < k; ++i)
        nd[i] = ndStore.data() + static_cast<size_t>(i) * k;
    if (FRational) wc.assign(4, 0.0);
    m_left.assign(k, 0.0);
    m_right.assign(k, 0.0);
    MarkNotComputed();
    return true;
}

void TNurbs::FreeMemory() const
{
    pk.clear();
    nd.clear();
    ndStore.clear();
    wc.clear();
    m_left.clear();
    m_right.clear();
    leftIndex = noSpan;
    tCalc = UndefinedReal;
}

Integer TNurbs::InitSegments() const
{
    if (!nd.empty() || CatchMemory()) return 1;
    for (TVector2D& v : rc)
        v.Set(0.0, 0.0);
    if (!wc.empty()) std::fill(wc.begin(), wc.end(), 1.0);
    return 0;
}

void TNurbs::MarkNotComputed() const
{
    for (TVector2D& v : rc)
        v.x = kNotComputed;
}

void TNurbs::CalculateSegment(Real& t) const
{
    if (t == tCalc) return;
    if (!InitSegments()) return;
    const Integer k = degree;
    const Real tmin = knots[k - 1], tmax = knots[uppKnotsIndex - (k - 1)];
    if (Closed && (t < tmin || t > tmax) && tmax > tmin)
        t -= std::floor((t - tmin) / (tmax - tmin)) * (tmax - tmin);
    else
        t = std::clamp(t, tmin, tmax);
    if (t == tCalc) return;
    Integer span = leftIndex;
    bool newPatch = false;
    if (!(leftIndex != noSpan && knots[leftIndex] <= t && t < knots[leftIndex + 1])) {
        span = KnotIndex(k, knots, t);
        newPatch = span != leftIndex;
    }
    AllBasisFuns(span, t, k - 1, knots, nd.data(), m_left.data(), m_right.data(), newPatch);
    if (newPatch) {
        CurveDeriveCpts(k - 1, knots, Points, weights, nullptr, 3, span - (k - 1), span, pk.data());
        leftIndex = span;
    }
    tCalc = t;
    MarkNotComputed();
}

void TNurbs::CalculateSpline(Integer n) const
{
    if (n < 0 || n > 3 || rc[n].x != kNotComputed) return;
    if (nd.empty()) {
        rc[n].Set(0.0, 0.0);
        return;
    }
    if (n >= degree) {
        rc[n].Set(0.0, 0.0);
        if (!wc.empty()) wc[n] = 0.0;
        return;
    }
    Real wn = 1.0;
    rc[n] = Homogeneous(n, wn);
    if (!wc.empty()) wc[n] = n == 0 ? 1.0 / wn : wn;
}

TVector2D TNurbs::Homogeneous(Integer n, Real& wn) const
{
    const int p = degree - 1 - n;
    Real hx = 0.0, hy = 0.0;
    EiSum(pk[n].x.data(), nd.data(), p, hx);
    EiSum(pk[n].y.data(), nd.data(), p, hy);
    wn = 1.0;
    if (FRational) EiSum(pk[n].w.data(), nd.data(), p, wn);
    return TVector2D(hx, hy);
}

TVector2D TNurbs::CalculateSplineWeight(Integer n) const
{
    if (nd.empty() || tCalc == UndefinedReal || n < 0 || n > 3 || n >= degree) return TVector2D(0.0, 0.0);
    TVector2D C[4];
    Real w[4] = {1.0, 0.0, 0.0, 0.0};
    for (Integer i = 0; i <= n; ++i) {
        const TVector2D A = Homogeneous(i, w[i]);
        if (!FRational) {
            C[i] = A;
            continue;
        }
        TVector2D v = A;
        for (Integer m = 1; m <= i; ++m)
            v = v - C[i - m] * (Binomial(i, m) * w[m]);
        C[i] = v / w[0];
    }
    return C[n];
}

void TNurbs::PointOn(double t, TPoint2D& Point) const
{
    CalculateSegment(t);
    if (nd.empty()) {
        Point.Set(0.0, 0.0);
        return;
    }
    if (FRational && rc[0].x == kNotComputed) {
        CalculateSpline(0);
        rc[0] = rc[0] * wc[0];
        if (!std::isfinite(rc[0].x) || !std::isfinite(rc[0].y)) rc[0].Set(0.0, 0.0);
    } else if (!FRational) {
        CalculateSpline(0);
    }
    Point = rc[0];
}
