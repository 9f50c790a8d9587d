#pragma once
// The two document templates the document manager owns: 4107 makes
// librarian file windows (CFileDoc in a CFileFrame with a CFileView), 4097
// the main window (the one CImageDoc in the CImageFrame with the CImageView).
// A template owns its documents; a document goes when its window closes.
#include "app/docman/DocMan.h"

#include <memory>
#include <vector>

class CFileDoc;
class CImageDoc;
class CMainFrame;
class CMDIDocument;

class CFileDocTemplate : public CDocTemplateBase {
public:
    // Neither is owned; both outlive the template.
    CFileDocTemplate(CMainFrame& mainFrame, CDocMan& docMan);
    ~CFileDocTemplate() override;

    std::vector<IDocManDocument*> GetDocuments() const override;
    // Empty path: a new untitled document, numbered from 1 through the run
    // ("Untitled1", "Untitled2", ...). Otherwise the file is read; when
    // that fails no document or window is left (the reader has said why).
    IDocManDocument* OpenDocumentFile(const QString& path) override;
    // A .syx, .mid or .midi file opens as a new untitled window with the
    // patches it holds for the unit (those of one area, asked when it holds
    // several), marked as changed; a file that cannot be read or holds
    // nothing for the unit opens nothing (the reason has been shown).
    // The same, typed; nullptr on failure.
    CFileDoc* OpenFileDoc(const QString& path);

private:
    CFileDoc* OpenExchangeFile(const QString& path);
    // Takes a document that is ready and gives it a window.
    CFileDoc* Adopt(std::unique_ptr<CFileDoc> document);
    void OnDocumentClosed(CMDIDocument& document);

    CMainFrame& mainFrame_; // not owned
    CDocMan& docMan_;       // not owned
    std::vector<std::unique_ptr<CFileDoc>> documents_;
    int untitledCount_ = 0; // untitled documents made so far
};

class CImageDocTemplate : public CDocTemplateBase {
public:
    CImageDocTemplate(CMainFrame& mainFrame, CDocMan& docMan);
    ~CImageDocTemplate() override;

    std::vector<IDocManDocument*> GetDocuments() const override;
    // Makes the main window's document and window the first time (the path
    // is ignored); afterwards returns the same document.
    IDocManDocument* OpenDocumentFile(const QString& path) override;
    CImageDoc* GetImageDoc() const { return document_.get(); }

private:
    CMainFrame& mainFrame_; // not owned
    CDocMan& docMan_;       // not owned
    std::unique_ptr<CImageDoc> document_;
};

// The librarian's two templates, made and handed to the document manager
// (4107 for file windows, 4097 for the main window); both stay its own.
struct CLibrarianTemplates {
    CFileDocTemplate* files = nullptr;  // not owned
    CImageDocTemplate* image = nullptr; // not owned
};
CLibrarianTemplates AddLibrarianTemplates(CMainFrame& mainFrame, CDocMan& docMan);
