#pragma once
// The program's windows as the librarian commands see them: the main
// window's view, a librarian file window's view and the document manager
// that knows every window.
#include "app/commands/CommandWindow.h"

#include <memory>

class CDocMan;
class CFileView;
class CImageView;

class CImageViewWindow : public ICommandWindow {
public:
    // view is not owned and outlives this object.
    explicit CImageViewWindow(CImageView& view) : view_(view) {}

    CParameterListCtrl* GetList() const override;
    CDocumentBase* GetData() const override;
    // The main window mirrors the unit and has no modified mark.
    void SetModified() override {}
    void RebuildPreviewButtons() override;
    void UpdateViews(int hint) override;
    QWidget* GetDialogParent() const override;
    void ShowStatus(const std::string& text) override;

private:
    CImageView& view_; // not owned
};

class CFileViewWindow : public ICommandWindow {
public:
    explicit CFileViewWindow(CFileView& view) : view_(view) {}

    CParameterListCtrl* GetList() const override;
    // Null once the document has been closed.
    CDocumentBase* GetData() const override;
    void SetModified() override;
    void RebuildPreviewButtons() override;
    void UpdateViews(int hint) override;
    QWidget* GetDialogParent() const override;
    void ShowStatus(const std::string& text) override;
    std::string GetTitle() const override;

private:
    CFileView& view_; // not owned
};

class CDocManWindows : public IWindowDirectory {
public:
    // manager is not owned and outlives this object.
    explicit CDocManWindows(CDocMan& manager) : manager_(manager) {}

    // Through the file window template, as "New" does. The window returned
    // stays valid until the next call.
    ICommandWindow* OpenUntitledFileWindow() override;
    // The main window's template first, then the file windows'.
    void UpdateAllViews(int hint) override;

private:
    CDocMan& manager_; // not owned
    std::unique_ptr<CFileViewWindow> opened_;
};
