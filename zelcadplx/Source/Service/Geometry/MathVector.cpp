// Dense, row and sparse vectors: plain loops on X wherever both operands are plain vectors.
#include "MathVector.h"

#include <algorithm>
#include <cmath>
#include <cstring>

const TData TMathVector::SparseZero = 0.0;
const TData TMathVector::ZeroEpsilon = 1e-30;

namespace {
TData* NewValues(TSize n)
{
    return n > 0 ? new TData[n] : nullptr;
}
} // namespace

TMathVector::TMathVector(const TSize iN) : N(iN), X(NewValues(iN)) {}

TMathVector::TMathVector(const TSize iN, const TData& iV) : N(iN), X(NewValues(iN))
{
    std::fill(X, X + std::max<TSize>(N, 0), iV);
}

TMathVector::TMathVector(const TMathVector& V) : N(V.N), X(NewValues(V.N))
{
    for (TSize i = 0; i < N; ++i)
        X[i] = V[i];
}

TMathVector::~TMathVector()
{
    delete[] X;
}

void TMathVector::FreeMemory()
{
    delete[] X;
    X = nullptr;
}

void TMathVector::CatchMemory()
{
    FreeMemory();
    X = NewValues(N);
}

void TMathVector::SetDimension(const TSize iN, const TData& V)
{
    if (iN == N) return;
    if (iN < 1) {
        FreeMemory();
        N = 0;
        return;
    }
    TData* nx = new TData[iN];
    const TSize keep = std::min(iN, N);
    if (keep > 0) std::copy(X, X + keep, nx);
    std::fill(nx + std::max<TSize>(keep, 0), nx + iN, V);
    delete[] X;
    X = nx;
    N = iN;
}

TMathVector& TMathVector::operator=(const TMathVector& V)
{
    if (this == &V) return *this;
    if (N != V.N) SetDimension(V.N, 0.0);
    if (V.N > 0) std::copy(V.X, V.X + V.N, X);
    return *this;
}

TMathVector& TMathVector::operator=(std::initializer_list<double> L)
{
    TSize i = 0;
    for (auto it = L.begin(); it != L.end() && i < N; ++it, ++i)
        X[i] = *it;
    return *this;
}

TData TMathVector::operator*(const TMathVector& V) const
{
    TData s = 0.0;
    for (TSize i = 0; i < N; ++i)
        s += X[i] * V.X[i];
    return s;
}

TData TMathVector::SqrNorma() const
{
    TData s = 0.0;
    for (TSize i = 0; i < N; ++i)
        s += X[i] * X[i];
    return s;
}

TData TMathVector::Norma() const
{
    return std::sqrt(SqrNorma());
}

TData TMathVector::NormaMax() const
{
    TData m = 0.0;
    for (TSize i = 0; i < N; ++i)
        m = std::max(m, std::fabs(X[i]));
    return m;
}

Boolean TMathVector::Assign(const TMathVector& V)
{
    if (V.N < N) return true;
    if (N > 0) std::copy(V.X, V.X + N, X);
    return false;
}

TMathVector& TMathVector::SetZero(TSize SI)
{
    if (X != nullptr && SI < N) std::fill(X + SI, X + N, 0.0);
    return *this;
}

TMathVector& TMathVector::operator-=(const TSparseMathVector& V)
{
    if (V.Index == nullptr) {
        for (TSize i = 0; i < N; ++i)
            X[i] -= V[i];
        return *this;
    }
    for (TSize k = 0; k < V.N && V.Index[k] < N; ++k)
        X[V.Index[k]] -= V.X[k];
    return *this;
}

TMathVector& TMathVector::operator+=(const TSparseMathVector& V)
{
    if (V.Index == nullptr) {
        for (TSize i = 0; i < N; ++i)
            X[i] += V[i];
        return *this;
    }
    for (TSize k = 0; k < V.N && V.Index[k] < N; ++k)
        X[V.Index[k]] += V.X[k];
    return *this;
}

TMathVector& TMathVector::operator-=(const TMathVector& V)
{
    for (TSize i = 0; i < N; ++i)
        X[i] -= V.X[i];
    return *this;
}

