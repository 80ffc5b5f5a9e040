# Printing the phone list through the private CUPS server to its PDF printer,
# read back with pdftotext.

PRINTER_BOX="Printer"
WAIT_PDF_S=90

# "Print", the options box (choosing the form when a radio id is given),
# "Print All", then OK in the system print dialog.
print_list() {  # [form radio id]
  user_click main "$IDC_PRINT"
  drv wait-dialog "$PRINTER_BOX" "$WAIT_DIALOG_MS" >/dev/null
  [ -z "${1:-}" ] || drv dlg-check "$PRINTER_BOX" "$1" >/dev/null
  user_end_dialog "$PRINTER_BOX" "$IDC_PRINTER_ALL"
  drv wait-dialog Print "$WAIT_DIALOG_MS" >/dev/null
  user_end_dialog Print 1
}

print_queue_empty() { [ -z "$(lpstat -o 2>&1)" ]; }

# Waits for the job's PDF and prints its text, pages split by form feeds.
# cups-pdf names the file after the job title, the caption, which holds this
# run's folder: other runs printing into the same folder are told apart.
printed_text() {  # marker file made before the print
  local pdf="" deadline=$((SECONDS + WAIT_PDF_S)) run
  run=$(basename "$RUN_DIR")
  while [ -z "$pdf" ]; do
    [ "$SECONDS" -lt "$deadline" ] || fail "no PDF appeared in $PDF_DIR"
    sleep 0.5
    pdf=$(find "$PDF_DIR" -maxdepth 1 -iname "*${run}*.pdf" -newer "$1" 2>/dev/null | head -n 1)
  done
  # The file shows as soon as the backend starts writing it; it is whole
  # once the job has left the queue.
  wait_until 60 "the print job to end" print_queue_empty || fail "the print job did not end: $(lpstat -o)"
  mv "$pdf" "$TEST_DIR/"
  basename "$pdf" >"$1.pdfname"
  # Some fonts map "-" to the soft hyphen (U+00AD), which pdftotext gives
  # back as such; on paper it is a hyphen either way.
  pdftotext -layout "$TEST_DIR/$(basename "$pdf")" "$TEST_DIR/pdftotext.out" 2>"$TEST_DIR/pdftotext.err" ||
    fail "pdftotext cannot read $(basename "$pdf"): $(head -c 200 "$TEST_DIR/pdftotext.err")"
  sed 's/\xC2\xAD/-/g; s/[[:space:]]*$//' "$TEST_DIR/pdftotext.out"
}

# The caption as the program shows it for the test folder's database.
database_caption() { local base; base="$(windows_path "$TEST_DIR")\\Base"; echo "Tonvero + ${base^^}"; }

# Prints in the given form and writes the text to $TEST_DIR/<name>.txt.
print_to_text() {  # name [form radio id]
  : >"$TEST_DIR/$1.marker"
  print_list "${2:-}"
  printed_text "$TEST_DIR/$1.marker" >"$TEST_DIR/$1.txt"
}

# Page n (from 1) of a printed text, pages split by form feeds.
page_of() { awk -v n="$2" 'BEGIN { RS = "\f" } NR == n' "$1"; }
page_count() { awk 'BEGIN { RS = "\f" } NF { n++ } END { print n + 0 }' "$1"; }
# A text's lines with runs of blanks made one space.
squeezed() { sed -E 's/[[:space:]]+/ /g; s/^ //; /^$/d'; }

# List form: the header with the database and page number, one name line per
# person, the detail lines under it.
test_print_list_form() {
  write_list "$TEST_DIR/Base.rbd" "$PL_HEADER" '"ANNA","BRAY","111","HOME"' '"ANNA","BRAY","222","WORK"' \
    '"CARL","DOE","333",""'
  start_program
  print_to_text list
  # cups-pdf names the file after the job title, the caption, with its
  # blanks and path signs made "_".
  local title
  title=$(database_caption | tr ' :\\' '___')
  case "$(cat "$TEST_DIR/list.marker.pdfname")" in
    "${title:0:30}"*) ;;
    *) fail "the job title is not the caption: file $(cat "$TEST_DIR/list.marker.pdfname")" ;;
  esac
  assert_eq 1 "$(page_count "$TEST_DIR/list.txt")" "pages"
  assert_eq "$(database_caption), Page #1|ANNA BRAY|111 HOME|222 WORK|CARL DOE|333" \
    "$(page_of "$TEST_DIR/list.txt" 1 | squeezed | paste -sd '|')" "printed lines"
}

