// Edit - Find against the simulated unit: every distinct patch whose name or
// memo holds the text (Japanese memos too), with where it is and was; a found
// patch previews on the unit and is shown in its file or its slot, and a file
// that changed since is said to no longer hold it.
#include "tests/app_e2e/AppFixture.h"

#include "app/commands/WindowCommands.h"
#include "app/core/LibrarianState.h"
#include "app/core/LibrarianState.h"
#include "app/docs/FileDoc.h"
#include "app/ui/CommandIds.h"
#include "app/ui/FileView.h"
#include "app/ui/FindWindow.h"
#include "engine/dialogs/MidiWarningDlg.h"
#include "messages/MessageIds.h"
#include "messages/ShowMessage.h"
#include "toolkit/core/CodePage.h"
#include "views/PatchListCtrl.h"

using namespace app_e2e;

namespace {

struct Answer : IMidiConfirmation {
    bool Confirm(int kind, const std::string& question) override {
        kinds.push_back(kind);
        questions.push_back(question);
        return yes;
    }
    bool yes = true;
    std::vector<int> kinds;
    std::vector<std::string> questions;
};

// The result row of the patch named name, or nullptr.
QTreeWidgetItem* RowNamed(CFindWindow& window, const QString& name) {
    for (int row = 0; row < window.Results().topLevelItemCount(); ++row)
        if (window.Results().topLevelItem(row)->text(0) == name)
            return window.Results().topLevelItem(row);
    return nullptr;
}

std::vector<int> SelectedIndexes(CParameterListCtrl& list) { return list.GetSelectedIndexes(); }

TEST_F(AppTest, FindListsEveryPatchHoldingTheTextWithItsPlacesAndShowsOrPreviewsIt) {
    ASSERT_TRUE(StartWithSimulator());
    ASSERT_NE(App().GetLibrarianState()->History().Library(), nullptr);
    Answer answer;
    Frame().SetConfirmation(&answer);

    // MEMORY 4 renamed and written; a file of three patches, the second
    // named alike and with a Japanese memo, opened (so the library saw it).
    AsPatch(MainData().GetArray(1).At(3))->SetName("Qwerty Lead");
    ASSERT_TRUE(MainCommands().WriteRows(1, {3}));
    Delivered();
    const QString file = temp.filePath(QStringLiteral("set1.z4l"));
    {
        CFileDocument document;
        const char* names[] = {"CLEAN", "QWERTY RHYTHM", "AMBIENT"};
        for (const char* name : names) {
            std::unique_ptr<CParameter> patch = document.Patches().CreateElement();
            static_cast<CPatch&>(*patch).SetName(name);
            document.Patches().Append(std::move(patch));
        }
        std::string memo;
        ASSERT_TRUE(UL::Utf8ToCodePage("歪みリード用", UL::kCodePageJapanese, memo));
        document.Patches().At(1)->SetMemo(2, memo);
        ASSERT_TRUE(WriteLibrarianFile(file.toStdString(), document));
    }
    ASSERT_NE(App().GetDocMan()->OpenDocumentFile(file), nullptr);
    ASSERT_EQ(FileWindowCount(), 1u);

    ASSERT_TRUE(Frame().OnCommand(kCmdFind));
    auto* window = Frame().findChild<CFindWindow*>();
    ASSERT_NE(window, nullptr);

    // Any case; each distinct patch once, with its places.
    window->FindText(QStringLiteral("qwerty"));
    ASSERT_EQ(window->Results().topLevelItemCount(), 2) << window->Summary().toStdString();
    QTreeWidgetItem* unit = RowNamed(*window, QStringLiteral("Qwerty Lead"));
    QTreeWidgetItem* inFile = RowNamed(*window, QStringLiteral("QWERTY RHYTHM"));
    ASSERT_NE(unit, nullptr);
    ASSERT_NE(inFile, nullptr);
    EXPECT_EQ(unit->text(2), QStringLiteral("MEMORY 4 on the ZM-47 now"));
    EXPECT_EQ(inFile->text(2), QStringLiteral("%1, No. 2").arg(file));
    EXPECT_EQ(unit->childCount(), 0) << "one place: no rows under the patch";
    EXPECT_TRUE(window->Summary().contains(QStringLiteral("\"qwerty\": 2.")));

    // Japanese memos are found by their own text.
    window->FindText(QStringLiteral("リード"));
    ASSERT_EQ(window->Results().topLevelItemCount(), 1);
    EXPECT_EQ(window->Results().topLevelItem(0)->text(0), QStringLiteral("QWERTY RHYTHM"));
    EXPECT_EQ(window->Results().topLevelItem(0)->text(1), QStringLiteral("歪みリード用"))
        << "a Japanese memo found in the English windows is shown as Japanese";

    // Nothing found says so.
    window->FindText(QStringLiteral("no such sound"));
    EXPECT_EQ(window->Results().topLevelItemCount(), 0);
    EXPECT_TRUE(window->Summary().contains(QStringLiteral("no such sound")));

    // A found patch previews on the unit's temporary patch after the question.
    window->FindText(QStringLiteral("qwerty lead"));
    ASSERT_EQ(window->Results().topLevelItemCount(), 1);
    window->Results().setCurrentItem(window->Results().topLevelItem(0));
    answer.yes = false;
    EXPECT_FALSE(window->PreviewCurrent());
    answer.yes = true;
    ASSERT_TRUE(window->PreviewCurrent());
    Delivered();
    EXPECT_EQ(App().GetSimulator()->Unit().TemporaryPatch().GetName(), "Qwerty Lead");
    EXPECT_EQ(answer.kinds, (std::vector<int>{kWarnWriteTemporary, kWarnWriteTemporary}));

    // Shown on the unit: the main window switches to MEMORY and selects slot 4.
    App().GetMainView()->GetAreaSelector().setCurrentIndex(2);
    emit App().GetMainView()->GetAreaSelector().activated(2);
    ASSERT_EQ(App().GetLibrarianState()->GetArea(), 3);
    ASSERT_TRUE(window->ShowCurrent());
    EXPECT_EQ(App().GetLibrarianState()->GetArea(), 1);
    EXPECT_EQ(SelectedIndexes(*App().GetMainView()->GetPatchList(1)), (std::vector<int>{3}));

    // Shown in its file: the file's window selects the patch.
    window->FindText(QStringLiteral("qwerty rhythm"));
    ASSERT_EQ(window->Results().topLevelItemCount(), 1);
    window->Results().setCurrentItem(window->Results().topLevelItem(0));
    ASSERT_TRUE(window->ShowCurrent());
    EXPECT_EQ(FileWindowCount(), 1u) << "the open window is used";
    auto* document =
        dynamic_cast<CFileDoc*>(App().GetDocMan()->GetTemplate(CDocMan::kFileTemplateId)->GetDocuments().front());
    ASSERT_NE(document, nullptr);
    CFileView* view = nullptr;
    for (IDocumentView* candidate : document->GetViews())
        if (!view)
            view = dynamic_cast<CFileView*>(candidate);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(SelectedIndexes(view->GetPatchList()), (std::vector<int>{1}));

    // A file that changed since the library saw it: a patch that moved is
    // selected where it is now; one that is gone is said to be, by message 140.
    const QString moved = temp.filePath(QStringLiteral("moved.z4l"));
    const QString gone = temp.filePath(QStringLiteral("gone.z4l"));
    for (const QString& path : {moved, gone}) {
        CFileDocument document;
        for (const char* name : {"FIRST", "QWERTY RHYTHM"}) {
            std::unique_ptr<CParameter> patch = document.Patches().CreateElement();
            static_cast<CPatch&>(*patch).SetName(name);
            document.Patches().Append(std::move(patch));
        }
        ASSERT_NE(App().GetLibrarianState()->History().Library()->RecordFile(path.toStdString(), EFileEvent::kImported,
                                                                             document.Patches()),
                  0);
    }
    ASSERT_TRUE(WriteLibrarianFileOf(moved, "QWERTY RHYTHM"));
    ASSERT_TRUE(WriteLibrarianFileOf(gone, "OTHER"));
    // The recorded patches have no memo: another patch than the one above.
    window->FindText(QStringLiteral("qwerty rhythm"));
    ASSERT_EQ(window->Results().topLevelItemCount(), 2);
    auto placeRow = [&](const QString& path) -> QTreeWidgetItem* {
        for (int row = 0; row < window->Results().topLevelItemCount(); ++row) {
            QTreeWidgetItem* patch = window->Results().topLevelItem(row);
            for (int at = 0; at < patch->childCount(); ++at)
                if (patch->child(at)->text(2).startsWith(path + QStringLiteral(",")))
                    return patch->child(at);
        }
        return nullptr;
    };
    ASSERT_NE(placeRow(moved), nullptr);
    EXPECT_EQ(placeRow(moved)->text(2), QStringLiteral("%1, No. 2").arg(moved));
    window->Results().setCurrentItem(placeRow(moved));
    ASSERT_TRUE(window->ShowCurrent());
    ASSERT_EQ(FileWindowCount(), 2u);
    CFileView* movedView = nullptr;
    for (IDocManDocument* open : App().GetDocMan()->GetTemplate(CDocMan::kFileTemplateId)->GetDocuments())
        if (open->GetPathName() == moved)
            for (IDocumentView* candidate : dynamic_cast<CFileDoc&>(*open).GetViews())
                if (!movedView)
                    movedView = dynamic_cast<CFileView*>(candidate);
    ASSERT_NE(movedView, nullptr);
    EXPECT_EQ(SelectedIndexes(movedView->GetPatchList()), (std::vector<int>{0}));

    window->FindText(QStringLiteral("qwerty rhythm"));
    ASSERT_NE(placeRow(gone), nullptr);
    window->Results().setCurrentItem(placeRow(gone));
    dialogs.clear();
    EXPECT_FALSE(window->ShowCurrent());
    ASSERT_EQ(ShownTexts().size(), 1u);
    EXPECT_EQ(ShownTexts()[0], MessageWith(kMsgPatchNotInFile, gone.toStdString()));
    window->close();
}

} // namespace
