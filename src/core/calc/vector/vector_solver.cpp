// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/vector/vector_solver.h"

#include <stdexcept>

namespace tc {

namespace {

using Values = std::vector<Ext>;

// Component i (0-based) of a row as read; past the components read, the
// failure that stopped the reading.
Ext Operand(const Partial<VectorInput>& input, const Values& row, int i) {
    if (i < static_cast<int>(row.size())) return row[static_cast<size_t>(i)];
    input.rethrow();
    throw std::logic_error("vector component " + std::to_string(i + 1) + " was never read");
}

// Sum from 0 in the order 1..n.
Ext Sum(const Values& values) {
    Ext sum = 0.0L;
    for (Ext v : values)
        sum += v;
    return sum;
}

LengthSteps<Ext> LengthOf(const Values& v) {
    LengthSteps<Ext> length;
    for (Ext x : v)
        length.squares.push_back(x * x);
    length.sum = Sum(length.squares);
    length.root = Sqrt(length.sum);
    return length;
}

// c_i = op(a_i, b_i), each component as soon as a_i and b_i are taken.
template <class Op> void Componentwise(const Partial<VectorInput>& input, VectorResult& r, Op op) {
    for (int i = 0; i < input.result.n; ++i) {
        r.a.push_back(Operand(input, input.result.a, i));
        r.b.push_back(Operand(input, input.result.b, i));
        r.c.push_back(op(r.a.back(), r.b.back()));
    }
}

void Products(const Partial<VectorInput>& input, VectorResult& r) {
    Componentwise(input, r, [](Ext a, Ext b) { return a * b; });
    r.product = Sum(r.c);
}

void Solve(const Partial<VectorInput>& input, const Numbers& nums, VectorResult& r) {
    switch (input.result.task) {
    case vec::kAddition:
        Componentwise(input, r, [](Ext a, Ext b) { return a + b; });
        r.modulus = LengthOf(r.c);
        return;
    case vec::kSubtraction:
        Componentwise(input, r, [](Ext a, Ext b) { return a - b; });
        r.modulus = LengthOf(r.c);
        return;
    case vec::kLength: // the vector AB from point A to point B
        Componentwise(input, r, [](Ext a, Ext b) { return b - a; });
        r.modulus = LengthOf(r.c);
        return;
    case vec::kScalarProduct: Products(input, r); return;
    case vec::kNorm:
        for (int i = 0; i < input.result.n; ++i)
            r.a.push_back(Operand(input, input.result.a, i));
        r.lengthA = LengthOf(r.a);
        return;
    case vec::kAngle: {
        Products(input, r);
        r.lengthA = LengthOf(r.a);
        r.lengthB = LengthOf(r.b);
        // A zero vector makes this 0/0, an invalid operation.
        r.cosine = *r.product / (r.lengthA->root * r.lengthB->root);
        // The angle comes from the cosine as shown, rounded to 4 decimals.
        r.shownCosine = nums.read(nums.fixed(*r.cosine, 4));
        r.phi = ArcCos(*r.shownCosine) / Pi() * 180.0L;
        return;
    }
    case vec::kProjection:
        Products(input, r);
        r.lengthB = LengthOf(r.b);
        // A zero vector B makes this 0/0, an invalid operation.
        r.projection = *r.product / r.lengthB->root;
        return;
    }
}

} // namespace

Partial<VectorResult> SolveVector(const Partial<VectorInput>& input, const Numbers& nums) {
    return SolvePartially(VectorResult{}, [&](VectorResult& r) { Solve(input, nums, r); });
}

} // namespace tc