TMathVector& TMathVector::operator+=(const TMathVector& V)
{
    for (TSize i = 0; i < N; ++i)
        X[i] += V.X[i];
    return *this;
}

TMathVector& TMathVector::operator*=(const TData& K)
{
    for (TSize i = 0; i < N; ++i)
        X[i] *= K;
    return *this;
}

TMathVector& TMathVector::operator/=(const TData& K)
{
    for (TSize i = 0; i < N; ++i)
        X[i] /= K;
    return *this;
}

TString TMathVector::toStr() const
{
    TString s;
    for (TSize i = 0; i < N; ++i) {
        s += TString(X[i], 2, true, 7);
        s += " . ";
    }
    return s;
}

void TMathVector::SubVector(TArrayOf<bool>& DeleteRow, TMathVector& Result) const
{
    TSize deleted = 0;
    for (Integer i = 0; i < DeleteRow.Count; ++i)
        deleted += DeleteRow[i] ? 1 : 0;
    Result.SetDimension(N - deleted, 0.0);
    TSize k = 0;
    for (TSize i = 0; i < N; ++i)
        if (!DeleteRow[i]) Result[k++] = X[i];
}

void TMathVector::Swap(const TSize i, TData& v)
{
    std::swap(X[i], v);
}

void TMathVector::Swap(const TSize i, const TSize j)
{
    std::swap(X[i], X[j]);
}

// ---------------------------------------------------------------------------------------------

TRowSparseMathVector::TRowSparseMathVector(TSize iN, TSize begNonZero, TSize endNonZero, const TData* data)
    : SI(begNonZero), EI(endNonZero + 1), D(iN)
{
    N = std::max<TSize>(endNonZero - begNonZero + 1, 0);
    X = NewValues(N);
    if (data != nullptr && N > 0) std::copy(data, data + N, X);
}

TRowSparseMathVector::TRowSparseMathVector(const TRowSparseMathVector& V)
    : TMathVector(), SI(V.SI), EI(V.EI), D(V.D)
{
    N = V.N;
    X = NewValues(N);
    if (N > 0) std::copy(V.X, V.X + N, X);
}

TRowSparseMathVector& TRowSparseMathVector::operator=(const TRowSparseMathVector& V)
{
    if (this == &V) return *this;
    SI = V.SI;
    EI = V.EI;
    if (N != V.N) {
        FreeMemory();
        N = V.N;
        X = NewValues(N);
    }
    if (N > 0) std::copy(V.X, V.X + N, X);
    return *this;
}

void TRowSparseMathVector::SetZero()
{
    if (X != nullptr) std::fill(X, X + N, 0.0);
}

Boolean TRowSparseMathVector::Assign(const TMathVector& V)
{
    if (X == nullptr || V.N <= EI) return false;
    std::copy(V.X, V.X + std::min(N, V.N), X);
    return true;
}

void TRowSparseMathVector::SetLine(const TData* line)
{
    if (N > 0) std::copy(line, line + N, X);
}

Boolean TRowSparseMathVector::BegEndUpdate()
{
    if (EI <= SI || X == nullptr) return false;
    TSize first = 0;
    while (first < N && std::fabs(X[first]) <= ZeroEpsilon)
        ++first;
    if (first == N) return false;
    TSize last = N - 1;
    while (std::fabs(X[last]) <= ZeroEpsilon)
        --last;
    if (first == 0 && last == N - 1) return false;
    const TSize n = last - first + 1;
    TData* nx = new TData[n];
    std::copy(X + first, X + last + 1, nx);
    delete[] X;
    X = nx;
    SI += first;
    EI = SI + n;
    N = n;
    return true;
}

// ---------------------------------------------------------------------------------------------

TSparseMathVector::~TSparseMathVector()
{
    delete[] Index;
}

const TData& TSparseMathVector::operator[](TSize i) const
{
    if (Index == nullptr) return X[i];
    const TSize* end = Index + N;
    const TSize* begin = Index;
    const TSize* at = std::lower_bound(begin, end, i);
    return at != end && *at == i ? X[at - begin] : SparseZero;
}

