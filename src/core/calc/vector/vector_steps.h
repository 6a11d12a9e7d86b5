// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Vector tab's data in the order the written solution uses it: what the
// user typed (VectorInput) and every value the solution shows (VectorSteps).
// Both are plain values; the writer alone turns them into texts.

#include <optional>
#include <string>
#include <vector>

#include "numbers/exact.h"
#include "numbers/ext.h"

namespace tc {

// Task positions in the task selector's list.
namespace vec {
enum Task : int { kAddition, kSubtraction, kScalarProduct, kLength, kNorm, kAngle, kProjection };
} // namespace vec

// The typed data of one computation. A (grid row 1) and B (row 2) are read
// component by component, a_1, b_1, a_2, b_2, ... (the norm reads row 1 only),
// and the reading stops at the first cell that is not a number: `a` and `b`
// then hold the components read before it.
struct VectorInput {
    vec::Task task = vec::kAddition;
    int n = 2;                             // number of components, 2..5
    std::string taskName;                  // the selected task as the selector lists it
    std::vector<std::string> textA, textB; // components 1..n as typed
    std::vector<Ext> a, b;                 // the components read so far
    // In exact fractions (addition, subtraction, scalar product and norm
    // only): the exact components read so far, in place of `a` and `b`.
    std::vector<Rational> exactA, exactB;
};

// |v| = (v_1^2+...+v_n^2)^(1/2): the squares, their sum from 0 in the order
// 1..n, and the root. `Num` is the number type of the components; the root is
// always an extended value.
template <class Num> struct LengthSteps {
    std::vector<Num> squares;
    Num sum{};
    Ext root;
};

// Every value a vector task's solution shows, in the order it shows them. A
// step that was not reached (the task has none, or a failure stopped the
// solver before it) is empty; `c` holds the components computed so far. The
// number type is a parameter so that a mode in exact fractions can fill the
// same steps of the addition, subtraction, scalar product and norm; the angle
// and the projection are extended values only. A figure takes its arrows from
// the origin from the steps too: A, B and the result vector c.
template <class Num> struct VectorSteps {
    std::vector<Num> a, b; // the operands as the solver took them (b stays empty for the norm)
    // Addition A+B, subtraction A-B, length AB = B-A, or for the scalar
    // product, the angle and the projection the products a_i*b_i.
    std::vector<Num> c;
    std::optional<Num> product;              // A*B, the sum of the products
    std::optional<LengthSteps<Num>> modulus; // |c| (addition, subtraction, length)
    std::optional<LengthSteps<Num>> lengthA; // |A| (the norm's |AB|, the angle)
    std::optional<LengthSteps<Num>> lengthB; // |B| (the angle, the projection)
    std::optional<Ext> cosine;               // the angle: A*B/(|A|*|B|), within -1..1
    std::optional<Ext> phi;                  // ... the angle in degrees from that cosine
    std::optional<Ext> projection;           // A*B/|B|
};

using VectorResult = VectorSteps<Ext>;

} // namespace tc
