#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "editor/EditorForm.h"

// An editor form of plain fields that records what the commands showed and asked, and answers
// questions from a queue.
class FakeEditorForm : public EditorForm {
public:
    int selectedRoute() const override { return selected; }
    void selectRoute(int index) override {
        selected = index >= 0 && index < routeCount() ? index : -1;
    }
    int routeCount() const override { return static_cast<int>(names.size()); }
    void showRouteNames(const std::vector<std::string>& shown) override {
        names = shown;
        selected = -1;
    }
    void appendRouteName(const std::string& name) override { names.push_back(name); }
    void removeRouteEntry(int index) override {
        names.erase(names.begin() + index);
        selected = -1;
    }

    std::string text(FormText box) const override {
        const auto it = texts.find(box);
        return it == texts.end() ? "" : it->second;
    }
    void setText(FormText box, const std::string& text) override { texts[box] = text; }
    std::string value(FormValue box) const override {
        const auto it = values.find(box);
        return it == values.end() ? "" : it->second;
    }
    void showValue(FormValue box, const std::string& value) override { values[box] = value; }

    void showMessage(const char* text, const char* caption) override {
        messages.push_back(std::string(caption) + ": " + text);
    }
    Answer ask(const char* question, const char* /*caption*/) override {
        questions.emplace_back(question);
        if (answers.empty()) {
            return Answer::Cancel;
        }
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void enableSaveCommands(bool enabled) override { enabling.push_back(enabled); }

    std::vector<std::string> names;
    int selected = -1;
    std::map<FormText, std::string> texts;
    std::map<FormValue, std::string> values;
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::deque<Answer> answers;
    std::vector<bool> enabling;
};
