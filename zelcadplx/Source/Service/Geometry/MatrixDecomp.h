#pragma once
// Factorisations of a matrix or a growing matrix: QR by Givens rotations, the QR solve of a square
// system, back substitution on an augmented triangular system, the LDL^T factorisation of a
// symmetric matrix and the bordering step of an LU factorisation. Matrices are of a full-row kind
// unless a function says otherwise; failures are reported by the result only.

#include "MathMatrix.h"

// Extends the Doolittle LU of the leading dim x dim block of mtm held in lu (unit lower factor below
// the diagonal, upper factor on and above it) by row and column dim. False on an exactly zero
// earlier pivot, or when the new pivot is within tol of zero (1e-20 is then left on the diagonal).
bool addrow_lu(double** mtm, double** lu, int dim, double tol, double);

// Triangularises R in place by Givens rotations. With q, Q (zero beforehand) starts as the
// identity and takes every rotation, so that Q R_in = R_out.
void qr_dcmp(TMathMatrix& R, TMathMatrix& Q, bool q);
// Triangularises columns firstColumn .. columns - 1 over rows up to lines - 1, skipping entries of
// magnitude 1e-14 or less.
void qr_dcmp(TMathMatrix& R, int firstColumn, int lines, int columns);
void qr_dcmp(TMathMatrix& R);

// Solves the square system factored by qr_dcmp(R, Q, true): rVec holds the right-hand side on entry
// and the solution on return. Nothing happens unless both factors are n x n with n = rVec.N.
void qr_lequ(const TMathMatrix& rMat, const TMathMatrix& qMat, TMathVector& rVec);

// Back substitution on the augmented upper-triangular n x (n + 1) matrix R into column 0 of x.
// 0 on success, else the 1-based component k where a pivot below dnull or a component above 1000
// stopped it (the latter clears R(k-1, k-1) and R(k-1, k)).
int Solve(TMathMatrix& R, TMathMatrix& x, int n, double dnull);

// A = L D L^T for symmetric A (lower triangle and diagonal read). 0 on success, else the index of
// the first zero pivot (a zero first pivot also gives 0, with D(0, 0) = 0).
int LR_LD(TMathMatrix& A, TMathMatrix& L, TMathMatrix& D);
// The same in place: L holds the symmetric matrix on entry; entries above the diagonal stay.
int LR_LD(TMathMatrix& L, TMathMatrix& D);
