#pragma once
// The frame of the main window, which mirrors the unit. It is titled "Main"
// and the user cannot close it: it lives from start-up to shutdown, when
// ForceClose takes it down.
#include "app/ui/ChildFrame.h"

#include <memory>

class CImageDoc;
class CImageView;

class CImageFrame : public CChildFrame {
    Q_OBJECT
public:
    static constexpr int kPositionIndex = 4097;

    // Creates the view on the document (not owned; it outlives the frame).
    CImageFrame(CImageDoc& document, CMainFrame& mainFrame, GT::IProfile& profile = GT::GetProfile());
    ~CImageFrame() override;

    CImageView& View() const { return *view_; }
    CImageDoc& Document() const { return document_; }

    // Shutdown: closes the frame for good.
    void ForceClose();

    // The MDI area gives a window it takes in a system menu, and with it a
    // close button; once taken in, the main window sets its own title bar
    // again.
    void OnAddedToArea() override { ApplyTitleBar(); }

    // Until a placement is saved for it, the main window fills the MDI area.
    QRect DefaultGeometry() const override;

protected:
    // A close request is refused unless ForceClose asked.
    void closeEvent(QCloseEvent* event) override;

private:
    void ApplyTitleBar();

    CImageDoc& document_;
    CImageView* view_; // owned by the frame as its widget
    bool closing_ = false;
};
