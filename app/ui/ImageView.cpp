#include "app/ui/ImageView.h"

#include "app/core/LibrarianState.h"
#include "app/docs/ImageDoc.h"
#include "app/docs/UpdateHints.h"
#include "app/ui/CommandIds.h"
#include "app/ui/CommandTexts.h"
#include "app/ui/ListFontQt.h"
#include "app/ui/ViewLayout.h"

#include <algorithm>
#include "data/ParameterAddress.h"
#include "data/UnitProvenance.h"
#include "views/ProvenanceText.h"

#include <QResizeEvent>

namespace {

// The selector's items, made once: (n, area name) for the seven areas.
const std::vector<CComboBoxA::Item>& AreaItems() {
    static const std::vector<CComboBoxA::Item> items = [] {
        const CParameterAddress map;
        std::vector<CComboBoxA::Item> result;
        for (int n = 1; n <= kAreaCount; ++n)
            result.emplace_back(n, QString::fromStdString(map.AreaName(n)));
        return result;
    }();
    return items;
}

} // namespace

CImageView::CImageView(CImageDoc& document, CLibrarianState& state, QWidget* parent)
    : CWindowView(kFormId, QSize(315, 77), parent), document_(document), state_(state) {
    SetGridSetting(&state_);
    for (int n = 1; n <= kAreaCount; ++n) {
        auto list = std::make_unique<CPatchListCtrl>(n, false, this);
        list->setVisible(false);
        list->SetDocument(&document_.GetDocumentData());
        list->SetDropTarget(this);
        list->SetPatchClipboard(&state_);
        lists_[static_cast<std::size_t>(n - 1)] = std::move(list);
    }
    BuildControls();
    document_.AddView(this);
    // A document deleted under the view (at shutdown) is only forgotten.
    connect(&document_, &QObject::destroyed, this, [this] {
        documentGone_ = true;
        for (auto& list : lists_) {
            list->SetDocument(nullptr);
            list->SetPatchArray(nullptr);
        }
    });
}

CImageView::~CImageView() {
    if (!documentGone_)
        document_.RemoveView(this);
    SetListCtrl(nullptr);
}

void CImageView::BuildControls() {
    areaSelector_.setParent(this);
    selectorLabel_.setParent(this);
    previewLabel_.setParent(this);
    notice_.setParent(this);
    notice_.setVisible(false);
    notice_.setTextFormat(Qt::PlainText);
    readGroup_.setParent(this);
    writeGroup_.setParent(this);
    selectorLabel_.setText(tr("Memory / Sound Library"));
    previewLabel_.setText(tr("Preview"));
    readGroup_.setTitle(tr("ZM-47 Read"));
    writeGroup_.setTitle(tr("ZM-47 Write"));
    readAll_.setParent(&readGroup_);
    readSelected_.setParent(&readGroup_);
    writeAll_.setParent(&writeGroup_);
    writeSelected_.setParent(&writeGroup_);
    readAll_.setText(tr("All"));
    readSelected_.setText(tr("Selected"));
    writeAll_.setText(tr("All"));
    writeSelected_.setText(tr("Selected"));
    const std::pair<QPushButton*, int> buttons[] = {{&readAll_, kCmdReadAll},
                                                    {&readSelected_, kCmdReadSelected},
                                                    {&writeAll_, kCmdWriteAll},
                                                    {&writeSelected_, kCmdWriteSelected}};
    for (const auto& [button, command] : buttons) {
        button->setAutoDefault(false);
        button->setStatusTip(CommandPrompt(command));
        button->setToolTip(CommandTip(command));
        connect(button, &QPushButton::clicked, this, [this, command] {
            if (HandlesCommand(command) && IsCommandEnabled(command))
                OnCommand(command);
        });
    }
    areaSelector_.setStatusTip(tr("Choose the area of the ZM-47 the main window shows"));
    areaSelector_.setToolTip(tr("Memory / Sound Library"));
    areaSelector_.SelectionEvent().SetHandler(GT::MakeEventHandler(*this, &CImageView::OnAreaSelectorChange));
}

