#include "toolkit/qt/TextOutControl.h"

#include <QFontDatabase>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

namespace UL {

CTextOutControl::CTextOutControl(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

int CTextOutControl::LineCount() const {
    const QTextDocument* doc = document();
    const int blocks = doc->blockCount();
    return doc->lastBlock().length() <= 1 ? blocks - 1 : blocks;
}

void CTextOutControl::Output(std::string_view text) {
    if (text.empty())
        return;
    QScrollBar* bar = verticalScrollBar();
    const bool atEnd = bar->value() >= bar->maximum();
    const int oldValue = bar->value();

    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));

    const int excess = LineCount() - kMaxLines;
    if (excess > 0) {
        // Whole lines from the top, in one edit.
        QTextCursor top(document());
        top.movePosition(QTextCursor::Start);
        top.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, excess);
        top.removeSelectedText();
    }
    // The plain-text view scrolls by lines: a view that was not at the end
    // keeps showing the same lines as far as they are still there.
    if (atEnd) {
        bar->setValue(bar->maximum());
        moveCursor(QTextCursor::End);
    } else {
        bar->setValue(std::max(0, oldValue - std::max(0, excess)));
    }
}

} // namespace UL
