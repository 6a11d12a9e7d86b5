// SPDX-License-Identifier: GPL-3.0-or-later
// Number texts that do not depend on the C library's locale.

#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <string>

#include "numbers/convert.h"
#include "numbers_test_support.h"

namespace tc::test {
namespace {

TEST(Numbers, BindsTheSeparator) {
    const Numbers comma(',');
    EXPECT_EQ(comma.read(" 2,5 "), Ext(2.5L));
    EXPECT_EQ(comma.text(Ext(1.0L) / Ext(3.0L)), "0,333333333333333");
    EXPECT_EQ(comma.general(Ext(2.0L) / Ext(3.0L), 5), "0,66667");
    EXPECT_EQ(comma.fixed(Ext(7.914000000000009e22L), 4, 18), "7,914000000000009E22");
    EXPECT_EQ(Numbers().fixed(Ext(2.0L), 3), "2.000");
}

// Sets a locale for the C library and the C++ library for one test, and puts
// the previous ones back even when an assertion fails.
class LocaleScope {
public:
    explicit LocaleScope(const char* name) : previous_c_(std::setlocale(LC_ALL, nullptr)) {
        active_ = std::setlocale(LC_ALL, name) != nullptr;
        if (active_) {
            try {
                previous_cpp_ = std::locale::global(std::locale(name));
            } catch (const std::runtime_error&) {
                active_ = false;
            }
        }
    }
    ~LocaleScope() {
        std::locale::global(previous_cpp_);
        std::setlocale(LC_ALL, previous_c_.c_str());
    }
    LocaleScope(const LocaleScope&) = delete;
    LocaleScope& operator=(const LocaleScope&) = delete;
    bool active() const { return active_; }

private:
    std::string previous_c_;
    std::locale previous_cpp_;
    bool active_ = false;
};

// The window sets LC_NUMERIC to the user's locale; a Ukrainian one writes and
// reads numbers with a comma, which must not leak into the number texts.
TEST(NumberTexts, DoNotFollowTheProcessLocale) {
    LocaleScope scope("uk_UA.UTF-8");
    if (!scope.active()) GTEST_SKIP() << "locale uk_UA.UTF-8 is not installed";
    ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");

    EXPECT_EQ(StrToFloat("2.5", '.'), 2.5L);
    EXPECT_EQ(StrToFloat(" -1.25e-3 ", '.'), -1.25e-3L);
    EXPECT_EQ(StrToFloat("0.1", '.'), 0.1L);
    EXPECT_EQ(StrToFloat("1e-4940", '.'), 1e-4940L);
    EXPECT_EQ(StrToFloat("2,5", ','), 2.5L);
    EXPECT_EQ(FailureOf([] { StrToFloat("2,5", '.'); }), "'2,5' is not a valid floating point value");
    EXPECT_EQ(FailureOf([] { StrToFloat("1e5000", '.'); }), "'1e5000' is not a valid floating point value");
    EXPECT_EQ(StrToInt("-12"), -12);

    EXPECT_EQ(FloatToStr(2.5L, '.'), "2.5");
    EXPECT_EQ(FloatToStr(1.5e-7L, '.'), "1.5E-7");
    EXPECT_EQ(FloatToStr(-1234567.25L, ','), "-1234567,25");
    EXPECT_EQ(FormatGeneral(2.0L / 3.0L, 8, '.'), "0.66666667");
    EXPECT_EQ(FormatFixed(-0.5L, 3, '.'), "-0.500");
    EXPECT_EQ(FormatFixed(1234567.0L, 2, '.'), "1234567.00");
    EXPECT_EQ(IntToStr(1234567), "1234567");
}

} // namespace
} // namespace tc::test