CPatchListCtrl* CImageView::GetPatchList(int areaNumber) const {
    if (areaNumber < 1 || areaNumber > kAreaCount)
        return nullptr;
    return lists_[static_cast<std::size_t>(areaNumber - 1)].get();
}

CPatchListCtrl* CImageView::GetShownList() const { return GetPatchList(state_.GetArea()); }

QPushButton* CImageView::GetCommandButton(int buttonId) {
    switch (buttonId) {
    case kButtonReadAll:
        return &readAll_;
    case kButtonReadSelected:
        return &readSelected_;
    case kButtonWriteAll:
        return &writeAll_;
    case kButtonWriteSelected:
        return &writeSelected_;
    default:
        return nullptr;
    }
}

void CImageView::OnInitialUpdate() {
    readSelected_.setEnabled(false);
    writeSelected_.setEnabled(false);
    for (int n = 1; n <= kAreaCount; ++n)
        GetPatchList(n)->SetPatchArray(&document_.GetDocumentData().GetArray(n));
    areaSelector_.SetItems(AreaItems());
    areaSelector_.SelectValue(state_.GetArea());
    ArrangeControls(); // the selector's width follows its items
    OnUpdate(kHintContents);
}

void CImageView::OnUpdate(int hint) {
    setUpdatesEnabled(false);
    const int area = state_.GetArea();
    areaSelector_.SelectValue(area);
    RebuildList(hint);
    if (area >= 1 && area <= kAreaCount)
        RebuildPreviewButtons();
    UpdateNotice();
    setUpdatesEnabled(true);
    update();
}

void CImageView::RebuildList(int hint) {
    if (hint == kHintFont) {
        if (CPatchListCtrl* old = static_cast<CPatchListCtrl*>(GetListCtrl()))
            old->SaveColumnWidths();
    }
    if (CParameterListCtrl* old = GetListCtrl()) {
        old->setVisible(false);
        old->SetItemCount(0);
    }
    SetListCtrl(nullptr);
    CPatchListCtrl* list = GetShownList();
    if (!list)
        return;
    // Each area has its own list widget, so the font goes to whichever is
    // shown, whatever the hint.
    ApplyListFont(*list, state_.GetListFont());
    ArrangeList(*list);
    list->setVisible(true);
    SetListCtrl(list);
    list->FillColumns();
    list->Refresh(false, 0);
}

void CImageView::OnAreaSelectorChange(const boost::any& sender) {
    const auto* const* selector = boost::any_cast<CComboBoxA*>(&sender);
    if (!selector || *selector != &areaSelector_)
        return;
    setUpdatesEnabled(false);
    if (CParameterListCtrl* shown = GetListCtrl())
        shown->SaveColumnWidths();
    const int area = areaSelector_.GetSelectedValue();
    if (area != state_.GetArea() && area >= 1 && area <= kAreaCount) {
        state_.SetArea(area);
        // Patches copied in one area cannot be pasted into another.
        state_.ClearClipboard();
        SwitchWindowsToArea();
    }
    setUpdatesEnabled(true);
    update();
}

void CImageView::SwitchWindowsToArea() {
    if (!manager_) {
        document_.UpdateAllViews(nullptr, kHintArea);
        return;
    }
    for (int templateId : {CDocMan::kImageTemplateId, CDocMan::kFileTemplateId}) {
        CDocTemplateBase* docTemplate = manager_->GetTemplate(templateId);
        if (!docTemplate)
            continue;
        for (IDocManDocument* document : docTemplate->GetDocuments())
            if (auto* mdiDocument = dynamic_cast<CMDIDocument*>(document))
                mdiDocument->UpdateAllViews(nullptr, kHintArea);
    }
}

