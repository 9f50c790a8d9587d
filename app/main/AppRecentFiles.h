#pragma once
// The recent-file list of the File menu: the last 8 librarian files opened,
// newest first, kept in the profile as "Recent File List"/"File1".."File8".
// It is read at start-up and written at exit; choosing an entry opens that
// file again, and an entry that cannot be opened any more is dropped.
#include <QAction>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QMenu;
namespace GT {
class IProfile;
}

class CAppRecentFiles : public QObject {
    Q_OBJECT
public:
    static constexpr int kSize = 8;
    // Opens a file; true when it was opened.
    using Opener = std::function<bool(const QString& path)>;

    // profile is not owned and outlives this object.
    explicit CAppRecentFiles(GT::IProfile& profile);
    ~CAppRecentFiles() override;

    void Load();
    // False when the profile did not take every entry.
    bool Save() const;

    // path becomes the first entry (an entry for the same file moves up).
    void Add(const QString& path);
    void Remove(const QString& path);
    const QStringList& Paths() const { return paths_; }

    // Shows the entries in menu, above before (not owned; both outlive this
    // object), rebuilt each time the menu opens.
    void Attach(QMenu& menu, QAction* before, Opener opener);
    // The entries' actions as the menu shows them now.
    std::vector<QAction*> Actions() const;

private:
    void Rebuild();
    void Open(int index);

    GT::IProfile& profile_; // not owned
    QStringList paths_;
    QPointer<QMenu> menu_;     // not owned
    QPointer<QAction> before_; // not owned
    Opener opener_;
    std::vector<std::unique_ptr<QAction>> actions_;
    std::unique_ptr<QAction> separator_;
};
