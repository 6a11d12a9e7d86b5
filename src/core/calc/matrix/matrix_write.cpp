// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/matrix/matrix_write.h"

#include <type_traits>

#include "calc/common/determinant_text.h"
#include "calc/common/terms.h"
#include "widgets/names.h"

namespace tc {

namespace {

using Lines = std::vector<std::string>;

// The message table and the task's name as the selector shows it.
struct MatrixWording {
    const MessageTable& messages;
    const std::string& taskName;
};

// The task's name, an empty line and message entry 2.
void WriteTaskHead(Lines& out, const MatrixWording& w) {
    out.push_back(w.taskName);
    out.push_back("");
    out.push_back(w.messages(Line::msg02_given));
}

// "X=(t11;t12;...)" and "     (ti1;...)" for the later rows.
void WriteListing(Lines& out, const Block<std::string>& texts, const std::string& name, int rows, int cols) {
    for (int i = 1; i <= rows; ++i) {
        std::string line = i == 1 ? name + "=(" : "     (";
        for (int j = 1; j <= cols; ++j) {
            if (j > 1) line += ";";
            line += At(texts, i, j);
        }
        out.push_back(line + ")");
    }
}

// "(t1;t2;...)" of texts in order.
std::string Tuple(const Lines& texts) {
    std::string s = "(";
    for (std::size_t i = 0; i < texts.size(); ++i)
        s += (i > 0 ? ";" : "") + texts[i];
    return s + ")";
}

template <class Form, class T>
void WriteSumOrDifference(TabOutput& o, const MatrixInputs& in, const MatrixResultOf<T>& r,
                          const MatrixWording& w, const Form& form) {
    const bool subtract = in.task == kSubtraction;
    Lines& out = o.lines;
    WriteTaskHead(out, w);
    WriteListing(out, in.aText, "A", in.m, in.n);
    out.push_back("");
    WriteListing(out, in.bText, "B", in.m, in.n);
    // Every entry is read before the first formula, so a bad cell stops the
    // task right after the listings.
    if (!in.read) return;

    out.push_back("");
    out.push_back(subtract ? "C=A-B=" : "C=A+B=");
    for (int i = 1; i <= in.m; ++i) {
        std::string line = "(";
        for (int j = 1; j <= in.n; ++j) {
            if (j > 1) line += ";";
            const std::string& ta = At(in.aText, i, j);
            const std::string& tb = At(in.bText, i, j);
            const T& b = At(BlockB<T>(in), i, j);
            // A negative b keeps its own minus: a+(-3) is written a-3, a-(-3) in brackets.
            line += subtract ? ta + "-" + Bracketed(tb, b) : ta + Signed(tb, b);
        }
        out.push_back(line + (i == 1 ? ")=" : ")"));
    }
    out.push_back("");

    Lines row;
    for (const MatrixEntryOf<T>& e : r.c) {
        const std::string c = form.text(e.value);
        o.cells.push_back({names::Mat_R, e.col, e.row, c});
        row.push_back(c);
        if (e.col == in.n) {
            out.push_back(Tuple(row));
            row.clear();
        }
    }
}

template <class Form, class T>
void WriteProduct(TabOutput& o, const MatrixInputs& in, const MatrixResultOf<T>& r, const MatrixWording& w,
                  const Form& nums) {
    if (!in.read) return;
    Lines& out = o.lines;
    WriteTaskHead(out, w);
    WriteListing(out, in.aText, "A", in.m, in.n);
    out.push_back("");
    WriteListing(out, in.bText, "B", in.n, in.k);
    out.push_back("");
    out.push_back("C=A*B");
    out.push_back("");

    Block<std::string> c = MakeBlock<std::string>(in.m, in.k);
    for (const MatrixEntryOf<T>& e : r.c) {
        // The factors as typed, then the products, then their sum.
        std::string factors, products;
        for (int l = 1; l <= in.n; ++l) {
            const std::string& ta = At(in.aText, e.row, l);
            const std::string& tb = At(in.bText, l, e.col);
            if (l > 1) factors += "+";
            factors += Bracketed(ta, At(BlockA<T>(in), e.row, l)) + "*" + Bracketed(tb, At(BlockB<T>(in), l, e.col));
            const T& prod = e.products[static_cast<std::size_t>(l - 1)];
            products += l > 1 ? Signed(nums, prod) : nums.text(prod);
        }
        const std::string sum = nums.text(e.value);
        At(c, e.row, e.col) = sum;
        o.cells.push_back({names::Mat_R, e.col, e.row, sum});
        out.push_back("C[" + IntToStr(e.row) + "," + IntToStr(e.col) + "]=" + factors + "=" + products + "=" +
                      sum);
    }
    if (r.c.size() < static_cast<std::size_t>(in.m * in.k)) return;
    out.push_back("");
    WriteListing(out, c, "C", in.m, in.k);
}

// Task head, listing of A as k x k and an empty line.
void WriteSquareHead(Lines& out, const MatrixInputs& in, const MatrixWording& w) {
    WriteTaskHead(out, w);
    WriteListing(out, in.aText, "A", in.k, in.k);
    out.push_back("");
}

// Det(A) with its expansion; false when the determinant was not reached.
template <class Form, class T>
bool WriteDeterminantOf(TabOutput& o, const MatrixResultOf<T>& r, const Form& nums) {
    DeterminantLines lines;
    if (r.det2) {
        o.lines.push_back(Determinant2Line(nums, "Det(A)", *r.det2));
        o.fields.emplace_back(names::DET_A, nums.text(r.det2->value));
    } else if (r.det3) {
        WriteDeterminant3(lines, nums, *r.det3);
        o.fields.emplace_back(names::DET_A, lines[5]);
        o.lines.push_back("Det(A)=" + lines[4]);
    } else if (r.det4) {
        WriteDeterminant4(lines, nums, *r.det4);
        o.lines.push_back("Det(A)=" + lines[5] + lines[6]);
        o.lines.push_back(lines[7] + lines[8]);
        o.fields.emplace_back(names::DET_A, lines[9]);
    } else {
        return false;
    }
    return true;
}

template <class Form, class T>
void WriteDeterminantTask(TabOutput& o, const MatrixInputs& in, const MatrixResultOf<T>& r,
                          const MatrixWording& w, const Form& form) {
    if (!in.read) return;
    WriteSquareHead(o.lines, in, w);
    if (WriteDeterminantOf(o, r, form)) o.lines.push_back("");
}

// "C=1/Det(A)*" with the determinant's size, its sign in front: "C=-1/(229/24)*".
// A determinant of 1 or -1 is no quotient: "C=1*", "C=-1*".
template <class Form, class T> std::string OneOverLine(const Form& nums, const T& d) {
    const T size = d < 0 ? T(-d) : d;
    const std::string sign = d < 0 ? "-" : "";
    if (size == T(1)) return "C=" + sign + "1*";
    return "C=" + sign + "1/" + QuotientPart(size, nums.text(size)) + "*";
}

// One cofactor block of order 3 or 4: the minor's rows, then its expansion;
// an odd position negates the minor in brackets.
template <class Form, class T>
void WriteCofactor(Lines& out, const CofactorOf<T>& b, int k, const Form& nums) {
    DeterminantLines e;
    Lines rows;
    std::string formula, products;
    if (b.minor2) {
        WriteDeterminant2(e, nums, *b.minor2);
        rows = {e[1], e[2]};
        formula = e[3];
        products = e[4];
    } else {
        WriteDeterminant3(e, nums, *b.minor3);
        rows = {e[1], e[2], e[3]};
        formula = e[6];
        products = e[7];
    }
    const std::string label = "B[" + IntToStr(b.i) + "," + IntToStr(b.j) + "]=";
    const bool even = (b.i + b.j) % 2 == 0;
    // The later rows line up under the first one, past the label (and the minus).
    const std::string indent(even ? 12 : (k == 3 ? 15 : 14), ' ');
    out.push_back(label + (even ? "" : "-") + rows[0]);
    for (std::size_t r = 1; r < rows.size(); ++r)
        out.push_back(indent + rows[r]);
    if (even)
        out.push_back(label + formula + "=" + products + "=" + nums.text(b.value));
    else
        out.push_back(label + "-(" + formula + ")=-(" + products + ")=" + nums.text(b.value));
    out.push_back("");
}

// (A*C)[i,j]=a11*c11+...=value, and in decimals the residual after E's entry.
template <class Form, class T>
void WriteInverseCheck(Lines& out, const MatrixInputs& in, const MatrixResultOf<T>& r, const MatrixWording& w,
                       const Form& nums) {
    if (r.check.empty()) return;
    out.push_back("");
    out.push_back(w.messages.text(Line::check_title, "Check:"));
    out.push_back(w.messages.text(Line::check_inverse, "A*C=E, entry by entry:"));
    Block<T> c = MakeBlock<T>(in.k, in.k);
    for (const MatrixEntryOf<T>& e : r.inverse)
        At(c, e.row, e.col) = e.value;
    for (const MatrixEntryOf<T>& e : r.check) {
        std::string line = "(A*C)[" + IntToStr(e.row) + "," + IntToStr(e.col) + "]=";
        for (int l = 1; l <= in.k; ++l)
            line += (l > 1 ? "+" : "") + Bracketed(nums, At(BlockA<T>(in), e.row, l)) + "*" +
                    Bracketed(nums, At(c, l, e.col));
        line += "=" + nums.text(e.value);
        if constexpr (std::is_same_v<T, Ext>)
            line += ", " + w.messages.text(Line::check_residual, "residual") + " " + nums.text(e.residual);
        out.push_back(line);
    }
}

template <class Form, class T>
void WriteInverseTask(TabOutput& o, const MatrixInputs& in, const MatrixResultOf<T>& r,
                      const MatrixWording& w, const Form& nums) {
    if (!in.read) return;
    Lines& out = o.lines;
    const int k = in.k;
    WriteSquareHead(out, in, w);
    out.push_back("C=A^-1=1/Det(A)*B^T,  " + w.messages.text(Line::mat_cofactor_matrix, "B=A[dop]"));
    out.push_back("");
    out.push_back(w.messages(Line::msg12_inv_determinant));
    if (!WriteDeterminantOf(o, r, nums)) return;
    if (k > 2) out.push_back("");

    // B(i,j) as Mat2 shows it, at column j and row i.
    Block<std::string> b = MakeBlock<std::string>(k, k);
    auto cofactorTexts = [&] {
        for (const CofactorOf<T>& c : r.cofactors) {
            At(b, c.i, c.j) = nums.text(c.value);
            o.cells.push_back({names::Mat2, c.j, c.i, At(b, c.i, c.j)});
        }
    };
    auto bColumn = [&](int col) {
        Lines t;
        for (int row = 1; row <= k; ++row)
            t.push_back(At(b, row, col));
        return Tuple(t);
    };
    out.push_back(w.messages(Line::msg13_inv_cofactors));
    if (k == 2) {
        cofactorTexts();
        out.push_back("B=(" + At(b, 1, 1) + ";" + At(b, 1, 2) + ")");
        out.push_back("    (" + At(b, 2, 1) + ";" + At(b, 2, 2) + ")");
        out.push_back(w.messages(Line::msg14_inv_transpose));
        out.push_back("B^T=" + bColumn(1));
        out.push_back("         " + bColumn(2));
    } else {
        for (const CofactorOf<T>& c : r.cofactors)
            WriteCofactor(out, c, k, nums);
        cofactorTexts();
        if (r.cofactors.size() < static_cast<std::size_t>(k * k)) return;
        // The columns of B are the rows of B^T.
        out.push_back(w.messages(Line::msg14_inv_transpose));
        for (int c = 1; c <= k; ++c)
            out.push_back((c == 1 ? "B^T=" : "         ") + bColumn(c));
    }
    out.push_back(w.messages(Line::msg15_inv_formula));
    out.push_back(OneOverLine(nums, r.det));
    for (int c = 1; c <= k; ++c)
        out.push_back(bColumn(c));
    out.push_back("");

    Block<std::string> inv = MakeBlock<std::string>(k, k);
    for (const MatrixEntryOf<T>& e : r.inverse) {
        At(inv, e.row, e.col) = nums.fixed(e.value, 4);
        o.cells.push_back({names::Mat_R, e.col, e.row, At(inv, e.row, e.col)});
    }
    if (r.inverse.size() < static_cast<std::size_t>(k * k)) return;
    auto invRow = [&](int row) {
        Lines t;
        for (int col = 1; col <= k; ++col)
            t.push_back(At(inv, row, col));
        return Tuple(t);
    };
    if (k == 2) {
        out.push_back("C=" + invRow(1));
        out.push_back("   " + invRow(2));
    } else {
        out.push_back(w.messages(Line::msg16_answer));
        for (int row = 1; row <= k; ++row)
            out.push_back((row == 1 ? "C=" : "    ") + invRow(row));
    }
    WriteInverseCheck(out, in, r, w, nums);
}

} // namespace

template <class T> TabOutput WriteMatrix(const MatrixInputs& in, const MatrixResultOf<T>& r, const Wording& wording) {
    const MatrixWording w{wording.messages, in.taskName};
    const auto& form = FormOf<T>::in(wording);
    TabOutput o;
    o.lines.push_back(w.messages(Line::msg11_mat_title));
    switch (in.task) {
    case kAddition:
    case kSubtraction: WriteSumOrDifference(o, in, r, w, form); break;
    case kMultiplication: WriteProduct(o, in, r, w, form); break;
    case kDeterminant: WriteDeterminantTask(o, in, r, w, form); break;
    case kInverse: WriteInverseTask(o, in, r, w, form); break;
    default: break;
    }
    return o;
}

template TabOutput WriteMatrix(const MatrixInputs&, const MatrixResultOf<Ext>&, const Wording&);
template TabOutput WriteMatrix(const MatrixInputs&, const MatrixResultOf<Rational>&, const Wording&);

} // namespace tc
