// Matrix storage by kind, norms, arithmetic and the kind-aware product.
#include "MathMatrix.h"

#include "Mathemat.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {
using MT = TMathMatrix::MathMatrixType;

Boolean FullRows(MT t)
{
    return t == TMathMatrix::mt_GENERAL || t == TMathMatrix::mt_ORTHOGONAL;
}

// The stored run [first, last] of row i of a fresh matrix of the kind.
void RunOf(MT t, TSize i, TSize columns, TSize& first, TSize& last)
{
    first = 0;
    last = columns - 1;
    switch (t) {
    case TMathMatrix::mt_RIGHT:
        first = i < columns ? i : 0;
        last = i < columns ? columns - 1 : 0;
        break;
    case TMathMatrix::mt_LEFT:
        last = i < columns ? i : columns - 1;
        break;
    case TMathMatrix::mt_DIAGONAL:
        first = last = i;
        break;
    default:
        break;
    }
}

// Sum and product keep the kind only when both agree on one that is not orthogonal.
MT ResultKind(const TMathMatrix& A, const TMathMatrix& B)
{
    return A.Type == B.Type && A.Type != TMathMatrix::mt_ORTHOGONAL ? A.Type : TMathMatrix::mt_GENERAL;
}

// Term range of A's row i in a product with n inner terms.
void RowRange(const TMathMatrix& A, TSize i, TSize n, TSize& kmin, TSize& kmax)
{
    kmin = 0;
    kmax = n - 1;
    switch (A.Type) {
    case TMathMatrix::mt_RIGHT:
        kmin = i < n ? i : n;
        break;
    case TMathMatrix::mt_LEFT:
        kmax = i < n ? i : n - 1;
        break;
    case TMathMatrix::mt_DIAGONAL:
        kmin = i < n ? i : 0;
        kmax = i < n ? i : -1;
        break;
    case TMathMatrix::mt_BANDED:
        kmin = A[i].SI;
        kmax = A[i].EI - 1;
        break;
    default:
        break;
    }
}

void ColumnRange(const TMathMatrix& B, TSize j, TSize n, TSize& kmin, TSize& kmax)
{
    kmin = 0;
    kmax = n - 1;
    switch (B.Type) {
    case TMathMatrix::mt_RIGHT:
        kmax = j < n ? j : n - 1;
        break;
    case TMathMatrix::mt_LEFT:
        kmin = j < n ? j : n;
        break;
    case TMathMatrix::mt_DIAGONAL:
        kmin = j < n ? j : 0;
        kmax = j < n ? j : -1;
        break;
    default:
        break;
    }
}

// C = A B for full-row factors: row i of C gathers A(i, k) times row k of B, so every inner loop
// runs along contiguous rows.
void FullProduct(const TMathMatrix& A, const TMathMatrix& B, TMathMatrix& C)
{
    const TSize n = B.Lines;
    for (TSize i = 0; i < C.Lines; ++i) {
        TData* c = C[i].X;
        std::fill(c, c + C.Columns, 0.0);
        const TData* a = A[i].X;
        for (TSize k = 0; k < n; ++k) {
            const TData aik = a[k];
            if (aik == 0.0) continue;
            const TData* b = B[k].X;
            for (TSize j = 0; j < C.Columns; ++j)
                c[j] += aik * b[j];
        }
    }
}

void KindProduct(const TMathMatrix& A, const TMathMatrix& B, TMathMatrix& C)
{
    const TSize n = B.Lines;
    const Boolean bBanded = B.Type == TMathMatrix::mt_BANDED;
    for (TSize i = 0; i < C.Lines; ++i) {
        TSize amin, amax;
        RowRange(A, i, n, amin, amax);
        const TRowSparseMathVector& c = C[i];
        for (TSize j = c.SI; j < c.EI; ++j) {
            TSize bmin, bmax;
            ColumnRange(B, j, n, bmin, bmax);
            const TSize k0 = std::max(amin, bmin), k1 = std::min(amax, bmax);
            TData s = 0.0;
            for (TSize k = k0; k <= k1; ++k)
                s += A(i, k) * (bBanded ? B.Get(k, j) : B(k, j));
            C(i, j) = s;
        }
    }
}

void Product(const TMathMatrix& A, const TMathMatrix& B, TMathMatrix& C)
{
    if (FullRows(A.Type) && FullRows(B.Type) && FullRows(C.Type))
        FullProduct(A, B, C);
    else
        KindProduct(A, B, C);
}
} // namespace

