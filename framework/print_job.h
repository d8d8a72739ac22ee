// Inside the layer: running a view's print job.
#pragma once

class CView;
class CPrintInfo;

// Prints the pages of pInfo's range on its dialog's printer: OnBeginPrinting, then
// the page loop (OnPrepareDC, OnPrint) while a printing dialog offers Cancel and the
// main window is disabled, then OnEndPrinting. The job is named after the document's
// title. A job in which no page prints is never handed to the printer; a file being
// printed to replaces the old one only when the job completes.
void AfxRunPrintJob(CView* pView, CPrintInfo* pInfo);
