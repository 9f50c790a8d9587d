#include "toolkit/qt/TimerTextOutWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QScreen>

namespace UL {

CTimerTextOutWindow::CWindowX::CWindowX(QWidget* owner) : QLabel(owner, Qt::Tool | Qt::WindowTitleHint) {
    setWindowTitle(QString());
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
}

CTimerTextOutWindow::CTimerTextOutWindow(std::unique_ptr<IOneShotTimer> timer) : timer_(std::move(timer)) {}

CTimerTextOutWindow::~CTimerTextOutWindow() {
    if (timer_)
        timer_->Stop();
    delete window_.data();
}

bool CTimerTextOutWindow::IsShown() const { return window_ != nullptr && !window_->isHidden(); }

void CTimerTextOutWindow::Output(std::string_view text) {
    if (!window_) {
        if (owner_ == nullptr)
            owner_ = QApplication::activeWindow();
        window_ = new CWindowX(owner_);
    }
    // A report ends in a line feed; the pop-up shows only its lines.
    QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    while (shown.endsWith(QLatin1Char('\n')) || shown.endsWith(QLatin1Char('\r')))
        shown.chop(1);
    window_->setText(shown);
    timer_->Stop();
    timer_->Start(GetDisplayTime(), [this] { Hide(); });
    Place();
    window_->show();
    window_->raise();
}

void CTimerTextOutWindow::Place() {
    const QMargins& margins = GetMargins();
    window_->setContentsMargins(margins);
    const QFontMetrics metrics(window_->font());
    const QSize text = metrics.boundingRect(QRect(), Qt::AlignLeft | Qt::AlignTop, window_->text()).size();
    const QSize size(text.width() + 1 + margins.left() + margins.right(),
                     text.height() + margins.top() + margins.bottom());
    window_->resize(size);
    QRect over;
    if (owner_ != nullptr && owner_->isVisible())
        over = owner_->window()->frameGeometry();
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        over = screen->availableGeometry();
    if (over.isValid())
        window_->move(over.center() - QPoint(size.width() / 2, size.height() / 2));
}

void CTimerTextOutWindow::Hide() {
    timer_->Stop();
    if (!window_)
        return;
    window_->hide();
    // The owner shows again at once what the pop-up covered.
    if (owner_ != nullptr)
        owner_->window()->repaint();
}

CTimerTextOutWindow& GetTimerTextOutWindow() {
    static std::unique_ptr<CTimerTextOutWindow> window;
    if (!window) {
        window = std::make_unique<CTimerTextOutWindow>();
        qAddPostRoutine([] { window.reset(); });
    }
    return *window;
}

} // namespace UL
