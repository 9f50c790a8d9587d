#include "views/ParamView.h"

#include "views/GridSetting.h"
#include "icons/ProgramIcons.h"
#include "views/ParameterListCtrl.h"
#include "views/PreviewButtonGeometry.h"
#include "views/PreviewConfirmation.h"
#include "views/SetGridDlg.h"

#include <QApplication>
#include <QEvent>

#include <algorithm>

CParamView::CParamView(int formId, QSize formUnits, QWidget* parent) : GP::CFormViewEx(formId, formUnits, parent) {}

CParamView::~CParamView() {
    // The list may be one of this view's children and outlive this part of
    // the view: it must not call back into it.
    SetListCtrl(nullptr);
    DestroyButtons();
}

void CParamView::SetListCtrl(CParameterListCtrl* list) {
    if (list_ == list)
        return;
    if (list_) {
        list_->removeEventFilter(this);
        disconnect(list_, nullptr, this, nullptr);
    }
    list_ = list;
    if (list_) {
        list_->installEventFilter(this);
        list_->SetPreviewConfirmation(confirmation_);
        connect(list_, &CParameterListCtrl::scrolledOrNavigated, this, &CParamView::RebuildPreviewButtons);
        connect(list_, &CParameterListCtrl::rowHeightChanged, this, &CParamView::RebuildPreviewButtons);
        connect(list_, &CParameterListCtrl::previewRequested, this, &CParamView::Preview);
        connect(list_, &CParameterListCtrl::previewedChanged, this, &CParamView::RebuildPreviewButtons);
        connect(list_, &QObject::destroyed, this, [this] {
            list_ = nullptr;
            DestroyButtons();
        });
        ApplyGridLines();
    }
    RebuildPreviewButtons();
}

void CParamView::SetPreviewConfirmation(IPreviewConfirmation* confirmation) {
    confirmation_ = confirmation;
    if (list_)
        list_->SetPreviewConfirmation(confirmation);
}

bool CParamView::PlaceButton(int row, QRect& rect) const {
    if (!list_ || row < 0 || row >= list_->GetItemCount())
        return false;
    const QPoint listOrigin = list_->mapTo(this, QPoint(0, 0));
    const QPoint rowsOrigin = list_->viewport()->mapTo(this, QPoint(0, 0));
    const QRect bounds(0, rowsOrigin.y() + list_->rowViewportPosition(row), 1, list_->rowHeight(row));
    rect = PreviewButtonRect(listOrigin.x(), bounds);
    return true;
}

QPushButton* CParamView::GetButton(int k) const {
    if (k < 0 || k >= GetButtonCount())
        return nullptr;
    return buttons_[static_cast<std::size_t>(k)].get();
}

std::unique_ptr<QPushButton> CParamView::CreateButton(int k) {
    auto button = std::make_unique<QPushButton>(this);
    button->setAutoDefault(false);
    // Tab reaches the buttons and Space presses one; a click leaves the
    // focus in the list. The button of the row heard last stays pressed.
    button->setFocusPolicy(Qt::TabFocus);
    button->setCheckable(true);
    button->setIcon(OwnIcon(QStringLiteral("patch-preview")));
    button->setToolTip(tr("Preview"));
    button->setStatusTip(tr("Send this patch to the ZM-47's temporary patch to hear it, without storing it"));
    const int id = kFirstButtonId + k;
    connect(button.get(), &QPushButton::clicked, this, [this, id] { OnPreviewButton(id); });
    return button;
}

void CParamView::RebuildPreviewButtons() {
    int count = 0;
    if (list_) {
        const int top = list_->GetTopIndex();
        count = list_->GetItemCount() - top - (list_->HasEndRow() ? 1 : 0);
        // The page's whole rows and the part of a row below them, which
        // the user sees and may click too.
        const int rowHeight = std::max(1, list_->GetRowHeight());
        const int visibleRows = (list_->viewport()->height() + rowHeight - 1) / rowHeight;
        count = std::min({count, std::max(visibleRows, list_->GetCountPerPage()), kMaxButtons});
    }
    count = std::max(count, 0);
    while (GetButtonCount() > count)
        buttons_.pop_back();
    while (GetButtonCount() < count)
        buttons_.push_back(CreateButton(GetButtonCount()));
    const int top = list_ ? list_->GetTopIndex() : 0;
    const QRect rows =
        list_ ? QRect(list_->viewport()->mapTo(this, QPoint(0, 0)), list_->viewport()->size()) : QRect();
    for (int k = 0; k < count; ++k) {
        QRect rect;
        QPushButton& button = *buttons_[static_cast<std::size_t>(k)];
        const int index = list_ ? list_->GetObjectIndex(top + k) : -1;
        button.setChecked(index >= 0 && index == list_->GetPreviewedIndex());
        bool shown = PlaceButton(top + k, rect);
        if (shown) {
            // A row cut by the list's bottom edge gets a button cut alike,
            // and none where too little of it shows to be clicked.
            const int cut = std::max(0, rect.bottom() - rows.bottom());
            const int side = std::max(6, std::min(rect.width(), rect.height()) - 4);
            rect.setBottom(rect.bottom() - cut);
            shown = rect.height() >= 6;
            button.setGeometry(rect);
            // The play symbol fills the button, less its frame.
            button.setIconSize(QSize(side, std::min(side, std::max(1, rect.height() - 4))));
        }
        button.setVisible(shown);
    }
}

void CParamView::DestroyButtons() { buttons_.clear(); }

void CParamView::OnPreviewButton(int id) {
    const int k = id - kFirstButtonId;
    if (k < 0 || k >= kMaxButtons)
        return;
    // A button pressed from the keyboard keeps the focus; after a click the
    // keys (F2, Ctrl+Space, the arrows) go on working in the list, also once
    // the question has closed and handed the focus back to the frame.
    const QPushButton* pressed = GetButton(k);
    const bool fromKeyboard = pressed && pressed->hasFocus();
    if (list_) {
        const int row = list_->GetTopIndex() + k;
        const int index = list_->GetObjectIndex(row);
        // A row without a patch (below the last row, or "End of Line") has
        // nothing to send, so the user is not asked either.
        if (index >= 0 && confirmation_ && confirmation_->ConfirmPreview(index))
            Preview(index);
        if (!fromKeyboard)
            list_->setFocus(Qt::OtherFocusReason);
    }
    if (QPushButton* button = GetButton(k))
        button->setDefault(false);
    // A click toggled the button; only the previewed row's stays pressed.
    RebuildPreviewButtons();
}

bool CParamView::RunGridDialog(int& value) {
    CSetGridDlg dialog(this);
    dialog.SetValue(value);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    value = dialog.GetValue();
    return true;
}

void CParamView::OnSetUpGrid() {
    int value = grid_ ? grid_->GetGridSwitch() : 0;
    if (RunGridDialog(value))
        ApplyGridSetting(value);
}

void CParamView::ApplyGridSetting(int value) {
    if (grid_)
        grid_->SetGridSwitch(value);
    for (QWidget* widget : QApplication::allWidgets())
        if (auto* view = qobject_cast<CParamView*>(widget))
            view->ApplyGridLines();
}

void CParamView::ApplyGridLines() {
    if (list_)
        list_->SetGridLines(grid_ && grid_->GetGridSwitch() != 0);
}

bool CParamView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        RebuildPreviewButtons();
    return GP::CFormViewEx::eventFilter(watched, event);
}
