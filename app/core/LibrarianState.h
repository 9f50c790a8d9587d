#pragma once
// What ties the windows to the unit: the device reader and writer, the patch
// clipboard shared by every patch list, the area the main window shows, and
// the grid switch and the font of the lists. One object for the whole program, made by
// the application (or the command-line tool's session) and handed to the
// windows and commands that use it.
#include "app/core/FontEx.h"
#include "app/core/HistoryAccess.h"
#include "data/ImageData.h"
#include "views/GridSetting.h"
#include "views/PatchClipboard.h"

#include <memory>

class AReader;
class COruMidiSetup;
class CWriter;

class CLibrarianState : public IGridSetting, public IPatchClipboard {
public:
    // Fills the message table, so every message id has its text from now on.
    // midi is the engine's setup, with the ports the reader and writer use;
    // not owned, it must outlive this object, whose destructor detaches the
    // reader from the ports.
    explicit CLibrarianState(COruMidiSetup& midi);
    ~CLibrarianState() override;
    CLibrarianState(const CLibrarianState&) = delete;
    CLibrarianState& operator=(const CLibrarianState&) = delete;

    int GetArea() const { return area_; }
    void SetArea(int areaNumber) { area_ = areaNumber; }
    int GetGridSwitch() const override { return gridSwitch_; }
    void SetGridSwitch(int on) override { gridSwitch_ = on; }
    // The font every patch list shows its patches in.
    CFontEx& GetListFont() { return listFont_; }
    const CFontEx& GetListFont() const { return listFont_; }

    // Area 1 of the clipboard image holds the copied patches.
    CImageData& GetClipboard() { return clipboard_; }
    const CImageData& GetClipboard() const { return clipboard_; }
    CParameterArray& GetPatchClipboard() override { return clipboard_.GetArray(1); }
    // Deletes every patch on the clipboard.
    void ClearClipboard();

    // Not owned by the caller; null before start-up created them and after
    // DeleteTransferObjects.
    AReader* GetReader() const { return reader_.get(); }
    CWriter* GetWriter() const { return writer_.get(); }
    void SetTransferObjects(std::unique_ptr<AReader> reader, std::unique_ptr<CWriter> writer);
    // Deletes the reader, then the writer; safe to call again.
    void DeleteTransferObjects();

    // -1 until the unit has answered the identity request with the expected
    // family code, then 0.
    int GetIdentityResult() const;
    // True when the unit's input and output ports both have a device bound.
    bool IsMidiReady() const;
    // The engine's setup and, through it, its ports.
    COruMidiSetup& MidiSetup() const { return *midi_; }
    // The history library and its recorder, once the program has set them.
    CHistoryAccess& History() { return history_; }

private:
    COruMidiSetup* midi_; // not owned
    CImageData clipboard_;
    std::unique_ptr<AReader> reader_;
    std::unique_ptr<CWriter> writer_;
    int area_ = 1;
    int gridSwitch_ = 0;
    CFontEx listFont_;
    CHistoryAccess history_;
};
