// A^-1 by the adjugate: C = 1/Det(A) * B^T, B the matrix of cofactors
// B(i,j) = (-1)^(i+j) * Det(M(i,j)), M(i,j) being A without row i and column j.

#include <vector>

#include "calc/matrix/matrix_tasks.h"
#include "text/determinant_text.h"

namespace tc {

namespace {

// The two literals that begin with the Cyrillic capital Es (U+0421), not a Latin C.
const std::string kOneOver = "\u0421=1/";
const std::string kMinusOneOver = "\u0421=-1/";

std::string OneOverLine(const Numbers& nums, Ext d) {
    return d >= 0.0L ? kOneOver + nums.g(d) + "*" : kMinusOneOver + nums.g(-d) + "*";
}

size_t Ix(int i) {
    return static_cast<size_t>(i);
}

// The entries of A without row `row` and column `col`, row by row.
std::vector<Ext> Minor(const Square& a, int k, int row, int col) {
    std::vector<Ext> m;
    for (int i = 1; i <= k; ++i)
        for (int j = 1; j <= k; ++j)
            if (i != row && j != col) m.push_back(a[Ix(i)][Ix(j)]);
    return m;
}

// "(t1;t2;...)" of the texts of column `col` of a grid, rows 1..k.
std::string ColumnText(const Grid& g, int col, int k) {
    std::string s = "(";
    for (int r = 1; r <= k; ++r)
        s += (r > 1 ? ";" : "") + g.cell(col, r);
    return s + ")";
}

std::string RowText(const Grid& g, int row, int k) {
    std::string s = "(";
    for (int c = 1; c <= k; ++c)
        s += (c > 1 ? ";" : "") + g.cell(c, row);
    return s + ")";
}

// Order 2: the cofactors are the entries themselves, swapped and signed.
void InverseOrder2(MatrixPage& p, const Square& a) {
    const Numbers& nums = p.env.nums;
    const Ext a11 = a[1][1], a12 = a[1][2], a21 = a[2][1], a22 = a[2][2];
    Ext d;
    p.memo.add(Determinant2Line(nums, a, d));
    p.det.text = nums.g(d);

    p.memo.add(p.env.messages(13));
    p.memo.add("B=(" + nums.g(a22) + ";" + nums.g(-a21) + ")");
    p.memo.add("    (" + nums.g(-a12) + ";" + nums.g(a11) + ")");
    p.b.setCell(1, 1, nums.g(a22));
    p.b.setCell(2, 1, nums.g(-a21));
    p.b.setCell(1, 2, nums.g(-a12));
    p.b.setCell(2, 2, nums.g(a11));

    p.memo.add(p.env.messages(14));
    p.memo.add("B^T=(" + nums.g(a22) + ";" + nums.g(-a12) + ")");
    p.memo.add("         (" + nums.g(-a21) + ";" + nums.g(a11) + ")");
    p.memo.add(p.env.messages(15));
    p.memo.add(OneOverLine(nums, d));
    p.memo.add("(" + nums.g(a22) + ";" + nums.g(-a12) + ")");
    p.memo.add("(" + nums.g(-a21) + ";" + nums.g(a11) + ")");
    p.memo.add("");

    p.c.setCell(1, 1, nums.fixed(a22 / d, 4));
    p.c.setCell(2, 1, nums.fixed(-a12 / d, 4));
    p.c.setCell(1, 2, nums.fixed(-a21 / d, 4));
    p.c.setCell(2, 2, nums.fixed(a11 / d, 4));
    p.memo.add("C=(" + p.c.cell(1, 1) + ";" + p.c.cell(2, 1) + ")");
    p.memo.add("   (" + p.c.cell(1, 2) + ";" + p.c.cell(2, 2) + ")");
}

// One cofactor block of order 3 or 4: the minor's rows, then its expansion;
// an odd position negates the minor in brackets. Writes B(i,j) into Mat2.
void CofactorBlock(MatrixPage& p, const Square& a, int k, int i, int j) {
    const Numbers& nums = p.env.nums;
    const std::vector<Ext> m = Minor(a, k, i, j);
    DeterminantLines e;
    std::vector<std::string> rows;
    std::string formula, products, value;
    if (k == 3) {
        Determinant2Text(e, nums, m[0], m[1], m[2], m[3]);
        rows = {e[1], e[2]};
        formula = e[3];
        products = e[4];
    } else {
        Determinant3Text(e, nums, m[0], m[1], m[2], m[3], m[4], m[5], m[6], m[7], m[8]);
        rows = {e[1], e[2], e[3]};
        formula = e[6];
        products = e[7];
    }
    value = e[5];

    const std::string label = "B[" + IntToStr(i) + "," + IntToStr(j) + "]=";
    const bool even = (i + j) % 2 == 0;
    // The later rows line up under the first one, past the label (and the minus).
    const std::string indent(even ? 12 : (k == 3 ? 15 : 14), ' ');
    p.memo.add(label + (even ? "" : "-") + rows[0]);
    for (size_t r = 1; r < rows.size(); ++r)
        p.memo.add(indent + rows[r]);
    std::string cofactor;
    if (even) {
        cofactor = value;
        p.memo.add(label + formula + "=" + products + "=" + cofactor);
    } else {
        // Negated from the written value, so a zero minor gives "0", never "-0".
        cofactor = nums.g(-nums.read(value));
        p.memo.add(label + "-(" + formula + ")=-(" + products + ")=" + cofactor);
    }
    p.b.setCell(j, i, cofactor);
    p.memo.add("");
}

// Orders 3 and 4 once Det(A) is written: cofactors, B^T and C = B^T / d.
void InverseByCofactors(MatrixPage& p, const Square& a, int k, Ext d) {
    const Numbers& nums = p.env.nums;
    p.memo.add(p.env.messages(13));
    for (int i = 1; i <= k; ++i)
        for (int j = 1; j <= k; ++j)
            CofactorBlock(p, a, k, i, j);

    // The columns of B are the rows of B^T.
    p.memo.add(p.env.messages(14));
    for (int c = 1; c <= k; ++c)
        p.memo.add((c == 1 ? "B^T=" : "         ") + ColumnText(p.b, c, k));
    p.memo.add(p.env.messages(15));
    p.memo.add(OneOverLine(nums, d));
    for (int c = 1; c <= k; ++c)
        p.memo.add(ColumnText(p.b, c, k));
    p.memo.add("");

    // C(r,c) = B(c,r) / d, from the cofactors as Mat2 shows them.
    for (int c = 1; c <= k; ++c)
        for (int r = 1; r <= k; ++r)
            p.c.setCell(c, r, nums.fixed(nums.read(p.b.cell(r, c)) / d, 4));
    p.memo.add(p.env.messages(16));
    for (int r = 1; r <= k; ++r)
        p.memo.add((r == 1 ? "C=" : "    ") + RowText(p.c, r, k));
}

} // namespace

void InverseTask(MatrixPage& p, int k) {
    if (k < 2 || k > 4) return; // the order list offers 2, 3 and 4 only
    const Numbers& nums = p.env.nums;
    const Square a = ReadSquare(p, k);
    WriteSquareHead(p, kInverse, k);
    p.memo.add("C=A^-1=1/Det(A)*B^T,  B=A[dop]");
    p.memo.add("");
    p.memo.add(p.env.messages(12));

    DeterminantLines lines;
    switch (k) {
    case 2: return InverseOrder2(p, a);
    case 3: {
        Determinant3Text(lines, nums, a[1][1], a[1][2], a[1][3], a[2][1], a[2][2], a[2][3], a[3][1], a[3][2],
                         a[3][3]);
        p.det.text = lines[5];
        p.memo.add("Det(A)=" + lines[4]);
        p.memo.add("");
        // The determinant as DET_A shows it.
        return InverseByCofactors(p, a, 3, nums.read(p.det.text));
    }
    case 4: {
        const Ext d =
            Determinant4Text(lines, nums,
                             {a[1][1], a[1][2], a[1][3], a[1][4], a[2][1], a[2][2], a[2][3], a[2][4], a[3][1],
                              a[3][2], a[3][3], a[3][4], a[4][1], a[4][2], a[4][3], a[4][4]});
        p.memo.add("Det(A)=" + lines[5] + lines[6]);
        p.memo.add(lines[7] + lines[8]);
        p.det.text = lines[9];
        p.memo.add("");
        // Not DET_A's four decimals: dividing by them would lose a small
        // determinant altogether and round every entry of C.
        return InverseByCofactors(p, a, 4, d);
    }
    default: return;
    }
}

} // namespace tc
