#pragma once
// An error output that holds one message until the application is idle
// (Flush), so that a burst of failures ends in a single message box.
#include "toolkit/core/TextOut.h"

#include <string>

class COruBufferedErrorOut : public GT::ATextOut {
public:
    enum Mode : int {
        kFirstWins = 0, // a text is kept only while the buffer is empty
        kLastWins = 1,  // every text replaces the buffer
        // any other mode drops every text
    };

    void Output(std::string_view text) override;
    // Shows the held text through the error output, if any, and empties the
    // buffer.
    void Flush();

    void SetMode(int mode) { mode_ = mode; }
    int GetMode() const { return mode_; }
    const std::string& GetBuffer() const { return buffer_; }

private:
    int mode_ = kLastWins;
    std::string buffer_;
};

// The process-wide buffered error output, created on first use: like the
// message table, it is where any layer says what failed.
COruBufferedErrorOut& GetBufferedErrorOut();
