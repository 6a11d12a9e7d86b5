// First stage of a computation: the data, the six edges with their lines, the
// four face planes and the face areas.

#include "calc/tetrahedron/tetra_text.h"
#include "calc/tetrahedron/tetrahedron_tab.h"

namespace tc {

namespace {

struct EdgeEnds {
    Vertex start, end;
    const char* label;  // prefix of the vector line
    const char* length; // prefix of the length line
};

// Each edge runs from its first named vertex to its second.
const EdgeEnds kEdges[6] = {
    {kA, kB, "    AB", "   |AB|="}, {kA, kC, "  AC", "  |AC|="}, {kA, kD, "  AD", "  |AD|="},
    {kB, kC, "  BC", "  |BC|="},    {kC, kD, "  CD", "  |CD|="}, {kB, kD, "  BD", "  |BD|="},
};

struct Face {
    Vertex p1, p2, p3;
    const char* prefix;
};

const Face kFaces[4] = {{kA, kB, kC, "    ABC:  "},
                        {kA, kB, kD, "    ABD:  "},
                        {kA, kC, kD, "    ACD:  "},
                        {kB, kC, kD, "    BCD:  "}};

// Each area from two edges spanning the face.
struct Area {
    EdgeIndex u, v;
    const char* prefix;
};

const Area kAreas[4] = {{kAB, kAC, "    S[ABC]="},
                        {kAB, kBD, "    S[ABD]="},
                        {kAC, kAD, "    S[ACD]="},
                        {kBC, kBD, "    S[BCD]="}};

} // namespace

void TetrahedronTab::edgesAndPlanes() {
    frame_.memo.clear();
    add(message(44));
    add("");
    add(message(2));

    // Every coordinate is read before anything else is written, so a cell that
    // is no number leaves the grids as they were.
    Grid& p = *piram_;
    for (int c = 1; c <= 4; ++c) {
        Point3& v = vertices_[static_cast<size_t>(c - 1)];
        v = {env_.nums.read(p.cell(c, 1)), env_.nums.read(p.cell(c, 2)), env_.nums.read(p.cell(c, 3))};
    }

    // The data as typed, not as read.
    const char* echo[] = {"   A(", "   B(", "   C(", "   D("};
    for (int c = 1; c <= 4; ++c)
        add(echo[c - 1] + p.cell(c, 1) + ";" + p.cell(c, 2) + ";" + p.cell(c, 3) + ")");
    add("");

    add(message(46));
    add(message(47));
    add("     AB=(Bx-Ax,By-Ay,Bz-Az)");
    add("     |AB|=((Bx-Ax)^2+(By-Ay)^2+(Bz-Az)^2)^(1/2)");
    add(message(48));
    add("     (x-Ax)/(Bx-Ax)=(y-Ay)/(By-Ay)=(z-Az)/(Bz-Az)");
    add("");

    const Numbers& nums = env_.nums;
    for (int i = 0; i < 6; ++i) {
        const EdgeEnds& ends = kEdges[i];
        Edge& e = edges_[static_cast<size_t>(i)];
        e.v = vertices_[ends.end] - vertices_[ends.start];
        e.length = Sqrt(e.v.x * e.v.x + e.v.y * e.v.y + e.v.z * e.v.z);
        pline_->setCell(1, i + 1, nums.g(e.v.x));
        pline_->setCell(2, i + 1, nums.g(e.v.y));
        pline_->setCell(3, i + 1, nums.g(e.v.z));
        pline_->setCell(4, i + 1, nums.fixed(e.length, 4));
    }
    for (int i = 0; i < 6; ++i) {
        const EdgeEnds& ends = kEdges[i];
        const EdgeTexts t = EdgeText(nums, vertices_[ends.start], vertices_[ends.end]);
        add(ends.label + t.vector);
        add(ends.length + t.length);
        add("   " + t.line);
        add("");
        pline_->setCell(5, i + 1, t.line);
    }

    add(message(49));
    add(message(50));
    add("     |x-Ax      y-Ay      z-Az  | ");
    add("     |Bx-Ax   By-Ay   Bz-Az|=0 ");
    add("     |Cx-Ax   Cy-Ay   Cz-Az| ");
    add("");
    for (int i = 0; i < 4; ++i) {
        const Face& f = kFaces[i];
        const PlaneTexts t = PlaneText(nums, vertices_[f.p1], vertices_[f.p2], vertices_[f.p3]);
        abc_->setCell(1, i, t.equation);
        add(f.prefix + t.equation);
    }
    add("");

    add(message(51));
    add("   S[ABC]=|ABxAC|/2=1/2*(d1^2+d2^2+d3^2)^(1/2)");
    add("");
    add("   d1=|ABy  ABz|     d2=|ABx  ABz|    d3=|ABx  ABy|");
    add("         |BCy  BCz|           |BCx  BCz|           |BCx  BCy|");
    add("");
    for (int i = 0; i < 4; ++i) {
        const Area& a = kAreas[i];
        const std::string area = TriangleArea(nums, edges_[a.u].v, edges_[a.v].v);
        abc_->setCell(2, i, area);
        add(a.prefix + area);
    }
    add("");
}

} // namespace tc
