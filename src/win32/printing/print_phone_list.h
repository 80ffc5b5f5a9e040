#pragma once
// "Print": the options box, the system print dialog, and the pages of the
// phone list drawn on the chosen printer.
#include <windows.h>

#include "core/printing/page_layout.h"
#include "win32/printing/printer_box.h"

namespace tonvero {

class PhoneListPrinter {
 public:
  // Whether Windows lists a printer: "Print" is enabled only then.
  bool PrinterInstalled() const;
  // The whole print of `job` (caption, records in the grid's order, sort
  // field); the box chooses the font and the form, the print dialog the
  // printer. Cancel in either prints nothing. A failure after the job began
  // aborts the job and throws IoError.
  void Print(HWND owner, PrintJob job);

 private:
  PrinterOptionsBox printerBox_;
  PrintFont printerFont_;  // the printer's drawing font, kept for the run
};

}  // namespace tonvero
