// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenario.h"
#include "widgets/names.h"

#include <cstdint>
#include <limits>

namespace tc::cli {

namespace {

using Json = nlohmann::json;

const Json& Key(const Json& action, const char* key) {
    auto it = action.find(key);
    if (it == action.end())
        throw UsageError(std::string("the action ") + action.dump() + " has no \"" + key + "\"");
    return *it;
}

std::string Text(const Json& action, const char* key) {
    const Json& v = Key(action, key);
    if (!v.is_string()) throw UsageError(std::string("\"") + key + "\" must be a text in " + action.dump());
    return v.get<std::string>();
}

int Number(const Json& action, const char* key) {
    const Json& v = Key(action, key);
    if (!v.is_number_integer())
        throw UsageError(std::string("\"") + key + "\" must be a whole number in " + action.dump());
    // A number beyond int would wrap round to some index that exists.
    const bool fits = v.is_number_unsigned() ? v.get<std::uint64_t>() <=
                                                   static_cast<std::uint64_t>(std::numeric_limits<int>::max())
                                             : v.get<std::int64_t>() >= std::numeric_limits<int>::min() &&
                                                   v.get<std::int64_t>() <= std::numeric_limits<int>::max();
    if (!fits) throw UsageError(std::string("\"") + key + "\" is out of range in " + action.dump());
    return v.get<int>();
}

// The save dialog's answer: a file name, or null for cancelling.
std::optional<std::string> SaveAnswer(const Json& action) {
    const Json& v = Key(action, "file");
    if (v.is_null()) return std::nullopt;
    if (!v.is_string()) throw UsageError("\"file\" must be a text or null in " + action.dump());
    return v.get<std::string>();
}

const char* const kVerbs[] = {"menu", "select", "type", "set", "cell", "move", "click", "tab", "save"};

// An action names one thing to do; with two, running either would hide the other.
void RequireOneVerb(const Json& action) {
    std::string found;
    for (const char* verb : kVerbs) {
        if (!action.contains(verb)) continue;
        if (!found.empty())
            throw UsageError("the action " + action.dump() + " has both \"" + found + "\" and \"" + verb +
                             "\"");
        found = verb;
    }
}

// The save buttons of the registered tabs, and the File menu's Save.
bool IsSaveCommand(const MainWindow& window, const std::string& command) {
    if (command == names::N4) return true;
    for (int t = 0; t < window.tabCount(); ++t)
        if (command == window.tabAt(t).parts().save) return true;
    return false;
}

void RunAction(const Json& action, MainWindow& window, RecordingHost& host) {
    if (!action.is_object()) throw UsageError("an action must be an object: " + action.dump());
    RequireOneVerb(action);
    if (action.contains("menu")) {
        std::string item = Text(action, "menu");
        if (item == names::N4) host.saveAnswers = {SaveAnswer(action)};
        window.menu(item);
    } else if (action.contains("select")) {
        window.select(Text(action, "select"), Number(action, "index"));
    } else if (action.contains("type")) {
        window.type(Text(action, "type"), Text(action, "text"));
    } else if (action.contains("set")) {
        window.setText(Text(action, "set"), Text(action, "text"));
    } else if (action.contains("cell")) {
        window.setCell(Text(action, "cell"), Number(action, "col"), Number(action, "row"),
                       Text(action, "text"));
    } else if (action.contains("move")) {
        const std::string grid = Text(action, "move");
        if (action.contains("row"))
            window.moveRow(grid, Number(action, "row"), Number(action, "to"));
        else
            window.moveColumn(grid, Number(action, "col"), Number(action, "to"));
    } else if (action.contains("click")) {
        window.click(Text(action, "click"));
    } else if (action.contains("tab")) {
        window.setTab(Number(action, "tab"));
    } else if (action.contains("save")) {
        std::string command = Text(action, "save");
        if (!IsSaveCommand(window, command)) throw UsageError("\"" + command + "\" is no save command");
        host.saveAnswers = {SaveAnswer(action)};
        if (command == names::N4)
            window.menu(command);
        else
            window.click(command);
    } else {
        throw UsageError("unknown action " + action.dump());
    }
    host.saveAnswers.clear();
}

} // namespace

Json ParseScenario(const std::string& text) {
    // Printing a value (every reason quotes the action) recurses once per
    // level, so a deep enough value would overflow the stack: refused first.
    const Json::parser_callback_t limit = [](int depth, Json::parse_event_t, Json&) {
        if (depth > kMaxDepth)
            throw UsageError("the scenario is nested deeper than " + std::to_string(kMaxDepth) + " levels");
        return true;
    };
    Json scenario = Json::parse(text, limit);
    if (!scenario.is_object()) throw UsageError("a scenario must be a JSON object");
    return scenario;
}

void RunActions(const Json& actions, MainWindow& window, RecordingHost& host) {
    if (!actions.is_array()) throw UsageError("\"actions\" must be a list");
    for (const Json& action : actions) {
        if (window.closed()) break;
        RunAction(action, window, host);
    }
}

char ScenarioDecimal(const Json& scenario, char fallback) {
    auto it = scenario.find("decimal");
    if (it == scenario.end()) return fallback;
    if (!it->is_string() || (*it != "." && *it != ","))
        throw UsageError("\"decimal\" must be \".\" or \",\"");
    return it->get<std::string>()[0];
}

std::string ScenarioDate(const Json& scenario, const char* fallback) {
    auto it = scenario.find("date");
    if (it == scenario.end()) return fallback ? fallback : "";
    if (!it->is_string()) throw UsageError("\"date\" must be a text");
    return it->get<std::string>();
}

} // namespace tc::cli
