#include "messages/BufferedErrorOut.h"

#include "messages/ErrorOut.h"

void COruBufferedErrorOut::Output(std::string_view text) {
    if (mode_ == kFirstWins) {
        if (buffer_.empty())
            buffer_ = text;
    } else if (mode_ == kLastWins) {
        buffer_ = text;
    }
}

void COruBufferedErrorOut::Flush() {
    // Taken out before showing: the message box runs a modal loop, and a text
    // buffered meanwhile belongs to the next flush, not to this one.
    std::string text;
    text.swap(buffer_);
    if (!text.empty())
        GetErrorOut().Write(text);
}

COruBufferedErrorOut& GetBufferedErrorOut() {
    static COruBufferedErrorOut out;
    return out;
}
