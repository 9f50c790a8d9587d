#include "toolkit/qt/ProgressBar.h"

#include "toolkit/profile/VersionInfo.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cstdint>
#include <memory>

namespace UL {

int ProgressControlRange(int maximum) { return std::clamp(maximum, 0, CProgressBar::kMaxControlRange); }

int ProgressControlPosition(int range, int position, int maximum) {
    if (maximum <= 0 || range <= 0)
        return 0;
    const std::int64_t clamped = std::clamp(position, 0, maximum);
    return static_cast<int>((2 * static_cast<std::int64_t>(range) * clamped + maximum) / (2 * std::int64_t{maximum}));
}

CProgressBar::CProgressBar() : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(QString::fromStdString(GetVersionString("FileDescription")));
    setModal(false);
    cancel_.setText(tr("Cancel"));
    cancel_.setVisible(false);
    bar_.setTextVisible(false);
    text_.setMinimumWidth(320);
    detail_.setWordWrap(true);
    detail_.setVisible(false);
    layout_.addWidget(&text_);
    layout_.addWidget(&detail_);
    layout_.addWidget(&bar_);
    layout_.addWidget(&cancel_, 0, Qt::AlignHCenter);
    setLayout(&layout_);
    connect(&cancel_, &QPushButton::clicked, this, &CProgressBar::OnCancel);
}

CProgressBar::~CProgressBar() {
    if (owner_ != nullptr)
        owner_->setEnabled(true);
}

bool CProgressBar::Begin() {
    position_ = 0;
    cancelled_ = false;
    if (!IsShown())
        return Show();
    UpdateBar();
    return true;
}

void CProgressBar::End() {
    hide();
    if (owner_ != nullptr) {
        owner_->setEnabled(true);
        owner_->activateWindow();
    }
    owner_ = nullptr;
}

void CProgressBar::SetRange(int maximum) {
    maximum_ = maximum;
    if (IsShown())
        UpdateBar();
}

bool CProgressBar::SetPos(int position) {
    position_ = position;
    if (!IsShown()) {
        if (!Show())
            return false;
    } else {
        UpdateBar();
    }
    Pump();
    return true;
}

void CProgressBar::SetTitle(std::string_view text) {
    setWindowTitle(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

bool CProgressBar::SetText(std::string_view text) {
    const QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (text_.text() != shown)
        text_.setText(shown);
    if (!IsShown() && !Show())
        return false;
    Pump();
    return true;
}

void CProgressBar::SetDetail(const QString& detail) {
    if (detail_.text() == detail)
        return;
    detail_.setText(detail);
    detail_.setVisible(!detail.isEmpty());
    if (IsShown())
        adjustSize();
}

void CProgressBar::SetCancellable(bool cancellable) {
    cancellable_ = cancellable;
    cancel_.setVisible(cancellable);
}

bool CProgressBar::IsCancelled() {
    Pump();
    return cancelled_;
}

void CProgressBar::OnCancel() {
    if (cancellable_)
        cancelled_ = true;
}

void CProgressBar::reject() { OnCancel(); }

void CProgressBar::closeEvent(QCloseEvent* event) {
    event->ignore();
    OnCancel();
}

QWidget* CProgressBar::FindOwner(const QWidget* self) {
    if (QWidget* active = QApplication::activeWindow(); active != nullptr && active != self)
        return active->window();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = widget->windowType();
        if (widget != self && widget->isVisible() && type != Qt::Popup && type != Qt::ToolTip && type != Qt::Tool &&
            type != Qt::SplashScreen)
            return widget;
    }
    return nullptr;
}

bool CProgressBar::Show() {
    QWidget* owner = FindOwner(this);
    if (owner != nullptr && owner->isEnabled()) {
        owner->setEnabled(false);
        owner_ = owner;
    }
    // The owner is the window system's transient parent, not the Qt parent:
    // disabling the owner must not disable the dialog, and the owner going
    // away must not take the dialog with it.
    if (owner != nullptr && owner->windowHandle() != nullptr) {
        winId();
        if (QWindow* handle = windowHandle())
            handle->setTransientParent(owner->windowHandle());
    }
    controlRange_ = -1;
    controlPosition_ = -1;
    UpdateBar();
    cancel_.setVisible(cancellable_);
    adjustSize();
    QRect over;
    if (owner != nullptr)
        over = owner->frameGeometry();
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        over = screen->availableGeometry();
    if (over.isValid())
        move(over.center() - QPoint(width() / 2, height() / 2));
    show();
    raise();
    repaint();
    return true;
}

void CProgressBar::UpdateBar() {
    const int range = ProgressControlRange(maximum_);
    if (range != controlRange_) {
        bar_.setRange(0, range);
        controlRange_ = range;
        controlPosition_ = -1;
    }
    const int position = ProgressControlPosition(range, position_, maximum_);
    if (position != controlPosition_) {
        bar_.setValue(position);
        controlPosition_ = position;
    }
}

void CProgressBar::Pump() {
    ++pumping_;
    ProcessPendingMessages();
    --pumping_;
}

void CProgressBar::ProcessPendingMessages() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

CProgressBarB& GetProgressBarB() {
    static std::unique_ptr<CProgressBarB> dialog;
    if (!dialog) {
        dialog = std::make_unique<CProgressBarB>();
        qAddPostRoutine([] { dialog.reset(); });
    }
    return *dialog;
}

} // namespace UL
