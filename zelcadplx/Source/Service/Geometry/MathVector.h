#pragma once
// The vector layer of the linear algebra: the dense real vector TMathVector, the matrix row
// TRowSparseMathVector (stores only a contiguous run of columns) and the general sparse vector
// TSparseMathVector (value/index pairs, or dense when that is cheaper). Nothing here throws or
// checks sizes: indexes and lengths are the caller's to keep in range.

#include "BaseTypes.h"
#include "DString.h"
#include "TArray.h"

#include <initializer_list>

using TData = Real;
using TSize = Integer;

class TSparseMathVector;

class TMathVector {
public:
    static const TData SparseZero;  // the shared zero an unstored position reads as; never written
    static const TData ZeroEpsilon; // at or below this magnitude a value counts as zero

    TSize N = 0;
    TData* X = nullptr;

    TMathVector() = default;
    explicit TMathVector(const TSize iN);
    TMathVector(const TSize iN, const TData& iV);
    // Reads V through its virtual element access, so a row copies as a full-length dense row.
    TMathVector(const TMathVector& V);
    virtual ~TMathVector();

    virtual const TData& operator[](TSize i) const { return X[i]; }
    virtual TData& operator[](TSize i) { return X[i]; }
    virtual TData Norma() const;
    virtual TData SqrNorma() const;
    virtual TData NormaMax() const;

    void FreeMemory();
    void CatchMemory();
    // Keeps the leading min(iN, N) values and fills a grown tail with V.
    void SetDimension(const TSize iN, const TData& V);
    TMathVector& operator=(const TMathVector& V);
    // Fills the leading elements in order; the size never changes.
    TMathVector& operator=(std::initializer_list<double> L);
    TData operator*(const TMathVector& V) const;
    // Copies the first N values of V; true reports a refusal (V shorter than this vector).
    Boolean Assign(const TMathVector& V);
    TMathVector& SetZero(TSize SI = 0);
    TMathVector& operator-=(const TSparseMathVector& V);
    TMathVector& operator+=(const TSparseMathVector& V);
    TMathVector& operator-=(const TMathVector& V);
    TMathVector& operator+=(const TMathVector& V);
    TMathVector& operator*=(const TData& K);
    TMathVector& operator/=(const TData& K);
    TString toStr() const;
    // Result gets the elements whose DeleteRow flag is false (DeleteRow holds at least N flags).
    void SubVector(TArrayOf<bool>& DeleteRow, TMathVector& Result) const;

    Boolean IsSparse() const { return false; }
    TSize GetDimension() const { return N; }
    TSize size() const { return N; }
    TData* GetLine() const { return X; }
    void Swap(const TSize i, TData& v);
    void Swap(const TSize i, const TSize j);
};

// One matrix row of D columns storing only columns SI .. EI - 1: X[k] is column SI + k.
class TRowSparseMathVector : public TMathVector {
public:
    TSize SI = 0; // first stored column
    TSize EI = 0; // one past the last stored column
    TSize D = 0;  // full row length

    // endNonZero is inclusive; data, when given, holds the stored values.
    TRowSparseMathVector(TSize iN, TSize begNonZero, TSize endNonZero, const TData* data);
    TRowSparseMathVector(const TRowSparseMathVector& V);
    // Takes V's run and values but keeps this row's own D.
    TRowSparseMathVector& operator=(const TRowSparseMathVector& V);
    ~TRowSparseMathVector() override = default;

    // Range-tested: a column outside the stored run reads as the shared zero.
    const TData& operator[](TSize I) const override { return I >= SI && I < EI ? X[I - SI] : SparseZero; }
    using TMathVector::operator[];
    // Unchecked access by column; I lies in SI .. EI - 1.
    TData& operator()(TSize I) { return X[I - SI]; }
    const TData& operator()(TSize I) const { return X[I - SI]; }

    void SetZero();
    // True when copied; refuses (false) a source with EI or fewer elements.
    Boolean Assign(const TMathVector& V);
    void SetLine(const TData* line);
    // Narrows the run to the first..last value above ZeroEpsilon; true when the run changed.
    Boolean BegEndUpdate();

    Boolean IsSparse() const { return SI > 0 || EI < D; }
    Boolean NotSparse(const TSize I) const { return I >= SI && I < EI; }
    TSize BegNonZero() const { return SI; }
    TSize EndNonZero() const { return EI; }
    void Init(const TRowSparseMathVector& V) { *this = V; }
};

// Sparse when Index is present (X[k] is element Index[k], indexes strictly increasing), dense
// otherwise. The sparse form is kept only for 8 or more elements and when it saves a quarter.
class TSparseMathVector : public TMathVector {
public:
    TSize* Index = nullptr;

    TSparseMathVector() = default;
    TSparseMathVector(const TSparseMathVector& V) : TMathVector() { Init(V); }
    TSparseMathVector& operator=(const TSparseMathVector& V)
    {
        if (this != &V) Init(V);
        return *this;
    }
    ~TSparseMathVector() override;

    const TData& operator[](TSize i) const override;
    using TMathVector::operator[];

    void FreeMemory();
    void CatchMemory();
    // Element elemIdx; nzIdx is a cursor that increasing reads share (start at 0).
    TData Elem(TSize elemIdx, TSize& nzIdx) const;
    void Init(const TSparseMathVector& V);
    // Eps is not consulted: sparsity is decided at ZeroEpsilon. With no non-zero element the vector
    // is left without storage.
    void Init(const TMathVector& V, const TData& Eps);
    TSparseMathVector& operator-=(const TSparseMathVector& V);
};

TData operator*(const TSparseMathVector& V1, const TSparseMathVector& V2);
TData operator*(const TSparseMathVector& V1, const TMathVector& V2);
TData operator*(const TRowSparseMathVector& V1, const TMathVector& V2);
