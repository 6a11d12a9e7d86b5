// SPDX-License-Identifier: GPL-3.0-or-later
// Failure texts in the current language: the lines from 214 on word them, and a
// file without those lines keeps the texts the program showed before.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <utility>

#include "app/error_box.h"
#include "context/recording_host.h"
#include "calc/common/typed_input.h"
#include "i18n/fill_places.h"
#include "i18n/language_table.h"

namespace tc {
namespace {

// The message table as the window fills it from the shipped file `name`.
MessageTable ShippedMessages(const std::string& name) {
    std::ifstream in(std::string(TOVRIN_LANG_SOURCE_DIR) + "/" + name, std::ios::binary);
    const LanguageTable table(LanguageLines(std::string(std::istreambuf_iterator<char>(in), {})));
    std::vector<std::string> extended;
    for (int i = kFirstExtendedLine; i < table.count(); ++i)
        extended.push_back(table.value(i));
    MessageTable messages;
    messages.setExtended(std::move(extended));
    return messages;
}

const Place kSecondOfB{Line::place_vector_component, "Vector %1, component %2", {"B", "2"}};

std::string NotANumberText(const Env& env, const std::string& text) {
    try {
        ReadTyped(env, text, kSecondOfB);
    } catch (const Failure& f) {
        return FailureText(f, env.messages);
    }
    return "read as a number";
}

TEST(FillPlaces, fills_each_numbered_place_once_and_leaves_the_rest) {
    EXPECT_EQ(FillPlaces("%2 after %1", {"a", "b"}), "b after a");
    // A value holding "%1" is not filled again; a place without a value and a
    // lone "%" stay.
    EXPECT_EQ(FillPlaces("%1|%3|100%", {"%1%2", "x"}), "%1%2|%3|100%");
}

TEST(FillPlaces, repeats_are_filled_within_a_budget_and_then_shortened) {
    // A message that repeats a short value keeps every copy.
    EXPECT_EQ(FillPlaces("%1 = %2, so %1 is %2", {"x", "5"}), "x = 5, so x is 5");

    // 500,000 places of one long typed text: the first in full, then copies
    // while the budget lasts, then an ellipsis each.
    std::string pattern;
    for (int i = 0; i < 500000; ++i)
        pattern += "%2";
    const std::string typed(4000, 'q');
    const std::string filled = FillPlaces(pattern, {"B", typed});
    const std::size_t copies = 1 + kRepeatedPlacesBudget / typed.size();
    const std::size_t ellipsis = std::string("\u2026").size();
    EXPECT_EQ(filled.size(), copies * typed.size() + (500000 - copies) * ellipsis);
    EXPECT_EQ(filled.substr(0, typed.size()), typed);
    EXPECT_EQ(filled.substr(filled.size() - ellipsis), "\u2026");
}

TEST(ReadTyped, without_the_new_lines_fails_as_the_number_reading_does) {
    RecordingHost host;
    const Env env{Numbers(','), MessageTable(), host};
    EXPECT_EQ(NotANumberText(env, "2.5"), "'2.5' is not a valid floating point value");
    EXPECT_EQ(ReadTyped(env, " 2,5 ", kSecondOfB).value(), 2.5L);
}

TEST(ReadTyped, with_the_shipped_lines_names_the_place_and_the_separator_to_use) {
    RecordingHost host;
    const Env comma{Numbers(','), ShippedMessages("English.txt"), host};
    EXPECT_EQ(NotANumberText(comma, "2.5"),
              "Vector B, component 2: \"2.5\" is not a number. The decimal separator here is \",\".");
    // A text that the other separator would not mend gets no advice.
    EXPECT_EQ(NotANumberText(comma, "1,000.5"), "Vector B, component 2: \"1,000.5\" is not a number.");
    EXPECT_EQ(NotANumberText(comma, "%1x"), "Vector B, component 2: \"%1x\" is not a number.");

    const Env point{Numbers('.'), ShippedMessages("Ukrainian.txt"), host};
    EXPECT_EQ(NotANumberText(point, "-2,5e3"),
              "Вектор B, компонента 2: «-2,5e3» не є числом. Десятковий роздільник тут – «.».");
}

// A cell where exact fractions are typed: what it reads, or how it fails,
// with the shipped English lines and with a file that lacks them.
TEST(ReadCellFraction, names_the_cell_where_the_file_has_the_lines_and_fails_as_before_where_not) {
    struct Row {
        const char* typed;
        const char* named;  // the failure with the shipped lines, or the value read
        const char* before; // without the lines
    };
    const Row rows[] = {
        {"-3/4", "-3/4", "-3/4"},
        {"1,5", "Vector B, component 2: \"1,5\" is not a number. The decimal separator here is \".\".",
         "'1,5' is not a valid floating point value"},
        {"1/0", "Vector B, component 2: the fraction \"1/0\" has a zero denominator.",
         "Floating point division by zero"},
        {"1/2/3", "Vector B, component 2: \"1/2/3\" is not a number.",
         "'1/2/3' is not a valid floating point value"},
    };
    RecordingHost host;
    const Env shipped{Numbers('.'), ShippedMessages("English.txt"), host};
    const Env old{Numbers('.'), MessageTable(), host};
    Grid grid("Vec_Table", "", 3, 3);
    for (const Row& row : rows) {
        grid.setCell(2, 2, row.typed);
        for (const auto& [env, expected] : {std::pair{&shipped, row.named}, std::pair{&old, row.before}}) {
            try {
                EXPECT_EQ(FractionText(ReadCellFraction(*env, grid, 2, 2, kSecondOfB)), expected);
            } catch (const Failure& f) {
                EXPECT_EQ(FailureText(f, env->messages), expected) << row.typed;
            }
        }
    }
}

TEST(FailureText, words_the_arithmetic_and_file_failures_by_their_lines_or_keeps_the_old_text) {
    const MessageTable none;
    const MessageTable russian = ShippedMessages("Russian.txt");
    EXPECT_EQ(ErrorBoxText(FailureText(DivisionByZero(), none)), "Floating point division by zero.");
    EXPECT_EQ(ErrorBoxText(FailureText(DivisionByZero(), russian)), "Деление на ноль.");
    EXPECT_EQ(ErrorBoxText(FailureText(InvalidOperation(), none)), "Invalid floating point operation.");
    EXPECT_EQ(ErrorBoxText(FailureText(Overflow(), russian)), "Результат слишком велик (переполнение).");

    try {
        LanguageTable().line(200);
        FAIL() << "no failure";
    } catch (const Failure& f) {
        EXPECT_EQ(ErrorBoxText(FailureText(f, none)), "List index out of bounds (200)");
        EXPECT_EQ(ErrorBoxText(FailureText(f, russian)), "В языковом файле нет строки 201.");
    }
    // A zero determinant says what it means where the file has the line, and
    // fails as the division did where it has not.
    const Failure singular = DivisionByZero().reworded(Line::matrix_no_inverse);
    EXPECT_EQ(FailureText(singular, none), "Floating point division by zero");
    EXPECT_EQ(FailureText(singular, russian), "Определитель равен нулю: матрица не имеет обратной.");
    // A failure of no line keeps its own text in every language.
    EXPECT_EQ(FailureText(Failure("Grid index out of range"), russian), "Grid index out of range");
}

} // namespace
} // namespace tc