# A list longer than a page goes on on page 2, which starts with a name line
# although its first record belongs to the group of the page before.
test_print_page_two() {
  local lines=() i
  for i in $(seq 100 219); do lines+=("\"ANNA\",\"BRAY\",\"$i\",\"\""); done
  write_list "$TEST_DIR/Base.rbd" "$PL_HEADER" "${lines[@]}"
  start_program
  print_to_text long
  local pages
  pages=$(page_count "$TEST_DIR/long.txt")
  [ "$pages" -ge 2 ] || fail "120 records printed on $pages page(s)"
  local second
  second=$(page_of "$TEST_DIR/long.txt" 2 | squeezed | head -n 3 | paste -sd '|')
  local last_on_first
  last_on_first=$(page_of "$TEST_DIR/long.txt" 1 | squeezed | tail -n 1)
  assert_eq "$(database_caption), Page #2|ANNA BRAY|$((last_on_first + 1))" "$second" "start of page 2"
  # Every record printed once, in order.
  assert_eq "$(seq 100 219 | paste -sd ' ')" \
    "$(squeezed <"$TEST_DIR/long.txt" | grep -E '^[0-9]+$' | paste -sd ' ')" "phones printed"
}

# Book form: a page per initial letter of the sort column, named by it; the
# choice of form stays for the next print; Cancel prints nothing.
test_print_book_form() {
  write_list "$TEST_DIR/Base.rbd" "$PL_HEADER" '"ADA","XU","1",""' '"ALF","YATES","2",""' '"BEA","ZINN","3",""'
  start_program
  print_to_text book "$IDC_PRINTER_BOOK"
  assert_eq 2 "$(page_count "$TEST_DIR/book.txt")" "pages"
  assert_eq "$(database_caption), Page A|ADA XU|1|ALF YATES|2" \
    "$(page_of "$TEST_DIR/book.txt" 1 | squeezed | paste -sd '|')" "page A"
  assert_eq "$(database_caption), Page B|BEA ZINN|3" \
    "$(page_of "$TEST_DIR/book.txt" 2 | squeezed | paste -sd '|')" "page B"

  local jobs
  jobs=$(lpstat -W all -o | wc -l)
  drv click "$IDC_PRINT" >/dev/null
  drv wait-dialog "$PRINTER_BOX" "$WAIT_DIALOG_MS" >/dev/null
  assert_eq "$IDC_PRINTER_CANCEL" "$(drv dlg-focus "$PRINTER_BOX")" "focused button of the Printer box"
  assert_eq "0 1" "$(drv dlg-ischecked "$PRINTER_BOX" "$IDC_PRINTER_LIST") \
$(drv dlg-ischecked "$PRINTER_BOX" "$IDC_PRINTER_BOOK")" "List and Book after printing a book"
  end_dialog dlg-click "$PRINTER_BOX" "$IDC_PRINTER_CANCEL"
  # A print is handed to the print server before the click's handler
  # returns, and the program answers only after that.
  assert_still_running "after Cancel in the Printer box"
  assert_eq "$jobs" "$(lpstat -W all -o | wc -l)" "print jobs after Cancel in the Printer box"
}

FONT_DIALOG="Font"
FONT_FACE_BOX=1136  # cmb1 of the font dialog
# Two TrueType faces of the machine's fonts (the DejaVu family).
MONO_FACE="DejaVu Sans Mono"
SERIF_FACE="DejaVu Serif"

# Opens the Printer box, then its "Font" dialog; prints the face it offers.
open_font_dialog() {
  drv click "$IDC_PRINT" >/dev/null
  drv wait-dialog "$PRINTER_BOX" "$WAIT_DIALOG_MS" >/dev/null
  drv dlg-click "$PRINTER_BOX" "$IDC_PRINTER_FONT" >/dev/null
  drv wait-dialog "$FONT_DIALOG" "$WAIT_DIALOG_MS" >/dev/null
  drv dlg-gettext "$FONT_DIALOG" "$FONT_FACE_BOX"
}

close_dialog() {  # caption button
  end_dialog dlg-click "$1" "$2"
}

# The font chosen in the Printer box prints and is offered again; a font
# chosen and then cancelled with the box is not kept.
test_print_font_choice() {
  write_list "$TEST_DIR/Base.rbd" "$PL_HEADER" '"ANNA","BRAY","111","HOME"'
  start_program
  open_font_dialog >/dev/null
  drv dlg-combo-pick "$FONT_DIALOG" "$FONT_FACE_BOX" "$MONO_FACE" >/dev/null
  close_dialog "$FONT_DIALOG" 1
  close_dialog "$PRINTER_BOX" "$IDC_PRINTER_ALL"
  : >"$TEST_DIR/font.marker"
  drv wait-dialog Print "$WAIT_DIALOG_MS" >/dev/null
  drv dlg-click Print 1 >/dev/null
  printed_text "$TEST_DIR/font.marker" >"$TEST_DIR/font.txt"
  pdffonts "$TEST_DIR/$(cat "$TEST_DIR/font.marker.pdfname")" >"$TEST_DIR/font.fonts"
  grep -qiE 'dejavu ?sans ?mono' "$TEST_DIR/font.fonts" ||
    fail "the print does not use $MONO_FACE: $(tail -n +3 "$TEST_DIR/font.fonts" | tr '\n' ' ')"

  assert_eq "$MONO_FACE" "$(open_font_dialog)" "face offered after printing with it"
  drv dlg-combo-pick "$FONT_DIALOG" "$FONT_FACE_BOX" "$SERIF_FACE" >/dev/null
  close_dialog "$FONT_DIALOG" 1
  close_dialog "$PRINTER_BOX" "$IDC_PRINTER_CANCEL"
  assert_eq "$MONO_FACE" "$(open_font_dialog)" "face offered after a choice cancelled with the box"
  close_dialog "$FONT_DIALOG" 2
  close_dialog "$PRINTER_BOX" "$IDC_PRINTER_CANCEL"
}