void CImageView::ArrangeControls() {
    const CViewLayout layout(*this);
    // Labels may need more room than their template gives them in the
    // desktop's font (and in Japanese): never cut them, grow to their text.
    const auto placeLabel = [](QLabel& label, QRect rect) {
        rect.setWidth(std::max(rect.width(), label.sizeHint().width()));
        label.setGeometry(rect);
    };
    placeLabel(selectorLabel_, layout.Rect(6, 5, 100, 8));
    // The selector shows its longest area name whole, in any language and
    // font, and is as wide as its label; the groups to its right move over
    // by what the two grow.
    QRect selector = layout.Rect(6, 17, 100, 12);
    const int grown = std::max({0, areaSelector_.WidthForLongestItem() - selector.width(),
                                selectorLabel_.sizeHint().width() + layout.X(3) - selector.width()});
    selector.setWidth(selector.width() + grown);
    areaSelector_.setGeometry(selector);
    placeLabel(previewLabel_, layout.Rect(6, 37, 26, 8));
    readGroup_.setGeometry(layout.Rect(109, 5, 95, 35).translated(grown, 0));
    writeGroup_.setGeometry(layout.Rect(207, 5, 95, 35).translated(grown, 0));
    // Buttons are placed inside their group box.
    readAll_.setGeometry(layout.Rect(114 - 109, 17 - 5, 40, 15));
    readSelected_.setGeometry(layout.Rect(160 - 109, 17 - 5, 40, 15));
    writeAll_.setGeometry(layout.Rect(212 - 207, 17 - 5, 40, 15));
    writeSelected_.setGeometry(layout.Rect(257 - 207, 17 - 5, 40, 15));
    if (CPatchListCtrl* list = GetShownList())
        ArrangeList(*list);
    RebuildPreviewButtons();
}

void CImageView::ArrangeList(CPatchListCtrl& list) {
    const CViewLayout layout(*this);
    // The line above the list, when shown, takes the list's first row of
    // space.
    QRect rect = layout.Stretched(25, 45, 315 - 306, 77 - 70);
    if (!notice_.isHidden()) {
        const int line = notice_.sizeHint().height() + layout.Y(2);
        notice_.setGeometry(rect.left(), rect.top(), rect.width(), line);
        rect.setTop(rect.top() + line);
    }
    list.setGeometry(rect);
}

void CImageView::UpdateNotice() {
    const int area = state_.GetArea();
    const CUnitProvenance* provenance = documentGone_ ? nullptr : document_.GetDocumentData().GetProvenance();
    QString text;
    if (provenance && area >= 1 && area <= kAreaCount) {
        const AreaSummary summary = provenance->Summarize(area, document_.GetDocumentData().GetArray(area));
        text = AreaNoticeText(summary);
        // Rows of other kinds are told apart by their marks; the line takes
        // the colour of what it says.
        QPalette palette = notice_.palette();
        palette.setColor(QPalette::WindowText, summary.notice == AreaNotice::kChangedOnUnit ? ChangedOnUnitColor()
                                               : summary.notice == AreaNotice::kChangedByUser
                                                   ? ChangedHereColor().darker(130)
                                                   : this->palette().color(QPalette::WindowText));
        notice_.setPalette(palette);
    }
    const bool show = !text.isEmpty();
    if (text == notice_.text() && show == !notice_.isHidden())
        return;
    notice_.setText(text);
    if (show != !notice_.isHidden()) {
        notice_.setVisible(show);
        if (CPatchListCtrl* list = GetShownList())
            ArrangeList(*list);
        RebuildPreviewButtons();
    }
    if (CPatchListCtrl* list = GetShownList())
        list->viewport()->update();
}

void CImageView::OnIdleUpdate() {
    const CParameterListCtrl* list = GetListCtrl();
    const bool selected = list && list->GetSelectedCount() > 0;
    readSelected_.setEnabled(selected);
    writeSelected_.setEnabled(selected);
    UpdateNotice();
    CWindowView::OnIdleUpdate();
}
