# The dialing procedures: the name box, the command field, "Ins." with its
# "DP Insert" dialog, "Del.", the procedure file and its backup, and dialing
# through the chosen procedure.

DP_INSERT="DP Insert"
# The command field forces upper case, also on the text the program puts there.
NEW_SHOWN="@ (NEW)"

# A procedure file of the given lines, each ended by CR LF.
write_procedures() {  # line...
  local line
  : >"$TEST_DIR/Base.dp"
  for line in "$@"; do printf '%s\r\n' "$line" >>"$TEST_DIR/Base.dp"; done
}

# The file's bytes, line ends shown as "|", so that a wrong ending shows.
file_lines() { [ -f "$1" ] && tr '\r\n' '~|' <"$1" | sed 's/~|/|/g'; }

# Waits for a save: the program writes the file once its handler has run.
assert_procedure_file() {  # expected (lines joined by "|", each ended by "|")
  local deadline=$((SECONDS + 20))
  until [ "$(file_lines "$TEST_DIR/Base.dp")" = "$1" ] || [ "$SECONDS" -ge "$deadline" ]; do sleep 0.2; done
  assert_eq "$1" "$(file_lines "$TEST_DIR/Base.dp")" "Base.dp"
}

procedure_names() { drv combo-items "$IDC_DP_NAME" | paste -sd '|'; }

assert_procedures() {  # names-joined-by-| selected-index command delete-enabled
  assert_eq "$1" "$(procedure_names)" "procedure names"
  assert_eq "$2" "$(drv combo-sel "$IDC_DP_NAME")" "selected procedure"
  assert_eq "$3" "$(drv gettext "$IDC_DP_EDIT")" "command field"
  assert_eq "$4" "$(drv enabled "$IDC_DP_DELETE")" "Del. enabled"
}

# "Ins.", a name typed into the dialog, closed by the given command
# (end_dialog with a driver command, or user_end_dialog).
insert_procedure() {  # name close-command...
  local name=$1
  shift
  user_click main "$IDC_DP_INSERT"
  drv wait-dialog "$DP_INSERT" "$WAIT_DIALOG_MS" >/dev/null
  assert_eq "$IDC_DP_INSERT_NAME" "$(drv dlg-focus "$DP_INSERT")" "focused field of DP Insert"
  assert_eq "225x148" "$(drv dlg-size "$DP_INSERT")" "outer size of DP Insert"
  assert_eq "" "$(drv dlg-gettext "$DP_INSERT" "$IDC_DP_INSERT_NAME")" "name field when DP Insert opens"
  [ -z "$name" ] || drv dlg-settext "$DP_INSERT" "$IDC_DP_INSERT_NAME" "$name" >/dev/null
  "$@"
}

delete_procedure() {  # Yes|No
  user_click main "$IDC_DP_DELETE"
  drv wait-dialog Question "$WAIT_DIALOG_MS" >/dev/null
  assert_eq "Delete This Dialing Procedure ?" "$(drv dlg-gettext Question "$IDC_QUESTION_TEXT")" "question"
  if [ "$1" = Yes ]; then end_dialog dlg-click Question "$IDC_YES_BUTTON"
  else end_dialog dlg-click Question "$IDC_NO_BUTTON"; fi
}

# Types into the command field and leaves it for the "Clear" button.
edit_command() {  # text
  drv click-into "$IDC_DP_EDIT" >/dev/null
  drv_try wait-visible "$IDC_DP_MEMO" 1 20000 || fail "no help while editing"
  drv type-replace "$1" >/dev/null
  press_key "$IDC_CLEAR"
  drv wait-visible "$IDC_DP_MEMO" 0 "$WAIT_DIALOG_MS" >/dev/null
}

