#include "platform/shell/DdeCommand.h"

namespace {
constexpr QStringView kOpenPrefix = u"[open(\"";
}

std::optional<QString> ParseDdeOpenCommand(QStringView text) {
    if (!text.startsWith(kOpenPrefix))
        return std::nullopt;
    const QStringView rest = text.mid(kOpenPrefix.size());
    const qsizetype quote = rest.indexOf(u'"');
    if (quote <= 0) // no closing quote, or an empty path
        return std::nullopt;
    return rest.left(quote).toString();
}

QString MakeDdeOpenCommand(const QString& path) { return kOpenPrefix.toString() + path + QStringLiteral("\")]"); }
