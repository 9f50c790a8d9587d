#include "app/commands/UnsentChanges.h"

#include "app/commands/WindowCommands.h"
#include "data/DocumentBase.h"
#include "data/ParameterAddress.h"
#include "data/UnitProvenance.h"
#include "messages/MessageIds.h"
#include "messages/MessageTable.h"
#include "messages/ShowMessage.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

QString UnsentChangesText(const std::vector<int>& areas) {
    const CParameterAddress map;
    QStringList lines;
    for (int area : areas)
        lines << QString::fromStdString(MessageWith(kMsgUnsentChanges, map.AreaName(area)));
    lines << QString::fromStdString(GetMessageTable().Get(kMsgUnsentQuestion));
    return lines.join(QLatin1Char('\n'));
}

bool SettleUnsentChanges(CWindowCommands& commands, const UnsentQuestion& ask) {
    ICommandWindow* window = commands.GetContext().window;
    CDocumentBase* data = window ? window->GetData() : nullptr;
    const CUnitProvenance* provenance = data ? data->GetProvenance() : nullptr;
    if (!provenance)
        return true;
    const std::vector<int> areas = provenance->ChangedAreas(data->GetImage());
    if (areas.empty())
        return true;
    switch (ask(UnsentChangesText(areas))) {
    case UnsentAnswer::kDiscard:
        return true;
    case UnsentAnswer::kCancel:
        return false;
    case UnsentAnswer::kWrite:
        break;
    }
    for (int area : areas)
        if (!commands.WriteRows(area, provenance->ChangedIndexes(area, data->GetArray(area))))
            return false;
    return true;
}

UnsentAnswer AskUnsentChanges(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(), text, QMessageBox::NoButton, parent);
    QPushButton* write =
        box.addButton(QCoreApplication::translate("UnsentChanges", "&Write"), QMessageBox::AcceptRole);
    QPushButton* discard =
        box.addButton(QCoreApplication::translate("UnsentChanges", "&Discard"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(write);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == write)
        return UnsentAnswer::kWrite;
    if (box.clickedButton() == discard)
        return UnsentAnswer::kDiscard;
    return UnsentAnswer::kCancel;
}
