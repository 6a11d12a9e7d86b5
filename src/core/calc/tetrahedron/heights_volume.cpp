// Last stage of a computation: the four heights and the volume.

#include "calc/tetrahedron/tetra_text.h"
#include "calc/tetrahedron/tetrahedron_tab.h"

namespace tc {

namespace {

// A height runs from its vertex perpendicular to the opposite face.
struct Height {
    Vertex vertex;
    Vertex p1, p2, p3;
    const char* prefix;
};

const Height kHeights[4] = {
    {kA, kB, kC, kD, "       H(A):   "},
    {kB, kA, kC, kD, "       H(B):   "},
    {kC, kA, kB, kD, "       H(C):   "},
    {kD, kA, kB, kC, "       H(D):   "},
};

} // namespace

void TetrahedronTab::heightsAndVolume() {
    const Numbers& nums = env_.nums;

    add(message(59));
    add(message(60));
    add("               H(D):     (x-Dx)/Nx=(y-Dy)/Ny=(z-Dz)/Nz,   ");
    add(message(57) + " N - " + message(61) + " АВС");
    add("");
    for (int i = 0; i < 4; ++i) {
        const Height& h = kHeights[i];
        const Point3 n =
            NormalFromText(nums, PlaneText(nums, vertices_[h.p1], vertices_[h.p2], vertices_[h.p3]));
        const std::string text = HeightText(nums, n, vertices_[h.vertex]);
        tvecH_->setCell(1, i, text);
        add(h.prefix + text);
    }

    add(message(62));
    add(message(60));
    add("        V=1/6*");
    add("              |ABx  ABy ABz|");
    add("              |ACx  ACy ACz|");
    add("              |ADx  ADy ADz|");
    const Ext v = TetraVolume(edges_[kAB].v, edges_[kAC].v, edges_[kAD].v);
    vol_->text = nums.g(v);
    add("");
    add("              V=" + nums.g(v));
}

} // namespace tc
