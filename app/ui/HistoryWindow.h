#pragma once
// Window - History: the states of the unit the library has seen, newest
// first, by time and area, each with what happened and how many patches
// changed since the area's state before. Choosing a state shows its patches
// beside the main window's, the rows that differ marked with what differs
// (name, sound, both, or memo). The state's patches, all or the selected
// ones, can be restored to the unit through the main window's write, copied
// to the patch clipboard or dragged into a file window.
#include "app/ui/PatchTree.h"
#include "library/Library.h"

#include <QColor>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class CParameterArray;
enum class EPatchDifference : int;

// What the window asks of the program; every member may be empty.
struct CHistoryActions {
    // The main window's patches of an area (not owned), or nullptr.
    std::function<const CParameterArray*(int area)> mainPatches;
    // Writes the listed slots of the area from `patches` (indexed by slot)
    // to the unit, asking first; true when written. `when` names the state.
    std::function<bool(int area, const std::vector<int>& indexes, const CParameterArray& patches, const QString& when)>
        restore;
    // Puts copies of the patches on the patch clipboard.
    std::function<void(const CParameterArray& patches)> copy;
};

class CHistoryWindow : public QDialog {
    Q_OBJECT
public:
    // library is not owned and outlives the window.
    CHistoryWindow(CLibrary& library, CHistoryActions actions, QWidget* parent = nullptr);

    // Reads the states again (area 0: every area).
    void Refill();
    void ShowArea(int area);
    // Chooses the state of this id in the list; false when it is not shown.
    bool ChooseState(LibraryId id);
    // The chosen state, if any.
    const std::optional<CUnitState>& ChosenState() const { return state_; }
    // What differs between the chosen state's slot and the main window's
    // (kSame for a slot the state does not cover).
    EPatchDifference DifferenceAt(int slot) const;

    QTreeWidget& States() { return states_; }
    CPatchTree& Patches() { return patches_; }
    // Restores the whole area, or the selected patches, of the chosen state.
    bool RestoreArea();
    bool RestoreSelected();
    // Copies the selected patches (all when none is selected).
    bool CopyPatches();

private:
    void OnStateChosen();
    void ShowPatches();
    void UpdateButtons();
    // The chosen state's slots of the listed patch rows (all: every
    // covered slot).
    std::vector<int> Slots(bool selectedOnly) const;
    bool Restore(const std::vector<int>& chosen);

    CLibrary& library_; // not owned
    CHistoryActions actions_;
    QComboBox area_;
    QTreeWidget states_;
    CPatchTree patches_;
    QLabel caption_;
    QPushButton* restoreArea_ = nullptr;
    QPushButton* restoreSelected_ = nullptr;
    QPushButton* copy_ = nullptr;
    std::optional<CUnitState> state_;
    // The slot of each patch row, by the row's patch index.
    std::vector<int> slots_;
    std::vector<EPatchDifference> differences_;
};

// "History of MEMORY 12": every distinct patch a slot has held, oldest
// first, with when it was first and last seen there. The patches can be
// dragged into a file window.
class CSlotHistoryDialog : public QDialog {
    Q_OBJECT
public:
    CSlotHistoryDialog(CLibrary& library, int area, int index, QWidget* parent = nullptr);
    CPatchTree& Patches() { return patches_; }

private:
    CPatchTree patches_;
};

// A time as the main window shows it ("2026-12-08 10:00"), and the colour
// of the rows that differ from it (that of the rows changed on the unit).
QString HistoryTimeText(std::int64_t secondsSinceEpoch);
QColor HistoryMarkColor();
// The texts the history windows show for an event of the unit.
QString UnitEventText(EUnitEvent event, EVerify verify);
QString DifferenceLabel(EPatchDifference difference);
