#include "toolkit/qt/WindowListDlg.h"

#include "toolkit/core/TextDialog.h"
#include "toolkit/qt/MDIFrameWndEx.h"

#include <QMdiSubWindow>

#include <algorithm>

namespace GP {

CWindowListDlg::CWindowListDlg(CMDIFrameWndEx& frame, GT::IProfile& profile)
    : CResizeDlg(&frame, true, profile), frame_(frame), open_(tr("Open(&O)")), close_(tr("Close(&C)")),
      leave_(tr("Leave(&L)")), tileH_(tr("TileH(&T)")), tileV_(tr("TileV(&V)")), done_(tr("Done")),
      help_(tr("Help(&H)")) {
    setWindowTitle(tr("Window"));
    list_.setSelectionMode(QAbstractItemView::MultiSelection);
    for (QPushButton* button : {&open_, &close_, &leave_, &tileH_, &tileV_, &done_, &help_}) {
        button->setAutoDefault(false);
        buttons_.addWidget(button);
    }
    done_.setDefault(true);
    buttons_.addStretch();
    layout_.addWidget(&list_, 1);
    layout_.addLayout(&buttons_);
    setLayout(&layout_);

    connect(&open_, &QPushButton::clicked, this, &CWindowListDlg::OpenSelected);
    connect(&list_, &QListWidget::itemDoubleClicked, this, &CWindowListDlg::OpenSelected);
    connect(&close_, &QPushButton::clicked, this, &CWindowListDlg::CloseSelected);
    connect(&leave_, &QPushButton::clicked, this, &CWindowListDlg::LeaveSelected);
    connect(&tileH_, &QPushButton::clicked, this, &CWindowListDlg::TileSelectedHorizontally);
    connect(&tileV_, &QPushButton::clicked, this, &CWindowListDlg::TileSelectedVertically);
    connect(&done_, &QPushButton::clicked, this, &QDialog::accept);
    connect(&help_, &QPushButton::clicked, this, &CWindowListDlg::ShowHelp);
    Fill();
}

void CWindowListDlg::GetRectProfileKey(std::string& section, std::string& key) const {
    section = "Window";
    key = "WindowListDialogSize";
}

void CWindowListDlg::Fill() {
    list_.clear();
    windows_.clear();
    const SWindowList listed = frame_.ListWindows();
    for (QMdiSubWindow* window : listed.windows) {
        const QString mark = window->isMinimized() ? QStringLiteral("\t") : QStringLiteral("*\t");
        list_.addItem(mark + WindowListTitle(*window));
        windows_.append(window);
    }
    if (listed.active >= 0) {
        list_.item(listed.active)->setSelected(true);
        list_.setCurrentRow(listed.active, QItemSelectionModel::NoUpdate);
    }
}

void CWindowListDlg::Refill() {
    QList<bool> selected;
    for (int i = 0; i < list_.count(); ++i)
        selected.append(list_.item(i)->isSelected());
    const int caret = list_.currentRow();
    Fill();
    list_.clearSelection();
    for (int i = 0; i < std::min(list_.count(), static_cast<int>(selected.size())); ++i)
        list_.item(i)->setSelected(selected[i]);
    if (caret >= 0 && caret < list_.count())
        list_.setCurrentRow(caret, QItemSelectionModel::NoUpdate);
}

QList<QMdiSubWindow*> CWindowListDlg::SelectedWindows() const {
    QList<QMdiSubWindow*> selected;
    for (int i = 0; i < list_.count() && i < windows_.size(); ++i)
        if (list_.item(i)->isSelected() && windows_[i] != nullptr)
            selected.append(windows_[i].data());
    return selected;
}

void CWindowListDlg::ActivateSelected() {
    const QList<QMdiSubWindow*> selected = SelectedWindows();
    for (auto it = selected.rbegin(); it != selected.rend(); ++it) {
        if ((*it)->isMinimized() || (*it)->isMaximized())
            (*it)->showNormal();
        frame_.MdiArea().setActiveSubWindow(*it);
    }
}

void CWindowListDlg::MinimizeUnselected() {
    const QList<QMdiSubWindow*> selected = SelectedWindows();
    for (const QPointer<QMdiSubWindow>& window : windows_)
        if (window != nullptr && !selected.contains(window.data()))
            window->showMinimized();
}

void CWindowListDlg::OpenSelected() {
    ActivateSelected();
    Refill();
}

void CWindowListDlg::CloseSelected() {
    const QList<QMdiSubWindow*> selected = SelectedWindows();
    for (auto it = selected.rbegin(); it != selected.rend(); ++it)
        (*it)->close();
    Fill();
}

void CWindowListDlg::LeaveSelected() {
    MinimizeUnselected();
    ActivateSelected();
    Refill();
}

void CWindowListDlg::TileSelectedHorizontally() {
    MinimizeUnselected();
    ActivateSelected();
    frame_.TileHorizontally();
    Refill();
}

void CWindowListDlg::TileSelectedVertically() {
    MinimizeUnselected();
    ActivateSelected();
    frame_.TileVertically();
    Refill();
}

void CWindowListDlg::ShowHelp() {
    const QString text =
        tr("Select one or more windows in the list, then:\n"
           "Open: bring them to the front.\n"
           "Close: close them.\n"
           "Leave: keep them open and minimize all others.\n"
           "TileH / TileV: keep them, minimize all others and tile them one above another or side by side.\n"
           "Done: close this list.");
    UL::GetTextDialog().Show(text.toStdString(), UL::kButtonsOk, UL::kIconExclamation);
}

} // namespace GP
