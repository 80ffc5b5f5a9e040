# One Tonvero per list on a machine, and a list that another copy changed
# is read again before a save instead of being written over.

# Starts tonvero.exe in a folder with an argument, without waiting.
start_in() {  # folder [argument...]
  local folder=$1
  shift
  (cd "$folder" && exec "${WINE[@]}" tonvero.exe "$@" >>"$TEST_DIR/program.log" 2>&1) &
}

# A second start without a link in the same folder brings the running
# Tonvero to the front, restored from its minimised state, and ends; not
# one file changes. The list is the one tv.cn3 names, whatever the argument
# says. A start for another list, from another folder, runs beside it.
test_second_start_brings_the_first_to_front() {
  write_list "$TEST_DIR/Base.rbd" "$PL_HEADER" '"ANNA","BRAY","111",""'
  start_program
  local before argument
  before=$(folder_sums)
  for argument in "" Other.rbd; do
    assert_eq "iconic" "$(drv minimise)" "the first one before a second start with '$argument'"
    start_in "$TEST_DIR" $argument
    wait $! || fail "the second start with '$argument' ended with status $?"
    assert_eq "1 shown front" "$(drv main-state)" "Tonveros after a second start with '$argument'"
    assert_eq "$before" "$(folder_sums)" "files after a second start with '$argument'"
  done
  [ ! -e "$TEST_DIR/Other.rbd" ] || fail "a second start made Other.rbd"
  assert_still_running "after the second starts"

  mkdir -p "$TEST_DIR/other"
  cp "$TEST_DIR/tonvero.exe" "$TEST_DIR/one.wav" "$TEST_DIR/other/"
  start_in "$TEST_DIR/other"
  COPIES=("Tonvero + $(windows_path "$TEST_DIR/other" | tr a-z A-Z)\\BASE")
  COPY_PIDS=($!)
  track_helper $!
  drv in "${COPIES[0]}" wait-window "$WAIT_WINDOW_MS" >/dev/null
  assert_eq "2" "$(drv main-state | cut -d' ' -f1)" "Tonveros after a start for another list"
  end_copies
}

# Two Tonveros on one list in a shared folder, as on two PCs that map the
# share to drives of their own: copy A names it on X:, copy B on Y:. Each
# runs in a folder of its own. Sets A and B to their captions.
start_two_copies_on_a_shared_list() {
  local copy
  mkdir -p "$TEST_DIR/shared"
  for copy in a b; do
    mkdir -p "$TEST_DIR/$copy"
    cp "$TEST_DIR/tonvero.exe" "$TEST_DIR/one.wav" "$TEST_DIR/$copy/"
  done
  for copy in x y; do
    ln -sfn "$TEST_DIR/shared" "$WINEPREFIX/dosdevices/$copy:"
    at_test_end "rm -f '$WINEPREFIX/dosdevices/$copy:'"
  done
  A='Tonvero + X:\BASE'
  B='Tonvero + Y:\BASE'
  COPIES=("$A" "$B")
  start_in "$TEST_DIR/a" 'X:\Base.rbd'
  COPY_PIDS=($!)
  start_in "$TEST_DIR/b" 'Y:\Base.rbd'
  COPY_PIDS+=($!)
  track_helper "${COPY_PIDS[0]}"
  track_helper "${COPY_PIDS[1]}"
  drv in "$A" wait-window "$WAIT_WINDOW_MS" >/dev/null
  drv in "$B" wait-window "$WAIT_WINDOW_MS" >/dev/null
  assert_eq "2" "$(drv main-state | cut -d' ' -f1)" "Tonveros on the shared list"
}

# Closes the copies a test started, as a user would, and waits for them.
end_copies() {
  local caption pid
  for caption in "${COPIES[@]}"; do drv in "$caption" close-main >/dev/null; done
  for pid in "${COPY_PIDS[@]}"; do wait "$pid" || fail "a copy ended with status $?"; done
}

# The notice a copy shows, read and answered with Enter.
notice_says() {
  drv wait-dialog "Error Message" "$WAIT_DIALOG_MS" >/dev/null
  drv dlg-gettext "Error Message" "$IDC_NOTICE_TEXT" | tr '\n' '|'
  end_dialog dlg-key "Error Message" enter
}

# "Insert" in a copy, with the record's four fields.
insert_record_in() {  # caption first last phone remarks
  local caption=$1 i
  shift
  drv in "$caption" click "$IDC_INSERT" >/dev/null
  drv wait-dialog "Insert Record" "$WAIT_DIALOG_MS" >/dev/null
  for i in 0 1 2 3; do drv dlg-settext "Insert Record" $((IDC_FIELD_EDIT_1 + i)) "$1" >/dev/null; shift; done
  end_dialog dlg-click "Insert Record" "$IDC_RECORD_OK"
}

shared_rows() { list_rows shared/Base; }

