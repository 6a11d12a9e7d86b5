// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A host without a screen: it records every box it is asked to show and
// answers the save dialog from a queue of prepared answers. The scenario
// runner and the tests show the model through it.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "context/host.h"

namespace tc {

struct Box {
    // Question: asked before a file is replaced; the answer is replaceAnswer.
    enum class Kind { Error, Message, Question };
    Kind kind;
    std::string text;
};

class RecordingHost : public Host {
public:
    void showError(const std::string& text) override { boxes.push_back({Box::Kind::Error, text}); }
    void showMessage(const std::string& text) override { boxes.push_back({Box::Kind::Message, text}); }
    void showAbout() override { ++aboutShown; }
    void showFigure() override { ++figureShown; }
    std::optional<std::string> askSaveName(const std::string& lastName) override {
        offeredNames.push_back(lastName);
        if (saveAnswers.empty()) return std::nullopt;
        std::optional<std::string> answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    }
    bool confirmReplace(const std::string& path, const std::string& question) override {
        replaceQuestions.push_back(path);
        boxes.push_back({Box::Kind::Question, question});
        return replaceAnswer;
    }
    void copyText(const std::string& text) override { clipboard = text; }
    std::string today() override { return date.empty() ? Host::today() : date; }

    std::vector<Box> boxes;
    int aboutShown = 0;
    int figureShown = 0;
    std::deque<std::optional<std::string>> saveAnswers; // nullopt: the user cancels
    std::vector<std::string> offeredNames;
    std::vector<std::string> replaceQuestions;
    bool replaceAnswer = true;
    std::optional<std::string> clipboard; // what the last copy put there
    std::string date;                     // the date pages show; empty for today
};

} // namespace tc
