# "Sync." and "Add": another database chosen in the file dialog, the
# questions, the procedures offered in the "DP Insert" dialog and the records
# in the record dialog; both databases' files checked afterwards.

SYNC_TITLE="Synchronization With Tonvero DB"
ADD_TITLE="Adding Records From Tonvero DB"

# Types the other database's file name into the file dialog's name box
# (cmb13, 1148) and opens it with Enter.
choose_other_database() {  # dialog title, Windows path
  drv wait-dialog "$1" "$WAIT_DIALOG_MS" >/dev/null
  drv dlg-settext "$1" 1148 "$2" >/dev/null
  drv press "$1" enter >/dev/null
  drv wait-gone "$1" "$WAIT_DIALOG_MS" >/dev/null
}

answer_question() {  # expected question, Yes|No
  drv wait-dialog Question "$WAIT_DIALOG_MS" >/dev/null
  assert_eq "$1" "$(drv dlg-gettext Question "$IDC_QUESTION_TEXT")" "question"
  if [ "$2" = Yes ]; then end_dialog dlg-click Question "$IDC_YES_BUTTON"
  else end_dialog dlg-click Question "$IDC_NO_BUTTON"; fi
}

# The "DP Insert" dialog offering a procedure: checks the name offered, puts
# another name when given, and closes it with OK or Cancel.
answer_procedure() {  # offered name, OK|Cancel, [new name]
  drv wait-dialog "$DP_INSERT" "$WAIT_DIALOG_MS" >/dev/null
  assert_eq "$1" "$(drv dlg-gettext "$DP_INSERT" "$IDC_DP_INSERT_NAME")" "procedure offered"
  [ -z "${3:-}" ] || drv dlg-settext "$DP_INSERT" "$IDC_DP_INSERT_NAME" "$3" >/dev/null
  if [ "$2" = OK ]; then user_end_dialog "$DP_INSERT" "$IDC_DP_INSERT_ENTER"
  else end_dialog dlg-click "$DP_INSERT" "$IDC_DP_INSERT_CANCEL"; fi
}

# The record dialog offering a record: checks its four fields, closes it.
answer_record() {  # "f1|f2|f3|f4" offered, OK|Cancel
  drv wait-dialog "Insert Record" "$WAIT_DIALOG_MS" >/dev/null
  assert_eq "$1" "$(record_fields "Insert Record" "$IDC_FIELD_EDIT_1")" "record offered"
  if [ "$2" = OK ]; then user_end_dialog "Insert Record" "$IDC_RECORD_OK"
  else end_dialog dlg-click "Insert Record" "$IDC_RECORD_CANCEL"; fi
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
  user_click main "$IDC_ADD"
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
  assert_eq "$IDC_GRID" "$(drv main-focus)" "focused control after Add"
}

# "Sync." with a database that does not exist yet: its files are created,
# nothing of them is offered (the current database holds VELMORA and the
# sample), and afterwards it is a copy of the current database.
test_merge_sync_creates_a_new_database() {
  write_procedures '"VELMORA","@"' '"OFFICE","0P@"'
  write_list "$TEST_DIR/Base.rbd" "$PL_HEADER" '"MAREL","VOSSIK"," ","VELMORA"' '"CY","DOE","555"," "'
  start_program
  local caption
  caption=$(drv caption)
  user_click main "$IDC_SYNC"
  choose_other_database "$SYNC_TITLE" "$(windows_path "$TEST_DIR")\\New.rbd"
  answer_question "Synchronize The Dialing Proc. List ?" Yes
  answer_question "Synchronize The Phone List ?" Yes
  merge_done
  cmp -s "$TEST_DIR/Base.dp" "$TEST_DIR/New.dp" || fail "New.dp is not a copy of Base.dp: $(file_lines "$TEST_DIR/New.dp")"
  cmp -s "$TEST_DIR/Base.rbd" "$TEST_DIR/New.rbd" || fail "New.rbd is not a copy of Base.rbd: $(file_lines "$TEST_DIR/New.rbd")"
  assert_file_lines "$TEST_DIR/New.dpb" '"VELMORA","@"|' "New.dpb"
  assert_file_lines "$TEST_DIR/New.bak" "$PL_HEADER|\"MAREL\",\"VOSSIK\",\" \",\"VELMORA\"|" "New.bak"
  assert_eq "$caption" "$(drv caption)" "caption after Sync."
}

