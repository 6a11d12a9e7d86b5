#include "calc/slae/slae_solve.h"

namespace tc {

namespace {

std::vector<Rational> ExactCramerMatrix(const SlaeInputs& in, int k) {
    return in.exact ? CramerMatrix(*in.exact, in.n, k) : std::vector<Rational>();
}

} // namespace

void SolveSlae(const SlaeInputs& in, SlaeResult& r) {
    switch (in.n) {
    case 2: {
        for (int k = 0; k <= 2; ++k) {
            const std::vector<Ext> m = CramerMatrix(in, k);
            Det2 d = SolveDet2(m[0], m[1], m[2], m[3]);
            UseExactValue(d.value, ExactCramerMatrix(in, k), 2);
            r.det2.push_back(d);
        }
        const Ext d = r.det2[0].value;
        const Ext x1 = r.det2[1].value / d;
        const Ext x2 = r.det2[2].value / d;
        r.x = {x1, x2};
        return;
    }
    case 3: {
        for (int k = 0; k <= 3; ++k) {
            const std::vector<Ext> m = CramerMatrix(in, k);
            Det3 d = SolveDet3({m[0], m[1], m[2], m[3], m[4], m[5], m[6], m[7], m[8]});
            UseExactValue(d.value, ExactCramerMatrix(in, k), 3);
            r.det3.push_back(d);
        }
        r.dRead = AsWritten(r.det3[0].value);
        for (std::size_t k = 1; k <= 3; ++k)
            r.x.push_back(AsWritten(r.det3[k].value) / *r.dRead);
        return;
    }
    default: {
        for (int k = 0; k <= 4; ++k) {
            const std::vector<Ext> m = CramerMatrix(in, k);
            Matrix4 a;
            for (std::size_t i = 0; i < 16; ++i)
                a[i] = m[i];
            Det4 d = SolveDet4(a);
            UseExactValue(d.value, ExactCramerMatrix(in, k), 4);
            r.det4.push_back(d);
            // The determinant fields show 4 decimals only; dividing those would
            // fail for a regular system whose D is below 0.00005 and lose digits
            // of every other one, so the unknowns divide the full values.
            if (k > 0) r.x.push_back(r.det4.back().value / r.det4[0].value);
        }
        return;
    }
    }
}

} // namespace tc
