#pragma once
// The program's framework document: a title and a path, the modified flag,
// the views that show it, and the new, open, save and close steps. Save and
// Save As go through the document manager's save step, which asks for a name
// when one is needed and never overwrites a file another window has open.
//
// Library zm47_app_docs (app/docs/) holds this class and the program's
// documents CDoc, CImageDoc and CFileDoc.
#include "app/docman/DocMan.h"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class IDocumentView;

class CMDIDocument : public QObject, public IDocManDocument {
    Q_OBJECT
public:
    // templateId: 4097 for the main window's document, 4107 for a librarian
    // file window's.
    explicit CMDIDocument(int templateId, QObject* parent = nullptr);
    ~CMDIDocument() override;

    int GetTemplateId() const { return templateId_; }

    // The document manager (not owned). Without one Save and Save As fail.
    void SetDocMan(CDocMan* manager) { docMan_ = manager; }
    CDocMan* GetDocMan() const { return docMan_; }

    // Title: the file name of the path, or "Untitled" for a new document.
    QString GetTitle() const override { return title_; }
    void SetTitle(const QString& title);
    // Full path; empty for a document never saved.
    QString GetPathName() const override { return pathName_; }
    // Sets the path and makes its file name the title.
    void SetPathName(const QString& path) override;

    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true);

    // Views (not owned) in the order they were added.
    void AddView(IDocumentView* view);
    void RemoveView(IDocumentView* view);
    const std::vector<IDocumentView*>& GetViews() const { return views_; }
    // Every view except `except` shows the update (UpdateHint).
    void UpdateAllViews(IDocumentView* except, int hint);

    // The framework steps. New and open give an empty or loaded document and
    // clear the modified flag; false when the document cannot be used (the
    // reason has been shown) and the caller discards it.
    virtual bool OnNewDocument();
    virtual bool OnOpenDocument(const QString& path);
    // Writes the document to path; false after the reason has been shown.
    // Only documents backed by a file can be saved.
    bool OnSaveDocument(const QString& path) override;
    // Detaches the views and calls the close handler, which may delete the
    // document: the caller must not touch it afterwards.
    virtual void OnCloseDocument();
    // Who is told when the document closes (its template, which owns it).
    void SetCloseHandler(std::function<void(CMDIDocument&)> handler) { closeHandler_ = std::move(handler); }

    // Save: the document manager's save step, asking for a name only when
    // the document has none. Save As always asks.
    bool DoFileSave();
    bool DoFileSaveAs();
    // Before a modified document's window closes: "Save changes to <title>?"
    // Yes saves (false when that fails or is cancelled), No goes on, Cancel
    // stops (false). An unmodified document goes on at once.
    bool SaveModified() override;

    // Brings the window of the first view forward.
    void ActivateFrame() override;

signals:
    // The title, the path or the modified flag changed: the frames update
    // their captions.
    void titleChanged();

private:
    int templateId_;
    CDocMan* docMan_ = nullptr; // not owned
    QString title_;
    QString pathName_;
    bool modified_ = false;
    std::vector<IDocumentView*> views_; // not owned
    std::function<void(CMDIDocument&)> closeHandler_;
};