PROGRESS_BOX="Printing"

# `count` records of as many people, spread over the alphabet.
write_many_records() {  # path count
  {
    printf '%s\r\n' "$PL_HEADER"
    awk -v n="$2" 'BEGIN {
      for (i = 1; i <= n; i++) {
        letter = substr("ABCDEFGHIJKLMNOPQRSTUVWXYZ", (i * 7) % 26 + 1, 1)
        printf "\"%sNNA%05d\",\"BRAY%05d\",\"0%09d\",\"REMARK %d\"\r\n", letter, i, i, i * 37, i
      }
    }'
  } >"$1"
}

progress_page() { drv dlg-gettext "$PROGRESS_BOX" "$IDC_PRINTING_PAGE" | sed -n 's/^Printing page \([0-9][0-9]*\)\.\.\.$/\1/p'; }
page_past_first() { [ "$(progress_page)" -gt 1 ]; }
this_runs_pdfs() { find "$PDF_DIR" -maxdepth 1 -iname "*$(basename "$RUN_DIR")*.pdf" -newer "$1" 2>/dev/null; }

# A long job shows its progress while the window answers and takes no
# input; Esc, then the pointer on Cancel, each stop the job: nothing more is
# said, the window answers at once, no PDF comes, the list stays as it was.
test_print_long_job_stops_on_cancel() {
  write_many_records "$TEST_DIR/Base.rbd" 5000
  start_program
  : >"$TEST_DIR/cancel.marker"
  cp "$TEST_DIR/Base.rbd" "$TEST_DIR/before.rbd"
  local stop handle
  for stop in key pointer; do
    print_list
    drv wait-dialog "$PROGRESS_BOX" "$WAIT_DIALOG_MS" >/dev/null
    handle=$(drv dlg-handle "$PROGRESS_BOX")
    wait_until 60 "a second page" page_past_first || fail "the progress box shows '$(drv dlg-gettext "$PROGRESS_BOX" "$IDC_PRINTING_PAGE")'"
    assert_screen_reader_names "$PROGRESS_BOX" "$IDC_PRINTING_CANCEL|push button|Cancel"
    grep -q "^$IDC_PRINTING_PAGE|[^|]*|Printing page [0-9]*\.\.\.|" <<<"$WALK" || fail "the page a reader finds: $WALK"
    # Sent messages reach the window while it prints; a click on it does nothing.
    drv handled >/dev/null
    user_click main "$IDC_PRINT"
    drv handled >/dev/null
    assert_eq "dialog $PROGRESS_BOX" "$(drv outcome 1000)" "shown while printing ($stop)"
    if [ "$stop" = key ]; then drv dlg-key "$PROGRESS_BOX" esc >/dev/null; else user_click "$PROGRESS_BOX" "$IDC_PRINTING_CANCEL"; fi
    drv wait-gone "$handle" 2000 >/dev/null
    assert_eq idle "$(drv outcome 2000)" "the window after stopping the job ($stop)"
  done
  wait_until 60 "the print queue to empty" print_queue_empty || fail "jobs left after Cancel: $(lpstat -o)"
  assert_eq "" "$(this_runs_pdfs "$TEST_DIR/cancel.marker")" "PDFs of cancelled jobs"
  assert_eq 5000 "$(drv grid-rows)" "rows after the cancelled prints"
  cmp -s "$TEST_DIR/before.rbd" "$TEST_DIR/Base.rbd" || fail "the phone list file changed"
}

# A list of 400 people prints whole: every name is in the PDF's text.
test_print_long_list_whole() {
  write_many_records "$TEST_DIR/Base.rbd" 400
  start_program
  print_to_text whole
  squeezed <"$TEST_DIR/whole.txt" >"$TEST_DIR/whole.lines"
  tail -n +2 "$TEST_DIR/Base.rbd" | awk -F'"' '{ print $2 " " $4 }' >"$TEST_DIR/names"
  local missing
  # grep finds no line, and so fails, when every name is printed.
  missing=$({ grep -vxFf "$TEST_DIR/whole.lines" "$TEST_DIR/names" || true; } | head -n 3 | paste -sd ' ')
  assert_eq "" "$missing" "records whose name is not printed"
  assert_eq idle "$(drv outcome 2000)" "the window after the print"
}
