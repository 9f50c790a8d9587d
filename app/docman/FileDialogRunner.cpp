#include "app/docman/FileDialogRunner.h"

#include <QDir>
#include <QFileDialog>

namespace {

std::unique_ptr<IFileDialogRunner>& Runner() {
    static std::unique_ptr<IFileDialogRunner> runner = std::make_unique<CQtFileDialogRunner>();
    return runner;
}

QFileDialog::Options DialogOptions(int flags) {
    QFileDialog::Options options;
    if (!(flags & kFileDialogOverwritePrompt))
        options |= QFileDialog::DontConfirmOverwrite;
    return options;
}

QString CaptionFor(const QString& title, const QString& folder) {
    return title + QStringLiteral(" - ") + QDir::toNativeSeparators(folder) + QDir::separator();
}

} // namespace

CFileDialogAnswer CQtFileDialogRunner::Run(const CFileDialogRequest& request) {
    QFileDialog dialog(request.parent, request.title);
    dialog.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(request.open && (request.flags & kFileDialogFileMustExist) ? QFileDialog::ExistingFile
                                                                                  : QFileDialog::AnyFile);
    dialog.setOptions(DialogOptions(request.flags));
    dialog.setNameFilters(request.nameFilters);
    if (request.filterIndex >= 0 && request.filterIndex < request.nameFilters.size())
        dialog.selectNameFilter(request.nameFilters[request.filterIndex]);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.folder.isEmpty() && QDir(request.folder).exists())
        dialog.setDirectory(request.folder);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    QObject::connect(&dialog, &QFileDialog::directoryEntered, &dialog, [&dialog, &request](const QString& folder) {
        dialog.setWindowTitle(CaptionFor(request.title, folder));
    });
    dialog.setWindowTitle(CaptionFor(request.title, dialog.directory().absolutePath()));

    CFileDialogAnswer answer;
    answer.accepted = dialog.exec() == QDialog::Accepted;
    answer.path = dialog.selectedFiles().value(0);
    answer.folder = dialog.directory().absolutePath();
    answer.filterIndex = std::max<int>(0, static_cast<int>(dialog.nameFilters().indexOf(dialog.selectedNameFilter())));
    return answer;
}

IFileDialogRunner& GetFileDialogRunner() { return *Runner(); }

std::unique_ptr<IFileDialogRunner> SetFileDialogRunner(std::unique_ptr<IFileDialogRunner> runner) {
    if (!runner)
        runner = std::make_unique<CQtFileDialogRunner>();
    Runner().swap(runner);
    return runner;
}
