// Finding patches: groups of patches with the same sound in a window, and
// Edit - Find over the history library, whose results are shown where they
// are.
#include "app/commands/HistoryCommands.h"
#include "app/commands/WindowCommands.h"

#include "app/core/LibrarianState.h"
#include "app/docs/FileDoc.h"
#include "app/ui/CommandIds.h"
#include "app/ui/DuplicatesDialog.h"
#include "app/ui/FileView.h"
#include "app/ui/FindWindow.h"
#include "app/ui/ImageFrame.h"
#include "app/ui/ImageView.h"
#include "app/ui/MainFrame.h"
#include "app/docman/DocMan.h"
#include "data/ParameterAddress.h"
#include "engine/TransferText.h"
#include "engine/Writer.h"
#include "engine/dialogs/MidiWarningDlg.h"
#include "messages/MessageIds.h"
#include "messages/ShowMessage.h"
#include "toolkit/core/CursorChanger.h"
#include "views/PatchListCtrl.h"

#include <QMdiArea>

#include <algorithm>
#include <cstring>

bool CWindowCommands::FindDuplicates() {
    if (!IsCommandEnabled(kCmdFindDuplicates))
        return false;
    CParameterListCtrl* list = List();
    // Places as the user knows them: the unit's slot in the main window, the
    // row number in a file.
    CDuplicatesDialog::PlaceName place;
    if (context_.mainWindow) {
        const QString area = QString::fromStdString(AreaName(Area()));
        place = [area](int index) { return QStringLiteral("%1 %2").arg(area).arg(index + 1); };
    } else {
        place = [](int index) { return QStringLiteral("#%1").arg(index + 1); };
    }
    auto* dialog = new CDuplicatesDialog(*list, std::move(place), context_.window->GetDialogParent());
    dialog->show();
    return true;
}

namespace {

bool SameData(const CParameter* held, const CPatch& patch) {
    const CPatch* other = AsPatch(held);
    return other && other->Data() && patch.Data() && std::memcmp(other->Data(), patch.Data(), CPatch::kDataSize) == 0;
}

// Opens the file (or brings its window forward) and selects the patch: at
// its number when the file still holds it there, else wherever it holds it
// now. Message 140 when the file no longer holds it.
bool ShowInFile(CMainFrame& frame, const CPlace& place, const CPatch& patch) {
    CDocMan* manager = frame.GetDocMan();
    if (!manager)
        return false;
    auto* document = dynamic_cast<CFileDoc*>(manager->OpenDocumentFile(QString::fromStdString(place.path.string())));
    if (!document)
        return false; // the reason has been shown
    CFileView* view = nullptr;
    for (IDocumentView* candidate : document->GetViews())
        if ((view = dynamic_cast<CFileView*>(candidate)))
            break;
    if (!view)
        return false;
    const CParameterArray& patches = document->GetDocumentData().GetArray(1);
    int index = place.number - 1;
    if (index < 0 || static_cast<std::size_t>(index) >= patches.Size() ||
        !SameData(patches.At(static_cast<std::size_t>(index)), patch)) {
        index = -1;
        for (std::size_t at = 0; at < patches.Size() && index < 0; ++at)
            if (SameData(patches.At(at), patch))
                index = static_cast<int>(at);
    }
    if (index < 0) {
        ShowMessageWith(kMsgPatchNotInFile, place.path.string());
        return false;
    }
    view->GetPatchList().SelectObjects(index, 1);
    view->GetPatchList().setFocus();
    return true;
}

// Switches the main window to the slot's area and selects the slot.
bool ShowInMainWindow(CMainFrame& frame, const CPlace& place) {
    CImageView* view = frame.GetMainView();
    if (!view || place.area < 1 || place.area > kAreaCount)
        return false;
    CComboBoxA& selector = view->GetAreaSelector();
    if (selector.currentIndex() != place.area - 1) {
        selector.setCurrentIndex(place.area - 1);
        emit selector.activated(place.area - 1);
    }
    CPatchListCtrl* list = view->GetPatchList(place.area);
    if (!list)
        return false;
    if (CImageFrame* main = frame.GetImageFrame())
        frame.MdiArea().setActiveSubWindow(main);
    list->SelectObjects(place.index, 1);
    list->setFocus();
    return true;
}

} // namespace

CFindWindow* OpenFindWindow(CMainFrame& frame) {
    if (CFindWindow* open = frame.findChild<CFindWindow*>()) {
        open->show();
        open->raise();
        open->activateWindow();
        open->Text().setFocus();
        open->Text().selectAll();
        return open;
    }
    CLibrary* library = frame.LibrarianState().History().Library();
    if (!library) {
        ShowMessage(kMsgNoLibrary);
        return nullptr;
    }
    CFindActions actions;
    actions.preview = [&frame](const CPatch& patch) {
        CWriter* writer = frame.LibrarianState().GetWriter();
        IMidiConfirmation* confirmation = frame.GetConfirmation();
        if (!writer || !confirmation ||
            !confirmation->Confirm(kWarnWriteTemporary, PreviewQuestion(PreviewPatchText(0, 0, patch.GetName()))))
            return false;
        UL::CWaitCursor wait;
        CConcreteParameterArray<CPatch> one;
        one.Append(patch.Clone());
        return writer->WritePatches(kTemporaryAreaCode, {0}, one);
    };
    actions.show = [&frame](const CPlace& place, const CPatch& patch) {
        return place.kind == CPlace::Kind::kFile ? ShowInFile(frame, place, patch) : ShowInMainWindow(frame, place);
    };
    auto* window = new CFindWindow(*library, std::move(actions), &frame);
    window->show();
    window->Text().setFocus();
    return window;
}
