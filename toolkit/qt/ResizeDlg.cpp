#include "toolkit/qt/ResizeDlg.h"

#include "toolkit/qt/ResizeDlgRect.h"

#include <QGuiApplication>
#include <QResizeEvent>
#include <QScreen>

namespace GP {
namespace {

std::string PathOf(const std::string& section, const std::string& key) { return section + '/' + key; }

QRect ScreenOf(const QWidget& widget) {
    const QScreen* screen = widget.screen() != nullptr ? widget.screen() : QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}

} // namespace

CResizeDlg::CResizeDlg(QWidget* parent, bool resizable, GT::IProfile& profile)
    : QDialog(parent), profile_(profile), resizable_(resizable) {
    setSizeGripEnabled(resizable);
}

CResizeDlg::~CResizeDlg() = default;

void CResizeDlg::GetRectProfileKey(std::string& section, std::string& key) const {
    section.clear();
    key.clear();
}

void CResizeDlg::GetSizeProfileKey(std::string& section, std::string& key) const {
    section.clear();
    key.clear();
}

void CResizeDlg::LayoutControls(int, int) {}

void CResizeDlg::showEvent(QShowEvent* event) {
    if (!initialized_)
        Initialize();
    QDialog::showEvent(event);
}

void CResizeDlg::hideEvent(QHideEvent* event) {
    if (initialized_)
        SaveSizeAndRect();
    QDialog::hideEvent(event);
}

void CResizeDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (initialized_)
        LayoutControls(event->size().width(), event->size().height());
}

void CResizeDlg::Initialize() {
    // Qt has laid the dialog out by the time it is first shown; that size
    // is the smallest the dialog may become.
    initialSize_ = size();
    setMinimumSize(initialSize_);
    if (!resizable_)
        setMaximumSize(initialSize_);
    RestoreSizeAndRect();
    initialized_ = true;
    LayoutControls(width(), height());
}

void CResizeDlg::RestoreSizeAndRect() {
    std::string section;
    std::string key;
    GetSizeProfileKey(section, key);
    if (!section.empty() && !key.empty()) {
        const auto stored = ParseSize(profile_.GetString(PathOf(section, key), FormatSize(size())));
        if (stored)
            resize(stored->expandedTo(initialSize_));
    }
    GetRectProfileKey(section, key);
    if (section.empty() || key.empty())
        return;
    const auto stored = ParseEdges(profile_.GetString(PathOf(section, key), ""));
    if (stored)
        setGeometry(FitRectToScreen(*stored, ScreenOf(*this), initialSize_));
}

void CResizeDlg::SaveSizeAndRect() {
    std::string section;
    std::string key;
    GetSizeProfileKey(section, key);
    if (!section.empty() && !key.empty())
        profile_.WriteString(PathOf(section, key), FormatSize(size()));
    GetRectProfileKey(section, key);
    if (!section.empty() && !key.empty())
        profile_.WriteString(PathOf(section, key), FormatEdges(geometry()));
}

} // namespace GP
