#pragma once
// The frame of a librarian file window. Its title is the document's title
// followed by a blank and "*" while the document has unsaved changes (a blank
// alone otherwise). Closing it asks whether to save a modified document, and
// a closed frame closes its document.
#include "app/ui/ChildFrame.h"

class CFileDoc;
class CFileView;

class CFileFrame : public CChildFrame {
    Q_OBJECT
public:
    static constexpr int kPositionIndex = 4107;

    // Creates the view on the document (not owned). The frame deletes
    // itself when it closes.
    CFileFrame(CFileDoc& document, CMainFrame& mainFrame, GT::IProfile& profile = GT::GetProfile());
    ~CFileFrame() override;

    CFileView& View() const { return *view_; }
    // Null once the document has been closed.
    CFileDoc* Document() const;

    // "%s %s": the document's title and "*" when modified, else "".
    static QString FormatTitle(const QString& documentTitle, bool modified);
    void UpdateTitle();

    // Right of the main window when it stands as a window, cascading
    // there, so that the main window's list stays in view; else as any
    // window.
    QRect DefaultGeometry() const override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void BeforeDefaultPlacement() override;

private:
    // The main window's frame when it stands as a window (neither
    // minimized nor maximized), else null.
    QMdiSubWindow* StandingMainWindow() const;

    CFileView* view_; // owned by the frame as its widget
};
