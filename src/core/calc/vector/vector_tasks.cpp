#include "calc/vector/vector_tasks.h"

#include <vector>

namespace tc {

namespace {

using Values = std::vector<Ext>;

// The texts of one grid row's components 1..n joined by ";".
std::string JoinedTexts(const VectorJob& job, int row) {
    std::string joined;
    for (int i = 1; i <= job.n; ++i) {
        if (i > 1) joined += ";";
        joined += job.table.cell(i, row);
    }
    return joined;
}

// Numbers in the general form joined by `separator`.
std::string Joined(const VectorJob& job, const Values& values, const char* separator) {
    std::string joined;
    for (size_t i = 0; i < values.size(); ++i) {
        if (i > 0) joined += separator;
        joined += job.nums.g(values[i]);
    }
    return joined;
}

Values Squares(const Values& values) {
    Values squares;
    for (Ext v : values)
        squares.push_back(v * v);
    return squares;
}

// Sum from 0 in the order 1..n.
Ext Sum(const Values& values) {
    Ext sum = 0.0L;
    for (Ext v : values)
        sum += v;
    return sum;
}

// Writes the result vector into row 1 of V_Rez as each component is computed.
void ShowComponent(VectorJob& job, int i, Ext c) {
    job.result.setCell(i, 1, job.nums.g(c));
}

// "<head>=(" g(c_1*c_1) "+" ... ")^(1/2)=(" g(S) ")^(1/2)=" f6(sqrt S), the
// length of a result vector c; returns sqrt S.
Ext AppendModulus(VectorJob& job, const char* head, const Values& c) {
    const Values squares = Squares(c);
    const Ext sum = Sum(squares);
    const Ext root = Sqrt(sum);
    std::string line = head;
    line += "=(";
    line += Joined(job, squares, "+");
    line += ")^(1/2)=(";
    line += job.nums.g(sum);
    line += ")^(1/2)=";
    line += job.nums.fixed(root, 6);
    job.memo.add(line);
    return root;
}

// "<head>=(" q_1 "+" ... ")^(1/2)=(" g(x_1*x_1) "+" ... ")^(1/2)=" with the
// root in `decimals` decimals, the length of the vector in grid row `row`;
// q_i is "(" text ")^2" for a negative component, text "^2" otherwise.
// Returns the root.
Ext AppendRowLength(VectorJob& job, const char* head, int row, int decimals) {
    Values x;
    for (int i = 1; i <= job.n; ++i)
        x.push_back(job.nums.read(job.table.cell(i, row)));
    const Values squares = Squares(x);
    const Ext root = Sqrt(Sum(squares));
    std::string line = head;
    line += "=(";
    for (int i = 1; i <= job.n; ++i) {
        if (i > 1) line += "+";
        const bool negative = x[static_cast<size_t>(i - 1)] < 0.0L;
        if (negative) line += "(";
        line += job.table.cell(i, row);
        if (negative) line += ")";
        line += "^2";
    }
    line += ")^(1/2)=(";
    line += Joined(job, squares, "+");
    line += ")^(1/2)=";
    line += job.nums.fixed(root, decimals);
    job.memo.add(line);
    return root;
}

// "<head>=(" t_1 ";" ... ")=(" g(c_1) ";" ... ")", the difference c = p - q
// with p = A, q = B, or p = B, q = A when `bMinusA`; c is also shown in V_Rez.
// t_i is text p_i "-(" text q_i ")" for a negative q_i, else text p_i "-"
// text q_i. Each component reads a_i before b_i. Returns c.
Values AppendDifference(VectorJob& job, const char* head, bool bMinusA) {
    Values q, c;
    for (int i = 1; i <= job.n; ++i) {
        const Ext ai = job.a(i);
        const Ext bi = job.b(i);
        q.push_back(bMinusA ? ai : bi);
        c.push_back(bMinusA ? bi - ai : ai - bi);
        ShowComponent(job, i, c.back());
    }
    std::string line = head;
    line += "=(";
    for (int i = 1; i <= job.n; ++i) {
        const bool negative = q[static_cast<size_t>(i - 1)] < 0.0L;
        if (i > 1) line += ";";
        line += bMinusA ? job.textB(i) : job.textA(i);
        line += negative ? "-(" : "-";
        line += bMinusA ? job.textA(i) : job.textB(i);
        if (negative) line += ")";
    }
    line += ")=(";
    line += Joined(job, c, ";");
    line += ")";
    job.memo.add(line);
    return c;
}

// "A*B=" u_1 "+" ... "=" g(c_1) "+" ... "=" g(D), with c_i = a_i*b_i also in
// V_Rez and u_i = text a_i "*(" text b_i ")" for a negative b_i, else
// text a_i "*" text b_i. Returns D.
Ext AppendScalarProduct(VectorJob& job) {
    Values b, c;
    for (int i = 1; i <= job.n; ++i) {
        const Ext ai = job.a(i);
        b.push_back(job.b(i));
        c.push_back(ai * b.back());
        ShowComponent(job, i, c.back());
    }
    const Ext d = Sum(c);
    std::string line = "A*B=";
    for (int i = 1; i <= job.n; ++i) {
        const bool negative = b[static_cast<size_t>(i - 1)] < 0.0L;
        if (i > 1) line += "+";
        line += job.textA(i);
        line += negative ? "*(" : "*";
        line += job.textB(i);
        if (negative) line += ")";
    }
    line += "=";
    line += Joined(job, c, "+");
    line += "=";
    line += job.nums.g(d);
    job.memo.add(line);
    return d;
}

} // namespace

void WriteData(VectorJob& job, int task) {
    if (task == vec::kNorm) {
        job.memo.add("    AB(" + JoinedTexts(job, 1) + ")");
    } else {
        const char* indent = task == vec::kAddition ? "     " : "    ";
        job.memo.add(indent + std::string("A(") + JoinedTexts(job, 1) + ")");
        job.memo.add(indent + std::string("B(") + JoinedTexts(job, 2) + ")");
    }
    job.memo.add("");
}

void WriteAddition(VectorJob& job) {
    Values b, c;
    for (int i = 1; i <= job.n; ++i) {
        const Ext ai = job.a(i);
        b.push_back(job.b(i));
        c.push_back(ai + b.back());
        ShowComponent(job, i, c.back());
    }
    std::string line = "A+B=(";
    for (int i = 1; i <= job.n; ++i) {
        if (i > 1) line += ";";
        line += job.textA(i);
        // A negative b_i brings its own minus sign.
        if (b[static_cast<size_t>(i - 1)] >= 0.0L) line += "+";
        line += job.textB(i);
    }
    line += ")=(";
    line += Joined(job, c, ";");
    line += ")";
    job.memo.add(line);
    const Ext length = AppendModulus(job, "|A+B|", c);
    job.value.text = job.nums.fixed(length, 4);
}

void WriteSubtraction(VectorJob& job) {
    const Values c = AppendDifference(job, "A-B", false);
    const Ext length = AppendModulus(job, "|A-B|", c);
    job.value.text = job.nums.fixed(length, 4);
}

void WriteScalarProduct(VectorJob& job) {
    const Ext d = AppendScalarProduct(job);
    job.value.text = job.nums.g(d);
}

void WriteLength(VectorJob& job) {
    const Values c = AppendDifference(job, "AB", true);
    const Ext length = AppendModulus(job, "|AB|", c);
    job.value.text = job.nums.fixed(length, 4);
}

void WriteNorm(VectorJob& job) {
    // Row 2 is not read: the norm is of the one vector in row 1.
    const Ext norm = AppendRowLength(job, "|AB|", 1, 6);
    job.value.text = job.nums.fixed(norm, 4);
}

void WriteAngle(VectorJob& job) {
    job.message(3);
    job.memo.add("    cos(phi)=A*B/(|A|*|B|) ");
    job.message(4);
    job.memo.add("");
    job.message(5);
    const Ext d = AppendScalarProduct(job);
    job.memo.add("");
    job.memo.add("");
    job.message(6);
    const Ext lengthA = AppendRowLength(job, "|A|", 1, 4);
    job.memo.add("");
    const Ext lengthB = AppendRowLength(job, "|B|", 2, 4);
    job.memo.add("");

    // A zero vector makes this 0/0, an invalid operation.
    const Ext cosine = d / (lengthA * lengthB);
    job.value.text = job.nums.fixed(cosine, 4);
    job.message(7);
    std::string line = "cos(phi)=";
    line += job.nums.g(d);
    line += "/(";
    line += job.nums.fixed(lengthA, 3);
    line += "*";
    line += job.nums.fixed(lengthB, 3);
    line += ")=";
    line += job.value.text;
    job.memo.add(line);

    // The angle comes from the cosine as shown, rounded to 4 decimals.
    const Ext shown = job.nums.read(job.value.text);
    const Ext phi = ArcCos(shown) / Pi() * 180.0L;
    line = "phi=arccos(";
    line += job.value.text;
    line += ")/Pi*180=";
    line += job.nums.fixed(phi, 6);
    job.memo.add(line);
    job.phi.text = job.nums.fixed(phi, 3);
}

void WriteProjection(VectorJob& job) {
    job.message(8);
    job.memo.add("    Pr[A/B]=A*B/|B| ");
    job.message(4);
    job.memo.add("");
    job.message(5);
    const Ext d = AppendScalarProduct(job);
    job.memo.add("");
    job.message(9);
    const Ext lengthB = AppendRowLength(job, "|B|", 2, 4);
    job.memo.add("");

    // A zero vector B makes this 0/0, an invalid operation.
    const Ext projection = d / lengthB;
    job.message(10);
    std::string line = "Pr[A/B]==";
    line += job.nums.g(d);
    line += "/";
    line += job.nums.fixed(lengthB, 3);
    line += "=";
    line += job.nums.fixed(projection, 6);
    job.memo.add(line);
    job.value.text = job.nums.fixed(projection, 3);
}

} // namespace tc
