#pragma once
// A window showing a document: the document tells each of its views when
// they have to show something new.
class QWidget;

class IDocumentView {
public:
    virtual ~IDocumentView() = default;
    // hint: one of UpdateHint (app/docs/UpdateHints.h).
    virtual void OnUpdate(int hint) = 0;
    // The view's window, to bring its frame forward.
    virtual QWidget* ViewWidget() = 0;
};
