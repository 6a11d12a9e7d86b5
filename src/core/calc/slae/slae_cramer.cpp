// The written solution of the linear system for 2, 3 and 4 equations. The
// three branches differ on purpose in where the quotients take their
// determinants from and in which number forms they show them.

#include <string>
#include <vector>

#include "calc/slae/slae_tab.h"
#include "calc/slae/slae_text.h"
#include "text/determinant_text.h"

namespace tc {

namespace {

std::string Unknown(int k) {
    return "x" + std::to_string(k);
}

} // namespace

void SlaeTab::writeSystem(const System& a, int n) {
    memo().add(env_.messages(65));
    for (std::size_t r = 1; r <= static_cast<std::size_t>(n); ++r) {
        const auto& row = a[r];
        std::vector<Ext> coefficients(row.begin() + 1, row.begin() + 1 + n);
        memo().add(EquationLine(env_.nums, coefficients, row[static_cast<std::size_t>(n + 1)]));
    }
    memo().add("");
    memo().add(env_.messages(66));
    memo().add("");
}

void SlaeTab::solve2(const System& a) {
    const Numbers& nums = env_.nums;
    Memo& m = memo();
    const Ext a11 = a[1][1], a12 = a[1][2], b1 = a[1][3];
    const Ext a21 = a[2][1], a22 = a[2][2], b2 = a[2][3];

    m.add("");
    m.add(env_.messages(64) + "  " + "2");
    m.add("");
    writeSystem(a, 2);

    // Determinant `label` of the rows (p q) and (r s): the matrix, its value
    // written out and shown in field "D<label>"; returns the value.
    auto block = [&](const std::string& label, const std::string& pad, Ext p, Ext q, Ext r, Ext s) {
        m.add(label + "=|" + nums.g(p) + "," + nums.g(q) + "|");
        m.add(pad + "|" + nums.g(r) + "," + nums.g(s) + "|");
        m.add("");
        const Cramer2 det = Cramer2Line(nums, label, p, q, r, s);
        m.add(det.line);
        field("D" + label).text = nums.g(det.value);
        m.add("");
        return det.value;
    };
    const Ext d = block("D", "     ", a11, a12, a21, a22);
    const Ext dx1 = block("Dx1", "       ", b1, a12, b2, a22);
    const Ext dx2 = block("Dx2", "       ", a11, b1, a21, b2);

    const Ext x1 = dx1 / d;
    const Ext x2 = dx2 / d;
    field("x1").text = nums.g(x1);
    field("x2").text = nums.g(x2);
    const std::string divisor = d < 0.0L ? "(" + nums.g(d) + ")" : nums.g(d);
    m.add("x1=Dx1/D=" + nums.g(dx1) + "/" + divisor + "=" + nums.fixed(x1, 4));
    m.add("x2=Dx2/D=" + nums.g(dx2) + "/" + divisor + "=" + nums.fixed(x2, 4));
}

void SlaeTab::solve3(const System& a) {
    const Numbers& nums = env_.nums;
    Memo& m = memo();

    m.add("");
    writeSystem(a, 3);

    // The matrix of determinant k: column k replaced by the right-hand sides
    // (k = 0 for the main determinant).
    auto entry = [&a](int k, std::size_t r, std::size_t c) {
        return static_cast<int>(c) == k ? a[r][4] : a[r][c];
    };
    struct Block {
        const char* label;
        const char* pad;
        const char* field;
    };
    const Block blocks[] = {{"D", "     ", "DD"},
                            {"Dx1", "          ", "DDx1"},
                            {"Dx2", "         ", "DDx2"},
                            {"Dx3", "         ", "DDx3"}};
    DeterminantLines lines;
    for (int k = 0; k <= 3; ++k) {
        const Block& b = blocks[k];
        Determinant3Text(lines, nums, entry(k, 1, 1), entry(k, 1, 2), entry(k, 1, 3), entry(k, 2, 1),
                         entry(k, 2, 2), entry(k, 2, 3), entry(k, 3, 1), entry(k, 3, 2), entry(k, 3, 3));
        const std::string label = b.label;
        m.add(b.pad + lines[1]);
        m.add(label + "=" + lines[2]);
        m.add(b.pad + lines[3]);
        m.add("");
        m.add(label + "=" + lines[4]);
        field(b.field).text = lines[5];
        m.add("");
    }

    // The quotients divide the determinants as their fields show them.
    const std::string& dText = field("DD").text;
    const Ext d = nums.read(dText);
    const std::string divisor = d < 0.0L ? "(" + dText + ")" : dText;
    for (int k = 1; k <= 3; ++k) {
        const std::string& dxText = field(blocks[k].field).text;
        const Ext x = nums.read(dxText) / d;
        field(Unknown(k)).text = nums.fixed(x, 4);
        m.add(Unknown(k) + "=D" + Unknown(k) + "/D=" + dxText + "/" + divisor + "=" + nums.g(x));
    }
    m.add("");
}

void SlaeTab::solve4(const System& a) {
    const Numbers& nums = env_.nums;
    Memo& m = memo();

    m.add("");
    writeSystem(a, 4);

    // Column k replaced by the right-hand sides (k = 0: the main determinant).
    auto matrix = [&a](int k) {
        Matrix4 out;
        for (std::size_t r = 1; r <= 4; ++r)
            for (std::size_t c = 1; c <= 4; ++c)
                out[4 * (r - 1) + c - 1] = static_cast<int>(c) == k ? a[r][5] : a[r][c];
        return out;
    };

    DeterminantLines lines;
    Ext d = 0.0L;
    for (int k = 0; k <= 4; ++k) {
        const std::string label = k == 0 ? "D" : "D" + Unknown(k);
        const std::string pad(k == 0 ? 5 : 9, ' ');
        const Ext det = Determinant4Text(lines, nums, matrix(k));
        m.add(pad + lines[1]);
        m.add(label + "=" + lines[2]);
        m.add(pad + lines[3]);
        m.add(pad + lines[4]);
        m.add("");
        m.add(label + "=" + lines[5]);
        m.add(lines[6]);
        m.add(lines[7] + lines[8]);
        field("D" + label).text = lines[9];
        if (k == 0) {
            d = det;
        } else {
            // The determinant fields show 4 decimals only; dividing those would
            // fail for a regular system whose D is below 0.00005 and lose digits
            // of every other one, so the unknowns divide the full values.
            field(Unknown(k)).text = nums.fixed(det / d, 4);
        }
        m.add("");
    }

    const std::string& dText = field("DD").text;
    const std::string divisor = d <= 0.0L ? "(" + dText + ")" : dText;
    for (int k = 1; k <= 4; ++k)
        m.add(Unknown(k) + "=D" + Unknown(k) + "/D=" + field(("DD" + Unknown(k))).text + "/" + divisor + "=" +
              field(Unknown(k)).text);
}

} // namespace tc
