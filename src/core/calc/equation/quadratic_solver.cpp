#include "calc/equation/quadratic_solver.h"

namespace tc {

Ext Discriminant(Ext a, Ext b, Ext c) {
    return b * b - 4.0L * a * c;
}

Ext NegatedDiscriminant(Ext a, Ext b, Ext c) {
    return 4.0L * a * c - b * b;
}

RealRootPair RealRoots(Ext a, Ext b, Ext c) {
    const Ext r = Sqrt(Discriminant(a, b, c));
    return {r, (-b + r) / (2.0L * a), (-b - r) / (2.0L * a)};
}

ComplexRootPair ComplexRoots(Ext a, Ext b, Ext c) {
    const Ext s = Sqrt(NegatedDiscriminant(a, b, c));
    return {s, -b / (2.0L * a), s / (2.0L * a)};
}

QuadraticSolution SolveQuadratic(Ext a, Ext b, Ext c) {
    QuadraticSolution s;
    s.a = a;
    s.b = b;
    s.c = c;
    s.d = Discriminant(a, b, c);
    s.vertex = -b / (2.0L * a);
    if (s.d > 0.0L) {
        s.kind = QuadraticCase::TwoReal;
        s.real = RealRoots(a, b, c);
    } else if (s.d == 0.0L) {
        s.kind = QuadraticCase::Double;
        s.real = RealRoots(a, b, c);
    } else {
        s.kind = QuadraticCase::Complex;
        s.complex = ComplexRoots(a, b, c);
    }
    return s;
}

} // namespace tc
