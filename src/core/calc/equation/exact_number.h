// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Exact arithmetic on the typed coefficients. Every typed number is a finite
// decimal and so an exact rational; sums and products of them stay exact, and
// an exact zero (a discriminant of a multiple root) is seen as zero.

#include <gmpxx.h>

#include <string_view>

#include "numbers/exact.h"
#include "numbers/ext.h"

namespace tc {

// The exact value of `text`, a number that Numbers::read accepted with the
// separator `decimal`.
mpq_class ExactDecimal(std::string_view text, char decimal);

// The extended value nearest to `f` (ties to even), as NearestExt of its
// exact value.
Ext NearestExt(const mpf_class& f);

// `x` exactly, as a GMP float of `bits` bits of precision.
mpf_class ToMpf(Ext x, mp_bitcnt_t bits);

} // namespace tc
