#pragma once
// Patches dragged with the mouse from one patch list to another. The drag
// carries copies of the patches in a private MIME type, so a drop never
// depends on the window they came from; a list that takes a drop hands it
// to its window as a CPatchDrop.
#include "data/PatchDragData.h"

#include <QByteArray>

#include <memory>
#include <vector>

class QMimeData;

// The private MIME type of dragged patches.
inline constexpr char kPatchMimeType[] = "application/x-zm47-librarian-patches";

// A drop a list has taken: what its window is to do with it.
struct CPatchDrop {
    // The dropped patches in drag order; their memos are in the code page
    // of this program's language.
    std::shared_ptr<const CParameterArray> patches;
    CPatchDragOrigin origin;
    // The row dropped on; the row count when dropped below the last row.
    int row = -1;
    // The drag started in the list that took the drop.
    bool fromThisList = false;
    // With fromThisList: the rows are to move (not copies to be added).
    bool move = false;
    // With fromThisList: the patch indexes the drag started with, in row
    // order.
    std::vector<int> draggedIndexes;
};

// Mime data holding copies of the objects of `indexes`; nullptr when there
// is nothing to drag.
std::unique_ptr<QMimeData> MakePatchMimeData(const CParameterArray& array, const std::vector<int>& indexes,
                                             const CPatchDragOrigin& origin);

// Whether the data holds dragged patches (their bytes are not checked yet).
bool HasPatchMimeData(const QMimeData& data);

// The dragged patches the data holds (see DecodePatchDrag). False, with
// both untouched, when it holds none that can be read.
bool ReadPatchMimeData(const QMimeData& data, CParameterArray& patches, CPatchDragOrigin& origin);

// Turns every memo from code page `from` into code page `to`. False, with
// nothing changed, when a memo holds a character that `to` cannot hold or
// bytes that `from` does not define.
bool ConvertMemoCodePage(CParameterArray& patches, int from, int to);

// The window behind a patch list, which takes the patches dropped on it.
class IPatchDropTarget {
public:
    virtual ~IPatchDropTarget() = default;
    // Puts the dropped patches into the window's document as one undoable
    // change. False when nothing changed; a refusal has been shown to the
    // user with its reason.
    virtual bool DropPatches(const CPatchDrop& drop) = 0;
};