# Both copies insert a record; the second finds the list changed, reads it
# again, inserts its record into it and says so. No record is lost.
test_two_copies_each_insert_a_record() {
  mkdir -p "$TEST_DIR/shared"
  write_list "$TEST_DIR/shared/Base.rbd" "$PL_HEADER" '"ANN","LEE","111",""'
  start_two_copies_on_a_shared_list
  insert_record_in "$A" xavier one 222 ""
  assert_eq "2" "$(drv in "$A" grid-rows)" "records in copy A"
  assert_eq "$(printf '%s\n' "ANN|LEE|111| " "XAVIER|ONE|222| ")" "$(shared_rows)" "Base.rbd after copy A's insertion"

  insert_record_in "$B" yvonne two 333 ""
  assert_eq "The phone list had been changed by another program and was read again.|" "$(notice_says)" \
    "copy B's notice"
  assert_eq "$(printf '%s\n' "ANN|LEE|111| " "XAVIER|ONE|222| " "YVONNE|TWO|333| ")" "$(shared_rows)" \
    "Base.rbd after copy B's insertion"
  assert_eq "3 3" "$(drv in "$B" grid-rows) $(drv in "$B" grid-row)" "copy B's records and selected row"
  assert_eq "333" "$(drv in "$B" gettext "$IDC_SCREEN")" "copy B's dialer screen"
  assert_eq "$(printf '%s\n' "ANN|LEE|111| " "XAVIER|ONE|222| ")" "$(tail -n +2 "$TEST_DIR/shared/Base.bak" | tr -d '\r' | sed 's/^"//; s/"$//; s/","/|/g')" \
    "Base.bak: the list as it was before copy B's save"

  # Copy A's next change finds copy B's save the same way.
  insert_record_in "$A" zoe three 444 ""
  notice_says >/dev/null
  assert_eq "4" "$(shared_rows | wc -l)" "records after copy A's second insertion"
  end_copies
}

# The same for a dialing procedure inserted in each copy.
test_two_copies_each_insert_a_procedure() {
  start_two_copies_on_a_shared_list
  local copy name
  for copy in A B; do
    name="FROM $copy"
    drv in "${!copy}" click "$IDC_DP_INSERT" >/dev/null
    drv wait-dialog "$DP_INSERT" "$WAIT_DIALOG_MS" >/dev/null
    drv dlg-settext "$DP_INSERT" "$IDC_DP_INSERT_NAME" "$name" >/dev/null
    end_dialog dlg-click "$DP_INSERT" "$IDC_DP_INSERT_ENTER"
    drv in "${!copy}" grid-rows >/dev/null
    if [ "$copy" = A ]; then
      assert_eq '"FROM A","@ (New)"|"VELMORA","@"|' "$(file_lines "$TEST_DIR/shared/Base.dp")" "Base.dp after copy A's insertion"
    fi
  done
  assert_eq "The list of dialing procedures had been changed by another program and was read again.|" \
    "$(notice_says)" "copy B's notice"
  # Read again as a load reads, copy A's line comes in capitals.
  assert_eq '"FROM B","@ (New)"|"FROM A","@ (NEW)"|"VELMORA","@"|' "$(file_lines "$TEST_DIR/shared/Base.dp")" \
    "Base.dp after both insertions"
  assert_eq "DEFAULT|FROM B|FROM A|VELMORA" "$(drv in "$B" combo-items "$IDC_DP_NAME" | paste -sd '|')" \
    "copy B's procedures"
  assert_eq "1" "$(drv in "$B" combo-sel "$IDC_DP_NAME")" "copy B's selected procedure"
  end_copies
}

# Copy B edits a record that copy A then deletes: copy A finds the record it
# deleted no longer as it was, keeps copy B's edit and names the deletion
# it could not apply.
test_deleted_while_edited_elsewhere() {
  mkdir -p "$TEST_DIR/shared"
  write_list "$TEST_DIR/shared/Base.rbd" "$PL_HEADER" '"ANN","LEE","111",""' '"BOB","RAY","222",""'
  start_two_copies_on_a_shared_list
  drv in "$B" grid-click 2 >/dev/null
  drv in "$B" click "$IDC_EDIT" >/dev/null
  drv wait-dialog "Edit Record" "$WAIT_DIALOG_MS" >/dev/null
  drv dlg-settext "Edit Record" $((IDC_FIELD_EDIT_1 + 2)) "999" >/dev/null
  end_dialog dlg-click "Edit Record" "$IDC_RECORD_OK"
  drv in "$B" grid-rows >/dev/null
  assert_eq "$(printf '%s\n' "ANN|LEE|111| " "BOB|RAY|999| ")" "$(shared_rows)" "Base.rbd after copy B's edit"

  drv in "$A" grid-click 2 >/dev/null
  drv in "$A" click "$IDC_DELETE" >/dev/null
  drv wait-dialog Question "$WAIT_DIALOG_MS" >/dev/null
  end_dialog dlg-click Question "$IDC_YES_BUTTON"
  assert_eq "The phone list had been changed by another program and was read again.|Not applied, as the record is no longer there:|Delete of BOB RAY 222|" \
    "$(notice_says)" "copy A's notice"
  assert_eq "$(printf '%s\n' "ANN|LEE|111| " "BOB|RAY|999| ")" "$(shared_rows)" "Base.rbd after copy A's deletion"
  assert_eq "2" "$(drv in "$A" grid-rows)" "records in copy A"
  end_copies
}
