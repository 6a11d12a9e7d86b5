// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The written solution of the eigenvalue task: A - λE, the characteristic
// polynomial, its roots, the eigenvectors of each real eigenvalue, the
// verdict on diagonalization and the check; and the result grid.

#include "calc/gauss/eigen_solve.h"
#include "calc/gauss/gauss_text.h"
#include "calc/gauss/gauss_write.h"

namespace tc {

TabOutput WriteEigen(const EigenResult& r, const GaussWording& g);

// The parts the writer is made of.
// The letter of the identity matrix: E, or I in English.
std::string IdentityLetter(const GaussWording& g);
// A - λE and the expansion of its determinant into the polynomial.
void WriteCharPoly(MemoLines& out, const EigenResult& r, const GaussWording& g);
// The characteristic equation's roots: rational ones by Horner's scheme, the
// rest by the equation tab's solvers or numerically.
void WriteRoots(MemoLines& out, const EigenResult& r, const GaussWording& g);
// An eigenvalue as the solution names it: the fraction, or its decimals.
std::string EigenvalueText(const PolyRoot& x, const Numbers& nums);

// The eigenvalue's letter, λ.
inline const std::string kLambda = "\xCE\xBB";

// The digits of a value found to the shown digits.
inline constexpr int kEigenDigits = 8;

} // namespace tc
