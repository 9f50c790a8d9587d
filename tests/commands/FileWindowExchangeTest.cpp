// Import and Export of SMF and SysEx files in a librarian file window: the
// file's patches are inserted without a question, the window's patches are
// exported as those of an area the user chooses, and an independent SMF
// reader reads what was written.
#include "tests/commands/CommandsTestSupport.h"
#include "tests/support/AppendFile.h"

#include "app/ui/ExchangeFile.h"
#include "data/Address.h"
#include "data/ParameterAddress.h"

#include <QFile>
#include <QProcess>

#include <optional>

namespace commandstest {
namespace {

std::string Hex(const std::vector<std::uint8_t>& bytes) {
    std::string text;
    char part[3];
    for (std::uint8_t byte : bytes) {
        std::snprintf(part, sizeof part, "%02X", byte);
        text += part;
    }
    return text;
}

// What Python's mido reads from an SMF: its format, then for every SysEx
// message "address data checksum-ok", in file order. Empty when mido is
// not there (the caller skips).
std::optional<QStringList> ReadWithMido(const QString& path) {
    const char* script = R"(
import sys
import mido
f = mido.MidiFile(sys.argv[1])
print('format', f.type)
for track in f.tracks:
    for m in track:
        if m.type == 'sysex':
            d = list(m.data)
            body = d[6:-1]
            ok = (sum(body) + d[-1]) % 128 == 0
            print(''.join('%02X' % b for b in d[:6]), ''.join('%02X' % b for b in d[6:10]),
                  ''.join('%02X' % b for b in d[10:-1]), 'ok' if ok else 'bad')
)";
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QString::fromLatin1(script), path});
    if (!python.waitForFinished(30000) || python.exitStatus() != QProcess::NormalExit)
        return std::nullopt;
    if (python.exitCode() != 0) {
        if (python.readAllStandardError().contains("No module named 'mido'"))
            return std::nullopt;
        return QStringList{QStringLiteral("failed: ") + QString::fromLocal8Bit(python.readAllStandardError())};
    }
    return QString::fromLatin1(python.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

TEST_F(CommandsTest, AFileWindowExportsItsPatchesAsAnAreasAndMidoReadsThemBack) {
    TestWindow& file = OpenFile(12);
    CWindowCommands& commands = *fileCommands.back();
    QTemporaryDir folder;
    ASSERT_TRUE(commands.HandlesCommand(kCmdExportSmfAll));
    ASSERT_TRUE(commands.IsCommandEnabled(kCmdExportSmfAll));

    // Twelve rows fit only MEMORY: nothing to choose, nothing asked.
    fileDialogs.answer = folder.filePath("twelve.mid");
    ASSERT_TRUE(commands.ExportSmf(false));
    EXPECT_TRUE(areaChooser.questions.empty());
    EXPECT_TRUE(confirmation.kinds.empty());

    const std::optional<QStringList> read = ReadWithMido(fileDialogs.answer);
    if (!read)
        GTEST_SKIP() << "Python's mido is not installed (package python3-mido)";
    ASSERT_EQ(read->size(), 13) << read->join(u'\n').toStdString();
    EXPECT_EQ((*read)[0], QStringLiteral("format 0"));
    const CParameterAddress map;
    for (int row = 0; row < 12; ++row) {
        const QStringList fields = (*read)[row + 1].split(u' ');
        ASSERT_EQ(fields.size(), 4) << row;
        EXPECT_EQ(fields[0], QStringLiteral("411000004512")) << "maker, device id 10H, model, data set";
        EXPECT_EQ(fields[1].toStdString(), Hex(AddressToBytes(map.PatchAddress(0x21, row), 4))) << row;
        std::vector<std::uint8_t> data = map.SegmentBytes(0x21, row, 0, file.data->GetArray(1));
        data.resize(static_cast<std::size_t>(map.SegmentSizeFor(0x21, kPatchBlockCode)));
        EXPECT_EQ(fields[2].toStdString(), Hex(data)) << row;
        EXPECT_EQ(fields[3], QStringLiteral("ok")) << row;
    }
}

TEST_F(CommandsTest, AFileWindowAsksTheAreaWhenSeveralFitAndRefusesRowsBeyondEvery) {
    OpenFile(3);
    CWindowCommands& commands = *fileCommands.back();
    QTemporaryDir folder;

    // Three rows fit every area: the user chooses. Cancel writes nothing.
    fileDialogs.answer = folder.filePath("three.syx");
    EXPECT_FALSE(commands.ExportSysEx(false));
    ASSERT_EQ(areaChooser.offered.size(), 1u);
    ASSERT_EQ(areaChooser.offered[0].size(), 7u);
    EXPECT_EQ(areaChooser.offered[0][2].second, QString::fromUtf8("SOUND LIBRARY: CRUNCH (patches 1\xE2\x80\x93"
                                                                  "10)"));
    EXPECT_TRUE(fileDialogs.requests.empty()) << "no file is asked for after a cancel";

    areaChooser.answer = 3;
    ASSERT_TRUE(commands.ExportSysEx(false));
    // Imported into the main window, they land in CRUNCH 1 to 3.
    ASSERT_TRUE(mainCommands->ImportSysEx());
    EXPECT_EQ(NameOf(main->data->GetArray(3), 0), "F0");
    EXPECT_EQ(NameOf(main->data->GetArray(3), 2), "F2");
    EXPECT_EQ(main->statuses.back(), "3 patches imported (SOUND LIBRARY: CRUNCH 1\xE2\x80\x93"
                                     "3)");

    // Row 61 is beyond every area: message 168, no file asked for.
    OpenFile(61);
    const std::size_t asked = fileDialogs.requests.size();
    EXPECT_FALSE(fileCommands.back()->ExportSmf(false));
    EXPECT_EQ(Shown().back(), "The patches to export reach row 61, but an area of the ZM-47 holds at most 60 patches "
                              "(row n goes to patch n of the area).");
    EXPECT_EQ(fileDialogs.requests.size(), asked);
}

TEST_F(CommandsTest, AFileWindowImportsAFilesPatchesBeforeTheSelectionAsOneUndoStep) {
    // A file of SOUND LIBRARY: CLEAN and of MEMORY, from the main window.
    QTemporaryDir folder;
    const QString both = folder.filePath("both.syx");
    NameMainPatches();
    main->Select({0, 1});
    fileDialogs.answer = both;
    ASSERT_TRUE(mainCommands->ExportSysEx(true));
    State().SetArea(2);
    windows.UpdateAllViews(1);
    AsPatch(main->Shown().At(4))->SetName("CLEAN FIVE");
    main->Select({4});
    const QString clean = folder.filePath("clean.syx");
    fileDialogs.answer = clean;
    ASSERT_TRUE(mainCommands->ExportSysEx(true));
    ASSERT_TRUE(test::AppendFile(both.toStdString(), clean.toStdString()));

    TestWindow& file = OpenFile(3);
    CWindowCommands& commands = *fileCommands.back();
    ASSERT_TRUE(commands.HandlesCommand(kCmdImportSysEx));
    ASSERT_TRUE(commands.IsCommandEnabled(kCmdImportSysEx));
    areaChooser.answer = 0;
    file.Select({1});
    fileDialogs.answer = both;
    ASSERT_TRUE(commands.ImportSysEx());
    EXPECT_TRUE(confirmation.kinds.empty()) << "nothing of the window is overwritten";
    ASSERT_EQ(areaChooser.offered.size(), 1u);
    EXPECT_EQ(areaChooser.offered[0].size(), 3u) << "every area, MEMORY, CLEAN";
    EXPECT_EQ(NamesOf(file.data->GetArray(1)), (std::vector<std::string>{"F0", "M0", "M1", "CLEAN FIVE", "F1", "F2"}));
    EXPECT_EQ(file.SelectedRows(), (std::vector<int>{1, 2, 3}));
    EXPECT_GT(file.modified, 0);
    EXPECT_EQ(file.statuses.back(), "3 patches imported (MEMORY 1\xE2\x80\x93"
                                    "2, SOUND LIBRARY: CLEAN 5)");

    // One area chosen, nothing selected: appended.
    areaChooser.answer = 2;
    file.Select({});
    ASSERT_TRUE(commands.ImportSysEx());
    EXPECT_EQ(NameOf(file.data->GetArray(1), 6), "CLEAN FIVE");
    EXPECT_EQ(file.data->GetArray(1).Size(), 7u);

    // Undo takes the last import back; a file without data changes nothing.
    ASSERT_TRUE(commands.Undo());
    EXPECT_EQ(file.data->GetArray(1).Size(), 6u);
    QFile junk(folder.filePath("junk.syx"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("\xF0\x7E\x10\x06\x01\xF7");
    junk.close();
    fileDialogs.answer = junk.fileName();
    EXPECT_FALSE(commands.ImportSysEx());
    EXPECT_EQ(Shown().back(), "The file holds no data for the ZM-47. Nothing was changed.");
    EXPECT_EQ(file.data->GetArray(1).Size(), 6u);
}

} // namespace
} // namespace commandstest
