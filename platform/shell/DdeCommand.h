#pragma once
// The command text that asks a running instance to open a file, as a later
// instance or the desktop sends it: [open("path")].
#include <QString>
#include <QStringView>

#include <optional>

// The path of an open command: the text after [open(" up to the next double
// quote. Nothing for any other command ([print(...) among them), for an open
// command without its closing quote, and for an empty path.
std::optional<QString> ParseDdeOpenCommand(QStringView text);

// [open("path")]
QString MakeDdeOpenCommand(const QString& path);