# Loading normalises each line and keeps all of them; the backup holds the
# lines as loaded.
test_procedures_load_normalises() {
  printf '"  outside line ", " 9,,@ "\n\ncard,s02@,ignored\r\n' >"$TEST_DIR/Base.dp"
  start_program
  assert_procedures "DEFAULT|OUTSIDE LINE|CARD" 0 "@" 0
  assert_eq "\"OUTSIDE LINE\",\"9,,@\"|\"CARD\",\"S02@\"|" "$(file_lines "$TEST_DIR/Base.dpb")" "Base.dpb"
  assert_eq "9,,@" "$(drv combo-select "$IDC_DP_NAME" 1 >/dev/null; drv gettext "$IDC_DP_EDIT")" "text of OUTSIDE LINE"
  assert_eq "1" "$(drv enabled "$IDC_DP_DELETE")" "Del. enabled on a user procedure"
  assert_eq "$IDC_GRID" "$(drv main-focus)" "focus after choosing"
}

test_procedures_insert() {
  write_procedures '"A","1@"' '"B","2@"' '"C","3@"'
  start_program
  insert_procedure "first" end_dialog dlg-key "$DP_INSERT" enter
  assert_procedures "DEFAULT|FIRST|A|B|C" 1 "$NEW_SHOWN" 1
  assert_procedure_file '"FIRST","@ (New)"|"A","1@"|"B","2@"|"C","3@"|'

  drv combo-select "$IDC_DP_NAME" 3 >/dev/null  # B, the third user procedure
  insert_procedure ' say "hi" ' user_end_dialog "$DP_INSERT" "$IDC_DP_INSERT_ENTER"
  assert_procedures "DEFAULT|FIRST|A|B|SAY 'HI'|C" 4 "$NEW_SHOWN" 1
  assert_procedure_file '"FIRST","@ (New)"|"A","1@"|"B","2@"|"SAY '"'HI'"'","@ (New)"|"C","3@"|'
  assert_eq '"A","1@"|"B","2@"|"C","3@"|' "$(file_lines "$TEST_DIR/Base.dpb")" "Base.dpb keeps the loaded lines"
}

# Cancel, Esc, the close box and Enter with no name insert and write nothing.
test_procedures_insert_cancelled() {
  write_procedures '"A","1@"'
  start_program
  rm "$TEST_DIR/Base.dp"
  insert_procedure "ONE" end_dialog dlg-click "$DP_INSERT" "$IDC_DP_INSERT_CANCEL"
  insert_procedure "TWO" end_dialog dlg-key "$DP_INSERT" esc
  insert_procedure "THREE" end_dialog dlg-close "$DP_INSERT"
  insert_procedure "" end_dialog dlg-key "$DP_INSERT" enter
  assert_still_running "after the dialogs"
  assert_procedures "DEFAULT|A" 0 "@" 0
  [ ! -e "$TEST_DIR/Base.dp" ] || fail "a cancelled insertion wrote Base.dp"
}

test_procedures_edit_command() {
  write_procedures '"A","1@"' '"B","2@"'
  start_program
  drv combo-select "$IDC_DP_NAME" 2 >/dev/null
  drv click-into "$IDC_DP_EDIT" >/dev/null
  drv_try wait-visible "$IDC_DP_MEMO" 1 20000 || fail "no help while editing"
  assert_eq "232,64,385,150" "$(drv rect "$IDC_GRID")" "phone list while the help shows"
  assert_eq "232,216,385,150" "$(drv rect "$IDC_DP_MEMO")" "help's place"
  drv type-replace '9,"x" @ ' >/dev/null
  press_key "$IDC_CLEAR"
  drv wait-visible "$IDC_DP_MEMO" 0 "$WAIT_DIALOG_MS" >/dev/null
  assert_eq "232,64,385,301" "$(drv rect "$IDC_GRID")" "phone list after editing"
  assert_procedure_file '"A","1@"|"B","9,'"'X'"' @"|'
  assert_procedures "DEFAULT|A|B" 2 "9,'X' @" 1

  edit_command $'\b'  # emptied: one space
  assert_procedure_file '"A","1@"|"B"," "|'
  assert_eq " " "$(drv gettext "$IDC_DP_EDIT")" "command field after emptying it"

  # Leaving it unchanged, or changing DEFAULT, writes nothing.
  rm "$TEST_DIR/Base.dp"
  edit_command " "
  drv combo-select "$IDC_DP_NAME" 0 >/dev/null
  edit_command "5@"
  assert_eq "5@" "$(drv gettext "$IDC_DP_EDIT")" "DEFAULT's text after editing it"
  drv combo-select "$IDC_DP_NAME" 1 >/dev/null
  drv combo-select "$IDC_DP_NAME" 0 >/dev/null
  assert_eq "5@" "$(drv gettext "$IDC_DP_EDIT")" "DEFAULT's text kept until the next load"
  [ ! -e "$TEST_DIR/Base.dp" ] || fail "an unchanged text or DEFAULT's text wrote Base.dp"
}

