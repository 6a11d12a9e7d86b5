// Second stage of a computation: the angles at the vertices of the faces and
// the angles between an edge and a face.

#include "calc/tetrahedron/tetra_text.h"
#include "calc/tetrahedron/tetrahedron_tab.h"

namespace tc {

namespace {

// An edge as an angle uses it: a stored edge or its reverse (YX = -XY).
struct EdgeRef {
    EdgeIndex index;
    bool reversed;
};

Point3 VectorOf(const Edges& edges, EdgeRef r) {
    const Point3& v = edges[r.index].v;
    return r.reversed ? -v : v;
}

constexpr EdgeRef AB{kAB, false}, BA{kAB, true}, AC{kAC, false}, CA{kAC, true}, AD{kAD, false}, DA{kAD, true},
    BC{kBC, false}, CB{kBC, true}, CD{kCD, false}, DC{kCD, true}, BD{kBD, false}, DB{kBD, true};

struct VertexAngle {
    const char* name;
    EdgeRef u, v;
};

// Three angles per face, in the column order of the grid.
struct FaceAngles {
    const char* title;
    VertexAngle angles[3];
};

const FaceAngles kVertexAngles[4] = {
    {"               ABC", {{"AB^AC", AB, AC}, {"BA^BC", BA, BC}, {"CA^CB", CA, CB}}},
    {"               ABD", {{"AB^AD", AB, AD}, {"BA^BD", BA, BD}, {"DA^DB", DA, DB}}},
    {"               ACD", {{"AC^AD", AC, AD}, {"CA^CD", CA, CD}, {"DA^DC", DA, DC}}},
    {"               BCD", {{"DC^DB", DC, DB}, {"CD^CB", CD, CB}, {"BC^BD", BC, BD}}},
};

struct EdgeToFace {
    const char* name; // "AD^ABC"
    const char* edge; // "AD"
    EdgeRef e;
};

// Each face with the three edges that leave it for the fourth vertex.
struct FaceEdges {
    Vertex p1, p2, p3;
    const char* line;
    EdgeToFace edges[3];
};

const FaceEdges kFaceEdges[4] = {
    {kA, kB, kC, "       ABC:", {{"AD^ABC", "AD", AD}, {"BD^ABC", "BD", BD}, {"CD^ABC", "CD", CD}}},
    {kA, kB, kD, "       ABD:", {{"AC^ABD", "AC", AC}, {"BC^ABD", "BC", BC}, {"DC^ABD", "DC", DC}}},
    {kB, kC, kD, "       BCD:", {{"BA^BCD", "BA", BA}, {"CA^BCD", "CA", CA}, {"DA^BCD", "DA", DA}}},
    {kA, kC, kD, "       ACD:", {{"AB^ACD", "AB", AB}, {"CB^ACD", "CB", CB}, {"DB^ACD", "DB", DB}}},
};

} // namespace

void TetrahedronTab::angles() {
    const Numbers& nums = env_.nums;

    add(message(52));
    add(message(53));
    add("      cos(AB^AC)=AB*AC/(|AB|*|AC|) ");
    add(message(54));
    add("      (AB^AC)=arccos(cos(AB^AC))/3,14*180");
    add("");
    int col = 1;
    for (const FaceAngles& face : kVertexAngles) {
        add(face.title);
        for (const VertexAngle& a : face.angles) {
            const EdgeAngleValue value = EdgeAngle(VectorOf(edges_, a.u), VectorOf(edges_, a.v),
                                                   edges_[a.u.index].length, edges_[a.v.index].length);
            phi_->setCell(col, 1, nums.fixed(value.cos, 4));
            phi_->setCell(col, 2, nums.fixed(value.degrees, 4));
            // The line repeats the two cells.
            add("     cos(" + std::string(a.name) + ")=" + phi_->cell(col, 1) + ",    " + "(" + a.name +
                ")=" + phi_->cell(col, 2));
            ++col;
        }
        add("");
    }

    add(message(55));
    add(message(56));
    add("                sin(phi)=NxAD/(|N|*|AD|,   ");
    add(message(57) + "N(Nx,Ny,Nz) " + message(58) + " АВС" + "Nx*x+Ny*y+Nz*z+D=0");
    add("");
    col = 1;
    for (const FaceEdges& face : kFaceEdges) {
        const Point3 n =
            NormalFromText(nums, PlaneText(nums, vertices_[face.p1], vertices_[face.p2], vertices_[face.p3]));
        add(face.line);
        bool first = true;
        for (const EdgeToFace& ef : face.edges) {
            const Ext length = edges_[ef.e.index].length;
            const EdgeFaceTexts t = EdgeFaceAngle(nums, n, VectorOf(edges_, ef.e), length);
            const std::string name = ef.name, edge = ef.edge;
            add("                (" + name + ")");
            add("       Nx" + edge + "=" + t.dot);
            if (first)
                add("       |N|=" + t.normalLength + ";  |" + edge + "|=" + nums.fixed(length, 4));
            else
                add("       |" + edge + "|=" + nums.fixed(length, 4));
            add("       sin(" + name + ")=" + t.sine + " ; (" + name + ")=" + t.degrees);
            tham_->setCell(col, 1, t.sineValue);
            tham_->setCell(col, 2, t.degrees);
            add("");
            first = false;
            ++col;
        }
    }
}

} // namespace tc
