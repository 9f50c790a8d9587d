#include "app/docman/DocMan.h"

#include "app/docman/FileDialogA.h"
#include "platform/shell/FixedNames.h"
#include "toolkit/core/CursorChanger.h"
#include "toolkit/core/TextDialog.h"
#include "toolkit/profile/Profile.h"

#include <QDir>
#include <QFileInfo>

namespace {

const char kDocumentFolder[] = "Document/InitialDirectory";

QString AbsoluteClean(const QString& path) { return QDir::cleanPath(QDir::current().absoluteFilePath(path)); }

// The untitled document's proposed name: its title up to the first ':', '/'
// or '\', with the librarian file extension.
QString ProposedName(const QString& title) {
    qsizetype cut = title.size();
    for (const QChar bad : {u':', u'/', u'\\'}) {
        const qsizetype at = title.indexOf(bad);
        if (at >= 0 && at < cut)
            cut = at;
    }
    return title.left(cut) + QString::fromStdString(GetFileExtension());
}

// The process-wide runner as it is when a dialog runs, so that a runner
// installed after the document manager was made is the one asked.
class CCurrentFileDialogRunner : public IFileDialogRunner {
public:
    CFileDialogAnswer Run(const CFileDialogRequest& request) override { return GetFileDialogRunner().Run(request); }
};

CCurrentFileDialogRunner& CurrentFileDialogRunner() {
    static CCurrentFileDialogRunner runner;
    return runner;
}

} // namespace

bool IsSameDocumentPath(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty())
        return false;
    if (AbsoluteClean(a).compare(AbsoluteClean(b), Qt::CaseInsensitive) == 0)
        return true;
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
}

bool RememberDocumentFolder(GT::IProfile& profile, const QString& path) {
    return profile.WriteString(kDocumentFolder, QFileInfo(AbsoluteClean(path)).absolutePath().toStdString());
}

CDocMan::CDocMan() : CDocMan(GT::GetProfile(), CurrentFileDialogRunner()) {}

CDocMan::CDocMan(GT::IProfile& profile, IFileDialogRunner& runner) : profile_(profile), runner_(runner) {}

CDocMan::~CDocMan() = default;

void CDocMan::AddDocTemplate(int id, std::unique_ptr<CDocTemplateBase> docTemplate) {
    if (docTemplate)
        templates_.emplace_back(id, std::move(docTemplate));
}

CDocTemplateBase* CDocMan::GetTemplate(int id) const {
    for (const auto& [templateId, docTemplate] : templates_)
        if (templateId == id)
            return docTemplate.get();
    return nullptr;
}

std::vector<IDocManDocument*> CDocMan::GetDocuments() const {
    std::vector<IDocManDocument*> documents;
    for (const auto& entry : templates_) {
        const std::vector<IDocManDocument*> some = entry.second->GetDocuments();
        documents.insert(documents.end(), some.begin(), some.end());
    }
    return documents;
}

bool CDocMan::DoPromptFileName(QString& fileName, const QString& title, int flags, bool openFileDialog,
                               CDocTemplateBase* /*docTemplate*/, const QString& folder) {
    CFilterList filters;
    // Open takes the exchange files too (they open as new untitled
    // windows); Save writes librarian files only.
    if (openFileDialog)
        filters.Add(tr("%1, SysEx and Standard MIDI Files").arg(QString::fromStdString(GetProductTitle())),
                    QStringLiteral("*") + QString::fromStdString(GetFileExtension()) +
                        QStringLiteral(" *.syx *.mid *.midi"));
    else
        filters.Add(QString::fromStdString(GetProductTitle()), QString::fromStdString(GetFileExtension()));
    filters.Add(QStringLiteral("All Files"), QStringLiteral("*.*"));
    CFileDialogA dialog(openFileDialog, QString::fromStdString(GetFileExtension()), QString(), flags, filters, title,
                        parent_, profile_, runner_);

    const QString remembered = QString::fromStdString(profile_.GetString(kDocumentFolder, ""));
    if (openFileDialog) {
        dialog.SetInitialFolder(folder.isEmpty() ? remembered : folder);
        dialog.SetFileName(QString());
    } else {
        const QFileInfo current(fileName);
        const bool hasFolder = fileName.contains(u'/');
        dialog.SetInitialFolder(hasFolder ? current.path() : remembered);
        dialog.SetFileName(current.fileName());
    }
    dialog.SetFilterIndexProfile(QStringLiteral("Document"), QStringLiteral("InitialFilterIndex"), 0);

    const bool ok = dialog.DoModal() == CFileDialogA::kOk;
    fileName = dialog.GetPathName();
    return ok && !fileName.isEmpty();
}

IDocManDocument* CDocMan::OnFileNew() {
    return templates_.empty() ? nullptr : templates_.front().second->OpenDocumentFile(QString());
}

IDocManDocument* CDocMan::OnFileOpen() {
    QString fileName;
    if (!DoPromptFileName(fileName, QString(), 0, true))
        return nullptr;
    return OpenDocumentFile(fileName);
}

IDocManDocument* CDocMan::OnFileOpenIn(const QString& folder, const QString& title) {
    // A first backup has not been made yet: the dialog still shows where
    // they will be.
    QDir().mkpath(folder);
    QString fileName;
    if (!DoPromptFileName(fileName, title, 0, true, nullptr, folder))
        return nullptr;
    return OpenDocumentFile(fileName);
}

IDocManDocument* CDocMan::OpenDocumentFile(const QString& path) {
    if (templates_.empty() || path.isEmpty())
        return nullptr;
    const QString clean = AbsoluteClean(path);
    if (IDocManDocument* open = FindOtherDocument(clean, nullptr)) {
        open->ActivateFrame();
        return open;
    }
    return templates_.front().second->OpenDocumentFile(clean);
}

IDocManDocument* CDocMan::FindOtherDocument(const QString& path, const IDocManDocument* self) const {
    for (IDocManDocument* document : GetDocuments())
        if (document != self && IsSameDocumentPath(document->GetPathName(), path))
            return document;
    return nullptr;
}

bool CDocMan::DoSave(IDocManDocument& document, bool replace) {
    lastSaveCancelled_ = false;
    QString path = document.GetPathName();
    if (replace || path.isEmpty()) {
        if (path.isEmpty())
            path = ProposedName(document.GetTitle());
        // The dialog asks before it replaces a file that exists.
        const int flags = kFileDialogHideReadOnly | kFileDialogPathMustExist | kFileDialogOverwritePrompt;
        if (!DoPromptFileName(path, tr("Save As"), flags, false)) {
            lastSaveCancelled_ = true;
            return false;
        }
    }
    UL::CWaitCursor wait;
    if (FindOtherDocument(path, &document)) {
        UL::GetTextDialog().Show(tr("Cannot overwrite this file because it is already in use.").toStdString(),
                                 UL::kButtonsOk, UL::kIconExclamation);
        return false;
    }
    if (!document.OnSaveDocument(path))
        return false;
    document.SetPathName(path);
    if (savedHandler_)
        savedHandler_(document.GetPathName());
    return true;
}

bool CDocMan::SaveAllModified() {
    for (IDocManDocument* document : GetDocuments())
        if (!document->SaveModified())
            return false;
    return true;
}
