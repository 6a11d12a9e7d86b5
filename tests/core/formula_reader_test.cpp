// SPDX-License-Identifier: GPL-3.0-or-later
// Reading solution lines into formula trees: a table of lines and the trees
// they give, and the writers that typeset those trees.

#include <gtest/gtest.h>

#include "formula/formula.h"
#include "formula/formula_writers.h"

namespace tc::formula {
namespace {

// The tree in a short form: text in «», a formula in {}, a row in [], a
// number after #, an operator in '', brackets and bars with their entries.
std::string Shape(const Node& n) {
    const auto kids = [&n](const std::string& between) {
        std::string out;
        for (size_t i = 0; i < n.kids.size(); ++i)
            out += (i ? between : "") + Shape(n.kids[i]);
        return out;
    };
    switch (n.kind) {
    case Kind::Line: return kids(" ");
    case Kind::Text: return "«" + n.text + "»";
    case Kind::Formula: return "{" + kids(" ") + "}";
    case Kind::Row: return "[" + kids(" ") + "]";
    case Kind::Number: return "#" + n.text;
    case Kind::Name: return n.text;
    case Kind::Operator: return "'" + n.text + "'";
    case Kind::Group: return "(" + kids(" " + n.text + " ") + ")";
    case Kind::Bars: return "|" + kids(" " + n.text + " ") + "|";
    case Kind::Fraction: return "frac(" + kids(", ") + ")";
    case Kind::Power: return "pow(" + kids(", ") + ")";
    case Kind::Function: return n.text + kids("");
    case Kind::Indexed: return "idx(" + kids("") + ", " + n.text + ")";
    }
    return "?";
}

struct ReadCase {
    const char* line;
    char decimal;
    const char* shape;
};

class ReadLineTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadLineTest, GivesTheTreeAndPrintsBackTheLine) {
    const ReadCase& c = GetParam();
    const Node tree = ReadLine(c.line, c.decimal);
    EXPECT_EQ(Shape(tree), c.shape);
    EXPECT_EQ(PlainText(tree), c.line);
}

INSTANTIATE_TEST_SUITE_P(
    SolutionLines, ReadLineTest,
    ::testing::Values(
        // Numbers with either separator, exponents, names with indices.
        ReadCase{"A+B=(2,5+0,5;1-1,5)=(3;-0,5)", ',',
                 "{A '+' B '=' ([#2,5 '+' #0,5] ; [#1 '-' #1,5]) '=' ([#3] ; ['-' #0,5])}"},
        ReadCase{"7*19993942-7*6.3872000279994E16=1e10", '.',
                 "{#7 '*' #19993942 '-' #7 '*' #6.3872000279994E16 '=' #1e10}"},
        ReadCase{"X[1]=sqrt(T[1])=2", '.', "{idx(X, 1) '=' sqrt([idx(T, 1)]) '=' #2}"},
        ReadCase{"(A*C)[1,2]=2*75/229+1/2*(-204/229)", '.',
                 "{idx(([A '*' C]), 1,2) '=' #2 '*' frac(#75, #229) '+' frac(#1, #2) '*' "
                 "(['-' frac(#204, #229)])}"},
        // Roots and squares, fractions of bracketed parts.
        ReadCase{"|BC|=(6^2+2^2)^(1/2)=8.0623", '.',
                 "{|[BC]| '=' pow(([pow(#6, #2) '+' pow(#2, #2)]), ([frac(#1, #2)])) '=' #8.0623}"},
        ReadCase{"(x-7)/(-11)=(y+2)/4", '.', "{frac(([x '-' #7]), (['-' #11])) '=' frac(([y '+' #2]), #4)}"},
        // Determinant rows, a vector after a name, side by side products.
        ReadCase{"B[1,2]=-|0.5,0.7,0.8|", '.', "{idx(B, 1,2) '=' '-' |[#0.5] , [#0.7] , [#0.8]|}"},
        ReadCase{"D=|0,5;1|", ',', "{D '=' |[#0,5] ; [#1]|}"},
        ReadCase{"  AC(2-7;4+2)=(-5;6)", '.', "«  » {AC ([#2 '-' #7] ; [#4 '+' #2]) '=' (['-' #5] ; [#6])}"},
        ReadCase{"12x+79y-46z-64=0", '.', "{#12 x '+' #79 y '-' #46 z '-' #64 '=' #0}"},
        ReadCase{"(1/2)x1+5x2=-1", '.', "{([frac(#1, #2)]) x1 '+' #5 x2 '=' '-' #1}"},
        // Functions, the angle between named vectors, spaces after an operator.
        ReadCase{"(AB^AC)=arccos(cos(AB^AC))/3,14*180", ',',
                 "{([AB '^' AC]) '=' frac(arccos([cos([AB '^' AC])]), #3,14) '*' #180}"},
        ReadCase{"1*x^2+5*x+ 6=0", '.', "{#1 '*' pow(x, #2) '+' #5 '*' x '+ ' #6 '=' #0}"},
        ReadCase{"x=-2+i*1.5", '.', "{x '=' '-' #2 '+' i '*' #1.5}"},
        ReadCase{"C=A^-1", '.', "{C '=' pow(A, ['-' #1])}"},
        // Text around formulas, and what is no formula stays text.
        ReadCase{"A*C=E, entry by entry:", '.', "{A '*' C '=' E} «, entry by entry:»"},
        ReadCase{"We compute the discriminant:", '.', "«We compute the discriminant:»"},
        ReadCase{"4. Обернена матриця C=1/Det(A)*B^T:", '.',
                 "«4. Обернена матриця » {C '=' frac(#1, Det([A])) '*' pow(B, T)} «:»"},
        ReadCase{"sin(phi)=NxAD/(|N|*|AD|,   ", '.', "{sin([phi]) '=' NxAD} «/(» {|[N]| '*' |[AD]|} «,   »"},
        ReadCase{"1*(0+24)-2*(0+12)=", '.', "{#1 '*' ([#0 '+' #24]) '-' #2 '*' ([#0 '+' #12])} «=»"},
        ReadCase{"a left-hand side", '.', "«a left-hand side»"}, ReadCase{"", '.', ""}));

struct WriteCase {
    const char* line;
    const char* fragment; // a part of what the writer gives
};

class MathMlTest : public ::testing::TestWithParam<WriteCase> {};
TEST_P(MathMlTest, TypesetsTheFormulaAndKeepsItsText) {
    const std::string html = LineHtml(ReadLine(GetParam().line, '.'));
    EXPECT_NE(html.find(GetParam().fragment), std::string::npos) << html;
}
INSTANTIATE_TEST_SUITE_P(
    Writers, MathMlTest,
    ::testing::Values(
        WriteCase{"x=(9)^(1/2)", "<msqrt><mrow><mn>9</mn></mrow></msqrt>"},
        WriteCase{"x=cbrt(8)", "<mroot><mrow><mn>8</mn></mrow><mn>3</mn></mroot>"},
        WriteCase{"x=(a+1)/2", "<mfrac><mrow><mi>a</mi><mo>+</mo><mn>1</mn></mrow><mn>2</mn></mfrac>"},
        WriteCase{"A=(1;2)", "<mtable><mtr><mtd><mrow><mn>1</mn></mrow></mtd><mtd><mrow><mn>2</mn>"},
        WriteCase{"x1=2", "<msub><mi>x</mi><mn>1</mn></msub>"},
        WriteCase{"S=Pi*r^2", "<mi>&#x3C0;</mi><mo>&#xB7;</mo><msup><mi>r</mi><mn>2</mn></msup>"},
        WriteCase{"a<b & c=1", "a&lt;b &amp; <math><semantics><mrow><mi>c</mi><mo>=</mo>"},
        WriteCase{"x=a&1", "<annotation encoding=\"text/plain\">x=a</annotation>"}));

class LatexTest : public ::testing::TestWithParam<WriteCase> {};
TEST_P(LatexTest, TypesetsTheFormula) {
    EXPECT_EQ(LineLatex(ReadLine(GetParam().line, ',')), GetParam().fragment);
}
INSTANTIATE_TEST_SUITE_P(
    Writers, LatexTest,
    ::testing::Values(WriteCase{"|AB|=(153)^(1/2)=12,3693",
                                "$\\left|\\mathit{AB}\\right|=\\sqrt{153}=12{,}3693$"},
                      WriteCase{"x1=Dx1/D", "$x_{1}=\\frac{\\mathit{Dx}_{1}}{D}$"},
                      WriteCase{"D=|1;2|", "$D=\\begin{vmatrix}1&2\\end{vmatrix}$"},
                      WriteCase{"A=(1;-2)", "$A=\\begin{pmatrix}1&-2\\end{pmatrix}$"},
                      WriteCase{"X[1]=2*cos(phi)", "${X}_{\\text{1}}=2\\cdot \\cos\\left(\\varphi \\right)$"},
                      WriteCase{"50% & $5_", "50\\% \\& \\$5\\_"},
                      // What LaTeX cannot set would stop the document: an emoji, a broken byte.
                      WriteCase{"Розв’язок – 90° \xF0\x9F\x98\x80 \xC0", "Розв’язок – 90° ? ?"}));

} // namespace
} // namespace tc::formula
