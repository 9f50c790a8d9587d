#pragma once
// Edit - Find: every distinct patch of the library whose name or memo holds a
// text, ignoring case (Japanese memos too), each with where it is and was: a
// slot of the unit, now or in a past state, or a file's path and number.
// A found patch can be previewed on the unit, dragged into a file window, or
// shown where it is: its file opened with the patch selected, or its slot in
// the main window.
#include "app/ui/PatchTree.h"
#include "library/Library.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <vector>

// What the window asks of the program; every member may be empty.
struct CFindActions {
    // Sends the patch to the unit's temporary patch, asking first; true when
    // sent.
    std::function<bool(const CPatch& patch)> preview;
    // Shows the patch at the place (a file: opened, the patch selected; a
    // slot of the unit now: the main window's row); true when shown.
    std::function<bool(const CPlace& place, const CPatch& patch)> show;
};

class CFindWindow : public QDialog {
    Q_OBJECT
public:
    // More than this many patches are not listed; the window says so.
    static constexpr int kMaxResults = 500;

    // library is not owned and outlives the window.
    CFindWindow(CLibrary& library, CFindActions actions, QWidget* parent = nullptr);

    // Puts text into the field and finds at once (typing finds after a
    // short pause).
    void FindText(const QString& text);
    QLineEdit& Text() { return text_; }
    CPatchTree& Results() { return results_; }
    QString Summary() const { return summary_.text(); }
    // The places of each listed patch, by its patch index.
    const std::vector<std::vector<CPlace>>& Places() const { return places_; }

    // The current row's patch to the unit; its place (a place row), or the
    // patch's first place that can be shown.
    bool PreviewCurrent();
    bool ShowCurrent();

private:
    void Find();
    void UpdateButtons();
    // The place a row stands for: its own for a place row, else the first
    // of its patch that can be shown; nullptr when none can.
    const CPlace* PlaceOf(const QTreeWidgetItem* item) const;

    CLibrary& library_; // not owned
    CFindActions actions_;
    QLineEdit text_;
    QLabel summary_;
    CPatchTree results_;
    QTimer pause_;
    QPushButton* preview_ = nullptr;
    QPushButton* show_ = nullptr;
    std::vector<std::vector<CPlace>> places_;
};

// Where a patch is or was, as the Find window lists it: "MEMORY 4 on the
// ZM-47 now", "MEMORY 4 on the ZM-47 until 2026-12-08 10:00",
// "/home/me/set1.z4l, No. 7".
QString PlaceLabel(const CPlace& place);
// Whether the program can show the patch at the place (a file, or a slot
// that still holds it).
bool CanShowPlace(const CPlace& place);
