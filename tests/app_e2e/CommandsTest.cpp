// Commands of the running program as the user meets them: the menu path
// that the failure message points to exists in both languages, no two items
// of a menu share a mnemonic in either language, and the wait cursor of a
// long command is the application's cursor.
#include "tests/app_e2e/AppFixture.h"

#include "app/docman/FileDialogRunner.h"
#include "app/main/AppRecentFiles.h"
#include "app/ui/CommandIds.h"
#include "toolkit/profile/Profile.h"

#include <QCursor>
#include <QKeySequence>
#include <QMenu>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QRegularExpression>

#include <map>

namespace app_e2e {
namespace {

// A menu text as it reads: without its mnemonic ("&File", "ファイル(&F)").
QString Plain(QString text) {
    text.remove(QRegularExpression(QStringLiteral("\\(&.\\)")));
    return text.remove(QLatin1Char('&'));
}

// Every "menu - item" of the menu bar.
QStringList MenuPaths(CMainFrame& frame) {
    QStringList paths;
    for (QAction* top : frame.menuBar()->actions()) {
        if (!top->menu())
            continue;
        for (QAction* item : top->menu()->actions())
            if (!item->isSeparator())
                paths << Plain(top->text()) + QStringLiteral(" - ") + Plain(item->text());
    }
    return paths;
}

// The "menu - item" that message 2 tells the user to choose.
QString PathOfMessage2() {
    const QString text = QString::fromStdString(GetMessageTable().Get(2));
    const QRegularExpression english(QStringLiteral("\"([^\"]+) - ([^\"]+)\""));
    const QRegularExpression japanese(QStringLiteral("「([^」]+) － ([^」]+)」"));
    QRegularExpressionMatch match = english.match(text);
    if (!match.hasMatch())
        match = japanese.match(text);
    return match.hasMatch() ? match.captured(1) + QStringLiteral(" - ") + match.captured(2) : QString();
}

TEST_F(AppTest, TheManualCommandIsWhereMessage2SendsTheUserInEnglish) {
    ASSERT_TRUE(StartWithSimulator({QStringLiteral("--lang"), QStringLiteral("en")}));
    EXPECT_EQ(PathOfMessage2(), QStringLiteral("Help - ZM-47 Librarian Manual"));
    EXPECT_THAT(MenuPaths(Frame()), ::testing::Contains(PathOfMessage2()));
}

TEST_F(AppTest, TheManualCommandIsWhereMessage2SendsTheUserInJapanese) {
    ASSERT_TRUE(StartWithSimulator({QStringLiteral("--lang"), QStringLiteral("ja")}));
    EXPECT_EQ(PathOfMessage2(), QStringLiteral("ヘルプ - ZM-47 Librarianの使いかた"));
    EXPECT_THAT(MenuPaths(Frame()), ::testing::Contains(PathOfMessage2()));
}

// The items of a menu that share a mnemonic: "File: Expor&t SysEx, E&xit".
QStringList MnemonicClashes(const QString& name, const QMenu& menu) {
    QStringList clashes;
    std::map<QString, QStringList> byKey;
    for (QAction* item : menu.actions()) {
        if (item->isSeparator() || item->text().isEmpty())
            continue;
        const QString key = QKeySequence::mnemonic(item->text()).toString();
        if (!key.isEmpty())
            byKey[key.toUpper()] << item->text();
        if (item->menu())
            clashes << MnemonicClashes(Plain(item->text()), *item->menu());
    }
    for (const auto& [key, items] : byKey)
        if (items.size() > 1)
            clashes << name + QStringLiteral(": ") + items.join(QStringLiteral(", "));
    return clashes;
}

QStringList AllMnemonicClashes(CMainFrame& frame) {
    QStringList clashes;
    QMenu bar;
    for (QAction* top : frame.menuBar()->actions())
        bar.addAction(top);
    clashes << MnemonicClashes(QStringLiteral("menu bar"), bar);
    clashes << MnemonicClashes(QStringLiteral("patch list"), frame.ListMenu());
    return clashes;
}

TEST_F(AppTest, NoTwoItemsOfAMenuShareAMnemonicInEnglish) {
    ASSERT_TRUE(StartWithSimulator({QStringLiteral("--lang"), QStringLiteral("en")}));
    const QStringList clashes = AllMnemonicClashes(Frame());
    EXPECT_TRUE(clashes.isEmpty()) << clashes.join(QLatin1Char('\n')).toStdString();
}

TEST_F(AppTest, NoTwoItemsOfAMenuShareAMnemonicInJapanese) {
    ASSERT_TRUE(StartWithSimulator({QStringLiteral("--lang"), QStringLiteral("ja")}));
    const QStringList clashes = AllMnemonicClashes(Frame());
    EXPECT_TRUE(clashes.isEmpty()) << clashes.join(QLatin1Char('\n')).toStdString();
}

TEST_F(AppTest, ALongCommandShowsTheWaitCursorUntilItEnds) {
    ASSERT_TRUE(StartWithSimulator());
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    // Duplicate holds the wait cursor while it opens the new window.
    std::vector<Qt::CursorShape> shapes;
    const QMetaObject::Connection watch =
        QObject::connect(&Frame().MdiArea(), &QMdiArea::subWindowActivated, &Frame(), [&shapes] {
            const QCursor* cursor = QGuiApplication::overrideCursor();
            shapes.push_back(cursor ? cursor->shape() : Qt::ArrowCursor);
        });
    const bool duplicated = Frame().OnCommand(kCmdDuplicate);
    QObject::disconnect(watch);
    ASSERT_TRUE(duplicated);
    EXPECT_EQ(FileWindowCount(), 1u);
    ASSERT_FALSE(shapes.empty());
    EXPECT_EQ(shapes.back(), Qt::WaitCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// Answers every file dialog with one path.
class AnsweringRunner : public IFileDialogRunner {
public:
    explicit AnsweringRunner(QString path) : path_(std::move(path)) {}
    CFileDialogAnswer Run(const CFileDialogRequest&) override { return {true, path_, QString(), 0}; }

private:
    QString path_;
};

TEST_F(AppTest, AFileMadeWithSaveAsIsOfferedAmongTheRecentFiles) {
    ASSERT_TRUE(StartWithSimulator());
    const QString path = temp.filePath(QStringLiteral("saved.z4l"));
    auto previous = SetFileDialogRunner(std::make_unique<AnsweringRunner>(path));
    ASSERT_TRUE(Frame().OnCommand(kCmdFileNew));
    ASSERT_TRUE(Frame().OnCommand(kCmdFileSaveAs));
    SetFileDialogRunner(std::move(previous));
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_EQ(App().GetRecentFiles()->Paths(), QStringList{path});
}

// The menu item follows the application's rule: greyed until a question has
// been turned off.
TEST_F(AppTest, AskAgainIsGreyedUntilAQuestionIsTurnedOff) {
    ASSERT_TRUE(StartWithSimulator());
    QAction* askAgain = Frame().Action(kCmdAskAgain);
    ASSERT_NE(askAgain, nullptr);
    Frame().UpdateCommandStates();
    EXPECT_FALSE(askAgain->isEnabled());
    ASSERT_TRUE(GT::GetProfile().WriteInt("Option/WriteUser", 1));
    Frame().UpdateCommandStates();
    EXPECT_TRUE(askAgain->isEnabled());
    ASSERT_TRUE(Frame().OnCommand(kCmdAskAgain));
    EXPECT_EQ(GT::GetProfile().GetInt("Option/WriteUser", -1), 0);
    Frame().UpdateCommandStates();
    EXPECT_FALSE(askAgain->isEnabled());
}

} // namespace
} // namespace app_e2e
