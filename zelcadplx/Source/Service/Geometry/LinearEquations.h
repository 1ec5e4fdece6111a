#pragma once
// TLinearEquations: a square linear system solved by Gauss elimination with deferred partial
// pivoting, or by a rank-revealing QR factorisation with column pivoting built from Givens
// rotations; also the triangular substitutions both share. Results are GcBaseResult codes.

#include "MathMatrix.h"

#include <vector>

enum GcBaseResult : std::int32_t {
    gcBaseCode_None = 0,
    gcBaseCode_Ok = 1,
    gcBaseCode_Unsolvable = 6,
    gcBaseCode_UninvertableJacobian = 10
};

class TLinearEquations {
public:
    TMathMatrix Matrix;    // n x n
    TMathVector RightSide; // n
    TMathVector Solution;  // n, written by SolveQR

    TLinearEquations() = default;
    explicit TLinearEquations(TSize n) : Matrix(n, n), RightSide(n, 0.0), Solution(n, 0.0)
    {
        Matrix.SetZero();
    }
    void SetDimension(TSize n);

    // Substitutions solve y in place; zero tests are exact.
    // Forward with the lower triangle of L: the first zero diagonal k stops it and is returned, else
    // min(Lines, Columns).
    static int SolveLeftDnTriangle(const TMathMatrix& L, TMathVector& y);
    // Forward with R^T for an upper-triangular R; stops at a zero diagonal, returns min(Lines, Columns).
    static int SolveLeftDnTriangleAsRightUpTransponate(const TMathMatrix& R, TMathVector& y);
    // Back substitution; a zero diagonal leaves its y and lowers the returned count by one.
    static int SolveRightUpTriangle(const TMathMatrix& R, TMathVector& y);

    // Solves A x = rcol for the n x n A (destroyed); the solution replaces rcol. Unsolvable when a pivot
    // falls below epsilon / (n + 1).
    static GcBaseResult SolveGauss(TMathMatrix& A, TMathVector& rcol, double epsilon);

    // Squared column norms S below row j (a negative entry is computed here); the column of the largest.
    static int RRQR_MaxColumn(const TMathMatrix& R, TMathVector& S, int j);
    // The pivot column from j on: the smallest norm above sqNullEps, else the largest.
    static int RRQR_Pivot(const TMathMatrix& R, TMathVector& S, int j, const double& sqNullEps);
    static void RRQR_Reduce(const TMathMatrix& R, TMathVector& S, int j);
    static void RRQR_Permutation(TMathMatrix& R, TMathVector& S, std::vector<int>& P, int j,
                                 const double& sqNullEps);
    // Factors A^T with column pivoting into R; q, when given, accumulates the rotations.
    static void RRQR_Decompose(const TMathMatrix& A, TMathMatrix& R, TMathMatrix* q, std::vector<int>& P);
    int RRQR_Rank(const TMathMatrix& rMat, double eps) const;
    bool rrqr_lequ_wo_q(const TMathMatrix& A, const TMathMatrix& rMat, const std::vector<int>& P,
                        const TMathVector& Y, TMathVector& X);
    // Matrix Solution = RightSide; a rank below n at epsilon is refused.
    GcBaseResult SolveQR(const double& epsilon);

private:
    // Steps shared by SolveQR and rrqr_lequ_wo_q; k1 is the count of the forward substitution.
    static bool SubstituteBoth(const TMathMatrix& A, const TMathMatrix& R, std::vector<int> P,
                               const TMathVector& Y, TMathVector& X, int& k1);
};
