#pragma once
// The words that say what a transfer does to which patches: the questions
// asked before a read, a write or a preview send name the patches and how
// many they are ("Write 3 patches (MEMORY 2, 5, 9) to the ZM-47?").
#include <string>
#include <utility>
#include <vector>

class COruMidiIn;
class COruMidiOut;
class COruMidiSetup;

// "MEMORY 4" for one patch, "3 patches (MEMORY 2, 5, 9)" for more; a long
// list is cut short ("30 patches (MEMORY 1, 3, 5, 7, 9, 11, 13, …, 59)").
// area: 1 to 7; indexes from 0, in any order.
std::string PatchesPhrase(int area, const std::vector<int>& indexes);
// The same for (area, index) pairs of any areas.
std::string PatchesPhrase(std::vector<std::pair<int, int>> patches);
// "Read 3 patches (MEMORY 2, 5, 9) from the ZM-47?"
std::string ReadQuestion(int area, const std::vector<int>& indexes);
// "Write 3 patches (MEMORY 2, 5, 9) to the ZM-47?"
std::string WriteQuestion(int area, const std::vector<int>& indexes);
// The patch a preview sends: "MEMORY 4 “Lead”" with a slot (area 1 to 7),
// "“Lead”" without one (area 0: a row of a librarian file).
std::string PreviewPatchText(int area, int index, const std::string& name);
// "Send MEMORY 4 “Lead” to the temporary patch of the ZM-47?"
std::string PreviewQuestion(const std::string& patch);

// What a transfer's failure says about it (CTransferMessage): what it did,
// "Reading 3 patches (MEMORY 2, 5, 9) from the ZM-47 failed.", then the
// ports as the setup dialog shows them and the device id as it numbers it
// (17 for 10H). failedId: kMsgReadingFailed, kMsgWritingFailed or
// kMsgSendingFailed; patches: as PatchesPhrase or PreviewPatchText say it.
// A port that is null, or any port without a setup, shows as "(none)".
std::string TransferFailureDetails(int failedId, const std::string& patches, const COruMidiSetup* setup,
                                   const COruMidiIn* input, const COruMidiOut* output);