TMathMatrix::TMathMatrix(TSize _m, TSize _n, MathMatrixType t) : Type(t), Lines(_m), Columns(_n)
{
    CatchMemory();
}

TMathMatrix::TMathMatrix(const TMathMatrix& B) : Type(B.Type), Lines(B.Lines), Columns(B.Columns)
{
    if (B.Data == nullptr) return;
    Data = new TRowSparseMathVector*[Lines];
    for (TSize i = 0; i < Lines; ++i)
        Data[i] = new TRowSparseMathVector(*B.Data[i]);
}

TMathMatrix::~TMathMatrix()
{
    FreeMemory();
}

void TMathMatrix::FreeMemory()
{
    if (Data == nullptr) return;
    for (TSize i = 0; i < Lines; ++i)
        delete Data[i];
    delete[] Data;
    Data = nullptr;
}

void TMathMatrix::CatchMemory()
{
    if (Lines < 1) return;
    Data = new TRowSparseMathVector*[Lines];
    for (TSize i = 0; i < Lines; ++i) {
        TSize first, last;
        RunOf(Type, i, Columns, first, last);
        Data[i] = new TRowSparseMathVector(Columns, first, last, nullptr);
    }
}

void TMathMatrix::SetDimension(TSize _m, TSize _n, MathMatrixType t)
{
    if (_m == Lines && _n == Columns && t == Type && (Data != nullptr || _m < 1)) return;
    FreeMemory();
    Lines = _m;
    Columns = _n;
    Type = t;
    CatchMemory();
}

TMathMatrix& TMathMatrix::SetZero()
{
    for (TSize i = 0; Data != nullptr && i < Lines; ++i)
        Data[i]->SetZero();
    return *this;
}

void TMathMatrix::SetLine(const TSize L, const TMathVector& line)
{
    if (Columns < 1 || L >= Lines || Data == nullptr) return;
    TRowSparseMathVector& r = *Data[L];
    if (r.X == nullptr || line.N <= r.EI) return;
    std::copy(line.X, line.X + std::min(r.N, line.N), r.X);
}

void TMathMatrix::SetColumn(TSize C, const TMathVector& V)
{
    for (TSize i = 0; i < Lines; ++i)
        if (Stored(i, C)) (*this)(i, C) = V[i];
}

Boolean TMathMatrix::SwapLines(TSize i1, TSize i2)
{
    if (!FullRows(Type)) return false;
    std::swap(Data[i1], Data[i2]);
    return true;
}

Boolean TMathMatrix::SwapCols(TSize cIdx1, TSize cIdx2)
{
    if (!FullRows(Type) || cIdx1 == cIdx2) return false;
    for (TSize i = 0; i < Lines; ++i)
        std::swap(Data[i]->X[cIdx1], Data[i]->X[cIdx2]);
    return true;
}

void TMathMatrix::SubMatrix(TArrayOf<bool>& DeleteRow, TArrayOf<bool>& DeleteColumn,
                            TMathMatrix& Result) const
{
    TSize rows = Lines, cols = Columns;
    for (Integer i = 0; i < DeleteRow.Count; ++i)
        rows -= DeleteRow[i] ? 1 : 0;
    for (Integer j = 0; j < DeleteColumn.Count; ++j)
        cols -= DeleteColumn[j] ? 1 : 0;
    Result.SetDimension(rows, cols, mt_GENERAL);
    TSize ri = 0;
    for (TSize i = 0; i < Lines; ++i) {
        if (DeleteRow[i]) continue;
        TSize rj = 0;
        for (TSize j = 0; j < Columns; ++j)
            if (!DeleteColumn[j]) Result(ri, rj++) = Get(i, j);
        ++ri;
    }
}

void ClipMatr(const TMathMatrix& A, TMathMatrix& B, int i0, int j0)
{
    for (TSize i = 0; i < B.Lines; ++i)
        for (TSize j = B[i].SI; j < B[i].EI; ++j)
            B(i, j) = A.Get(i0 + i, j0 + j);
}

void PasteMatr(TMathMatrix& A, const TMathMatrix& B, int i0, int j0)
{
    for (TSize i = 0; i < B.Lines; ++i)
        for (TSize j = 0; j < B.Columns; ++j)
            if (A.Stored(i0 + i, j0 + j)) A(i0 + i, j0 + j) = B.Get(i, j);
}

void TMathMatrix::ClipMatr(TMathMatrix& B, int i0, int j0) const
{
    ::ClipMatr(*this, B, i0, j0);
}

