# Details a user meets on the way: the hints of the list buttons, the close
# boxes of the record and sorting dialogs, the command help that a click
# (not the keyboard) opens, and the copies asked for in the print dialog.

PRINT_COPIES_FIELD=1154  # the print dialog's "Number of copies"

test_list_button_hints() {
  start_program
  local entry
  for entry in "$IDC_SORT| Choose The Sorting Field " "$IDC_EDIT| Edit Current Record " \
    "$IDC_INSERT| Insert A New Record " "$IDC_DELETE| Delete Current Record " \
    "$IDC_FILE| Open another DB File "; do
    assert_eq "${entry#*|}" "$(drv hint "${entry%%|*}" "$WAIT_DIALOG_MS")" "hint of button ${entry%%|*}"
  done
}

# Each dialog closes by its close box as by Cancel: the list stays as it was.
test_record_and_sorting_dialogs_have_a_close_box() {
  write_list "$TEST_DIR/Base.rbd" "$PL_HEADER" '"ANNA","BRAY","111","HOME"' '"CARL","DOE","333",""'
  cp "$TEST_DIR/Base.rbd" "$TEST_DIR/before.rbd"
  start_program
  local entry caption
  for entry in "$IDC_EDIT|Edit Record" "$IDC_INSERT|Insert Record" "$IDC_SORT|Sorting"; do
    caption=${entry#*|}
    drv click "${entry%%|*}" >/dev/null
    drv wait-dialog "$caption" "$WAIT_DIALOG_MS" >/dev/null
    assert_eq 1 "$(drv dlg-close-box "$caption")" "close box of \"$caption\""
    drv dlg-close "$caption" >/dev/null
    drv wait-gone "$caption" "$WAIT_DIALOG_MS" >/dev/null
  done
  cmp -s "$TEST_DIR/before.rbd" "$TEST_DIR/Base.rbd" || fail "closing a dialog changed Base.rbd"
  assert_eq 1 "$(drv grid-row)" "selected row after the dialogs"
}

# Tabbing into the command field opens no help; a click does, and while it
# shows the phone list keeps its scroll bar away, resized or not.
test_command_help_opens_on_a_click() {
  local lines=() i
  for i in $(seq 10 49); do lines+=("\"ANNA\",\"BRAY\",\"$i\",\"\""); done
  write_list "$TEST_DIR/Base.rbd" "$PL_HEADER" "${lines[@]}"
  start_program
  for i in $(seq 60); do
    [ "$(drv main-focus)" != "$IDC_DP_EDIT" ] || break
    drv press main tab >/dev/null
    assert_eq 0 "$(drv visible "$IDC_DP_MEMO")" "help shown after $i Tab presses"
  done
  assert_eq "$IDC_DP_EDIT" "$(drv main-focus)" "focus after Tab presses"
  assert_eq 1 "$(drv vscroll "$IDC_GRID")" "the list's scroll bar before the help"
  drv click-into "$IDC_DP_EDIT" >/dev/null
  drv wait-visible "$IDC_DP_MEMO" 1 "$WAIT_DIALOG_MS" >/dev/null
  drv resize "$IDC_GRID" 385 140 >/dev/null
  assert_eq 0 "$(drv vscroll "$IDC_GRID")" "the list's scroll bar while the help shows"
  drv grid-click 1 >/dev/null
  drv wait-visible "$IDC_DP_MEMO" 0 "$WAIT_DIALOG_MS" >/dev/null
  assert_eq 1 "$(drv vscroll "$IDC_GRID")" "the list's scroll bar after the help"
}

test_print_copies() {
  write_list "$TEST_DIR/Base.rbd" "$PL_HEADER" '"ANNA","BRAY","111","HOME"'
  start_program
  : >"$TEST_DIR/copies.marker"
  drv click "$IDC_PRINT" >/dev/null
  drv wait-dialog "$PRINTER_BOX" "$WAIT_DIALOG_MS" >/dev/null
  drv dlg-click "$PRINTER_BOX" "$IDC_PRINTER_ALL" >/dev/null
  drv wait-dialog Print "$WAIT_DIALOG_MS" >/dev/null
  drv dlg-settext Print "$PRINT_COPIES_FIELD" 3 >/dev/null
  drv dlg-click Print 1 >/dev/null
  printed_text "$TEST_DIR/copies.marker" >"$TEST_DIR/copies.txt"
  assert_eq 3 "$(page_count "$TEST_DIR/copies.txt")" "pages of three copies"
  assert_eq "$(page_of "$TEST_DIR/copies.txt" 1)" "$(page_of "$TEST_DIR/copies.txt" 3)" "the third copy"
}

# Tab goes round the main window's controls in one order across its panels:
# from the dialer screen through the dialer's buttons, Exit, the procedure
# bar, Help, the phone list's row of buttons and the grid, then the keypad
# and back to the screen. Del. is left out while DEFAULT is chosen.
test_tab_order_across_panels() {
  write_list "$TEST_DIR/Base.rbd" "$PL_HEADER" '"ANNA","BRAY","1",""' '"BEN","COLE","2",""'
  start_program
  local expected=() key order=() i
  expected=("$IDC_CLEAR" "$IDC_SPEED" "$IDC_DIAL" "$IDC_DIAL_MODE" "$IDC_EXIT" "$IDC_DP_INSERT" "$IDC_DP_NAME"
    "$IDC_DP_EDIT" "$IDC_HELP_BUTTON" "$IDC_SORT" "$IDC_EDIT" "$IDC_INSERT" "$IDC_DELETE" "$IDC_FILE" "$IDC_PRINT"
    "$IDC_SYNC" "$IDC_ADD" "$IDC_GRID")
  for key in 1 2 3 4 5 6 7 8 9; do expected+=($((IDC_KEY_0 + key))); done
  expected+=("$IDC_KEY_ST" "$IDC_KEY_0" "$IDC_KEY_NM" "$IDC_KEY_A" $((IDC_KEY_A + 1)) $((IDC_KEY_A + 2))
    $((IDC_KEY_A + 3)) "$IDC_SCREEN")
  drv click-into "$IDC_SCREEN" >/dev/null
  for i in "${expected[@]}"; do
    drv press main tab >/dev/null
    order+=("$(drv main-focus)")
  done
  assert_eq "${expected[*]}" "${order[*]}" "controls in Tab order from the dialer screen"
}
