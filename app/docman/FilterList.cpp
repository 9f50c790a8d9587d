#include "app/docman/FilterList.h"

#include <QCoreApplication>

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
        return {DisplayName(QStringLiteral("All Files")) + QStringLiteral(" (*)")};
    QStringList filters;
    for (const Entry& entry : entries_) {
        // "*.*" is the dialog's way of saying every file; here files without
        // a dot are files too.
        const QString pattern = entry.pattern == QStringLiteral("*.*") ? QStringLiteral("*") : entry.pattern;
        filters << DisplayName(entry.description) + QStringLiteral(" (") + pattern + u')';
    }
    return filters;
}

QString CFilterList::DisplayName(const QString& description) {
    static const QString kFiles = QStringLiteral(" Files");
    if (description == QStringLiteral("All Files"))
        return QCoreApplication::translate("CFilterList", "All Files");
    if (description.endsWith(kFiles))
        return QCoreApplication::translate("CFilterList", "%1 Files").arg(description.chopped(kFiles.size()));
    return description;
}
