#pragma once
// What the views of both kinds of windows share: the window's command
// handlers (Set Up Grid is the view's own, every other command goes to the
// handlers), the confirmation before a preview is sent, and patches dropped
// on the list, which go to the handlers too.
#include "app/docs/DocumentView.h"
#include "app/ui/ViewCommands.h"
#include "views/ParamView.h"
#include "views/PatchDrop.h"
#include "views/PreviewConfirmation.h"

#include <memory>

class IMidiConfirmation;

class CWindowView : public CParamView,
                    public IDocumentView,
                    public ICommandTarget,
                    public IPreviewConfirmation,
                    public IPatchDropTarget {
    Q_OBJECT
public:
    CWindowView(int formId, QSize formUnits, QWidget* parent = nullptr);
    ~CWindowView() override;

    // The command handlers (owned) and the confirmation before a preview is
    // sent (not owned; without one nothing is sent).
    void SetCommands(std::unique_ptr<IViewCommands> commands);
    IViewCommands* GetCommands() const { return commands_.get(); }
    void SetConfirmation(IMidiConfirmation* confirmation) { confirmation_ = confirmation; }

    bool HandlesCommand(int id) const override;
    bool IsCommandEnabled(int id) const override;
    void OnCommand(int id) override;
    QString CommandText(int id) const override;
    // Called when the frame updates command states; the handlers' turn.
    virtual void OnIdleUpdate();

    bool ConfirmPreview(int index) override;
    // Patches dropped on the list go to the window's commands.
    bool DropPatches(const CPatchDrop& drop) override;
    QWidget* ViewWidget() override { return this; }

protected:
    void Preview(int index) override;

private:
    std::unique_ptr<IViewCommands> commands_;
    IMidiConfirmation* confirmation_ = nullptr; // not owned
};