test_procedures_delete() {
  write_procedures '"A","1@"' '"B","2@"' '"C","3@"' '"D","4@"'
  start_program
  drv combo-select "$IDC_DP_NAME" 4 >/dev/null
  delete_procedure Yes  # the last: the one before it follows
  assert_procedures "DEFAULT|A|B|C" 3 "3@" 1
  assert_procedure_file '"A","1@"|"B","2@"|"C","3@"|'

  drv combo-select "$IDC_DP_NAME" 2 >/dev/null
  delete_procedure Yes  # a middle one: its successor follows
  assert_procedures "DEFAULT|A|C" 2 "3@" 1
  assert_procedure_file '"A","1@"|"C","3@"|'

  delete_procedure No
  assert_procedures "DEFAULT|A|C" 2 "3@" 1

  drv combo-select "$IDC_DP_NAME" 1 >/dev/null
  delete_procedure Yes
  delete_procedure Yes  # the only one left: DEFAULT follows, "Del." turns off
  assert_procedures "DEFAULT" 0 "@" 0
  assert_procedure_file ''
}

# Dialing plays what the chosen procedure says. Shooter mode plays each
# part whole, so no stopped looping tone can leave a stray last digit.
test_procedures_dial_chosen() {
  write_procedures '"OUTSIDE","9,@"' '"LOCAL","S03@"'
  start_program
  choose_shooter 50 40
  drv settext "$IDC_SCREEN" 5551234 >/dev/null
  local index expected
  for index in 1 2; do
    drv combo-select "$IDC_DP_NAME" "$index" >/dev/null
    rec_start "dial$index"
    drv click-wait "$IDC_DIAL" "$IDC_IMAGE_DIALING" "$WAIT_DIAL_MS" >/dev/null
    rec_stop
    expected=$([ "$index" = 1 ] && echo 95551234 || echo 1234)
    assert_eq "$expected" "$(decode "$REC_WAV")" "keys heard with procedure $index"
  done
}

# A procedure file another program holds locked is reported and left alone:
# not re-created, no backup, and no later change writes over it.
test_procedures_locked_file() {
  write_procedures '"MINE","1@"'
  local before
  before=$(file_lines "$TEST_DIR/Base.dp")
  lock_file "$TEST_DIR/Base.dp"
  launch_program
  drv wait-dialog Tonvero "$WAIT_WINDOW_MS" >/dev/null
  drv dlg-key Tonvero enter >/dev/null
  drv wait-window "$WAIT_WINDOW_MS" >/dev/null
  assert_procedures "DEFAULT" 0 "@" 0
  [ ! -e "$TEST_DIR/Base.dpb" ] || fail "a backup was written from a file that could not be read"
  unlock_file

  insert_procedure "NEW" end_dialog dlg-key "$DP_INSERT" enter
  drv wait-dialog Tonvero "$WAIT_DIALOG_MS" >/dev/null
  end_dialog dlg-key Tonvero enter
  assert_eq "$before" "$(file_lines "$TEST_DIR/Base.dp")" "Base.dp after a change"
}
