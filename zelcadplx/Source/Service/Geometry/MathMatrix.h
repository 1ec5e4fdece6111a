#pragma once
// TMathMatrix: the real matrix of the linear algebra, an array of rows each storing only the run
// of columns its kind can make non-zero. Element (i, j) is row i's column j. Whole-matrix
// operations read an unstored position as 0.0 and never write one; the product skips the terms
// that are zero by the kinds of its factors. Sizes and indexes are the caller's to keep in range.

#include "MathVector.h"

#include <initializer_list>

class TMathMatrix {
public:
    enum MathMatrixType : std::uint32_t {
        mt_GENERAL = 0,
        mt_ORTHOGONAL = 1,
        mt_RIGHT = 2,    // upper triangle: row i stores columns i .. Columns - 1
        mt_LEFT = 3,     // lower triangle: row i stores columns 0 .. i
        mt_DIAGONAL = 4, // row i stores column i
        mt_BANDED = 5    // full rows until CheckBanded narrows them
    };

    MathMatrixType Type = mt_GENERAL;
    TRowSparseMathVector** Data = nullptr;
    TSize Lines = 0;
    TSize Columns = 0;

    TMathMatrix() = default;
    TMathMatrix(TSize _m, TSize _n, MathMatrixType t = mt_GENERAL);
    TMathMatrix(const TMathMatrix& B);
    ~TMathMatrix();

    void FreeMemory();
    void CatchMemory();
    // Rebuilds the storage (values not kept) unless sizes and kind already match.
    void SetDimension(TSize _m, TSize _n, MathMatrixType t = mt_GENERAL);
    TMathMatrix& SetZero();

    // Unchecked element access: (i, j) lies in row i's stored run.
    TData& operator()(TSize i, TSize j) { return (*Data[i])(j); }
    const TData& operator()(TSize i, TSize j) const { return (*Data[i])(j); }
    // Range-tested read: an unstored position gives 0.0.
    TData Get(TSize i, TSize j) const
    {
        const TRowSparseMathVector& r = *Data[i];
        return j >= r.SI && j < r.EI ? r.X[j - r.SI] : 0.0;
    }
    Boolean Stored(TSize i, TSize j) const { return j >= Data[i]->SI && j < Data[i]->EI; }
    TRowSparseMathVector& operator[](TSize i) { return *Data[i]; }
    const TRowSparseMathVector& operator[](TSize i) const { return *Data[i]; }
    TData* GetLine(TSize i) const { return Data[i]->X; }
    TData* SetLine(TSize i) { return Data[i]->X; }
    const TRowSparseMathVector& GetRowVec(TSize i) const { return *Data[i]; }
    TRowSparseMathVector& SetRowVec(TSize i) { return *Data[i]; }
    MathMatrixType type() const { return Type; }
    TSize ln() const { return Lines; }
    TSize cl() const { return Columns; }
    void GetDimension(TSize& m, TSize& n) const
    {
        m = Lines;
        n = Columns;
    }

    void SetLine(const TSize L, const TMathVector& line);
    void SetColumn(TSize C, const TMathVector& V);
    // Only full-row kinds swap; false for the others and for equal columns.
    Boolean SwapLines(TSize i1, TSize i2);
    Boolean SwapCols(TSize cIdx1, TSize cIdx2);
    void SubMatrix(TArrayOf<bool>& DeleteRow, TArrayOf<bool>& DeleteColumn, TMathMatrix& Result) const;
    void ClipMatr(TMathMatrix& B, int i0, int j0) const;
    void PasteMatr(const TMathMatrix& B, int i0, int j0);

    TData Norma1() const;
    TData NormaMax() const;
    TData NormaEukl() const;
    TData clNorma2(const TSize clIdx) const;
    TData ColumnNorma1(const TSize fromLine, const TSize Column) const;
    TData ColumnNorma2(const TSize fromLine, const TSize Column) const;
    TData ColumnNormaEukl(const TSize fromLine, const TSize Column) const;

    TMathMatrix& operator=(const TMathMatrix& B);
    // Fills in row-major order; values that fall on unstored positions are skipped.
    TMathMatrix& operator=(std::initializer_list<double> L);
    TMathMatrix& operator*=(const Real& K);
    TMathMatrix& operator+=(const TMathMatrix& A);
    TMathMatrix& operator-=(const TMathMatrix& A);
    void SetMultiply(const TMathMatrix& A, const TMathMatrix& B);
    TMathVector& Multiply(const TMathVector& x, TMathVector& Result) const;
    // Result[i] = sum over j of A(j, i) x[j]: the transposed product of a square matrix.
    TMathVector& TranspMultiply(const TMathVector& x, TMathVector& Result) const;
    void Transpose(TMathMatrix& A) const;
    Boolean CheckBanded();
    TString toStr() const;
    // True when every element is within TMathDef::metricPrecision of M's.
    Boolean Check(const TMathMatrix& M) const;

private:
    void AddScaled(const TMathMatrix& A, TData k);
};

TMathMatrix operator+(const TMathMatrix& A, const TMathMatrix& B);
TMathMatrix operator-(const TMathMatrix& A, const TMathMatrix& B);
TMathMatrix operator*(const TMathMatrix& A, const TMathMatrix& B);
void ClipMatr(const TMathMatrix& A, TMathMatrix& B, int i0, int j0);
void PasteMatr(TMathMatrix& A, const TMathMatrix& B, int i0, int j0);
double dot_prod(const TMathMatrix& A, const TMathMatrix& B, int line, int col, int kmin, int kmax, double s);
// D = B - A X; D is made general with B's sizes when its sizes differ.
void Rest_matr(const TMathMatrix& B, const TMathMatrix& A, const TMathMatrix& X, TMathMatrix& D);
