// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers shared by the tests of the number texts.

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "base/failure.h"

namespace tc::test {

// Both separators are tested on purpose; cases write their texts with "." and
// each run puts the separator under test in its place.
inline constexpr char kSeparators[] = {'.', ','};

inline std::string WithSeparator(std::string text, char decimal) {
    for (char& c : text)
        if (c == '.') c = decimal;
    return text;
}

// A written line with "." as the separator and "," between the entries of
// its determinant rows ("D=|2.5,1|"): after a decimal comma the entries
// stand apart by ";" ("D=|2,5;1|").
inline std::string WithSeparatorInRows(std::string text, char decimal) {
    if (decimal == ',') {
        bool inRow = false;
        for (char& c : text) {
            if (c == '|') inRow = !inRow;
            if (inRow && c == ',') c = ';';
        }
    }
    return WithSeparator(text, decimal);
}

inline std::string SeparatorName(char decimal) {
    return decimal == '.' ? "point" : "comma";
}

// Names a run of a case table over both separators "<case name>_point" or
// "<case name>_comma"; the cases are structs with a `name`.
struct NameAndSeparator {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<std::tuple<Case, char>>& run) const {
        return std::string(std::get<0>(run.param).name) + "_" + SeparatorName(std::get<1>(run.param));
    }
};

// The message of the Failure that `action` throws, or a note that it threw none,
// so that a wrong outcome shows in the assertion's output.
template <typename Action> std::string FailureOf(Action action) {
    try {
        action();
    } catch (const Failure& failure) {
        return failure.message();
    }
    return "<no failure>";
}

} // namespace tc::test
