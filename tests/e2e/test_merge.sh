# "Sync." and "Add": another database chosen in the file dialog, the
# questions, the procedures offered in the "DP Insert" dialog and the records
# in the record dialog; both databases' files checked afterwards.

SYNC_TITLE="Synchronization With Tonvero DB"
ADD_TITLE="Adding Records From Tonvero DB"

# Types the other database's file name into the file dialog and opens it.
# The name box of the Explorer-style dialog is cmb13 (1148); the older
# style has edt1 (1152).
choose_other_database() {  # dialog title, Windows path
  drv wait-dialog "$1" "$WAIT_DIALOG_MS" >/dev/null
  drv_try dlg-settext "$1" 1148 "$2" || drv dlg-settext "$1" 1152 "$2" >/dev/null
  drv dlg-click "$1" 1 >/dev/null
  drv wait-gone "$1" "$WAIT_DIALOG_MS" >/dev/null
}

answer_question() {  # expected question, Yes|No
  drv wait-dialog Question "$WAIT_DIALOG_MS" >/dev/null
  assert_eq "$1" "$(drv dlg-gettext Question "$IDC_QUESTION_TEXT")" "question"
  if [ "$2" = Yes ]; then drv dlg-click Question "$IDC_YES_BUTTON" >/dev/null
  else drv dlg-click Question "$IDC_NO_BUTTON" >/dev/null; fi
  drv wait-gone Question "$WAIT_DIALOG_MS" >/dev/null
}

# The "DP Insert" dialog offering a procedure: checks the name offered, puts
# another name when given, and closes it with OK or Cancel.
answer_procedure() {  # offered name, OK|Cancel, [new name]
  drv wait-dialog "$DP_INSERT" "$WAIT_DIALOG_MS" >/dev/null
  assert_eq "$1" "$(drv dlg-gettext "$DP_INSERT" "$IDC_DP_INSERT_NAME")" "procedure offered"
  [ -z "${3:-}" ] || drv dlg-settext "$DP_INSERT" "$IDC_DP_INSERT_NAME" "$3" >/dev/null
  if [ "$2" = OK ]; then drv dlg-click "$DP_INSERT" "$IDC_DP_INSERT_ENTER" >/dev/null
  else drv dlg-click "$DP_INSERT" "$IDC_DP_INSERT_CANCEL" >/dev/null; fi
  drv wait-gone "$DP_INSERT" "$WAIT_DIALOG_MS" >/dev/null
}

# The record dialog offering a record: checks its four fields, closes it.
answer_record() {  # "f1|f2|f3|f4" offered, OK|Cancel
  drv wait-dialog "Insert Record" "$WAIT_DIALOG_MS" >/dev/null
  local fields="" i
  for i in 0 1 2 3; do
    fields+="$(drv dlg-gettext "Insert Record" $((IDC_FIELD_EDIT_1 + i)))"
    [ "$i" = 3 ] || fields+="|"
  done
  assert_eq "$1" "$fields" "record offered"
  if [ "$2" = OK ]; then drv dlg-click "Insert Record" "$IDC_RECORD_OK" >/dev/null
  else drv dlg-click "Insert Record" "$IDC_RECORD_CANCEL" >/dev/null; fi
  drv wait-gone "Insert Record" "$WAIT_DIALOG_MS" >/dev/null
}

# Waits until the command has ended: the main window answers and no dialog
# of the command is open.
merge_done() {
  local d
  for d in Question "$DP_INSERT" "Insert Record"; do drv wait-gone "$d" "$WAIT_DIALOG_MS" >/dev/null; done
  assert_still_running "after the merge"
}

assert_file_lines() {  # path expected-lines-joined-by-| what
  assert_eq "$2" "$(file_lines "$1")" "$3"
}

# "Add" from a database in another folder: what the current one lacks is
# offered in the other's order; the current files get what was accepted (a
# procedure with its real text, a record as edited), the other's data files
# stay as they were and its backups hold its lines in normal form.
test_merge_add_from_another_database() {
  mkdir -p "$TEST_DIR/other"
  printf '%s\r\n' '"VELMORA","@"' '" office ","0p@ "' '' '"HOME","9,@"' >"$TEST_DIR/other/Work.dp"
  printf '%s\n' "$PL_HEADER" '"marel","vossik","","velmora"' '"Cy","Doe","555",""' '' '"Di","Eck","777","x"' \
    >"$TEST_DIR/other/Work.rbd"
  cp "$TEST_DIR/other/Work.dp" "$TEST_DIR/other/Work.dp.before"
  cp "$TEST_DIR/other/Work.rbd" "$TEST_DIR/other/Work.rbd.before"
  start_program
  drv click "$IDC_ADD" >/dev/null
  choose_other_database "$ADD_TITLE" "$(windows_path "$TEST_DIR/other")\\Work.rbd"
  answer_question "Add Dialing Proc. Records ?" Yes
  answer_procedure OFFICE OK
  answer_procedure HOME Cancel
  answer_question "Add Phone List Records ?" Yes
  answer_record "CY|DOE|555| " OK
  answer_record "DI|ECK|777|X" Cancel
  merge_done

  assert_file_lines "$TEST_DIR/Base.dp" '"VELMORA","@"|"OFFICE","0P@"|' "current Base.dp"
  assert_file_lines "$TEST_DIR/Base.rbd" \
    "$PL_HEADER|\"CY\",\"DOE\",\"555\",\" \"|\"MAREL\",\"VOSSIK\",\" \",\"VELMORA\"|" "current Base.rbd"
  cmp -s "$TEST_DIR/other/Work.dp" "$TEST_DIR/other/Work.dp.before" || fail "Add changed the other Work.dp"
  cmp -s "$TEST_DIR/other/Work.rbd" "$TEST_DIR/other/Work.rbd.before" || fail "Add changed the other Work.rbd"
  assert_file_lines "$TEST_DIR/other/Work.dpb" '"VELMORA","@"|"OFFICE","0P@"|"HOME","9,@"|' "other Work.dpb"
  assert_file_lines "$TEST_DIR/other/Work.bak" \
    "$PL_HEADER|\"MAREL\",\"VOSSIK\",\" \",\"VELMORA\"|\"CY\",\"DOE\",\"555\",\" \"|\"DI\",\"ECK\",\"777\",\"X\"|" \
    "other Work.bak"
  assert_procedures "DEFAULT|VELMORA|OFFICE" 0 "@" 0
  assert_eq "2 1" "$(drv grid-rows) $(drv grid-row)" "records and selected row after Add"
  assert_eq "$IDC_GRID" "$(drv focused)" "focused control after Add"
}
