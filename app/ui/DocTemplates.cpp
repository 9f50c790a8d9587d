#include "app/ui/DocTemplates.h"

#include "app/core/LibrarianState.h"
#include "app/docs/FileDoc.h"
#include "app/docs/ImageDoc.h"
#include "app/docs/UpdateHints.h"
#include "app/ui/ExchangeFile.h"
#include "app/ui/FileFrame.h"
#include "app/ui/ImageFrame.h"
#include "app/ui/MainFrame.h"

#include "toolkit/core/CursorChanger.h"

#include <QFile>
#include <QStatusBar>

#include <algorithm>
#include <optional>

CFileDocTemplate::CFileDocTemplate(CMainFrame& mainFrame, CDocMan& docMan) : mainFrame_(mainFrame), docMan_(docMan) {}

CFileDocTemplate::~CFileDocTemplate() = default;

std::vector<IDocManDocument*> CFileDocTemplate::GetDocuments() const {
    std::vector<IDocManDocument*> documents;
    for (const auto& document : documents_)
        documents.push_back(document.get());
    return documents;
}

IDocManDocument* CFileDocTemplate::OpenDocumentFile(const QString& path) { return OpenFileDoc(path); }

CFileDoc* CFileDocTemplate::OpenFileDoc(const QString& path) {
    if (!path.isEmpty() && IsExchangeFileName(path))
        return OpenExchangeFile(path);
    auto document = std::make_unique<CFileDoc>();
    document->SetDocMan(&docMan_);
    document->SetHistoryRecorder(&mainFrame_.LibrarianState().History().Recorder());
    if (path.isEmpty()) {
        // "Untitled1", "Untitled2", ...: each new window gets a name of its
        // own, so that Save As never proposes the name of the one before.
        document->SetTitle(document->GetTitle() + QString::number(untitledCount_ + 1));
        if (!document->OnNewDocument())
            return nullptr;
        ++untitledCount_;
    } else {
        if (!document->OnOpenDocument(path))
            return nullptr;
        document->SetPathName(path);
    }
    return Adopt(std::move(document));
}

CFileDoc* CFileDocTemplate::Adopt(std::unique_ptr<CFileDoc> document) {
    document->SetCloseHandler([this](CMDIDocument& closed) { OnDocumentClosed(closed); });
    CFileDoc& result = *document;
    documents_.push_back(std::move(document));
    mainFrame_.CreateFileWindow(result);
    return &result;
}

CFileDoc* CFileDocTemplate::OpenExchangeFile(const QString& path) {
    AReader* reader = mainFrame_.LibrarianState().GetReader();
    if (!reader)
        return nullptr;
    CExchangePatches found;
    {
        UL::CWaitCursor wait;
        if (!ReadExchangeFile(*reader, path, IsSysExFileName(path), found))
            return nullptr;
    }
    const std::optional<int> area = ChooseImportArea(found, path, mainFrame_.GetAreaChooser(), &mainFrame_);
    if (!area)
        return nullptr;
    auto document = std::make_unique<CFileDoc>();
    document->SetDocMan(&docMan_);
    document->SetHistoryRecorder(&mainFrame_.LibrarianState().History().Recorder());
    document->SetTitle(document->GetTitle() + QString::number(untitledCount_ + 1));
    if (!document->OnNewDocument())
        return nullptr;
    ++untitledCount_;
    found.InsertInto(*area, document->GetDocumentData().Patches(), 0);
    CFileDoc* opened = Adopt(std::move(document));
    // Untitled, and holding what no librarian file holds yet.
    opened->SetModifiedFlag(true);
    opened->UpdateAllViews(nullptr, kHintContents);
    mainFrame_.StatusBarPane().showMessage(QString::fromStdString(found.Summary(*area)));
    mainFrame_.LibrarianState().History().Recorder().FileImported(QFile::encodeName(path).toStdString(), found.image);
    return opened;
}

void CFileDocTemplate::OnDocumentClosed(CMDIDocument& document) {
    const auto found = std::find_if(documents_.begin(), documents_.end(),
                                    [&document](const auto& owned) { return owned.get() == &document; });
    if (found == documents_.end())
        return;
    // Its views are detached already; OnCloseDocument touches nothing after
    // this call.
    documents_.erase(found);
}

CImageDocTemplate::CImageDocTemplate(CMainFrame& mainFrame, CDocMan& docMan)
    : mainFrame_(mainFrame), docMan_(docMan) {}

CImageDocTemplate::~CImageDocTemplate() = default;

std::vector<IDocManDocument*> CImageDocTemplate::GetDocuments() const {
    if (!document_)
        return {};
    return {document_.get()};
}

IDocManDocument* CImageDocTemplate::OpenDocumentFile(const QString&) {
    if (document_)
        return document_.get();
    document_ = std::make_unique<CImageDoc>();
    document_->SetDocMan(&docMan_);
    document_->SetTitle(QObject::tr("Main"));
    mainFrame_.CreateImageWindow(*document_);
    return document_.get();
}

CLibrarianTemplates AddLibrarianTemplates(CMainFrame& mainFrame, CDocMan& docMan) {
    auto files = std::make_unique<CFileDocTemplate>(mainFrame, docMan);
    auto image = std::make_unique<CImageDocTemplate>(mainFrame, docMan);
    const CLibrarianTemplates made{files.get(), image.get()};
    docMan.AddDocTemplate(CDocMan::kFileTemplateId, std::move(files));
    docMan.AddDocTemplate(CDocMan::kImageTemplateId, std::move(image));
    return made;
}
