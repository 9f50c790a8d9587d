#pragma once
// A view laid out like a form: its controls stand where a form of a given
// size in dialog units puts them, so the view arranges them again after
// every change of its size. A double click on the view's background fits
// the window around the view to the form, unless that window is maximized.
#include <QSize>
#include <QWidget>

namespace GP {

class CFormViewEx : public QWidget {
    Q_OBJECT
public:
    // formId: the form the view shows; formUnits: its size in dialog units.
    CFormViewEx(int formId, QSize formUnits, QWidget* parent = nullptr);
    ~CFormViewEx() override;

    int GetFormId() const { return formId_; }
    // The form's size in pixels for the view's font: a dialog unit is a
    // quarter of the average character width across and an eighth of the
    // character height down.
    QSize FormSize() const;
    QSize sizeHint() const override { return FormSize(); }

    // Gives the window that holds the view (its MDI child window, or the
    // top-level window) the size at which the view is as large as the form.
    // False, changing nothing, when that window is maximized.
    bool FitFrameToForm();

    // Places the controls for the view's present size; called after every
    // change of size. Default: nothing.
    virtual void ArrangeControls() {}

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int formId_;
    QSize formUnits_;
};

} // namespace GP
