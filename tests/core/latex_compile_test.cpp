// SPDX-License-Identifier: GPL-3.0-or-later
// The LaTeX document of every tab compiles with a plain pdflatex: in English,
// and in Ukrainian with decimal commas where the installation has Cyrillic
// fonts. Skipped where pdflatex is not installed.

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "app/main_window.h"
#include "context/recording_host.h"
#include "save_test_support.h"

namespace tc {
namespace {

bool Have(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

struct TabRun {
    const char* menu;
    const char* compute;
    const char* save;
};

const TabRun kTabs[] = {{"N10", "CBut1", "CV_Save"},    {"N11", "Mat_But", "M_Save"},
                        {"N28", "CTr_But", "CRecord3"}, {"N29", "CP_But", "CP_Save"},
                        {"N32", "CRun", "CS_Save"},     {"N5", "Eq_Run", "Eq_Save"}};

class LatexCompileTest : public ::testing::TestWithParam<std::tuple<const char*, char>> {};

TEST_P(LatexCompileTest, EveryTabsDocumentCompiles) {
    if (!Have("command -v pdflatex")) GTEST_SKIP() << "pdflatex is not installed";
    const auto [language, decimal] = GetParam();
    if (std::string(language) != "N25" && !Have("kpsewhich t2aenc.def | grep -q ."))
        GTEST_SKIP() << "no Cyrillic fonts for LaTeX";
    test::WorkFolder dir;
    RecordingHost host;
    MainWindow window(host, Settings{decimal, {TOVRIN_LANG_SOURCE_DIR}});
    window.start();
    window.menu(language);
    window.setViewOptions({false, true});
    host.date = "2026-12-07";
    for (const TabRun& tab : kTabs) {
        window.menu(tab.menu);
        window.click(tab.compute);
        const std::string name = std::string(tab.menu) + ".tex";
        host.saveAnswers.push_back(name);
        window.click(tab.save);
        const std::string run =
            "pdflatex -interaction=nonstopmode -halt-on-error " + name + " >/dev/null 2>&1";
        EXPECT_EQ(std::system(run.c_str()), 0) << test::ReadBytes(std::string(tab.menu) + ".log");
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, LatexCompileTest,
                         ::testing::Values(std::make_tuple("N25", '.'), std::make_tuple("N23", ',')));

} // namespace
} // namespace tc
