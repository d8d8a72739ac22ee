// Inside the layer: building a dialog template into windows, shared by dialogs and
// form views. Uses Qt; the program's own code never includes this header.
#pragma once

#include <QFont>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "framework/resources.h"

// The template's font: its typeface where installed, else the system's sans-serif
// font, at the template's point size.
QFont AfxDialogFont(const DialogTemplate& dialogTemplate);

// Dialog units of a font. A horizontal unit is a quarter of the average width of the
// 52 Latin letters, a vertical unit an eighth of the font's height.
struct DialogBaseUnits {
    int cx = 0;  // average character width in pixels
    int cy = 0;  // character height in pixels

    int ToPixelsX(int units) const;
    int ToPixelsY(int units) const;
};

DialogBaseUnits AfxDialogBaseUnits(const QFont& font);

// One record of dialog-initialisation data: control id, message, then the data
// (here the text of a list item, without its terminating zero).
struct DialogInitRecord {
    int controlId = 0;
    UINT message = 0;
    std::string text;  // UTF-8
};

// The records of dialog-initialisation data. Each is a 16-bit control id, a 16-bit
// message, a 32-bit length and that many bytes of single-byte text ending in a zero
// byte; a 16-bit zero ends the data. No value when the data is malformed.
std::optional<std::vector<DialogInitRecord>> AfxParseDialogInit(std::span<const BYTE> data);

// Sends each record's message to its control. Empty data does nothing. FALSE when
// the data is malformed, a control is missing, or a list refuses an item.
BOOL AfxApplyDialogInit(HWND hDialog, std::span<const BYTE> data);

// Creates the template's controls as children of hDialog, in template order (which
// makes the z order and the Tab order), with pixel geometry from the dialog units,
// and gives each edit box and combo box the accessible name of its label. FALSE
// when a control cannot be created.
BOOL AfxCreateDialogControls(HWND hDialog, const DialogTemplate& dialogTemplate,
                             const DialogBaseUnits& units);

// The text of the label that names a field: the nearest label to its left on the
// same line, else the nearest label above it that overlaps it horizontally. Empty
// when no label does.
std::string AfxFieldLabel(HWND hField);