void TSparseMathVector::FreeMemory()
{
    delete[] Index;
    Index = nullptr;
    TMathVector::FreeMemory();
}

void TSparseMathVector::CatchMemory()
{
    FreeMemory();
    if (N > 0) {
        X = new TData[N];
        Index = new TSize[N];
    }
}

TData TSparseMathVector::Elem(TSize elemIdx, TSize& nzIdx) const
{
    if (Index == nullptr) return elemIdx < N ? X[elemIdx] : 0.0;
    while (nzIdx < N && Index[nzIdx] < elemIdx)
        ++nzIdx;
    return nzIdx < N && Index[nzIdx] == elemIdx ? X[nzIdx] : 0.0;
}

void TSparseMathVector::Init(const TSparseMathVector& V)
{
    if (N != V.N || (X == nullptr && V.X != nullptr) || (Index == nullptr) != (V.Index == nullptr)) {
        FreeMemory();
        N = V.N;
        X = NewValues(N);
        if (V.Index != nullptr && N > 0) Index = new TSize[N];
    }
    if (N > 0 && V.X != nullptr) std::copy(V.X, V.X + N, X);
    if (N > 0 && Index != nullptr && V.Index != nullptr) std::copy(V.Index, V.Index + N, Index);
}

void TSparseMathVector::Init(const TMathVector& V, const TData&)
{
    TSize count = 0;
    for (TSize i = 0; i < V.N; ++i)
        count += std::fabs(V.X[i]) > ZeroEpsilon ? 1 : 0;
    FreeMemory();
    if (count == 0) return;
    if (V.N < 8 || count > (3 * V.N) / 4) {
        N = V.N;
        X = new TData[N];
        std::copy(V.X, V.X + N, X);
        return;
    }
    N = count;
    X = new TData[N];
    Index = new TSize[N];
    TSize k = 0;
    for (TSize i = 0; i < V.N; ++i) {
        if (std::fabs(V.X[i]) <= ZeroEpsilon) continue;
        X[k] = V.X[i];
        Index[k++] = i;
    }
}

TSparseMathVector& TSparseMathVector::operator-=(const TSparseMathVector& V)
{
    for (TSize i = 0; i < N; ++i)
        X[i] -= V.X[i];
    return *this;
}

namespace {
TData DenseSparse(const TSparseMathVector& dense, const TSparseMathVector& sparse)
{
    TData s = 0.0;
    for (TSize k = 0; k < sparse.N && sparse.Index[k] < dense.N; ++k)
        s += sparse.X[k] * dense.X[sparse.Index[k]];
    return s;
}
} // namespace

TData operator*(const TSparseMathVector& V1, const TSparseMathVector& V2)
{
    if (V1.X == nullptr || V2.X == nullptr) return 0.0;
    if (V1.Index != nullptr && V2.Index != nullptr) {
        TData s = 0.0;
        TSize a = 0, b = 0;
        while (a < V1.N && b < V2.N) {
            if (V1.Index[a] < V2.Index[b])
                ++a;
            else if (V2.Index[b] < V1.Index[a])
                ++b;
            else
                s += V1.X[a++] * V2.X[b++];
        }
        return s;
    }
    if (V1.Index == nullptr && V2.Index == nullptr) {
        TData s = 0.0;
        for (TSize k = 0; k < V1.N; ++k)
            s += V1.X[k] * V2.X[k];
        return s;
    }
    return V1.Index == nullptr ? DenseSparse(V1, V2) : DenseSparse(V2, V1);
}

TData operator*(const TSparseMathVector& V1, const TMathVector& V2)
{
    TData s = 0.0;
    if (V1.X == nullptr) return s;
    if (V1.Index == nullptr) {
        for (TSize k = 0; k < V1.N; ++k)
            s += V1.X[k] * V2.X[k];
        return s;
    }
    for (TSize k = 0; k < V1.N && V1.Index[k] < V2.N; ++k)
        s += V1.X[k] * V2[V1.Index[k]];
    return s;
}

TData operator*(const TRowSparseMathVector& V1, const TMathVector& V2)
{
    TData s = 0.0;
    for (TSize i = 0; i < V2.N; ++i)
        s += V1[i] * V2[i];
    return s;
}
