// The editing half of the edit list control: the pop-up editors a cell
// opens, what they change, and Replace String.
#include "toolkit/qt/EditListCtrl.h"

#include "toolkit/profile/Profile.h"
#include "toolkit/qt/EditListDelegate.h"
#include "toolkit/qt/EditListModel.h"
#include "toolkit/qt/MouseHook.h"
#include "toolkit/qt/PopupComboBox.h"
#include "toolkit/qt/PopupEdit.h"
#include "toolkit/qt/PopupSpinEdit.h"
#include "toolkit/qt/ReplaceStringDlg.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

namespace GP {

IPopup* CEditListCtrl::GetPopup(int row) const {
    const auto it = popups_.find(row);
    return it == popups_.end() ? nullptr : it->second.get();
}

IPopup* CEditListCtrl::PopupById(int id) const { return GetPopup(id - kPopupIdBase); }

bool CEditListCtrl::BeginEdit(int row, int column) {
    const SELVColumn* descriptor = GetColumn(column);
    if (IsEditing() || !descriptor || !descriptor->IsEditable() || descriptor->Editor() == 0)
        return false;
    const std::vector<int> selected = GetSelectedRows();
    if (selected.empty())
        return false;

    const int top = GetTopIndex();
    const int last = std::min(top + GetCountPerPage(), GetItemCount()) - 1;
    for (int r : selected)
        emit beginLabelEdit(r, column);
    for (int r : selected) {
        if (r < top || r > last)
            continue;
        std::unique_ptr<IPopup> popup = CreatePopup(r, column);
        if (!popup)
            continue;
        ConnectPopup(*popup, r + kPopupIdBase);
        popups_[r] = std::move(popup);
    }
    if (popups_.empty()) {
        // Every selected row is out of view: nothing to type into.
        for (int r : selected)
            emit endLabelEdit(r, column, false, QString());
        return false;
    }
    activePopup_ = GetPopup(row) ? GetPopup(row) : popups_.begin()->second.get();
    session_.Begin(column, *descriptor, activePopup_->GetText());
    for (auto& entry : popups_)
        entry.second->GetWnd()->show();
    activePopup_->GetWnd()->setFocus();
    CMouseHook::Install(*this);
    return true;
}

std::unique_ptr<IPopup> CEditListCtrl::CreatePopup(int row, int column) {
    const SELVColumn& descriptor = *GetColumn(column);
    QRect rect;
    if (!GetCellRect(row, column, rect))
        return nullptr;
    std::unique_ptr<IPopup> popup;
    switch (descriptor.Editor()) {
    case SELVColumn::kEditorText: {
        auto edit = std::make_unique<CPopupEdit>(rect, descriptor.Alignment(), row, viewport());
        edit->setFont(font());
        edit->SetLimits(descriptor.maxLength, descriptor.IsAsciiText());
        edit->SetText(GetCellText(row, column));
        popup = std::move(edit);
        break;
    }
    case SELVColumn::kEditorDropDown: {
        auto combo = std::make_unique<CPopupComboBox>(rect, descriptor.items, row, viewport());
        combo->setFont(font());
        combo->SetText(GetCellText(row, column));
        popup = std::move(combo);
        break;
    }
    case SELVColumn::kEditorSpin: {
        double value = 0.0;
        if (!GetCellValue(row, column, &value))
            value = descriptor.min;
        auto spin = std::make_unique<CPopupSpinEdit>(rect, descriptor, value, row, viewport());
        spin->setFont(font());
        popup = std::move(spin);
        break;
    }
    default:
        return nullptr;
    }
    popup->SetModified(false);
    return popup;
}

void CEditListCtrl::ConnectPopup(IPopup& popup, int id) {
    // Tab never moves the focus into another row's pop-up, whose typing the
    // edit would not take: pop-ups take the focus by a click only, and Tab
    // inside one is held back (eventFilter).
    popup.GetWnd()->setFocusPolicy(Qt::ClickFocus);
    popup.GetWnd()->installEventFilter(this);
    if (auto* edit = dynamic_cast<CPopupEdit*>(&popup)) {
        connect(edit, &CPopupEdit::popupChanged, this, [this, id] { OnPopupEditChange(id); });
        connect(edit, &CPopupEdit::popupReturn, this, [this, id](int code) { OnPopupReturn(id, code); });
    } else if (auto* combo = dynamic_cast<CPopupComboBox*>(&popup)) {
        connect(combo, &CPopupComboBox::popupSelEndOk, this, [this, id] { OnPopupSelEndOk(id); });
        connect(combo, &CPopupComboBox::popupReturn, this, [this, id](int code) { OnPopupReturn(id, code); });
    } else if (auto* spin = dynamic_cast<CPopupSpinEdit*>(&popup)) {
        connect(spin, &CPopupSpinEdit::popupChanged, this, [this, id] { OnPopupEditChange(id); });
        connect(spin, &CPopupSpinEdit::popupReturn, this, [this, id](int code) { OnPopupReturn(id, code); });
        connect(spin, &CSpinEdit::spinBegin, this, [this, id] { OnSpinBegin(id); });
        connect(spin, &CSpinEdit::spinEnd, this, [this, id] { OnSpinEnd(id); });
        spin->SetStepFilter([this, id](double delta) { return OnSpinStep(id, delta); });
    }
}

void CEditListCtrl::OnSpinBegin(int) { session_.SetSpinning(true); }

void CEditListCtrl::OnSpinEnd(int) { session_.SetSpinning(false); }

void CEditListCtrl::CopyActiveText(IPopup& active, const QString& text) {
    for (auto& entry : popups_)
        if (entry.second.get() != &active)
            entry.second->SetText(text);
}

void CEditListCtrl::OnPopupEditChange(int id) {
    IPopup* popup = PopupById(id);
    if (session_.IsSpinning() || !popup || popup != activePopup_)
        return;
    const QString text = popup->GetText();
    CopyActiveText(*popup, text);
    const SELVColumn* descriptor = GetColumn(session_.Column());
    if (!descriptor || !descriptor->IsNumeric()) {
        session_.TakeText(text);
        return;
    }
    // An unreadable number is kept as NaN, which no row accepts.
    double number = std::nan("");
    if (auto* spin = dynamic_cast<CPopupSpinEdit*>(popup);
        spin && spin->Parse(text, &number) && descriptor->IsInteger())
        number = std::round(number);
    session_.TakeNumber(text, number);
}

void CEditListCtrl::OnPopupSelEndOk(int id) {
    IPopup* popup = PopupById(id);
    if (!popup || popup != activePopup_)
        return;
    const QString text = popup->GetText();
    CopyActiveText(*popup, text);
    session_.TakeText(text);
}

bool CEditListCtrl::OnSpinStep(int id, double delta) {
    IPopup* popup = PopupById(id);
    if (!popup)
        return false;
    activePopup_ = popup;
    // Every selected row must take the step, or none does.
    if (!session_.Step(GetSelectedRows(), delta))
        return false;
    for (auto& [row, other] : popups_) {
        auto* spin = dynamic_cast<CPopupSpinEdit*>(other.get());
        double shown = 0.0;
        if (other.get() != popup && spin && session_.ShownNumber(row, &shown))
            spin->SetValue(shown);
    }
    return true;
}

void CEditListCtrl::OnPopupReturn(int id, int code) {
    if (!PopupById(id))
        return;
    activePopup_ = PopupById(id);
    EndEdit(code == IPopup::kReturnEnter && activePopup_->IsModified());
}

void CEditListCtrl::StoreValues(int column, const CEditSession::RowValues& values) {
    for (const auto& [row, value] : values)
        SetCellValue(row, column, value);
    if (!values.empty())
        RedrawItems(values.front().first, values.back().first);
}

bool CEditListCtrl::EndEdit(bool commit) {
    if (!IsEditing())
        return false;
    CEditSession::RowValues values;
    if (commit && !session_.NewValues(GetSelectedRows(), kValidateCommit, values)) {
        // The editors stay open for a correction.
        if (activePopup_)
            activePopup_->GetWnd()->setFocus();
        return false;
    }
    // The editors close before the values are stored: a store may sort the
    // rows, and the sort must not end this edit a second time.
    const int column = session_.Column();
    CMouseHook::Remove(*this);
    DestroyPopups();
    activePopup_ = nullptr;
    session_.SetSpinning(false);
    if (commit)
        StoreValues(column, values);
    setFocus();
    session_.End();
    for (int row : GetSelectedRows())
        emit endLabelEdit(row, column, commit, commit ? GetCellText(row, column) : QString());
    viewport()->update();
    return true;
}

void CEditListCtrl::DestroyPopups() {
    // A pop-up may be the sender of the Enter that ends the edit, so the
    // widgets go once control is back in the event loop.
    for (auto& entry : popups_) {
        QWidget* widget = entry.second->GetWnd();
        widget->disconnect(this);
        if (auto* spin = dynamic_cast<CPopupSpinEdit*>(entry.second.get())) {
            spin->SetStepFilter(nullptr);
            spin->EndSpin();
        }
        widget->hide();
        widget->deleteLater();
        entry.second.release(); // owned by deleteLater now
    }
    popups_.clear();
}

bool CEditListCtrl::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (IsEditing() && (type == QEvent::KeyPress || type == QEvent::FocusIn)) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (IPopup* popup = widget ? PopupOf(widget) : nullptr) {
            if (type == QEvent::FocusIn) {
                // The pop-up with the focus is the one typed into, however it
                // got there: its text is what the edit takes.
                activePopup_ = popup;
            } else {
                const int key = static_cast<QKeyEvent*>(event)->key();
                if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
                    return true;
            }
        }
    }
    return QTableView::eventFilter(watched, event);
}

