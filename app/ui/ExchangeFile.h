#pragma once
// The exchange files (Standard MIDI Files, raw SysEx files) as a source of
// patches for a librarian file window: File - Open of a .mid or a .syx, and
// Import SMF / Import SysEx in a file window. A file holds data sets for
// slots of the unit's areas; the window takes the patches of one area, or of
// all, in area and slot order.
#include "data/ImageData.h"
#include "engine/ImportTally.h"

#include <QString>

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class AReader;
class CParameterArray;
class QWidget;

// A .syx, .mid or .midi file (the suffix in any case).
bool IsExchangeFileName(const QString& path);
// A .syx file (any case): read as raw SysEx, every other file as an SMF.
bool IsSysExFileName(const QString& path);

// What an exchange file holds for the unit.
struct CExchangePatches {
    // The areas as the import left them: a slot the file stored holds its
    // patch (PrepareImportImage tells the others).
    CImageData image;
    // The slots the file stored, as (area number, index), in area and slot
    // order, each once.
    std::vector<std::pair<int, int>> stored;
    // What the import stored and skipped.
    CImportTally tally;

    // "10 patches imported (MEMORY 1–10)" for the area taken (0: every
    // area), and what the file held that was not taken.
    std::string Summary(int area) const { return ImportSummary(tally, area); }
    // The areas with patches, each with its number of patches.
    std::vector<std::pair<int, std::size_t>> Areas() const;
    // Clones of the patches of the area (0: every area) in slot order,
    // inserted into `into` at `at` (its end when past it). The number.
    std::size_t InsertInto(int area, CParameterArray& into, std::size_t at) const;
};

// Reads the file with the reader, as a raw SysEx file or as an SMF. False,
// with the reason shown and naming the file, when it cannot be read, is
// damaged, or holds no data for the unit.
bool ReadExchangeFile(AReader& reader, const QString& path, bool sysEx, CExchangePatches& found);

// Asks the user to choose among areas. The program asks with a list in a
// small dialog; tests give one of their own.
class IAreaChooser {
public:
    virtual ~IAreaChooser() = default;
    // The question and the choices (an area number, 0 for every area, with
    // the text shown); the number chosen, or nothing when cancelled.
    virtual std::optional<int> ChooseArea(const QString& question, const std::vector<std::pair<int, QString>>& choices,
                                          QWidget* parent) = 0;
};

// Which of the file's areas to take: the only one without asking, else the
// user's choice among every area (0) and each area with its count, asked
// through chooser (the program's dialog when null). Nothing when cancelled.
std::optional<int> ChooseImportArea(const CExchangePatches& found, const QString& fileName, IAreaChooser* chooser,
                                    QWidget* parent);
// The area a file window's patches are exported as (row n becomes patch n
// of that area): the areas that have a slot for the highest row; MEMORY
// without asking when it alone has, else the user's choice. Nothing when
// cancelled or when no area has (message 168 says so).
std::optional<int> ChooseExportArea(const std::vector<int>& rows, IAreaChooser* chooser, QWidget* parent);
