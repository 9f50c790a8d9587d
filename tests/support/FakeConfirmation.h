#pragma once
// Answers every confirmation in place of the user, with `answer`, and
// records the kinds and the questions asked.
#include "engine/dialogs/MidiWarningDlg.h"

#include <string>
#include <vector>

namespace test {

class FakeConfirmation : public IMidiConfirmation {
public:
    bool Confirm(int kind, const std::string& question) override {
        kinds.push_back(kind);
        questions.push_back(question);
        return answer;
    }
    bool answer = true;
    std::vector<int> kinds;
    std::vector<std::string> questions;
};

} // namespace test
