#pragma once
// Before the program ends: the main window's rows that were changed and never
// written to the unit would be lost. One question lists every area with such
// changes and offers Write (each area's changed rows through the normal
// write, with its backup and verify), Discard and Cancel.
#include <QString>

#include <functional>
#include <vector>

class CWindowCommands;
class QWidget;

enum class UnsentAnswer { kWrite, kDiscard, kCancel };
using UnsentQuestion = std::function<UnsentAnswer(const QString& text)>;

// One line per area ("MEMORY has changes that are not written to the
// ZM-47."), then the question.
QString UnsentChangesText(const std::vector<int>& areas);

// True when the program may end: nothing unwritten, Discard, or Write and
// every area written. Cancel, or a write that failed (the writer has said
// why), keeps the program running.
bool SettleUnsentChanges(CWindowCommands& mainWindowCommands, const UnsentQuestion& ask);

// The question as a message box with the buttons Write, Discard and Cancel.
UnsentAnswer AskUnsentChanges(QWidget* parent, const QString& text);
