// SPDX-License-Identifier: GPL-3.0-or-later
// tovrincalc-cli: replays a scenario of user actions against the main window
// without a display and prints the state the window would then show.

#include <clocale>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>

#include "app/version.h"
#include "i18n/language_dirs.h"
#include "numbers/system_decimal.h"
#include "scenario.h"
#include "state_dump.h"

namespace {

const char kUsage[] = "usage: tovrincalc-cli [--memo NAME] SCENARIO.json\n"
                      "Replays a scenario of user actions against the TovrinCALC window logic\n"
                      "and prints the state the window would then show, as JSON.\n"
                      "  SCENARIO.json  a scenario file, or - for standard input\n"
                      "  --memo NAME    print only the lines of memo NAME instead of the whole state\n"
                      "  -h, --help     print this help and exit\n"
                      "  --version      print the version and exit\n"
                      "Exit status:\n"
                      "  0  the scenario ran to its end and its output was printed\n"
                      "  1  the scenario ran, but the output could not be written completely\n"
                      "     (a full disk, a closed pipe)\n"
                      "  2  the scenario or the command line is unusable\n"
                      "  3  an internal error of the program\n";

int Unusable(const std::string& reason) {
    std::cerr << "tovrincalc-cli: " << reason << "\n";
    return 2;
}

// 0 when everything printed reached standard output; a full disk or a closed
// pipe makes the output incomplete, which must not pass for success.
int OutputWritten() {
    if (std::cout.flush()) return 0;
    std::cerr << "tovrincalc-cli: cannot write the output\n";
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
#ifdef SIGPIPE
    // A reader that goes away (`| head -c1`) is a failure to write, reported
    // by the stream and exit status 1, not a death by signal.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    std::string memo, path;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return OutputWritten();
        }
        if (arg == "--version") {
            std::cout << "tovrincalc-cli " << tc::ProgramVersion() << "\n";
            return OutputWritten();
        }
        if (arg == "--memo" && i + 1 < argc) {
            memo = argv[++i];
        } else if (path.empty() && (arg == "-" || arg.rfind("-", 0) != 0)) {
            path = arg;
        } else {
            std::cerr << kUsage;
            return 2;
        }
    }
    if (path.empty()) {
        std::cerr << kUsage;
        return 2;
    }

    std::string text;
    // A folder opens like a file here and only fails when read, with an
    // exception from the stream buffer.
    try {
        if (path == "-") {
            text.assign(std::istreambuf_iterator<char>(std::cin), {});
        } else {
            std::ifstream in(path, std::ios::binary);
            if (!in) return Unusable("cannot read " + path);
            text.assign(std::istreambuf_iterator<char>(in), {});
        }
    } catch (const std::exception& e) {
        return Unusable("cannot read " + path + ": " + e.what());
    }

    try {
        nlohmann::json scenario = tc::cli::ParseScenario(text);
        tc::RecordingHost host;
        host.date = tc::cli::ScenarioDate(scenario, std::getenv("TOVRIN_DATE"));
        tc::Settings settings{tc::cli::ScenarioDecimal(scenario, tc::ProcessDecimalSeparator()),
                              tc::DefaultLanguageDirs(tc::ExecutablePath(argv[0]))};
        tc::MainWindow window(host, settings);
        window.start();
        auto actions = scenario.find("actions");
        if (actions == scenario.end()) return Unusable("the scenario has no \"actions\"");
        tc::cli::RunActions(*actions, window, host);
        if (!memo.empty()) {
            for (const std::string& line : window.widgets().get<tc::Memo>(memo).lines)
                std::cout << line << "\n";
            return OutputWritten();
        }
        // A text from the system that still is not UTF-8 is printed with
        // replacement characters rather than losing the whole state.
        std::cout
            << tc::cli::DumpState(window, host).dump(2, ' ', false, nlohmann::json::error_handler_t::replace)
            << "\n";
        return OutputWritten();
    } catch (const nlohmann::json::exception& e) {
        return Unusable(std::string("not a usable scenario: ") + e.what());
    } catch (const tc::UsageError& e) {
        return Unusable(e.what());
    } catch (const std::exception& e) {
        // Not the scenario's fault: the program itself went wrong.
        std::cerr << "tovrincalc-cli: internal error: " << e.what() << "\n";
        return 3;
    }
}