IPopup* CEditListCtrl::PopupOf(QWidget* target) const {
    for (const auto& entry : popups_) {
        QWidget* widget = entry.second->GetWnd();
        if (widget == target || widget->isAncestorOf(target))
            return entry.second.get();
        if (auto* combo = dynamic_cast<CPopupComboBox*>(entry.second.get())) {
            QWidget* list = combo->view()->window();
            if (list == target || list->isAncestorOf(target))
                return entry.second.get();
        }
    }
    return nullptr;
}

bool CEditListCtrl::OnHookedPress(QWidget* target, Qt::MouseButton button) {
    if (session_.IsValidating() || !IsEditing())
        return false;
    for (const auto& entry : popups_)
        if (auto* spin = dynamic_cast<CPopupSpinEdit*>(entry.second.get())) {
            QWidget* slider = &spin->GetSlider();
            if (slider == target || slider->isAncestorOf(target))
                return false;
        }
    if (IPopup* popup = PopupOf(target)) {
        activePopup_ = popup;
        return false;
    }
    if (button == Qt::LeftButton) {
        const bool commit = activePopup_ && activePopup_->IsModified();
        return !EndEdit(commit); // a refused value keeps the editors and eats the press
    }
    EndEdit(false);
    return false;
}

bool CEditListCtrl::CanReplaceString() const {
    const SELVColumn* current = GetColumn(GetCurrentColumn());
    return !IsEditing() && current && current->IsEditable() && current->Editor() == SELVColumn::kEditorText &&
           GetSelectedCount() > 0;
}

