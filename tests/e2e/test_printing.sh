# Printing the phone list through the private CUPS server to its PDF printer,
# read back with pdftotext.

PRINTER_BOX="Printer"
WAIT_PDF_S=90

# "Print", the options box (choosing the form when a radio id is given),
# "Print All", then OK in the system print dialog.
print_list() {  # [form radio id]
  drv click "$IDC_PRINT" >/dev/null
  drv wait-dialog "$PRINTER_BOX" "$WAIT_DIALOG_MS" >/dev/null
  [ -z "${1:-}" ] || drv dlg-check "$PRINTER_BOX" "$1" >/dev/null
  drv dlg-click "$PRINTER_BOX" "$IDC_PRINTER_ALL" >/dev/null
  drv wait-gone "$PRINTER_BOX" "$WAIT_DIALOG_MS" >/dev/null
  drv wait-dialog Print "$WAIT_DIALOG_MS" >/dev/null
  drv dlg-click Print 1 >/dev/null
  drv wait-gone Print "$WAIT_DIALOG_MS" >/dev/null
}

# Waits for the job's PDF (cups-pdf names it after the job title, which holds
# the test's own folder) and prints its text, pages split by form feeds.
printed_text() {  # marker file made before the print
  local pdf="" deadline=$((SECONDS + WAIT_PDF_S))
  while [ -z "$pdf" ]; do
    [ "$SECONDS" -lt "$deadline" ] || fail "no PDF appeared in $PDF_DIR"
    sleep 0.5
    pdf=$(find "$PDF_DIR" -maxdepth 1 -name '*.pdf' -newer "$1" 2>/dev/null | head -n 1)
  done
  sleep 1  # the backend writes the file in one go, but give it time to close
  mv "$pdf" "$TEST_DIR/"
  pdftotext -layout "$TEST_DIR/$(basename "$pdf")" - | sed 's/[[:space:]]*$//'
}

test_print_probe() {
  start_program
  : >"$TEST_DIR/marker"
  print_list
  printed_text "$TEST_DIR/marker" >"$TEST_DIR/out.txt"
  cat "$TEST_DIR/out.txt" >&2
}
