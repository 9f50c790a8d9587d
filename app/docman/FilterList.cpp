#include "app/docman/FilterList.h"

void CFilterList::Add(const QString& description, const QString& pattern) {
    Entry entry{description, pattern};
    if (!entry.description.endsWith(QStringLiteral("Files")))
        entry.description += QStringLiteral(" Files");
    if (entry.pattern.startsWith(u'.'))
        entry.pattern.prepend(u'*');
    entries_.push_back(std::move(entry));
}

QString CFilterList::GetFilterString() const {
    if (entries_.empty())
        return QStringLiteral("All Files (*.*)|*.*|");
    QString text;
    for (const Entry& entry : entries_)
        text += entry.description + QStringLiteral(" (") + entry.pattern + QStringLiteral(")|") + entry.pattern + u'|';
    return text + u'|';
}

QStringList CFilterList::GetNameFilters() const {
    if (entries_.empty())
        return {QStringLiteral("All Files (*)")};
    QStringList filters;
    for (const Entry& entry : entries_) {
        // "*.*" is the dialog's way of saying every file; here files without
        // a dot are files too.
        const QString pattern = entry.pattern == QStringLiteral("*.*") ? QStringLiteral("*") : entry.pattern;
        filters << entry.description + QStringLiteral(" (") + pattern + u')';
    }
    return filters;
}
