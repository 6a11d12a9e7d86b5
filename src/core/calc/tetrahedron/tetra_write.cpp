// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/tetrahedron/tetra_write.h"

#include "calc/tetrahedron/tetra_tables.h"
#include "widgets/names.h"

namespace tc {

namespace {

namespace n = names;

// The prefixes of each edge's vector and length lines.
const char* const kEdgeLabels[6][2] = {{"    AB", "   |AB|="}, {"  AC", "  |AC|="}, {"  AD", "  |AD|="},
                                       {"  BC", "  |BC|="},    {"  CD", "  |CD|="}, {"  BD", "  |BD|="}};
const char* const kFacePrefixes[4] = {"    ABC:  ", "    ABD:  ", "    ACD:  ", "    BCD:  "};
const char* const kAreaPrefixes[4] = {"    S[ABC]=", "    S[ABD]=", "    S[ACD]=", "    S[BCD]="};
const char* const kHeightPrefixes[4] = {
    "       H(A):   ", "       H(B):   ", "       H(C):   ", "       H(D):   "};

class Writer {
public:
    Writer(const Wording& w, TabOutput& out) : nums_(w.nums), msg_(w.messages), out_(out) {}

    // The heading; the data follow once they have been read.
    void heading();
    void data(const TetraInput& in);
    bool edgesAndPlanes(const TetraResult& r);
    bool angles(const TetraResult& r);
    void heightsAndVolume(const TetraResult& r);

private:
    void add(std::string line) { out_.lines.push_back(std::move(line)); }
    void cell(const char* grid, int col, int row, std::string text) {
        out_.cells.push_back({grid, col, row, std::move(text)});
    }
    const std::string& msg(Line l) const { return msg_(l); }
    // The face ABC; older files name it with Cyrillic letters.
    std::string faceAbc() const { return msg_.text(Line::tet_face_abc, "АВС"); }

