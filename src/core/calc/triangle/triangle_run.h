#pragma once
// One computation of the Triangle tab, section by section. Each section
// appends its lines to the memo and fills its result fields as it goes, so a
// failure leaves everything before it in place.

#include <initializer_list>
#include <string>

#include "app/env.h"
#include "numbers/ext.h"
#include "widgets/widget_tree.h"

namespace tc {

class TriangleRun {
public:
    TriangleRun(WidgetTree& tree, Env& env, Memo& memo)
        : tree_(tree), env_(env), nums_(env.nums), memo_(memo) {}

    // Clears the memo, echoes the vertices as typed and reads them.
    void startAndInputs();
    // Vectors, lengths and line equations of AB, BC, AC.
    void sides();
    // The three angles by their cosines, and the grid REZ5.
    void angles();
    // The median, height and bisector from A.
    void median();
    void height();
    void bisector();
    // The centroid.
    void centroid();

private:
    struct Point {
        Ext x, y;
    };

    void line(std::string text) { memo_.add(std::move(text)); }
    const std::string& msg(int k) const { return env_.messages(k); }
    void setField(const char* name, std::string text) { tree_.get<Edit>(name).text = std::move(text); }
    const std::string& field(const char* name) const { return tree_.get<Edit>(name).text; }

    // One side's block of lines, `headings` before its line's equation;
    // fills `lineField` with that equation.
    void side(const std::string& name, Point from, Point to, bool formulaLength,
              std::initializer_list<std::string> headings, const char* lineField);
    // One angle's block of lines; `name` is "AB^AC" and the like.
    void angle(const std::string& name, Point u, Point v);

    // "+v" after another term, or v with its own "-": "(2+1)", "(2-3)".
    std::string plus(Ext v) const { return v >= 0.0L ? "+" + nums_.g(v) : nums_.g(v); }
    // The text for "minus v": "-v", "+|v|", or nothing for 0.
    std::string minus(Ext v) const;
    // The line through A with direction (dx; dy) when it is parallel to an
    // axis: "x=Ax" or "y=Ay" ("y=Ay" also when both are zero); empty otherwise.
    std::string axisLineFromA(Ext dx, Ext dy) const;

    WidgetTree& tree_;
    Env& env_;
    const Numbers& nums_;
    Memo& memo_;

    Point a_, b_, c_;
    Point ab_, bc_, ac_; // side vectors
    Ext lenAB_, lenBC_, lenAC_;
};

} // namespace tc
