#pragma once
// Inverting and pseudo-inverting: the singular value decomposition on 1-based arrays with its
// back substitution, in-place inverses of upper-triangular matrices, in-place row-by-row
// products, and the pseudo-inverse by Greville's column recursion with iterative refinement.

#include "MathMatrix.h"

// sqrt(a^2 + b^2) without overflow or needless underflow.
double pythag(double a, double b);

// A = U W V^T of the m x n matrix a[1..m][1..n] (Golub-Reinsch: Householder bidiagonalisation, then
// implicitly shifted QR on the bidiagonal). On return a holds U (m x n), w[1..n] the singular values
// (non-negative, not sorted) and v[1..n][1..n] the orthogonal V (not transposed). A wide matrix gets
// n - m zero singular values with zero columns of U. Returns 1, or 0 when a singular value did not
// converge within 29 sweeps (the arrays are then left partly transformed).
int svdcmp(double** a, int m, int n, double* w, double** v);

// x[1..n] solving A x = b[1..m] in the least-squares sense from svdcmp's output; singular values at
// or below 1e-14 contribute nothing.
void svd_bksb(const double* const* u, const double* w, const double* const* v, int m, int n, const double* b,
              double* x);

// In-place inverse of the n x n upper-triangular r. False at an exactly zero diagonal (the rows below
// it are already inverted); an empty matrix gives true.
bool inv_rmat(TMathMatrix& r);
// The same, summing only over entries larger than null_v in magnitude; idx holds at least n ints.
bool inv_srmat(TMathMatrix& r, int* idx, double null_v);

// q becomes q a (minus false) or q - q a (minus true), row by row; v holds n elements.
void prod_mat(TMathMatrix& q, const TMathMatrix& a, TMathVector& v, bool minus);
// q becomes q a, each row's sum over the columns k with |q(i, k)| > null_v.
void prod_sm_dm(TMathMatrix& q, const TMathMatrix& a, TMathVector& v, int* idx, double null_v);
// a becomes q a, each column's sum over the rows k with |a(k, j)| > null_v.
void prod_dm_sm(const TMathMatrix& q, TMathMatrix& a, TMathVector& v, int* idx, double null_v);
// q becomes q r for an upper-triangular r.
void prod_rmat(TMathMatrix& q, const TMathMatrix& r, TMathVector& v);

// Refines X as the (pseudo-)inverse of A by Newton-Schulz steps. it >= 1 on entry is the step limit
// (it restarts from 0); otherwise the limit is 38 and it counts on. Returns the last correction
// relative to X (1e-15 when that is not positive).
double Inv_Improve(const TMathMatrix& A, TMathMatrix& X, int& it);
// One step of Greville's recursion: for A (m x k), its pseudo-inverse _A (k x m) and a new column a
// (m x 1), the column b whose transpose is the last row of the pseudo-inverse of [A a].
TMathMatrix GrevRec(TMathMatrix& A, TMathMatrix& a, TMathMatrix& _A);
// The pseudo-inverse _A (n x m) of A (m x n). dec is on entry the refinement limit of the
// intermediate steps and on return the number of correct decimal digits.
void RecInv(const TMathMatrix& A, int& dec, TMathMatrix& _A);
