#pragma once
// The error output: every text written to it is shown at once in a message
// box with OK and the exclamation icon, through the process-wide text dialog.
#include "toolkit/core/TextOut.h"

class COruErrorOut : public GT::ATextOut {
public:
    void Output(std::string_view text) override;
};

// The process-wide error output, created on first use: like the message
// table, it is where any layer says what failed.
COruErrorOut& GetErrorOut();
