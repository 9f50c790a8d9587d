// Finding patches in a window: groups of patches with the same sound.
#include "app/commands/WindowCommands.h"

#include "app/ui/CommandIds.h"
#include "data/ParameterAddress.h"
#include "app/ui/DuplicatesDialog.h"
#include "views/ParameterListCtrl.h"

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