void TMathMatrix::PasteMatr(const TMathMatrix& B, int i0, int j0)
{
    ::PasteMatr(*this, B, i0, j0);
}

TData TMathMatrix::Norma1() const
{
    TData m = 0.0;
    for (TSize i = 0; i < Lines; ++i) {
        TData s = 0.0;
        for (TSize k = 0; k < Data[i]->N; ++k)
            s += std::fabs(Data[i]->X[k]);
        m = std::max(m, s);
    }
    return m;
}

TData TMathMatrix::NormaMax() const
{
    TData m = 0.0;
    for (TSize i = 0; i < Lines; ++i)
        m = std::max(m, Data[i]->NormaMax());
    return m;
}

TData TMathMatrix::NormaEukl() const
{
    TData s = 0.0;
    for (TSize i = 0; i < Lines; ++i)
        s += Data[i]->SqrNorma();
    return std::sqrt(s);
}

TData TMathMatrix::clNorma2(const TSize clIdx) const
{
    TData s = 0.0;
    for (TSize i = 0; i < Lines; ++i)
        s = std::hypot(s, Get(i, clIdx));
    return s;
}

TData TMathMatrix::ColumnNorma1(const TSize fromLine, const TSize Column) const
{
    TData s = 0.0;
    for (TSize i = fromLine; i < Lines; ++i)
        s += std::fabs(Get(i, Column));
    return s;
}

TData TMathMatrix::ColumnNorma2(const TSize fromLine, const TSize Column) const
{
    TData s = 0.0;
    for (TSize i = fromLine; i < Lines; ++i)
        s += Get(i, Column) * Get(i, Column);
    return s;
}

TData TMathMatrix::ColumnNormaEukl(const TSize fromLine, const TSize Column) const
{
    if (fromLine >= Lines) return 0.0;
    TData s = std::fabs(Get(fromLine, Column));
    for (TSize i = fromLine + 1; i < Lines; ++i)
        s = std::hypot(s, Get(i, Column));
    return s;
}

TMathMatrix& TMathMatrix::operator=(const TMathMatrix& B)
{
    if (this == &B) return *this;
    const TSize common = std::min(Lines, B.Lines);
    TRowSparseMathVector** rows = B.Lines > 0 ? new TRowSparseMathVector*[B.Lines] : nullptr;
    for (TSize i = 0; i < common; ++i) {
        *Data[i] = *B.Data[i];
        rows[i] = Data[i];
    }
    for (TSize i = common; i < B.Lines; ++i)
        rows[i] = new TRowSparseMathVector(*B.Data[i]);
    for (TSize i = common; i < Lines; ++i)
        delete Data[i];
    delete[] Data;
    Data = rows;
    Lines = B.Lines;
    Columns = B.Columns;
    Type = B.Type;
    return *this;
}

TMathMatrix& TMathMatrix::operator=(std::initializer_list<double> L)
{
    auto it = L.begin();
    for (TSize i = 0; i < Lines; ++i)
        for (TSize j = 0; j < Columns; ++j, ++it) {
            if (it == L.end()) return *this;
            if (Stored(i, j)) (*this)(i, j) = *it;
        }
    return *this;
}

TMathMatrix& TMathMatrix::operator*=(const Real& K)
{
    for (TSize i = 0; i < Lines; ++i)
        *Data[i] *= K;
    return *this;
}

void TMathMatrix::AddScaled(const TMathMatrix& A, TData k)
{
    if (Type == mt_ORTHOGONAL) Type = mt_GENERAL;
    const TSize rows = std::min(Lines, A.Lines);
    const TSize cols = std::min(Columns, A.Columns);
    for (TSize i = 0; i < rows; ++i) {
        TRowSparseMathVector& r = *Data[i];
        for (TSize j = r.SI; j < std::min(r.EI, cols); ++j)
            r(j) += k * A.Get(i, j);
    }
}

TMathMatrix& TMathMatrix::operator+=(const TMathMatrix& A)
{
    AddScaled(A, 1.0);
    return *this;
}

TMathMatrix& TMathMatrix::operator-=(const TMathMatrix& A)
{
    AddScaled(A, -1.0);
    return *this;
}

TMathMatrix operator+(const TMathMatrix& A, const TMathMatrix& B)
{
    TMathMatrix C(A.Lines, A.Columns, ResultKind(A, B));
    for (TSize i = 0; i < C.Lines; ++i)
        for (TSize j = C[i].SI; j < C[i].EI; ++j)
            C(i, j) = A.Get(i, j) + B.Get(i, j);
    return C;
}

