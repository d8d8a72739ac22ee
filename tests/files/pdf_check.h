// Reading the PDFs that printing produces: page count and blankness, through the
// poppler tools.
#pragma once

#include <QString>

// Pages in the PDF; -1 when it cannot be read.
int PdfPageCount(const QString& pdf);
// TRUE when every page renders as white only.
bool PdfIsBlank(const QString& pdf);
// FALSE when the poppler tools are missing.
bool PdfToolsAvailable();
