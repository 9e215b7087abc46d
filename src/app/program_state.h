#pragma once

#include "ctk/adjustments.h"
#include "generator/text_registers.h"
#include "marking_list/marking_list.h"

#include <string>

namespace app {

// The program's link with the spreadsheet application.
struct SpreadsheetLink {
    // The spreadsheet was running and visible when last looked at (commands look again).
    bool visible = false;
    // A workbook is linked: opened or created through the program, or found at showing.
    bool linked = false;
    // SheetLinkFlag: docked and linked; while on, a workbook close started inside the
    // spreadsheet is refused.
    bool sheetLinkFlag = false;
    // The DockingTimer runs: a transfer stops it while it writes, printing stops it; a
    // selection change in the sheet is followed only while it runs.
    bool dockingRunning = false;
    bool printing = false;  // from the spreadsheet's before-print until activation
    // A workbook close through the program is under way (ends 100 ms after the command).
    bool closeInProgress = false;
    std::string linkedWorkbook;  // CP932 names of the linked workbook and sheet
    std::string linkedSheet;
};

// Grid modes of the orange-mode window; at most one is on.
enum class GridMode { None, Edit, LineBreakMarker, NumberingMarker };

// State that several parts of the program read and set: the marking list with its
// NextFreeRow, the undo texts, the grid modes and the flags of the windows. One object,
// owned by the application and handed to those who need it; no globals.
struct ProgramState {
    marking_list::MarkingList list;
    bool fullWidthMode = false;     // FullWidthMode: the list holds full-width text
    bool numberingPresent = false;  // a "【" in the rows the full-width pass examined

    // Undo: the list's text image as last taken, the image before the last change and the
    // image before the last undo. One level each.
    std::string listSnapshot = "1";
    std::string undoSnapshot;
    std::string redoSnapshot;
    bool snapshotRequested = false;  // take a snapshot at the next repaint
    bool undoEnabled = false;        // "元に戻す" offered
    bool redoEnabled = false;        // "やり直し" offered

    // The generator's own one-step undo of its last input ("取消") is shown; any other change
    // of the list hides it.
    bool generatorUndoVisible = false;
    // The "取消" buttons of the text-operation panels are enabled.
    bool textPanelUndoEnabled = false;

    GridMode gridMode = GridMode::None;
    bool stringInsertMode = false;

    bool fileDialogOpen = false;  // an open or save dialog of the program is shown
    SpreadsheetLink spreadsheet;

    // The registers A-Z with their fixed flags and history mode; OK files its entry here.
    generator::TextRegisters textRegisters;
    // The serial-button settings panel ("設定") is open: marking, saving, closing the window
    // and switching to blue mode wait until it is closed.
    bool serialSettingsOpen = false;

    // Work-length override and feed correction, carried across a mode switch.
    ctk::SharedAdjustments adjustments;
};

}  // namespace app
