// Sum, difference and product of two matrices.

#include <vector>

#include "calc/matrix/matrix_tasks.h"

namespace tc {

namespace {

// Entries of a rows x cols block, kept as [row][col] from 1.
using Block = std::vector<std::vector<Ext>>;

Block MakeBlock(int rows, int cols) {
    return Block(static_cast<size_t>(rows + 1), std::vector<Ext>(static_cast<size_t>(cols + 1)));
}

Ext& At(Block& m, int i, int j) {
    return m[static_cast<size_t>(i)][static_cast<size_t>(j)];
}

} // namespace

void AddOrSubtract(MatrixPage& p, int m, int n, bool subtract) {
    WriteTaskHead(p, subtract ? kSubtraction : kAddition);
    WriteListing(p.memo, p.a, "A", m, n);
    p.memo.add("");
    WriteListing(p.memo, p.b, "B", m, n);

    // Every entry is read before the first formula, column by column, so a bad
    // cell stops the task right after the listings.
    Block b = MakeBlock(m, n);
    for (int j = 1; j <= n; ++j)
        for (int i = 1; i <= m; ++i) {
            ReadCell(p, p.a, j, i);
            At(b, i, j) = ReadCell(p, p.b, j, i);
        }

    p.memo.add("");
    p.memo.add(subtract ? "C=A-B=" : "C=A+B=");
    for (int i = 1; i <= m; ++i) {
        std::string line = "(";
        for (int j = 1; j <= n; ++j) {
            if (j > 1) line += ";";
            const std::string& ta = p.a.cell(j, i);
            const std::string& tb = p.b.cell(j, i);
            const bool negative = At(b, i, j) < 0.0L;
            // A negative b keeps its own minus: a+(-3) is written a-3, a-(-3) in brackets.
            if (subtract)
                line += negative ? ta + "-(" + tb + ")" : ta + "-" + tb;
            else
                line += negative ? ta + tb : ta + "+" + tb;
        }
        line += i == 1 ? ")=" : ")";
        p.memo.add(line);
    }
    p.memo.add("");

    for (int i = 1; i <= m; ++i) {
        std::string line = "(";
        for (int j = 1; j <= n; ++j) {
            const Ext x = ReadCell(p, p.a, j, i), y = ReadCell(p, p.b, j, i);
            const std::string c = p.env.nums.g(subtract ? x - y : x + y);
            p.c.setCell(j, i, c);
            if (j > 1) line += ";";
            line += c;
        }
        p.memo.add(line + ")");
    }
}

void Multiply(MatrixPage& p, int m, int n, int k) {
    const Numbers& nums = p.env.nums;
    Block a = MakeBlock(m, n), b = MakeBlock(n, k);
    for (int j = 1; j <= n; ++j)
        for (int i = 1; i <= m; ++i)
            At(a, i, j) = ReadCell(p, p.a, j, i);
    for (int j = 1; j <= k; ++j)
        for (int i = 1; i <= n; ++i)
            At(b, i, j) = ReadCell(p, p.b, j, i);

    WriteTaskHead(p, kMultiplication);
    WriteListing(p.memo, p.a, "A", m, n);
    p.memo.add("");
    WriteListing(p.memo, p.b, "B", n, k);
    p.memo.add("");
    p.memo.add("C=A*B");
    p.memo.add("");

    for (int i = 1; i <= m; ++i)
        for (int j = 1; j <= k; ++j) {
            // C[i,j] = sum over l of a(i,l)*b(l,j): the factors as typed, then the
            // products, then their sum.
            std::string factors, products;
            Ext s = 0.0L;
            for (int l = 1; l <= n; ++l) {
                const std::string& ta = p.a.cell(l, i);
                const std::string& tb = p.b.cell(j, l);
                const bool aNegative = At(a, i, l) < 0.0L;
                if (l > 1) factors += "+";
                factors += aNegative ? "(" + ta + ")" : ta;
                factors += At(b, l, j) < 0.0L ? "*(" + tb + ")" : "*" + tb;
                const Ext prod = At(a, i, l) * At(b, l, j);
                s += prod;
                if (l > 1 && prod >= 0.0L) products += "+";
                products += nums.g(prod);
            }
            const std::string sum = nums.g(s);
            p.c.setCell(j, i, sum);
            p.memo.add("C[" + IntToStr(i) + "," + IntToStr(j) + "]=" + factors + "=" + products + "=" + sum);
        }

    p.memo.add("");
    WriteListing(p.memo, p.c, "C", m, k);
}

} // namespace tc
