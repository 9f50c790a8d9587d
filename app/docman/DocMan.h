#pragma once
// The document manager: it owns the document templates, opens files in new
// windows (or activates the window that already shows one), and asks for
// file names through the program's file dialog, which remembers the folder
// and the filter of librarian files between runs. The save step of the
// documents runs here too, so that a file open in another window is never
// overwritten.
#include <QCoreApplication>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class QWidget;
class IFileDialogRunner;
namespace GT {
class IProfile;
}

// What the document manager needs of an open document.
class IDocManDocument {
public:
    virtual ~IDocManDocument() = default;
    // The file's path; empty while the document is untitled.
    virtual QString GetPathName() const = 0;
    // The window title without any modified mark ("Untitled", "set1.z4l").
    virtual QString GetTitle() const = 0;
    // Writes the document to path. False, with the reason already shown,
    // when it could not be written.
    virtual bool OnSaveDocument(const QString& path) = 0;
    // The document now belongs to path (after a successful save).
    virtual void SetPathName(const QString& path) = 0;
    // Brings the document's window forward.
    virtual void ActivateFrame() {}
    // Offers to save a modified document before it closes. False when the
    // user chose to keep it open (Cancel) or the save failed.
    virtual bool SaveModified() { return true; }
};

// A document template as the document manager sees it: it makes documents
// with their frames and views, and knows which of them are open.
class CDocTemplateBase {
public:
    virtual ~CDocTemplateBase() = default;
    // The open documents of this template, in the order they were opened.
    virtual std::vector<IDocManDocument*> GetDocuments() const = 0;
    // Opens path in a new document and frame; an empty path makes a new,
    // untitled document. Null when the file could not be opened (the reason
    // has been shown).
    virtual IDocManDocument* OpenDocumentFile(const QString& path) = 0;
};

class CDocMan {
    Q_DECLARE_TR_FUNCTIONS(CDocMan)
public:
    // Template ids: librarian file windows and the main window.
    static constexpr int kFileTemplateId = 4107;
    static constexpr int kImageTemplateId = 4097;

    // With the process-wide profile and file dialog runner.
    CDocMan();
    CDocMan(GT::IProfile& profile, IFileDialogRunner& runner);
    ~CDocMan();
    CDocMan(const CDocMan&) = delete;
    CDocMan& operator=(const CDocMan&) = delete;

    // Takes the template; the first one added opens files.
    void AddDocTemplate(int id, std::unique_ptr<CDocTemplateBase> docTemplate);
    // Null for an id never added.
    CDocTemplateBase* GetTemplate(int id) const;
    // Every open document of every template, in template order.
    std::vector<IDocManDocument*> GetDocuments() const;

    // The window for the dialogs (the main frame); not owned.
    void SetDialogParent(QWidget* parent) { parent_ = parent; }
    // Told the path of every file a document was saved to, as opened files
    // are: the recent-file list.
    void SetSavedHandler(std::function<void(const QString& path)> handler) { savedHandler_ = std::move(handler); }

    // The librarian file prompt. fileName is the current name (save) and
    // becomes the dialog's chosen path, also when it is cancelled. An empty
    // title gives the dialog's own. True when the dialog ended with OK.
    // An open dialog with a folder given starts there instead of the
    // remembered folder.
    bool DoPromptFileName(QString& fileName, const QString& title, int flags, bool openFileDialog,
                          CDocTemplateBase* docTemplate = nullptr, const QString& folder = QString());

    // New: a new, untitled librarian file window.
    IDocManDocument* OnFileNew();
    // Open: asks for a librarian file and opens it. Null when cancelled or
    // when it could not be opened.
    IDocManDocument* OnFileOpen();
    // Open Backup: the same, with the dialog in the folder of backups (made
    // when missing). A backup opens like any librarian file.
    IDocManDocument* OnFileOpenIn(const QString& folder, const QString& title);
    // Opens path with the first template (command line, open command, dropped
    // files, recent files). A document already open on path (compared
    // without regard to case) is activated and returned instead.
    IDocManDocument* OpenDocumentFile(const QString& path);

    // The document's save step (Save, Save As, and the save offered when a
    // modified window closes). With replace, or while the document has no
    // path, the librarian file prompt asks for a name first, and asks again
    // before it replaces a file that exists. A path that
    // another open document has (without regard to case, or the same file
    // by another name) is refused with "Cannot overwrite this file because it
    // is already in use." and nothing is written. Otherwise the document is
    // saved there and takes the path. False when cancelled, refused or the
    // save failed.
    bool DoSave(IDocManDocument& document, bool replace);
    // Whether the last DoSave ended because the user cancelled the file
    // dialog (false after a refusal or a failure).
    bool LastSaveCancelled() const { return lastSaveCancelled_; }

    // The open document other than self that has path, or null.
    IDocManDocument* FindOtherDocument(const QString& path, const IDocManDocument* self) const;

    // Offers every modified document for saving; false as soon as one stays.
    bool SaveAllModified();

private:
    GT::IProfile& profile_;     // not owned
    IFileDialogRunner& runner_; // not owned
    QWidget* parent_ = nullptr; // not owned
    std::function<void(const QString& path)> savedHandler_;
    bool lastSaveCancelled_ = false;
    std::vector<std::pair<int, std::unique_ptr<CDocTemplateBase>>> templates_;
};

// Two paths name the same file: equal when made absolute and clean, compared
// without regard to case, or the same existing file once links are followed.
bool IsSameDocumentPath(const QString& a, const QString& b);

// "Document"/"InitialDirectory" = the folder of path; the documents call it
// after a librarian file was opened or saved.
bool RememberDocumentFolder(GT::IProfile& profile, const QString& path);
