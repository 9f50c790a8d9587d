#include "toolkit/qt/TextOutWindow.h"

#include "toolkit/qt/ResizeDlgRect.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include <memory>

namespace UL {
namespace {

constexpr const char* kPositionPath = "TextOutWindow/Position";
const QSize kDefaultSize(640, 400);

} // namespace

CTextOutWindow::CTextOutWindow(GT::IProfile& profile, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint),
      profile_(profile) {
    setWindowTitle(tr("Diagnostic Messages"));
    layout_.setContentsMargins(0, 0, 0, 0);
    layout_.addWidget(&control_);
    setLayout(&layout_);
    setFocusProxy(&control_);
    resize(kDefaultSize);
    RestoreRect();
}

CTextOutWindow::~CTextOutWindow() {
    const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    profile_.WriteString(kPositionPath, GP::FormatEdges(normal) + (isMinimized() ? ",1" : ",0"));
}

void CTextOutWindow::RestoreRect() {
    // Only the rectangle comes back: a window that reopened minimized would
    // silently drop the first messages of the run.
    int v[5];
    if (!GP::ParseInts(profile_.GetString(kPositionPath, ""), v, 5))
        return;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect stored(v[0], v[1], v[2] - v[0], v[3] - v[1]);
    const QRect available = screen != nullptr ? screen->availableGeometry() : stored;
    setGeometry(GP::FitRectToScreen(stored, available, minimumSizeHint().expandedTo(QSize(100, 60))));
}

void CTextOutWindow::Output(std::string_view text) {
    if (isMinimized())
        return;
    control_.Output(text);
}

CTextOutWindow& GetTextOutWindow() {
    static std::unique_ptr<CTextOutWindow> window;
    if (!window) {
        window = std::make_unique<CTextOutWindow>();
        window->show();
        // Widgets must go before the application object does.
        qAddPostRoutine([] { window.reset(); });
    }
    return *window;
}

} // namespace UL
