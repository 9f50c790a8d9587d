#pragma once
// A text sink that shows its output in a read-only plain-text view, keeping
// the newest 10,000 lines.
#include "toolkit/core/TextOut.h"

#include <QPlainTextEdit>

namespace UL {

class CTextOutControl : public QPlainTextEdit, public GT::ATextOut {
    Q_OBJECT
public:
    static constexpr int kMaxLines = 10000;

    explicit CTextOutControl(QWidget* parent = nullptr);

    // Appends the text at the end; the oldest lines go once more than
    // kMaxLines are held. A view at the end stays at the end.
    void Output(std::string_view text) override;

    // The number of lines held (a last, still empty line not counted).
    int LineCount() const;
};

} // namespace UL
