// The platform's file dialog as the program runs it: the dialog flags reach
// the real dialog, and Save As asks before it replaces a file that exists.
// The dialogs run modally; a step queued on the event loop plays the user.
#include "app/docman/DocMan.h"
#include "app/docman/FileDialogRunner.h"
#include "tests/docman/DocmanTestSupport.h"
#include "tests/support/CapturingTextDialog.h"
#include "tests/support/TestApplication.h"

#include <QAbstractButton>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

#include <functional>

namespace {

// Runs step on the modal widget of type T as soon as the event loop shows one.
template <typename T>
void WhenModal(std::function<void(T&)> step, int attemptsLeft = 500) {
    QTimer::singleShot(1, [step, attemptsLeft] {
        if (auto* widget = qobject_cast<T*>(QApplication::activeModalWidget())) {
            step(*widget);
        } else if (attemptsLeft > 0) {
            WhenModal<T>(step, attemptsLeft - 1);
        } else {
            ADD_FAILURE() << "no modal " << T::staticMetaObject.className();
            if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                other->reject();
        }
    });
}

class SavedDocument : public IDocManDocument {
public:
    explicit SavedDocument(QString path) : path_(std::move(path)) {}
    QString GetPathName() const override { return path_; }
    QString GetTitle() const override { return QStringLiteral("set1.z4l"); }
    bool OnSaveDocument(const QString& path) override {
        savedTo.push_back(path);
        return true;
    }
    void SetPathName(const QString& path) override { path_ = path; }

    QStringList savedTo;

private:
    QString path_;
};

class QtFileDialogRunnerTest : public testing::Test {
protected:
    void SetUp() override {
        test::TestApplication();
        ASSERT_TRUE(folder_.isValid());
        existing_ = folder_.filePath(QStringLiteral("set1.z4l"));
        QFile file(existing_);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("kept");
    }

    QTemporaryDir folder_;
    QString existing_;
    test::TemporaryProfile profile_;
    test::CapturingTextDialog messages_;
    CQtFileDialogRunner runner_;
    CDocMan docMan_{profile_.get(), runner_};
};

TEST_F(QtFileDialogRunnerTest, SaveAsAsksBeforeReplacingAFileAndNoKeepsItUnsaved) {
    SavedDocument document(existing_);
    QFileDialog::Options shownOptions;
    QFileDialog::AcceptMode shownMode = QFileDialog::AcceptOpen;
    WhenModal<QFileDialog>([&](QFileDialog& dialog) {
        shownOptions = dialog.options();
        shownMode = dialog.acceptMode();
        // "No" to the question leaves the file dialog open; then Cancel.
        WhenModal<QMessageBox>([](QMessageBox& question) {
            WhenModal<QFileDialog>([](QFileDialog& again) { again.reject(); });
            question.button(QMessageBox::No)->click();
        });
        dialog.selectFile(QStringLiteral("set1.z4l"));
        static_cast<QDialog&>(dialog).accept(); // as the Save button does
    });
    EXPECT_FALSE(docMan_.DoSave(document, true));
    EXPECT_EQ(shownMode, QFileDialog::AcceptSave);
    EXPECT_FALSE(shownOptions.testFlag(QFileDialog::DontConfirmOverwrite));
    EXPECT_TRUE(document.savedTo.isEmpty());

    // "Yes" saves over it.
    WhenModal<QFileDialog>([](QFileDialog& dialog) {
        WhenModal<QMessageBox>([](QMessageBox& question) { question.button(QMessageBox::Yes)->click(); });
        dialog.selectFile(QStringLiteral("set1.z4l"));
        static_cast<QDialog&>(dialog).accept(); // as the Save button does
    });
    EXPECT_TRUE(docMan_.DoSave(document, true));
    EXPECT_EQ(document.savedTo, QStringList{existing_});
}

TEST_F(QtFileDialogRunnerTest, TheRequestsFlagsTitleFolderAndFiltersReachTheDialog) {
    CFileDialogRequest request;
    request.open = true;
    request.title = QStringLiteral("Open");
    request.folder = folder_.path();
    request.defaultSuffix = QStringLiteral("z4l");
    request.nameFilters = {QStringLiteral("ZM-47 Librarian Files (*.z4l)"), QStringLiteral("All Files (*)")};
    request.filterIndex = 1;
    request.flags = kFileDialogFileMustExist | kFileDialogPathMustExist;

    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    QString title;
    QString filter;
    QString suffix;
    WhenModal<QFileDialog>([&](QFileDialog& dialog) {
        mode = dialog.fileMode();
        title = dialog.windowTitle();
        filter = dialog.selectedNameFilter();
        suffix = dialog.defaultSuffix();
        dialog.reject();
    });
    const CFileDialogAnswer answer = runner_.Run(request);
    EXPECT_FALSE(answer.accepted);
    EXPECT_EQ(mode, QFileDialog::ExistingFile);
    EXPECT_EQ(title, QStringLiteral("Open - ") + folder_.path() + u'/');
    EXPECT_EQ(filter, QStringLiteral("All Files (*)"));
    EXPECT_EQ(suffix, QStringLiteral("z4l"));
    EXPECT_EQ(answer.filterIndex, 1);
    EXPECT_EQ(answer.folder, folder_.path());

    // A save dialog without the overwrite flag replaces without asking.
    request.open = false;
    request.flags = kFileDialogPathMustExist;
    QFileDialog::Options options;
    WhenModal<QFileDialog>([&](QFileDialog& dialog) {
        options = dialog.options();
        dialog.reject();
    });
    runner_.Run(request);
    EXPECT_TRUE(options.testFlag(QFileDialog::DontConfirmOverwrite));
}

} // namespace
