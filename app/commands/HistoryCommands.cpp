// The history commands of the windows: the main window's slot history and
// restore, and Window - History.
#include "app/commands/HistoryCommands.h"

#include "app/commands/WindowCommands.h"
#include "app/core/LibrarianState.h"
#include "app/docs/ImageDoc.h"
#include "app/ui/CommandIds.h"
#include "app/ui/HistoryWindow.h"
#include "app/ui/ImageView.h"
#include "app/ui/MainFrame.h"
#include "data/DocumentBase.h"
#include "data/ParameterAddress.h"
#include "messages/MessageIds.h"
#include "messages/ShowMessage.h"
#include "toolkit/core/TextDialog.h"
#include "views/ParameterEdits.h"
#include "views/ParameterListCtrl.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// "MEMORY 3, 12" or "MEMORY 1-60" for every slot of the area.
QString SlotsText(int area, const std::vector<int>& indexes) {
    const CParameterAddress map;
    const QString name = QString::fromStdString(map.AreaName(area));
    if (static_cast<int>(indexes.size()) == map.PatchCount(area))
        return QStringLiteral("%1 1-%2").arg(name).arg(indexes.size());
    QStringList numbers;
    for (int index : indexes)
        numbers << QString::number(index + 1);
    return QStringLiteral("%1 %2").arg(name, numbers.join(QStringLiteral(", ")));
}

} // namespace

QString CWindowCommands::CommandText(int id) const {
    if (id != kCmdSlotHistory || !context_.mainWindow || !List())
        return QString();
    const std::vector<int> selected = List()->GetSelectedIndexes();
    if (selected.empty())
        return QString();
    return QCoreApplication::translate("HistoryCommands", "&History of %1 %2...")
        .arg(QString::fromStdString(AreaName(Area())))
        .arg(selected.front() + 1);
}

bool CWindowCommands::ShowSlotHistory() {
    if (!IsCommandEnabled(kCmdSlotHistory))
        return false;
    auto* dialog = new CSlotHistoryDialog(*History().Library(), Area(), List()->GetSelectedIndexes().front(),
                                          context_.window->GetDialogParent());
    dialog->show();
    return true;
}

bool CWindowCommands::RestorePatches(int area, const std::vector<int>& indexes, const CParameterArray& patches,
                                     const QString& when) {
    CDocumentBase* data = Data();
    if (!context_.mainWindow || !data || area < 1 || area > kAreaCount || indexes.empty())
        return false;
    CParameterArray& array = data->GetArray(area);
    for (int index : indexes)
        if (!AsPatch(array.At(static_cast<std::size_t>(index))) ||
            !AsPatch(patches.At(static_cast<std::size_t>(index))))
            return false;
    const QString what = QStringLiteral("%1 (%2)").arg(SlotsText(area, indexes), when);
    if (UL::GetTextDialog().Show(MessageWith(kMsgRestoreQuestion, what.toStdString()), UL::kButtonsYesNo,
                                 UL::kIconQuestion) != UL::kResultYes)
        return false;
    // The main window shows what is written; Undo brings its rows back
    // whatever the write's result.
    data->SaveUndo(area);
    for (int index : indexes)
        *AsPatch(array.At(static_cast<std::size_t>(index))) = *AsPatch(patches.At(static_cast<std::size_t>(index)));
    context_.window->UpdateViews(0);
    if (CParameterListCtrl* list = List())
        list->Refresh(false, 0);
    return WriteRows(area, indexes);
}

CHistoryWindow* OpenHistoryWindow(CMainFrame& frame) {
    if (CHistoryWindow* open = frame.findChild<CHistoryWindow*>()) {
        open->show();
        open->raise();
        open->activateWindow();
        return open;
    }
    CLibrary* library = frame.LibrarianState().History().Library();
    if (!library) {
        ShowMessage(kMsgNoLibrary);
        return nullptr;
    }
    CHistoryActions actions;
    actions.mainPatches = [&frame](int area) -> const CParameterArray* {
        CImageView* view = frame.GetMainView();
        return view ? &view->GetDocument().GetDocumentData().GetArray(area) : nullptr;
    };
    actions.restore = [&frame](int area, const std::vector<int>& indexes, const CParameterArray& patches,
                               const QString& when) {
        CImageView* view = frame.GetMainView();
        auto* commands = view ? dynamic_cast<CWindowCommands*>(view->GetCommands()) : nullptr;
        return commands && commands->RestorePatches(area, indexes, patches, when);
    };
    actions.copy = [&frame](const CParameterArray& patches) {
        std::vector<int> all(patches.Size());
        for (std::size_t i = 0; i < all.size(); ++i)
            all[i] = static_cast<int>(i);
        CopyObjects(patches, all, frame.LibrarianState().GetClipboard().GetArray(1));
    };
    auto* window = new CHistoryWindow(*library, std::move(actions), &frame);
    window->show();
    return window;
}
