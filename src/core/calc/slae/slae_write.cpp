#include "calc/slae/slae_write.h"

#include "calc/slae/slae_text.h"
#include "text/determinant_text.h"
#include "text/terms.h"

namespace tc {

namespace {

using Lines = std::vector<std::string>;

std::string Unknown(std::size_t k) {
    return "x" + std::to_string(k);
}

std::string Label(std::size_t k) {
    return k == 0 ? "D" : "D" + Unknown(k);
}

// The system as its first n equations, between its heading and the heading of
// the determinants.
void WriteSystem(Lines& out, const SlaeInputs& in, const MessageTable& messages, const Numbers& nums) {
    out.push_back(messages(Line::msg65_system));
    const auto n = static_cast<std::size_t>(in.n);
    for (std::size_t r = 1; r <= n; ++r) {
        const auto& row = in.a[r];
        out.push_back(
            EquationLine(nums, std::vector<Ext>(row.begin() + 1, row.begin() + 1 + in.n), row[n + 1]));
    }
    out.push_back("");
    out.push_back(messages(Line::msg66_determinants));
    out.push_back("");
}

void WriteTwo(SlaeOutput& o, const SlaeInputs& in, const SlaeResult& r, bool stopped, const Numbers& nums) {
    Lines& m = o.lines;
    // Each block: the matrix, its value written out and shown in its field. The
    // matrix is written before its value is computed.
    const char* pads[] = {"     ", "       ", "       "};
    for (std::size_t k = 0; k <= 2; ++k) {
        if (k > r.det2.size() || (k == r.det2.size() && !stopped)) return;
        const std::vector<Ext> a = CramerMatrix(in, static_cast<int>(k));
        const std::string label = Label(k);
        m.push_back(label + "=|" + nums.g(a[0]) + "," + nums.g(a[1]) + "|");
        m.push_back(pads[k] + ("|" + nums.g(a[2]) + "," + nums.g(a[3]) + "|"));
        m.push_back("");
        if (k == r.det2.size()) return;
        m.push_back(Determinant2Line(nums, label, r.det2[k]));
        o.fields.emplace_back("D" + label, nums.g(r.det2[k].value));
        m.push_back("");
    }
    if (r.x.size() < 2) return;
    const Ext d = r.det2[0].value;
    for (std::size_t k = 1; k <= 2; ++k)
        o.fields.emplace_back(Unknown(k), nums.g(r.x[k - 1]));
    for (std::size_t k = 1; k <= 2; ++k)
        m.push_back(Unknown(k) + "=D" + Unknown(k) + "/D=" + nums.g(r.det2[k].value) + "/" +
                    Bracketed(nums, d) + "=" + nums.fixed(r.x[k - 1], 4));
}

void WriteThree(SlaeOutput& o, const SlaeResult& r, const Numbers& nums) {
    Lines& m = o.lines;
    const char* pads[] = {"     ", "          ", "         ", "         "};
    DeterminantLines lines;
    Lines texts;
    for (std::size_t k = 0; k < r.det3.size(); ++k) {
        WriteDeterminant3(lines, nums, r.det3[k]);
        const std::string label = Label(k);
        m.push_back(pads[k] + lines[1]);
        m.push_back(label + "=" + lines[2]);
        m.push_back(pads[k] + lines[3]);
        m.push_back("");
        m.push_back(label + "=" + lines[4]);
        o.fields.emplace_back("D" + label, lines[5]);
        texts.push_back(lines[5]);
        m.push_back("");
    }
    if (!r.dRead) return;
    // The quotients divide the determinants as their fields show them.
    const std::string divisor = *r.dRead < 0.0L ? "(" + texts[0] + ")" : texts[0];
    for (std::size_t k = 1; k <= r.x.size(); ++k) {
        o.fields.emplace_back(Unknown(k), nums.fixed(r.x[k - 1], 4));
        m.push_back(Unknown(k) + "=D" + Unknown(k) + "/D=" + texts[k] + "/" + divisor + "=" +
                    nums.g(r.x[k - 1]));
    }
    if (r.x.size() == 3) m.push_back("");
}

void WriteFour(SlaeOutput& o, const SlaeResult& r, const Numbers& nums) {
    Lines& m = o.lines;
    DeterminantLines lines;
    Lines texts, unknowns;
    for (std::size_t k = 0; k < r.det4.size(); ++k) {
        WriteDeterminant4(lines, nums, r.det4[k]);
        const std::string label = Label(k);
        const std::string pad(k == 0 ? 5 : 9, ' ');
        m.push_back(pad + lines[1]);
        m.push_back(label + "=" + lines[2]);
        m.push_back(pad + lines[3]);
        m.push_back(pad + lines[4]);
        m.push_back("");
        m.push_back(label + "=" + lines[5]);
        m.push_back(lines[6]);
        m.push_back(lines[7] + lines[8]);
        o.fields.emplace_back("D" + label, lines[9]);
        texts.push_back(lines[9]);
        if (k > 0) {
            if (r.x.size() < k) return; // the division failed
            unknowns.push_back(nums.fixed(r.x[k - 1], 4));
            o.fields.emplace_back(Unknown(k), unknowns.back());
        }
        m.push_back("");
    }
    if (r.x.size() < 4) return;
    const std::string divisor = r.det4[0].value <= 0.0L ? "(" + texts[0] + ")" : texts[0];
    for (std::size_t k = 1; k <= 4; ++k)
        m.push_back(Unknown(k) + "=D" + Unknown(k) + "/D=" + texts[k] + "/" + divisor + "=" +
                    unknowns[k - 1]);
}

} // namespace

SlaeOutput WriteSlae(const SlaeInputs& in, bool read, const SlaeResult& r, bool stopped, const Numbers& nums,
                     const MessageTable& messages) {
    SlaeOutput o;
    o.lines = {messages(Line::msg63_slae_title), ""};
    // Every cell is read before the first line of the solution.
    if (!read) return o;
    o.lines.push_back("");
    if (in.n == 2) {
        o.lines.push_back(messages(Line::msg64_equation_count) + "  " + "2");
        o.lines.push_back("");
    }
    WriteSystem(o.lines, in, messages, nums);
    switch (in.n) {
    case 2: WriteTwo(o, in, r, stopped, nums); break;
    case 3: WriteThree(o, r, nums); break;
    default: WriteFour(o, r, nums); break;
    }
    return o;
}

} // namespace tc