void CEditListCtrl::ReplaceString(int column) {
    const SELVColumn* descriptor = GetColumn(column);
    if (!descriptor || !descriptor->IsEditable() || IsEditing())
        return;
    QString search = CReplaceStringDlg::LastSearch();
    QString replacement = CReplaceStringDlg::LastReplacement();
    if (!RunReplaceDialog(search, replacement) || search.isEmpty())
        return;
    CReplaceStringDlg::LastSearch() = search;
    CReplaceStringDlg::LastReplacement() = replacement;

    CEditSession::RowValues values;
    for (int row : GetSelectedRows())
        values.emplace_back(row, ReplaceAll(GetCellText(row, column), search, replacement));
    if (session_.AllAccepted(column, values, kValidateReplace))
        StoreValues(column, values);
}

bool CEditListCtrl::RunReplaceDialog(QString& search, QString& replacement) {
    CReplaceStringDlg dialog(search, replacement, this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    search = dialog.GetSearch();
    replacement = dialog.GetReplacement();
    return true;
}

QString CEditListCtrl::ReplaceAll(const QString& text, const QString& search, const QString& replacement) {
    if (search.isEmpty())
        return text;
    QString result;
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(search, from); at >= 0; at = text.indexOf(search, from)) {
        result += QStringView(text).mid(from, at - from);
        result += replacement;
        from = at + search.size();
    }
    result += QStringView(text).mid(from);
    return result;
}

QString CEditListCtrl::ElideCellText(const QFontMetrics& metrics, const QString& text, int width, bool* elided) {
    const int blanks = 2 * metrics.horizontalAdvance(QLatin1Char(' '));
    if (elided)
        *elided = false;
    if (metrics.horizontalAdvance(text) + blanks <= width)
        return text;
    const QString dots = QStringLiteral("...");
    const int room = width - blanks - metrics.horizontalAdvance(dots);
    QString cut = text;
    while (!cut.isEmpty() && metrics.horizontalAdvance(cut) > room)
        cut.chop(1);
    if (elided)
        *elided = true;
    return cut + dots;
}

} // namespace GP
