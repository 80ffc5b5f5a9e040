# One Tonvero per list on a machine, and a list that another copy changed
# is read again before a save instead of being written over.

# Starts tonvero.exe in a folder, with the arguments given, and goes on.
start_in() {  # folder [argument...]
  local folder=$1
  shift
  (cd "$folder" && exec "${WINE[@]}" tonvero.exe "$@" >>"$TEST_DIR/program.log" 2>&1) &
  COPY_PIDS+=($!)
  track_helper $!
}

# Copies of the program in subfolders of the test's folder.
make_folders() { local f; for f in "$@"; do mkdir -p "$TEST_DIR/$f" && cp "$TEST_DIR"/{tonvero.exe,one.wav} "$TEST_DIR/$f/"; done; }

# A second start without a link in the same folder, also one naming another
# list where tv.cn3 names this one, brings the running Tonvero to the front,
# restored, and ends; not one file changes. A start from another folder
# opens that folder's list beside it.
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
  make_folders other
  COPY_PIDS=()
  start_in "$TEST_DIR/other"
  local other
  other="Tonvero + $(windows_path "$TEST_DIR/other" | tr a-z A-Z)\\BASE"
  drv in "$other" wait-window "$WAIT_WINDOW_MS" >/dev/null
  assert_eq "2" "$(drv main-state | cut -d' ' -f1)" "Tonveros after a start for another list"
  drv in "$other" close-main >/dev/null
  wait "${COPY_PIDS[@]}"
}

# Two Tonveros on one list in a shared folder, as on two PCs that map the
# share to drives of their own: copy A (caption $A) runs in folder a and
# opens X:\Base.rbd, copy B in folder b Y:\Base.rbd.
start_two_copies_on_a_shared_list() {
  make_folders a b shared
  ln -sfn "$TEST_DIR/shared" "$WINEPREFIX/dosdevices/x:"
  ln -sfn "$TEST_DIR/shared" "$WINEPREFIX/dosdevices/y:"
  at_test_end "rm -f '$WINEPREFIX/dosdevices/x:' '$WINEPREFIX/dosdevices/y:'"
  A='Tonvero + X:\BASE' B='Tonvero + Y:\BASE' COPY_PIDS=()
  start_in "$TEST_DIR/a" 'X:\Base.rbd'
  start_in "$TEST_DIR/b" 'Y:\Base.rbd'
  drv in "$A" wait-window "$WAIT_WINDOW_MS" >/dev/null
  drv in "$B" wait-window "$WAIT_WINDOW_MS" >/dev/null
}

# Closes both copies as a user would and waits for them.
end_copies() {
  drv in "$A" close-main >/dev/null
  drv in "$B" close-main >/dev/null
  wait "${COPY_PIDS[@]}" || fail "a copy ended with status $?"
}

# The words of the notice shown, lines joined by "|"; Enter answers it.
notice_says() {
  drv wait-dialog "Error Message" "$WAIT_DIALOG_MS" >/dev/null
  drv dlg-gettext "Error Message" "$IDC_NOTICE_TEXT" | paste -sd '|'
  end_dialog dlg-key "Error Message" enter
}

# A button of a copy, then its dialog's fields (id, text pairs) and OK
# (or Yes).
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

# Each copy inserts a record; the second finds the list changed, reads it
# again (Base.bak: the file before its save), inserts its record and says so.
test_two_copies_each_insert_a_record() {
  mkdir -p "$TEST_DIR/shared"
  write_list "$TEST_DIR/shared/Base.rbd" "$PL_HEADER" '"ANN","LEE","1",""'
  start_two_copies_on_a_shared_list
  in_dialog "$A" "$IDC_INSERT" "Insert Record" "$IDC_FIELD_EDIT_1" xavier $((IDC_FIELD_EDIT_1 + 2)) 2
  assert_eq "ANN|LEE|1|  XAVIER|LEE|2| " "$(shared_rows)" "Base.rbd after A"
  in_dialog "$B" "$IDC_INSERT" "Insert Record" "$IDC_FIELD_EDIT_1" yvonne $((IDC_FIELD_EDIT_1 + 2)) 3
  assert_eq "The phone list had been changed by another program and was read again." "$(notice_says)" "B's notice"
  assert_eq "ANN|LEE|1|  XAVIER|LEE|2|  YVONNE|LEE|3| " "$(shared_rows)" "Base.rbd after B"
  assert_eq "$(tail -n +2 "$TEST_DIR/shared/Base.bak")" "$(sed -n 2,3p "$TEST_DIR/shared/Base.rbd")" "Base.bak"
  assert_eq "3 3" "$(drv in "$B" grid-rows) $(drv in "$B" grid-row)" "B's records and selected row"
  end_copies
}

# The same for a dialing procedure; read again as a load reads, copy A's
# line comes in capitals.
test_two_copies_each_insert_a_procedure() {
  start_two_copies_on_a_shared_list
  in_dialog "$A" "$IDC_DP_INSERT" "$DP_INSERT" "$IDC_DP_INSERT_NAME" "FROM A"
  assert_eq '"FROM A","@ (New)"|"VELMORA","@"|' "$(file_lines "$TEST_DIR/shared/Base.dp")" "Base.dp after A"
  in_dialog "$B" "$IDC_DP_INSERT" "$DP_INSERT" "$IDC_DP_INSERT_NAME" "FROM B"
  assert_eq "The list of dialing procedures had been changed by another program and was read again." \
    "$(notice_says)" "B's notice"
  assert_eq '"FROM B","@ (New)"|"FROM A","@ (NEW)"|"VELMORA","@"|' "$(file_lines "$TEST_DIR/shared/Base.dp")" \
    "Base.dp after B"
  assert_eq "DEFAULT FROM B FROM A VELMORA 1" \
    "$(drv in "$B" combo-items "$IDC_DP_NAME" | paste -sd ' ') $(drv in "$B" combo-sel "$IDC_DP_NAME")" "B's list"
  end_copies
}

# Copy B edits a record that copy A then deletes: A finds the record no
# longer as it was, keeps B's edit and names the deletion not applied.
test_deleted_while_edited_elsewhere() {
  mkdir -p "$TEST_DIR/shared"
  write_list "$TEST_DIR/shared/Base.rbd" "$PL_HEADER" '"ANN","LEE","1",""' '"BOB","RAY","2",""'
  start_two_copies_on_a_shared_list
  drv in "$B" grid-click 2 >/dev/null
  in_dialog "$B" "$IDC_EDIT" "Edit Record" $((IDC_FIELD_EDIT_1 + 2)) 9
  assert_eq "ANN|LEE|1|  BOB|RAY|9| " "$(shared_rows)" "Base.rbd after B's edit"
  drv in "$A" grid-click 2 >/dev/null
  in_dialog "$A" "$IDC_DELETE" Question
  assert_eq "The phone list had been changed by another program and was read again.|Not applied, as the record is no longer there:|Delete of BOB RAY 2" \
    "$(notice_says)" "A's notice"
  assert_eq "ANN|LEE|1|  BOB|RAY|9| " "$(shared_rows)" "Base.rbd after A's deletion"
  end_copies
}
