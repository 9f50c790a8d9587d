#include "messages/MessageTable.h"

#include <utility>

namespace {

struct Row {
    int id;
    const char* english;
    const char* japanese;
};

// In the order the table is filled. Ids 0, 1, 6, 12, 14, 18 and 21 are unused.
// A text with %s takes its arguments in order (MessageWith).
constexpr Row kRows[] = {
    {11, "Don't show this dialog again.", "次からこのダイアログを表示しない。"},
    {2,
     "Unable to read/write data.\nChoose \"Help - ZM-47 Librarian Manual\", and refer to \"6. If the display "
     "indicates 'Unable to read/write data.'\".",
     "データを読み込み／書き込みできませんでした。\n「ヘルプ － ZM-47 Librarianの使いかた」を選択し、『6. "
     "「データを読み込み／書き込みできませんでした」と表示された場合』をご覧ください。"},
    {13,
     "MIDI devices aren't set up correctly.\nMake sure the settings in the \"Set Up MIDI Devices\" dialog box are "
     "right.",
     "MIDI機器が正しく設定されていません。\n「設定」－「MIDI機器の設定」ダイアログ・ボックスの設定が正しいか確認してく"
     "ださい。"},
    {15, "Are you sure you want to read the SMF and overwrite the main window?",
     "SMF をインポートし、メイン・ウィンドウを上書きします。よろしいですか？"},
    {3, "Cannot read files of this type.", "このファイルの形式を認識できません。"},
    {4, "The file could not be loaded.", "ファイルが読み込めませんでした。"},
    {16, "Are you sure you want to load the data from the temporary area of the ZM-47?",
     "ZM-47 の Temporary Area からデータを取得します。よろしいですか？"},
    {17, "Are you sure you want to load the data from the patch area of the ZM-47?",
     "ZM-47 の Patch Area からデータを取得します。よろしいですか？"},
    {5, "The file could not be saved.", "ファイルが保存できませんでした。"},
    {19, "Are you sure you want to overwrite the temporary area of the ZM-47?",
     "ZM-47 の Temporary Area を書き換えます。よろしいですか？"},
    {20, "Are you sure you want to overwrite the patch area of the ZM-47?",
     "ZM-47 の Patch Area を書き換えます。よろしいですか？"},
    {7, "MIDI connect error.", "MIDI 機器との接続が切断されました。"},
    {8, "MIDI reconnected.", "MIDI 機器と再接続しました。"},
    {10, "Manual (pdf file) could not be loaded. (unconfirmed error message)",
     "マニュアル (pdf file) が、開けませんでした。(暫定 error message)"},
    {9, "Manual\\ZM-47LibrarianManualE.pdf", "Manual\\ZM-47LibrarianManualJ.pdf"},
    {30,
     "The patch data hold values that MIDI cannot carry (bytes of 80H or above); the file may be damaged.\nNothing "
     "was sent to the ZM-47 or exported.",
     "パッチ・データに MIDI で送れない値（80H "
     "以上のバイト）が含まれています。ファイルが壊れている可能性があります。\nZM-47 "
     "への送信もエクスポートも行いませんでした。"},
    {55,
     "These patches come from another area of the unit.\nPatches can be dropped only on the area they were dragged "
     "from, or on a librarian file window.",
     "これらのパッチは本体の別のエリアのものです。\nパッチをドロップできるのは、ドラッグ元と同じエリアか、ライブラリア"
     "ン・ファイルのウィンドウだけです。"},
    {56,
     "The patches do not fit here: from the row they were dropped on to the end of the area there are fewer rows than "
     "patches.\nDrop them on a higher row, or drag fewer patches.",
     "ここにはパッチが収まりません。ドロップした行からエリアの最後までの行数が、パッチの数より少なくなっています。\nも"
     "っと上の行にドロップするか、ドラッグするパッチを減らしてください。"},
    {57, "The dropped data holds no patches that can be read.\nNothing was changed.",
     "ドロップされたデータから、パッチを読み取れませんでした。\n何も変更していません。"},
    {58,
     "A memo of the dropped patches holds characters that cannot be written in the language of this window.\nNothing "
     "was changed.",
     "ドロップしたパッチのメモに、このウィンドウの言語では書けない文字が含まれています。\n何も変更していません。"},
    {59,
     "Rows can be moved only while the list is in number order.\nClick the \"Number\" column header, then move them "
     "again.",
     "行を移動できるのは、リストが番号順のときだけです。\n「番号」列の見出しをクリックしてから、もう一度移動してくださ"
     "い。"},
    // %s: the patches that differ, as "MEMORY 4, MEMORY 17".
    {60,
     "The ZM-47 did not store these patches as they were written:\n%s\nWrite them again, or check the MIDI "
     "connection.",
     "次のパッチが書き込んだとおりに ZM-47 に保存されませんでした。\n%s\nもう一度書き込むか、MIDI "
     "接続を確認してください。"},
    {61, "Nothing was written: the patches about to be overwritten could not be read from the ZM-47 for the backup.",
     "書き込みを中止しました。上書きされるパッチを ZM-47 "
     "から読み込めなかったため、バックアップを作成できませんでした。"},
    // %s: the backup file.
    {62, "Nothing was written: the backup of the patches about to be overwritten could not be saved as\n%s",
     "書き込みを中止しました。上書きされるパッチのバックアップを次のファイルに保存できませんでした。\n%s"},
    {63, "Backing up", "バックアップ中"},
    {64, "Writing", "書き込み中"},
    {65, "Verifying", "照合中"},
    {66, "The file holds no data for the ZM-47. Nothing was changed.",
     "ファイルに ZM-47 のデータがありません。何も変更されていません。"},
    {67, "Are you sure you want to read the SysEx file and overwrite the main window?",
     "SysEx ファイルを読み込み、メイン・ウィンドウを上書きします。よろしいですか？"},
    // %s: the file.
    {70, "%s\nis not a file (it is a folder, a device or a pipe). Nothing was read from it.",
     "%s\nはファイルではありません（フォルダー、デバイスまたはパイプです）。読み込みは行いませんでした。"},
    {71, "%s\nis far larger than any file of this kind. It was not read.",
     "%s\nは、この種類のファイルとしては大きすぎます。読み込みは行いませんでした。"},
    {72, "%s\nis not a file (it is a folder, a device or a pipe). Nothing was saved; it was left as it was.",
     "%s\nはファイルではありません（フォルダー、デバイスまたはパイプです）。保存は行わず、そのままにしました。"},
    // %s: the output, then the input it would replace.
    {73, "%s\nis the same file as the one read from,\n%s\nNothing was written.",
     "%s\nは、読み込み元の次のファイルと同じファイルです。\n%s\n書き込みは行いませんでした。"},
    // %s: the number of patches, then where they went ("MEMORY 1-8").
    {74, "%s patches imported (%s)", "%s 個のパッチをインポートしました（%s）"},
    {75, "%s patch imported (%s)", "%s 個のパッチをインポートしました（%s）"},
    // %s: the number of data sets; follows 74 or 75.
    {76, "; %s data sets skipped", "。%s 個のデータ・セットはスキップしました"},
    {77, "; %s data set skipped", "。%s 個のデータ・セットはスキップしました"},
    // %s: the file, then the number of patches it holds.
    {78,
     "%s\nholds %s patches. The simulated unit keeps its memory in a librarian file of all the unit's 120 patches "
     "(MEMORY and the six sound library banks, in that order).",
     "%s\nには %s 個のパッチが入っています。シミュレーターは、本体の全 120 パッチ（MEMORY と 6 "
     "つのサウンド・ライブラリー・バンクの順）のライブラリアン・ファイルにメモリーを保存します。"},
    // %s: the patches written ("MEMORY 1-13"), then those not written ("14-60").
    {79, "%s were written, %s were not.", "%s は書き込まれました。%s は書き込まれていません。"},
    // %s: the patches not written.
    {80, "%s were not written.", "%s は書き込まれていません。"},
    // %s: the backup file.
    {81, "The patches as they were before this write are saved in\n%s",
     "書き込み前のパッチは次のファイルに保存されています。\n%s"},
    // %s: the area that failed, then the areas after it.
    {82, "Could not read %s; %s were not read.", "%s を読み込めませんでした。%s は読み込んでいません。"},
    // %s: the area that failed, the last one.
    {83, "Could not read %s.", "%s を読み込めませんでした。"},
    // %s: the manual's file.
    {84,
     "Unable to read/write data.\nSee \"6. If the display indicates 'Unable to read/write data.'\" in the manual:\n%s",
     "データを読み込み／書き込みできませんでした。\nマニュアル（次のファイル）の『6. "
     "「データを読み込み／書き込みできませんでした」と表示された場合』をご覧ください。\n%s"},
    {85,
     "MIDI devices aren't set up correctly.\nCheck the devices given with --in and --out (zm47-cli devices lists "
     "them), or use --simulator.",
     "MIDI機器が正しく設定されていません。\n--in と --out で指定した機器を確認するか（zm47-cli devices "
     "で一覧できます）、--simulator を使ってください。"},
    // %s: the name the library file was set aside under.
    {100,
     "The history library was damaged. It was set aside as\n%s\nand a new, empty library keeps the history from now "
     "on.",
     "履歴ライブラリが壊れていました。次の名前で保管し、これからは新しい空のライブラリに履歴を記録します。\n%s"},
    {101,
     "The history library was made by a newer version of the ZM-47 Librarian. It was set aside as\n%s\nand a new, "
     "empty library keeps the history from now on.",
     "履歴ライブラリは新しいバージョンの ZM-47 Librarian "
     "で作成されています。次の名前で保管し、これからは新しい空のライブラリに履歴を記録します。\n%s"},
    // %s: the library file.
    {102, "The history library could not be opened:\n%s\nThe program goes on without keeping history.",
     "履歴ライブラリを開けませんでした。\n%s\n履歴を記録せずに続けます。"},
    {103,
     "The history library could not be written (the disk may be full or the folder read-only):\n%s\nTransfers and "
     "files are not affected, but this history is not kept.",
     "履歴ライブラリに書き込めませんでした（ディスクがいっぱいか、フォルダーが読み取り専用の可能性があります）。\n%"
     "s\n転送とファイルには影響しませんが、この履歴は記録されません。"},
    {104,
     "The history library is not open, so there is no history to show.\nThe message at start-up said why; the library "
     "is opened again at the next start.",
     "履歴ライブラリが開いていないため、表示できる履歴がありません。\n理由は起動時のメッセージのとおりです。次に起動し"
     "たときにもう一度開きます。"},
    // %s: the slots and the state's time, "MEMORY 3, 12 (2026-12-08 10:00)".
    {105,
     "Write %s back to the ZM-47?\nThe patches replace those of the main window; the unit's present patches are "
     "backed up first if backups are on, and read back after if verifying is on.",
     "%s を ZM-47 "
     "に書き戻しますか？\nパッチはメイン・ウィンドウのパッチと置き換わります。バックアップがオンなら本体の今のパッチを"
     "先にバックアップし、照合がオンなら書き込み後に読み戻して確かめます。"},
    // %s: the date, "2026-01-01".
    {106,
     "Delete from the history library every state of the ZM-47 and every file sighting from before %s, and the "
     "patches nothing else refers to?\nThis cannot be undone. Your files and backups are not touched.",
     "%s より前の ZM-47 "
     "の状態とファイルの記録を、ほかから参照されていないパッチとともに履歴ライブラリから削除しますか？\n元に戻すことは"
     "できません。ファイルとバックアップはそのまま残ります。"},
    // %s: the number of states and sightings deleted.
    {107, "%s states and file sightings were deleted from the history library.",
     "%s 件の状態とファイルの記録を履歴ライブラリから削除しました。"},
    {108, "The history library could not delete the old history; nothing was deleted.",
     "履歴ライブラリから古い履歴を削除できませんでした。何も削除していません。"},
    // %s: the area, "MEMORY".
    {130,
     "%s shows the last known state of the ZM-47, not what the unit holds now: it could not be read.\nNothing was "
     "written. Read the area from the ZM-47 first.",
     "%s には ZM-47 "
     "の最後に分かっている状態が表示されていますが、本体を読み込めなかったため、現在の内容とは限りません。\n何も書き込"
     "んでいません。先にこのエリアを ZM-47 から読み込んでください。"},
    {131,
     "%s has not been read from the ZM-47: the patches to be written are the librarian's initial patches, not the "
     "unit's.\nAre you sure you want to write them to the ZM-47?",
     "%s は ZM-47 "
     "から読み込まれていません。書き込むパッチは本体のものではなく、ライブラリアンの初期パッチです。\nZM-47 "
     "に書き込みますか？"},
    {132, "%s has changes that are not written to the ZM-47.", "%s には ZM-47 に書き込まれていない変更があります。"},
    {133, "Write them to the ZM-47 before quitting? Changes that are discarded are lost.",
     "終了する前に ZM-47 に書き込みますか？破棄した変更は失われます。"},
    // %s: the file.
    {140, "The file no longer holds this patch; it has changed since the librarian saw it:\n%s",
     "このファイルにはもうこのパッチがありません。ライブラリアンが記録した後に変更されています。\n%s"},
    // The status bar after a transfer, an export or a save. 150 and 151
    // count the patches for the sentences after them.
    {150, "%s patch", "%s 個のパッチ"},
    {151, "%s patches", "%s 個のパッチ"},
    {152, "%s read from %s", "%sを読み込みました（%s）"},
    {153, "%s written to %s", "%sを書き込みました（%s）"},
    {154, " and verified", "。照合も済みました"},
    {155, "; backup %s", "。バックアップ: %s"},
    {156, "%s sent to the temporary patch", "%s をテンポラリー・パッチに送りました"},
    {157, "%s saved to %s", "%sを %s に保存しました"},
    {158, "%s failed", "%s に失敗しました"},
    {159, "%s cancelled", "%s を取り消しました"},
    {141,
     "No ZM-47 answered on any MIDI port. Check that the unit is switched on and that both MIDI cables are connected: "
     "its MIDI OUT to an input of the interface, its MIDI IN to an output.",
     "どの MIDI ポートからも ZM-47 の応答がありませんでした。本体の電源が入っていること、MIDI ケーブルが 2 "
     "本とも接続されていること（本体の MIDI OUT をインターフェースの入力に、MIDI IN を出力に）を確認してください。"},
    {142,
     "No MIDI port could be opened: the system offers no MIDI input or no MIDI output. Connect the MIDI interface, or "
     "start the JACK server, and try again.",
     "MIDI ポートを開けませんでした。システムに MIDI 入力または MIDI 出力がありません。MIDI "
     "インターフェースを接続するか、JACK サーバーを起動してから、もう一度試してください。"},
    // %s: the patches (as 164 names them, or "MEMORY 4"), the input, the
    // output, the device id (17 for 10H).
    {160, "Reading %s from the ZM-47 failed.\nInput: %s\nOutput: %s\nDevice ID: %s",
     "ZM-47 から %s を読み込めませんでした。\n入力：%s\n出力：%s\nデバイスID：%s"},
    {161, "Writing %s to the ZM-47 failed.\nInput: %s\nOutput: %s\nDevice ID: %s",
     "%s を ZM-47 に書き込めませんでした。\n入力：%s\n出力：%s\nデバイスID：%s"},
    // %s: the patch ("“Lead”"), the input, the output, the device id.
    {162, "Sending %s to the temporary patch of the ZM-47 failed.\nInput: %s\nOutput: %s\nDevice ID: %s",
     "%s を ZM-47 のテンポラリー・パッチに送れませんでした。\n入力：%s\n出力：%s\nデバイスID：%s"},
    // %s: the manual's file.
    {163, "The manual is looked for here:\n%s", "マニュアルは次の場所から開きます。\n%s"},
    // %s: the number of patches, then which ("MEMORY 2, 5, 9").
    {164, "%s patches (%s)", "%s 個のパッチ（%s）"},
    // %s: the patches, as 164 names them or "MEMORY 4" for one.
    {165, "Read %s from the ZM-47?", "ZM-47 から %s を読み込みますか？"},
    {166, "Write %s to the ZM-47?", "%s を ZM-47 に書き込みますか？"},
    // %s: the patch, "MEMORY 4 “Lead”".
    {167, "Send %s to the temporary patch of the ZM-47?", "%s を ZM-47 のテンポラリー・パッチに送りますか？"},
    {169, "(none)", "（なし）"},
    // %s: the patches read ("120 patches"); for 171 the areas not read.
    {170, "%s read from the ZM-47", "ZM-47 から%sを読み込みました"},
    {171, "%s read from the ZM-47; not read: %s", "ZM-47 から%sを読み込みました。読み込めなかったエリア: %s"},
    // %s: the highest row number to export.
    {168,
     "The patches to export reach row %s, but an area of the ZM-47 holds at most 60 patches (row n goes to patch n of "
     "the area).\nSelect patches in rows 1-60 and export those.",
     "エクスポートするパッチは %s 行目まであります。ZM-47 のエリアに入るパッチは最大 60 個です（n 行目がエリアの n "
     "番のパッチになります）。\n1～60 行目のパッチを選択してエクスポートしてください。"},
};

bool IsLanguage(int index) { return index == CMessageTable::kEnglish || index == CMessageTable::kJapanese; }

} // namespace

void CMessageTable::Clear() {
    for (auto& texts : texts_)
        texts.clear();
}

bool CMessageTable::Add(int language, int id, std::string text) {
    if (!IsLanguage(language))
        return false;
    texts_[static_cast<std::size_t>(language)][id] = std::move(text);
    return true;
}

bool CMessageTable::SetLanguage(int index) {
    if (!IsLanguage(index))
        return false;
    language_ = index;
    return true;
}

std::string CMessageTable::Get(int id) { return texts_[static_cast<std::size_t>(language_)][id]; }

std::size_t CMessageTable::Size(int language) const {
    return IsLanguage(language) ? texts_[static_cast<std::size_t>(language)].size() : 0;
}

void FillMessageTable(CMessageTable& table) {
    table.Clear();
    for (const Row& row : kRows) {
        table.Add(CMessageTable::kEnglish, row.id, row.english);
        table.Add(CMessageTable::kJapanese, row.id, row.japanese);
    }
}

CMessageTable& GetMessageTable() {
    static CMessageTable table = [] {
        CMessageTable filled;
        FillMessageTable(filled);
        return filled;
    }();
    return table;
}
