# One Tonvero per list, and a list another copy changed is read again, not overwritten.

# Starts tonvero.exe in a folder, with the arguments given, and goes on.
start_in() {  # folder [argument...]
  (cd "$1" && shift && exec "${WINE[@]}" tonvero.exe "$@" >>"$TEST_DIR/program.log" 2>&1) &
  track_helper $!
}

# A second start in the same folder, also one naming another list where
# tv.cn3 names this one, brings the running Tonvero to the front, restored,
# and ends; not one file changes. (Copies of other paths run: see below.)
test_second_start_brings_the_first_to_front() {
  write_list "$TEST_DIR/Base.rbd" "$PL_HEADER" '"ANNA","BRAY","111",""'
  start_program
  local before argument
  before=$(folder_sums)
  for argument in "" Other.rbd; do
    assert_eq "iconic" "$(drv minimise)" "the first one, minimised"
    start_in "$TEST_DIR" $argument
    wait $! || fail "the second start with '$argument' ended with status $?"
    assert_eq "1 shown front" "$(drv main-state)" "Tonveros after a second start with '$argument'"
    assert_eq "$before" "$(folder_sums)" "files after a second start with '$argument'"
  done
}

# Two Tonveros on a shared list, as on two PCs mapping the share to drives
# of their own: copy A (caption $A) in folder a on X:, copy B in b on Y:.
start_two_copies_on_a_shared_list() {
  for f in a b shared; do mkdir -p "$TEST_DIR/$f" && cp "$TEST_DIR"/{tonvero.exe,one.wav} "$TEST_DIR/$f/"; done
  ln -sfn "$TEST_DIR/shared" "$WINEPREFIX/dosdevices/x:"
  ln -sfn "$TEST_DIR/shared" "$WINEPREFIX/dosdevices/y:"
  at_test_end "rm -f '$WINEPREFIX/dosdevices/x:' '$WINEPREFIX/dosdevices/y:'"
  A='Tonvero + X:\BASE' B='Tonvero + Y:\BASE'
  start_in "$TEST_DIR/a" 'X:\Base.rbd'
  start_in "$TEST_DIR/b" 'Y:\Base.rbd'
  drv in "$A" wait-window "$WAIT_WINDOW_MS" >/dev/null
  drv in "$B" wait-window "$WAIT_WINDOW_MS" >/dev/null
}

# The words of the notice shown, lines joined by "|"; Enter answers it.
notice_says() {
  drv wait-dialog "Error Message" "$WAIT_DIALOG_MS" >/dev/null
  drv dlg-gettext "Error Message" "$IDC_NOTICE_TEXT" | paste -sd '|'
  end_dialog dlg-key "Error Message" enter
}

# A button of a copy, then its dialog's fields (id, text pairs) and OK/Yes.
in_dialog() {  # caption button dialog [id text]...
  drv in "$1" click "$2" >/dev/null
  drv wait-dialog "$3" "$WAIT_DIALOG_MS" >/dev/null
  local caption=$1 dialog=$3
  shift 3
  while [ $# -gt 0 ]; do drv dlg-settext "$dialog" "$1" "$2" >/dev/null; shift 2; done
  end_dialog dlg-click "$dialog" 1
  drv in "$caption" grid-rows >/dev/null  # answered once the save is done or a notice shows
}

shared_rows() { list_rows shared/Base | paste -sd ' '; }

# Each copy inserts a record and a procedure; the second reads the changed
# file again as a load does (Base.bak: the file before its save; A's
# procedure line in capitals), inserts its own and says so. Then B edits a
# record that A deletes: A finds the record no longer as it was, keeps B's
# edit and names the deletion not applied.
test_two_copies_insert_edit_and_delete() {
  mkdir -p "$TEST_DIR/shared"
  write_list "$TEST_DIR/shared/Base.rbd" "$PL_HEADER" '"ANN","LEE","1",""' '"BOB","RAY","2",""'
  start_two_copies_on_a_shared_list
  in_dialog "$A" "$IDC_INSERT" "Insert Record" "$IDC_FIELD_EDIT_1" xavier $((IDC_FIELD_EDIT_1 + 2)) 2
  in_dialog "$A" "$IDC_DP_INSERT" "$DP_INSERT" "$IDC_DP_INSERT_NAME" "FROM A"
  in_dialog "$B" "$IDC_INSERT" "Insert Record" "$IDC_FIELD_EDIT_1" yvonne $((IDC_FIELD_EDIT_1 + 2)) 3
  assert_eq "The phone list had been changed by another program and was read again." "$(notice_says)" "B's notice"
  assert_eq "ANN|LEE|1|  BOB|RAY|2|  XAVIER|LEE|2|  YVONNE|LEE|3| " "$(shared_rows)" "Base.rbd after B"
  assert_eq "$(tail -n +2 "$TEST_DIR/shared/Base.bak")" "$(sed -n 2,4p "$TEST_DIR/shared/Base.rbd")" "Base.bak"
  in_dialog "$B" "$IDC_DP_INSERT" "$DP_INSERT" "$IDC_DP_INSERT_NAME" "FROM B"
  assert_eq "The list of dialing procedures had been changed by another program and was read again." \
    "$(notice_says)" "B's second notice"
  assert_eq '"FROM B","@ (New)"|"FROM A","@ (NEW)"|"VELMORA","@"|' "$(file_lines "$TEST_DIR/shared/Base.dp")" \
    "Base.dp after B"
  drv in "$B" grid-click 2 >/dev/null
  in_dialog "$B" "$IDC_EDIT" "Edit Record" $((IDC_FIELD_EDIT_1 + 2)) 9
  drv in "$A" grid-click 2 >/dev/null
  in_dialog "$A" "$IDC_DELETE" Question
  assert_eq "The phone list had been changed by another program and was read again.|Not applied, as the record is no longer there:|Delete of BOB RAY 2" \
    "$(notice_says)" "A's notice"
  assert_eq "ANN|LEE|1|  BOB|RAY|9|  XAVIER|LEE|2|  YVONNE|LEE|3| " "$(shared_rows)" "Base.rbd after A's deletion"
}
