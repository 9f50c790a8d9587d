#include "app/ui/ExchangeFile.h"

#include "data/ParameterAddress.h"
#include "data/ParameterArray.h"
#include "data/Patch.h"
#include "engine/ImportTally.h"
#include "engine/Reader.h"
#include "library/HistoryRecorder.h"
#include "messages/MessageIds.h"
#include "messages/ShowMessage.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>

#include <algorithm>

namespace {

QString AreaName(int area) { return QString::fromStdString(CParameterAddress().AreaName(area)); }

// The program's chooser: the choices in a drop-down list under the question.
class CDialogAreaChooser : public IAreaChooser {
public:
    std::optional<int> ChooseArea(const QString& question, const std::vector<std::pair<int, QString>>& choices,
                                  QWidget* parent) override {
        QStringList items;
        for (const auto& choice : choices)
            items << choice.second;
        bool ok = false;
        const QString chosen = QInputDialog::getItem(
            parent, QCoreApplication::translate("ExchangeFile", "ZM-47 Librarian"), question, items, 0, false, &ok);
        if (!ok)
            return std::nullopt;
        const qsizetype at = items.indexOf(chosen);
        if (at < 0)
            return std::nullopt;
        return choices[static_cast<std::size_t>(at)].first;
    }
};

// The chooser given, else the program's.
std::optional<int> Choose(IAreaChooser* chooser, const QString& question,
                          const std::vector<std::pair<int, QString>>& choices, QWidget* parent) {
    CDialogAreaChooser program;
    return (chooser ? *chooser : program).ChooseArea(question, choices, parent);
}

} // namespace

bool IsExchangeFileName(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("syx") || suffix == QLatin1String("mid") || suffix == QLatin1String("midi");
}

bool IsSysExFileName(const QString& path) { return QFileInfo(path).suffix().toLower() == QLatin1String("syx"); }

std::vector<std::pair<int, std::size_t>> CExchangePatches::Areas() const {
    std::vector<std::pair<int, std::size_t>> areas;
    for (const auto& [area, index] : stored) {
        if (areas.empty() || areas.back().first != area)
            areas.emplace_back(area, 0);
        ++areas.back().second;
    }
    return areas;
}

std::size_t CExchangePatches::InsertInto(int area, CParameterArray& into, std::size_t at) const {
    std::size_t count = 0;
    at = std::min(at, into.Size());
    for (const auto& [slotArea, index] : stored) {
        if (area != 0 && slotArea != area)
            continue;
        const CParameter* patch = image.GetArray(slotArea).At(static_cast<std::size_t>(index));
        if (!patch)
            continue;
        into.Insert(at + count, patch->Clone());
        ++count;
    }
    return count;
}

bool ReadExchangeFile(AReader& reader, const QString& path, bool sysEx, CExchangePatches& found) {
    const std::filesystem::path local = QFile::encodeName(path).toStdString();
    // Every message on the way names the file.
    const CMessageFile naming(local.string());
    found.stored.clear();
    found.tally.Clear();
    PrepareImportImage(found.image);
    // The reader says why a file cannot be read; a damaged SMF opens no
    // window, even with the patches before the damage.
    if (!(sysEx ? reader.ImportSysEx(local, found.image) : reader.ImportSmf(local, found.image)))
        return false;
    const CImportTally& tally = reader.LastImport();
    found.stored = tally.PatchesIn(0);
    if (found.stored.empty()) {
        ShowMessage(kMsgNoUnitDataInFile);
        return false;
    }
    found.tally = tally;
    return true;
}

std::optional<int> ChooseImportArea(const CExchangePatches& found, const QString& fileName, IAreaChooser* chooser,
                                    QWidget* parent) {
    const std::vector<std::pair<int, std::size_t>> areas = found.Areas();
    if (areas.empty())
        return std::nullopt;
    if (areas.size() == 1)
        return areas.front().first;
    std::vector<std::pair<int, QString>> choices;
    choices.emplace_back(
        0, QCoreApplication::translate("ExchangeFile", "Every area (%1 patches)").arg(found.stored.size()));
    for (const auto& [area, count] : areas)
        choices.emplace_back(
            area, count == 1
                      ? QCoreApplication::translate("ExchangeFile", "%1 (1 patch)").arg(AreaName(area))
                      : QCoreApplication::translate("ExchangeFile", "%1 (%2 patches)").arg(AreaName(area)).arg(count));
    return Choose(chooser,
                  QCoreApplication::translate("ExchangeFile",
                                              "%1 holds patches of several areas of the ZM-47. Which do you want?")
                      .arg(QFileInfo(fileName).fileName()),
                  choices, parent);
}

std::optional<int> ChooseExportArea(const std::vector<int>& rows, IAreaChooser* chooser, QWidget* parent) {
    if (rows.empty())
        return std::nullopt;
    const int highest = *std::max_element(rows.begin(), rows.end());
    const CParameterAddress map;
    std::vector<std::pair<int, QString>> choices;
    for (int area = 1; area <= kAreaCount; ++area)
        if (highest < map.PatchCount(area))
            choices.emplace_back(area, QCoreApplication::translate("ExchangeFile", "%1 (patches 1–%2)")
                                           .arg(AreaName(area))
                                           .arg(map.PatchCount(area)));
    if (choices.empty()) {
        ShowMessageWith(kMsgExportDoesNotFit, std::to_string(highest + 1));
        return std::nullopt;
    }
    if (choices.size() == 1)
        return choices.front().first;
    return Choose(chooser,
                  QCoreApplication::translate("ExchangeFile",
                                              "Which area of the ZM-47 are these patches for? The patch in row 1 "
                                              "becomes patch 1 of that area, and so on."),
                  choices, parent);
}
