#pragma once
// Text sinks: something that accepts lines of text (a diagnostic window, an
// error box, a test capture). ATextOut does the indentation; a concrete sink
// only says where finished text goes (Output).
#include <string>
#include <string_view>

namespace GT {

class ITextOut {
public:
    virtual ~ITextOut() = default;
    virtual void Write(std::string_view text) = 0;
    virtual void Printf(const char* format, ...) __attribute__((format(printf, 2, 3))) = 0;
    virtual void Indent(int delta) = 0;
    virtual void Output(std::string_view text) = 0;
};

class ATextOut : public ITextOut {
public:
    // Inserts the indentation before every character that starts a line and
    // passes the whole result to Output once.
    void Write(std::string_view text) override;
    // printf formatting into 512 bytes; longer results are cut there.
    void Printf(const char* format, ...) override __attribute__((format(printf, 2, 3)));
    // The indentation becomes max(current + delta, 0) blanks.
    void Indent(int delta) override;

private:
    std::string indent_;
    bool atLineStart_ = true;
};

} // namespace GT
