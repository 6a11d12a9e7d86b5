// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/vector/vector_solve.h"

#include <stdexcept>
#include <type_traits>

namespace tc {

namespace {

// Component i (0-based) of a row as read; past the components read, the
// failure that stopped the reading.
template <class Num>
const Num& Operand(const Partial<VectorInput>& input, const std::vector<Num>& row, int i) {
    if (i < static_cast<int>(row.size())) return row[static_cast<size_t>(i)];
    input.rethrow();
    throw std::logic_error("vector component " + std::to_string(i + 1) + " was never read");
}

// Sum from 0 in the order 1..n.
template <class Num> Num Sum(const std::vector<Num>& values) {
    Num sum = 0;
    for (const Num& v : values)
        sum += v;
    return sum;
}

// The root of a sum of squares, irrational in general: an extended value
// either way (an exact sum is taken as its nearest extended value).
Ext RootOf(Ext sum) {
    return Sqrt(sum);
}
Ext RootOf(const Rational& sum) {
    return Sqrt(NearestExt(sum));
}

template <class Num> LengthSteps<Num> LengthOf(const std::vector<Num>& v) {
    LengthSteps<Num> length;
    for (const Num& x : v)
        length.squares.push_back(x * x);
    length.sum = Sum(length.squares);
    length.root = RootOf(length.sum);
    return length;
}

// c_i = op(a_i, b_i), each component as soon as a_i and b_i are taken.
template <class Num, class Op>
void Componentwise(const Partial<VectorInput>& input, const std::vector<Num>& a, const std::vector<Num>& b,
                   VectorSteps<Num>& r, Op op) {
    for (int i = 0; i < input.result.n; ++i) {
        r.a.push_back(Operand(input, a, i));
        r.b.push_back(Operand(input, b, i));
        r.c.push_back(op(r.a.back(), r.b.back()));
    }
}

// The four tasks whose results are rational, in the number type `Num` of the
// rows `a` and `b`. Returns false for the other tasks.
template <class Num>
bool SolveRational(const Partial<VectorInput>& input, const std::vector<Num>& a, const std::vector<Num>& b,
                   VectorSteps<Num>& r) {
    switch (input.result.task) {
    case vec::kAddition:
        Componentwise(input, a, b, r, [](const Num& x, const Num& y) { return Num(x + y); });
        r.modulus = LengthOf(r.c);
        return true;
    case vec::kSubtraction:
        Componentwise(input, a, b, r, [](const Num& x, const Num& y) { return Num(x - y); });
        r.modulus = LengthOf(r.c);
        return true;
    case vec::kScalarProduct:
        Componentwise(input, a, b, r, [](const Num& x, const Num& y) { return Num(x * y); });
        r.product = Sum(r.c);
        return true;
    case vec::kNorm:
        for (int i = 0; i < input.result.n; ++i)
            r.a.push_back(Operand(input, a, i));
        r.lengthA = LengthOf(r.a);
        return true;
    default: return false;
    }
}

// The components the solver takes: the decimals or their exact values.
template <class Num> const std::vector<Num>& RowA(const VectorInput& in);
template <class Num> const std::vector<Num>& RowB(const VectorInput& in);
template <> const std::vector<Ext>& RowA<Ext>(const VectorInput& in) {
    return in.a;
}
template <> const std::vector<Ext>& RowB<Ext>(const VectorInput& in) {
    return in.b;
}
template <> const std::vector<Rational>& RowA<Rational>(const VectorInput& in) {
    return in.exactA;
}
template <> const std::vector<Rational>& RowB<Rational>(const VectorInput& in) {
    return in.exactB;
}

template <class Num> void Products(const Partial<VectorInput>& input, VectorSteps<Num>& r) {
    Componentwise(input, RowA<Num>(input.result), RowB<Num>(input.result), r,
                  [](const Num& a, const Num& b) { return Num(a * b); });
    r.product = Sum(r.c);
}

template <class Num> void Solve(const Partial<VectorInput>& input, VectorSteps<Num>& r) {
    if (SolveRational(input, RowA<Num>(input.result), RowB<Num>(input.result), r)) return;
    if constexpr (std::is_same_v<Num, Ext>) {
        switch (input.result.task) {
        case vec::kLength: // the vector AB from point A to point B
            Componentwise(input, input.result.a, input.result.b, r, [](Ext a, Ext b) { return b - a; });
            r.modulus = LengthOf(r.c);
            return;
        case vec::kAngle: {
            Products(input, r);
            r.lengthA = LengthOf(r.a);
            r.lengthB = LengthOf(r.b);
            // A zero vector makes this 0/0, an invalid operation.
            r.cosine = WithinOne(*r.product / (r.lengthA->root * r.lengthB->root));
            // The angle comes from the full cosine; only its text is rounded.
            r.phi = ArcCos(*r.cosine) / Pi() * 180.0L;
            return;
        }
        case vec::kProjection:
            Products(input, r);
            r.lengthB = LengthOf(r.b);
            // A zero vector B makes this 0/0, an invalid operation.
            r.projection = *r.product / r.lengthB->root;
            return;
        default: return;
        }
    } else {
        throw std::logic_error("the vector task has no exact solution");
    }
}

} // namespace

template <class Num> Partial<VectorSteps<Num>> SolveVector(const Partial<VectorInput>& input) {
    return SolvePartially(VectorSteps<Num>{}, [&](VectorSteps<Num>& r) { Solve(input, r); });
}

template Partial<VectorSteps<Ext>> SolveVector(const Partial<VectorInput>&);
template Partial<VectorSteps<Rational>> SolveVector(const Partial<VectorInput>&);

} // namespace tc
