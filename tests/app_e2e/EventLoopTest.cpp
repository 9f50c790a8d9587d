// What reaches the program through Qt's event loop once it runs: MIDI
// messages posted from other threads, the text the buffered error output
// holds until the program is idle, and files dropped on the main frame.
#include "tests/app_e2e/AppFixture.h"

#include "messages/BufferedErrorOut.h"
#include "platform/msgwin/MessageWindow.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QEventLoop>
#include <QTimer>

#include <functional>
#include <thread>

namespace app_e2e {
namespace {

// Runs an event loop, as the program's own runs, until done() or 5 s have
// passed: it waits for events between looks, so the program becomes idle.
bool RunEventsUntil(const std::function<bool()>& done) {
    QEventLoop loop;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &loop, [&loop, &done] {
        if (done())
            loop.quit();
    });
    look.start(20);
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
}

TEST_F(AppTest, MessagesPostedFromAnotherThreadAreHandledInOrderByTheEventLoop) {
    ASSERT_TRUE(StartWithSimulator());
    std::vector<msgwin::WPARAM> handled;
    msgwin::MessageWindow window([&handled](msgwin::UINT, msgwin::WPARAM wparam, msgwin::LPARAM) {
        handled.push_back(wparam);
        return msgwin::LRESULT{0};
    });
    std::thread poster([&window] {
        for (msgwin::WPARAM i = 1; i <= 3; ++i)
            window.PostMessage(msgwin::WM_USER + 1, i, 0);
    });
    poster.join();
    EXPECT_TRUE(RunEventsUntil([&handled] { return handled.size() >= 3; }));
    EXPECT_EQ(handled, (std::vector<msgwin::WPARAM>{1, 2, 3}));
}

TEST_F(AppTest, BufferedErrorIsShownOnceWhenTheProgramIsIdle) {
    ASSERT_TRUE(StartWithSimulator());
    GetBufferedErrorOut().SetMode(COruBufferedErrorOut::kLastWins);
    GetBufferedErrorOut().Write("first");
    GetBufferedErrorOut().Write("second");
    EXPECT_TRUE(ShownTexts().empty());
    EXPECT_TRUE(RunEventsUntil([this] { return !ShownTexts().empty(); }));
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{"second"});
    EXPECT_TRUE(GetBufferedErrorOut().GetBuffer().empty());
}

TEST_F(AppTest, DroppedFilesOpenInTheOrderGiven) {
    ASSERT_TRUE(StartWithSimulator());
    const QString first = temp.filePath(QStringLiteral("first.z4l"));
    const QString second = temp.filePath(QStringLiteral("second.z4l"));
    ASSERT_TRUE(WriteLibrarianFileOf(first, "FIRST"));
    ASSERT_TRUE(WriteLibrarianFileOf(second, "SECOND"));
    // Dropped on the main window's patch list, which leaves files to the frame.
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(first), QUrl::fromLocalFile(temp.filePath(QStringLiteral("none.z4l"))),
                   QUrl::fromLocalFile(second)});
    QWidget* list = App().GetMainView()->GetShownList()->viewport();
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &files, Qt::LeftButton, {});
    QApplication::sendEvent(list, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &files, Qt::LeftButton, {});
    QApplication::sendEvent(list, &drop);
    std::vector<QString> paths;
    for (IDocManDocument* document : App().GetDocMan()->GetTemplate(CDocMan::kFileTemplateId)->GetDocuments())
        paths.push_back(document->GetPathName());
    EXPECT_EQ(paths, (std::vector<QString>{first, second}));
    // The file that could not be opened is named.
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{GetMessageTable().Get(4) + "\n" +
                                                     temp.filePath(QStringLiteral("none.z4l")).toStdString()});
}

} // namespace
} // namespace app_e2e