    const Numbers& nums_;
    const MessageTable& msg_;
    TabOutput& out_;
};

void Writer::heading() {
    add(msg(Line::msg44_tet_title));
    add("");
    add(msg(Line::msg02_given));
}

void Writer::data(const TetraInput& in) {
    // The data as typed, not as read.
    const char* echo[] = {"   A(", "   B(", "   C(", "   D("};
    for (int c = 0; c < 4; ++c)
        add(echo[c] + in.typed[c][0] + ";" + in.typed[c][1] + ";" + in.typed[c][2] + ")");
    add("");
}

bool Writer::edgesAndPlanes(const TetraResult& r) {
    add(msg(Line::msg46_tet_edges));
    add(msg(Line::msg47_edge_vector));
    add("     AB=(Bx-Ax,By-Ay,Bz-Az)");
    add("     |AB|=((Bx-Ax)^2+(By-Ay)^2+(Bz-Az)^2)^(1/2)");
    add(msg(Line::msg48_edge_line));
    add("     (x-Ax)/(Bx-Ax)=(y-Ay)/(By-Ay)=(z-Az)/(Bz-Az)");
    add("");

    // The edge table is filled in one step from the six measured edges: a
    // length that fails (an overflow) stops the computation before it, so
    // that no row stands there as if the table had been worked out.
    if (!r.hasAllEdges()) return false;
    for (std::size_t i = 0; i < r.edges.size(); ++i) {
        const Edge& e = r.edges[i];
        const int row = static_cast<int>(i) + 1;
        cell(n::PLine, 1, row, nums_.text(e.v.x));
        cell(n::PLine, 2, row, nums_.text(e.v.y));
        cell(n::PLine, 3, row, nums_.text(e.v.z));
        cell(n::PLine, 4, row, nums_.fixed(e.length, 4));
    }
    for (std::size_t i = 0; i < r.edges.size(); ++i) {
        const tetra::EdgeEnds& ends = tetra::kEdges[i];
        const EdgeTexts t = EdgeText(nums_, r.vertices[ends.start], r.vertices[ends.end], r.edges[i]);
        add(kEdgeLabels[i][0] + t.vector);
        add(kEdgeLabels[i][1] + t.length);
        add("   " + t.line);
        add("");
        cell(n::PLine, 5, static_cast<int>(i) + 1, t.line);
    }

    add(msg(Line::msg49_tet_planes));
    add(msg(Line::msg50_plane_three_points));
    add("     |x-Ax      y-Ay      z-Az  | ");
    add("     |Bx-Ax   By-Ay   Bz-Az|=0 ");
    add("     |Cx-Ax   Cy-Ay   Cz-Az| ");
    add("");
    for (std::size_t i = 0; i < r.planes.size(); ++i) {
        const PlaneTexts t = PlaneText(nums_, r.planes[i]);
        cell(n::ABC, 1, static_cast<int>(i), t.equation);
        add(kFacePrefixes[i] + t.equation);
    }
    if (r.planes.size() < 4) return false;
    add("");

    add(msg(Line::msg51_tet_areas));
    add("   S[ABC]=|ABxAC|/2=1/2*(d1^2+d2^2+d3^2)^(1/2)");
    add("");
    add("   d1=|ABy  ABz|     d2=|ABx  ABz|    d3=|ABx  ABy|");
    add("         |BCy  BCz|           |BCx  BCz|           |BCx  BCy|");
    add("");
    for (std::size_t i = 0; i < r.areas.size(); ++i) {
        const std::string area = nums_.fixed(r.areas[i], 4);
        cell(n::ABC, 2, static_cast<int>(i), area);
        add(kAreaPrefixes[i] + area);
    }
    if (r.areas.size() < 4) return false;
    add("");
    return true;
}

bool Writer::angles(const TetraResult& r) {
    add(msg(Line::msg52_tet_edge_angles));
    add(msg(Line::msg53_cos_edges));
    add("      cos(AB^AC)=AB*AC/(|AB|*|AC|) ");
    add(msg(Line::msg54_angle_in_degrees));
    add("      (AB^AC)=arccos(cos(AB^AC))/Pi*180");
    add("");
    const char* faceTitles[] = {"ABC", "ABD", "ACD", "BCD"};
    std::size_t k = 0;
    for (int f = 0; f < 4; ++f) {
        add(std::string(15, ' ') + faceTitles[f]);
        for (const tetra::VertexAngle& a : tetra::kVertexAngles[f]) {
            if (k >= r.edgeAngles.size()) return false;
            const EdgeAngleValue& value = r.edgeAngles[k];
            const int col = static_cast<int>(++k);
            const std::string cos = nums_.fixed(value.cos, 4), degrees = nums_.fixed(value.degrees, 4);
            cell(n::Phi, col, 1, cos);
            cell(n::Phi, col, 2, degrees);
            add("     cos(" + std::string(a.name) + ")=" + cos + ",    " + "(" + a.name + ")=" + degrees);
        }
        add("");
    }

    add(msg(Line::msg55_tet_face_angles));
    add(msg(Line::msg56_sin_edge_face));
    add("                sin(phi)=|N*AD|/(|N|*|AD|),   ");
    // Older files name the face with Cyrillic letters and run the plane's
    // equation into its name; with the line the two stand apart.
    const std::string planeEquation = "Nx*x+Ny*y+Nz*z+D=0";
    add(msg(Line::msg57_where) + "N(Nx,Ny,Nz) " + msg(Line::msg58_is_normal) + " " + faceAbc() +
        (msg_.has(Line::tet_face_abc) ? ": " + planeEquation : planeEquation));
    add("");
    k = 0;
    for (std::size_t f = 0; f < 4; ++f) {
        if (f >= r.faceNormals.size()) return false;
        const Point3& normal = r.faceNormals[f];
        add(std::string("       ") + tetra::kFaceEdges[f].faceName + ":");
        bool first = true;
        for (const tetra::EdgeToFace& ef : tetra::kFaceEdges[f].edges) {
            if (k >= r.edgeFaceAngles.size()) return false;
            const EdgeFaceValue& value = r.edgeFaceAngles[k];
            const int col = static_cast<int>(++k);
            const Edge& edge = r.edges[ef.e.index];
            const EdgeFaceTexts t = EdgeFaceText(nums_, normal, VectorOf(r.edges, ef.e), edge.length, value);
            const std::string name = ef.name, edgeName = ef.edge;
            add("                (" + name + ")");
            add("       N*" + edgeName + "=" + t.dot);
            if (first)
                add("       |N|=" + t.normalLength + ";  |" + edgeName + "|=" + nums_.fixed(edge.length, 4));
            else
                add("       |" + edgeName + "|=" + nums_.fixed(edge.length, 4));
            add("       sin(" + name + ")=" + t.sine + " ; (" + name + ")=" + t.degrees);
            cell(n::THam, col, 1, t.sineValue);
            cell(n::THam, col, 2, t.degrees);
            add("");
            first = false;
        }
    }
    return true;
}

void Writer::heightsAndVolume(const TetraResult& r) {
    add(msg(Line::msg59_tet_altitudes));
    add(msg(Line::msg60_formula));
    add("               H(D):     (x-Dx)/Nx=(y-Dy)/Ny=(z-Dz)/Nz,   ");
    add(msg(Line::msg57_where) + " N - " + msg(Line::msg61_normal) + " " + faceAbc());
    add("");
    for (std::size_t i = 0; i < r.heightNormals.size(); ++i) {
        const std::string text = HeightText(nums_, r.heightNormals[i], r.vertices[tetra::kHeights[i].vertex]);
        cell(n::TVec_H, 1, static_cast<int>(i), text);
        add(kHeightPrefixes[i] + text);
    }
    if (r.heightNormals.size() < 4) return;

    add(msg(Line::msg62_tet_volume));
    add(msg(Line::msg60_formula));
    add("        V=1/6*");
    add("              |ABx  ABy ABz|");
    add("              |ACx  ACy ACz|");
    add("              |ADx  ADy ADz|");
    if (!r.volume) return;
    const std::string volume = nums_.text(*r.volume);
    out_.fields.emplace_back(n::Vol, volume);
    add("");
    add("              V=" + volume);
}

} // namespace

TabOutput WriteTetrahedron(const TetraInput& input, const TetraResult* result, const Wording& wording) {
    TabOutput out;
    Writer w(wording, out);
    w.heading();
    // Data that could not all be read are not echoed.
    if (!input.vertices) return out;
    w.data(input);
    if (!result || (result->coplanar && result->edges.empty())) return out;
    if (w.edgesAndPlanes(*result) && w.angles(*result)) w.heightsAndVolume(*result);
    return out;
}

} // namespace tc