# No to the first question, Yes to the second: only the phone lists meet.
# What the user declined is gone from the other database but in its backup.
test_merge_sync_phone_list_only() {
  mkdir -p "$TEST_DIR/other"
  printf '%s\r\n' '"HOME","9,@"' >"$TEST_DIR/other/Work.dp"
  printf '%s\r\n' "$PL_HEADER" '"CY","DOE","555"," "' '"DI","ECK","777"," "' >"$TEST_DIR/other/Work.rbd"
  start_program
  drv click "$IDC_SYNC" >/dev/null
  choose_other_database "$SYNC_TITLE" "$(windows_path "$TEST_DIR/other")\\Work.rbd"
  answer_question "Synchronize The Dialing Proc. List ?" No
  answer_question "Synchronize The Phone List ?" Yes
  answer_record "CY|DOE|555| " Cancel
  answer_record "DI|ECK|777| " OK
  merge_done
  local merged="$PL_HEADER|\"DI\",\"ECK\",\"777\",\" \"|\"MAREL\",\"VOSSIK\",\" \",\"VELMORA\"|"
  assert_file_lines "$TEST_DIR/Base.rbd" "$merged" "current Base.rbd"
  assert_file_lines "$TEST_DIR/other/Work.rbd" "$merged" "other Work.rbd"
  assert_file_lines "$TEST_DIR/other/Work.bak" "$PL_HEADER|\"CY\",\"DOE\",\"555\",\" \"|\"DI\",\"ECK\",\"777\",\" \"|" \
    "other Work.bak"
  assert_file_lines "$TEST_DIR/other/Work.dp" '"HOME","9,@"|' "other Work.dp"
  [ ! -e "$TEST_DIR/other/Work.dpb" ] || fail "the procedures were merged after No"
  assert_file_lines "$TEST_DIR/Base.dp" '"VELMORA","@"|' "current Base.dp"
}

# A database whose files are read-only: "Add" still offers and adds (its
# backups are skipped); "Sync." reports that it cannot write there, and the
# current database stays the one every later save goes to.
test_merge_read_only_other_database() {
  mkdir -p "$TEST_DIR/other"
  printf '%s\r\n' '"OFFICE","0P@"' >"$TEST_DIR/other/Work.dp"
  printf '%s\r\n' "$PL_HEADER" '"CY","DOE","555"," "' >"$TEST_DIR/other/Work.rbd"
  : >"$TEST_DIR/other/Work.dpb"
  : >"$TEST_DIR/other/Work.bak"
  chmod 444 "$TEST_DIR/other/"Work.*
  start_program
  local caption
  caption=$(drv caption)
  drv click "$IDC_ADD" >/dev/null
  choose_other_database "$ADD_TITLE" "$(windows_path "$TEST_DIR/other")\\Work.rbd"
  answer_question "Add Dialing Proc. Records ?" Yes
  answer_procedure OFFICE OK WORK
  answer_question "Add Phone List Records ?" No
  merge_done
  assert_file_lines "$TEST_DIR/Base.dp" '"VELMORA","@"|"WORK","0P@"|' "Base.dp after Add"

  drv click "$IDC_SYNC" >/dev/null
  choose_other_database "$SYNC_TITLE" "$(windows_path "$TEST_DIR/other")\\Work.rbd"
  answer_question "Synchronize The Dialing Proc. List ?" Yes
  drv wait-dialog Tonvero "$WAIT_DIALOG_MS" >/dev/null
  assert_eq "File access denied" "$(drv dlg-gettext Tonvero 65535)" "the failure reported"
  drv press Tonvero enter >/dev/null
  drv wait-gone Tonvero "$WAIT_DIALOG_MS" >/dev/null
  merge_done
  assert_eq "$caption" "$(drv caption)" "caption after the failed Sync."
  assert_file_lines "$TEST_DIR/other/Work.dp" '"OFFICE","0P@"|' "other Work.dp after the failed Sync."

  # The next change is saved to the current database.
  drv combo-select "$IDC_DP_NAME" 2 >/dev/null
  delete_procedure Yes
  assert_procedure_file '"VELMORA","@"|'
  assert_file_lines "$TEST_DIR/other/Work.dp" '"OFFICE","0P@"|' "other Work.dp after a later save"
}