TMathMatrix operator-(const TMathMatrix& A, const TMathMatrix& B)
{
    TMathMatrix C(A.Lines, A.Columns, ResultKind(A, B));
    for (TSize i = 0; i < C.Lines; ++i)
        for (TSize j = C[i].SI; j < C[i].EI; ++j)
            C(i, j) = A.Get(i, j) - B.Get(i, j);
    return C;
}

TMathMatrix operator*(const TMathMatrix& A, const TMathMatrix& B)
{
    TMathMatrix C(A.Lines, B.Columns, ResultKind(A, B));
    Product(A, B, C);
    return C;
}

void TMathMatrix::SetMultiply(const TMathMatrix& A, const TMathMatrix& B)
{
    if (this == &A || this == &B) {
        TMathMatrix C = A * B;
        *this = C;
        return;
    }
    const MathMatrixType kind = ResultKind(A, B);
    if (Lines != A.Lines || Columns != B.Columns || Type != kind || Data == nullptr) {
        FreeMemory();
        Lines = A.Lines;
        Columns = B.Columns;
        Type = kind;
        CatchMemory();
    }
    Product(A, B, *this);
}

double dot_prod(const TMathMatrix& A, const TMathMatrix& B, int line, int col, int kmin, int kmax, double s)
{
    for (int k = kmin; k <= kmax; ++k)
        s += A(line, k) * B(k, col);
    return s;
}

void Rest_matr(const TMathMatrix& B, const TMathMatrix& A, const TMathMatrix& X, TMathMatrix& D)
{
    if (D.Lines != B.Lines || D.Columns != B.Columns)
        D.SetDimension(B.Lines, B.Columns, TMathMatrix::mt_GENERAL);
    TMathMatrix AX(A.Lines, X.Columns, TMathMatrix::mt_GENERAL);
    Product(A, X, AX);
    for (TSize i = 0; i < D.Lines; ++i)
        for (TSize j = D[i].SI; j < D[i].EI; ++j)
            D(i, j) = B.Get(i, j) - AX(i, j);
}

TMathVector& TMathMatrix::Multiply(const TMathVector& x, TMathVector& Result) const
{
    for (TSize i = 0; i < Lines; ++i) {
        const TRowSparseMathVector& r = *Data[i];
        TData s = 0.0;
        for (TSize j = r.SI; j < std::min(r.EI, Columns); ++j)
            s += r(j) * x[j];
        Result[i] = s;
    }
    return Result;
}

TMathVector& TMathMatrix::TranspMultiply(const TMathVector& x, TMathVector& Result) const
{
    for (TSize i = 0; i < Lines; ++i) {
        TData s = 0.0;
        for (TSize j = 0; j < Columns; ++j)
            s += Get(j, i) * x[j];
        Result[i] = s;
    }
    return Result;
}

void TMathMatrix::Transpose(TMathMatrix& A) const
{
    if (A.Lines != Columns || A.Columns != Lines || A.Type != mt_GENERAL || A.Data == nullptr)
        A.SetDimension(Columns, Lines, mt_GENERAL);
    A.Type = Type == mt_RIGHT ? mt_LEFT : Type == mt_LEFT ? mt_RIGHT : mt_GENERAL;
    // A's rows are full whatever its kind says, so they are written directly.
    for (TSize j = 0; j < Columns; ++j) {
        TData* a = A[j].X;
        for (TSize i = 0; i < Lines; ++i)
            a[i] = Get(i, j);
    }
}

Boolean TMathMatrix::CheckBanded()
{
    if (Data == nullptr) return false;
    if (Type == mt_BANDED) return true;
    if (Type != mt_GENERAL) return false;
    Boolean changed = false;
    for (TSize i = 0; i < Lines; ++i)
        changed = Data[i]->BegEndUpdate() || changed;
    if (changed) Type = mt_BANDED;
    return changed;
}

TString TMathMatrix::toStr() const
{
    TString s;
    for (TSize i = 0; i < Lines; ++i) {
        for (TSize j = 0; j < Columns; ++j) {
            s += TString(Get(i, j), 4, true, 7);
            s += " ";
        }
        s += "*";
    }
    return s;
}

Boolean TMathMatrix::Check(const TMathMatrix& M) const
{
    for (TSize i = 0; i < Lines; ++i)
        for (TSize j = 0; j < Columns; ++j)
            if (std::fabs(Get(i, j) - M.Get(i, j)) > TMathDef::metricPrecision) return false;
    return true;
}
