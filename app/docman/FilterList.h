#pragma once
// The list of file type filters a file dialog offers.
#include <QString>
#include <QStringList>

#include <vector>

class CFilterList {
public:
    struct Entry {
        QString description; // ends in "Files"
        QString pattern;     // "*.z4l", "*.*"
    };

    // "Files" is appended to a description that does not end in it, and "*"
    // put before a pattern that begins with ".".
    void Add(const QString& description, const QString& pattern);
    const std::vector<Entry>& Entries() const { return entries_; }

    // For each entry description + " (" + pattern + ")|" + pattern + "|",
    // then one more "|"; an empty list gives "All Files (*.*)|*.*|".
    QString GetFilterString() const;
    // The entries as the dialog shows them: description + " (" + pattern + ")",
    // the description in the user's language ("All Files", "%1 Files").
    QStringList GetNameFilters() const;
    static QString DisplayName(const QString& description);

private:
    std::vector<Entry> entries_;
};
