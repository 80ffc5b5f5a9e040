# The phone list: its file, the grid, searching, the record and sorting
# dialogs, "Open".

PL_HEADER='"FIRST NAME      ","LAST NAME        ","PHONE                          ","REMARKS"'

# Writes a phone-list file from lines, each ended by CR LF.
write_list() {  # path line...
  local path=$1
  shift
  printf '%s\r\n' "$@" >"$path"
}

assert_file_bytes() {  # path what line...
  local path=$1 what=$2 expected
  shift 2
  expected=$(printf '%s\r\n' "$@" | od -An -c)
  [ -f "$path" ] || fail "$what: no file $path"
  assert_eq "$expected" "$(od -An -c <"$path")" "$what"
}

# The list of the test folder's Base.rbd, started with.
start_with_list() {  # line...
  write_list "$TEST_DIR/Base.rbd" "$PL_HEADER" "$@"
  start_program
}

# The rows of Base.rbd after the header, as "FIRST|LAST|PHONE|REMARKS".
list_rows() {
  tail -n +2 "$TEST_DIR/${1:-Base}.rbd" | tr -d '\r' | sed 's/^"//; s/"$//; s/","/|/g'
}

assert_rows() {  # what row...
  local what=$1
  shift
  assert_eq "$(printf '%s\n' "$@")" "$(list_rows)" "$what"
}

# The four labels or fields of a record dialog, joined by "|".
record_fields() {  # caption first-id
  local i
  for i in 0 1 2 3; do drv dlg-gettext "$1" $(($2 + i)); done | paste -sd'|'
}

wait_for_dialog() { drv wait-dialog "$1" "$WAIT_DIALOG_MS" >/dev/null; }
# The program answers a sent message (the grid's row count) only once the
# handler that closed the box has returned.
wait_dialog_gone() {
  drv wait-gone "$1" "$WAIT_DIALOG_MS" >/dev/null
  drv grid-rows >/dev/null
}

# The arrow keys move the selection and put each record's phone into Screen;
# Left and Right neither move it nor scroll.
test_phonelist_arrow_keys_show_phones() {
  start_with_list '"cat","doe","333",""' '"ann","lee","111","x"' '"bob","ray","",""'
  assert_eq "1" "$(drv grid-row)" "selected row at start-up"
  drv press main down >/dev/null
  assert_eq "2: " "$(drv grid-row):$(drv gettext "$IDC_SCREEN")" "row and Screen after Down"
  drv press main down >/dev/null
  assert_eq "3:333" "$(drv grid-row):$(drv gettext "$IDC_SCREEN")" "row and Screen after Down"
  drv press main down >/dev/null
  assert_eq "3:333" "$(drv grid-row):$(drv gettext "$IDC_SCREEN")" "Down on the last row"
  drv press main up,up >/dev/null
  assert_eq "1:111" "$(drv grid-row):$(drv gettext "$IDC_SCREEN")" "row and Screen after Up, Up"
  drv press main left,right >/dev/null
  assert_eq "1 1 $IDC_GRID" "$(drv grid-row) $(drv grid-top) $(drv main-focus)" "row, top row and focus after Left and Right"
  drv grid-click 3 >/dev/null
  assert_eq "3:333" "$(drv grid-row):$(drv gettext "$IDC_SCREEN")" "row and Screen after a click"
}

# Left and Right on the grid step through the dialing procedures, and stop
# at either end; the selection and the view of the list stay.
test_phonelist_left_right_step_procedures() {
  printf '"OUTSIDE","9,,@"\r\n"CARD","S01@"\r\n' >"$TEST_DIR/Base.dp"
  start_with_list '"ann","lee","111",""' '"bob","ray","222",""'
  drv press main down >/dev/null
  local step
  for step in "right 1 9,,@" "right 2 S01@" "right 2 S01@" "left 1 9,,@" "left 0 @" "left 0 @"; do
    set -- $step
    drv press main "$1" >/dev/null
    assert_eq "$2 $3" "$(drv combo-sel "$IDC_DP_NAME") $(drv gettext "$IDC_DP_EDIT")" "procedure after $1"
    assert_eq "2 1 $IDC_GRID" "$(drv grid-row) $(drv grid-top) $(drv main-focus)" "row, top row and focus after $1"
  done
}

# Enter on a record dials its phone; so does a double click.
test_phonelist_enter_and_double_click_dial() {
  start_with_list '"ann","lee","5551234",""' '"bob","ray","2125550187",""'
  choose_shooter 50 40
  drv grid-click 1 >/dev/null
  rec_start enter
  drv press-dial enter "$IDC_IMAGE_DIALING" "$WAIT_DIAL_MS" >/dev/null
  rec_stop
  assert_eq "5551234" "$(decode "$REC_WAV")" "keys heard after Enter on row 1"
  assert_dial_ended 5551234

  rec_start double-click
  drv grid-dblclick 2 >/dev/null
  drv wait-visible "$IDC_IMAGE_DIALING" 1 "$WAIT_DIAL_MS" >/dev/null
  drv wait-visible "$IDC_IMAGE_DIALING" 0 "$WAIT_DIAL_MS" >/dev/null
  rec_stop
  assert_eq "2125550187" "$(decode "$REC_WAV")" "keys heard after a double click on row 2"
  assert_dial_ended 2125550187
}

# Edit, Insert and Delete through their dialogs rewrite Base.rbd at once, in
# sorted order; Cancel, Esc and No change nothing.
test_phonelist_edit_insert_delete() {
  start_with_list '"ann","lee","111","home"' '"cat","doe","333",""'
  local before
  before=$(list_rows)

  # Enter at once presses Cancel, where the focus starts.
  drv press main f4 >/dev/null
  wait_for_dialog "Edit Record"
  assert_eq "$IDC_RECORD_CANCEL" "$(drv dlg-focus "Edit Record")" "focus in the record dialog"
  assert_eq "FIRST NAME|LAST NAME|PHONE|REMARKS" "$(record_fields "Edit Record" "$IDC_FIELD_LABEL_1")" "labels"
  assert_eq "ANN|LEE|111|HOME" "$(record_fields "Edit Record" "$IDC_FIELD_EDIT_1")" "fields"
  drv press "Edit Record" enter >/dev/null
  wait_dialog_gone "Edit Record"
  assert_eq "$before" "$(list_rows)" "Base.rbd after Enter on Cancel"

  # Esc cancels too.
  user_click main "$IDC_EDIT"
  wait_for_dialog "Edit Record"
  drv dlg-settext "Edit Record" "$IDC_FIELD_EDIT_1" "ZED" >/dev/null
  drv press "Edit Record" esc >/dev/null
  wait_dialog_gone "Edit Record"
  assert_eq "$before" "$(list_rows)" "Base.rbd after Esc"

  # From the first field, five presses of Enter confirm the dialog. The
  # edited record moves to its sorted place and stays selected.
  drv press main f4 >/dev/null
  wait_for_dialog "Edit Record"
  drv dlg-settext "Edit Record" "$IDC_FIELD_EDIT_1" '  Zed "Z" ' >/dev/null
  drv dlg-settext "Edit Record" $((IDC_FIELD_EDIT_1 + 2)) '' >/dev/null
  drv press "Edit Record" tab >/dev/null
  assert_eq "$IDC_FIELD_EDIT_1" "$(drv dlg-focus "Edit Record")" "focus after Tab from Cancel"
  drv press "Edit Record" enter,enter,enter >/dev/null
  assert_eq $((IDC_FIELD_EDIT_1 + 3)) "$(drv dlg-focus "Edit Record")" "focus after three Enters"
  drv press "Edit Record" enter >/dev/null
  assert_eq "$IDC_RECORD_OK" "$(drv dlg-focus "Edit Record")" "focus after four Enters"
  drv press "Edit Record" enter >/dev/null
  wait_dialog_gone "Edit Record"
  assert_rows "Base.rbd after the edit" "CAT|DOE|333| " "ZED 'Z'|LEE| |HOME"
  assert_eq "2: " "$(drv grid-row):$(drv gettext "$IDC_SCREEN")" "row and Screen after the edit"

  # Insert opens with the selected record; the new one is sorted in and selected.
  drv press main insert >/dev/null
  wait_for_dialog "Insert Record"
  assert_eq "ZED 'Z'" "$(drv dlg-gettext "Insert Record" "$IDC_FIELD_EDIT_1")" "Insert's first field"
  drv dlg-settext "Insert Record" "$IDC_FIELD_EDIT_1" "bea" >/dev/null
  drv dlg-settext "Insert Record" $((IDC_FIELD_EDIT_1 + 2)) "222" >/dev/null
  user_end_dialog "Insert Record" "$IDC_RECORD_OK"
  drv grid-rows >/dev/null
  assert_rows "Base.rbd after the insertion" "BEA|LEE|222|HOME" "CAT|DOE|333| " "ZED 'Z'|LEE| |HOME"
  assert_eq "1:222" "$(drv grid-row):$(drv gettext "$IDC_SCREEN")" "row and Screen after the insertion"

  # Delete asks first; No keeps the record, Yes removes it and the row then
  # holds the next record.
  drv press main delete >/dev/null
  wait_for_dialog Question
  assert_eq "Delete This Record ?" "$(drv dlg-gettext Question "$IDC_QUESTION_TEXT")" "question"
  end_dialog dlg-click Question "$IDC_NO_BUTTON"
  drv grid-rows >/dev/null
  assert_eq "3" "$(list_rows | wc -l)" "records after No"
  user_click main "$IDC_DELETE"
  wait_for_dialog Question
  user_end_dialog Question "$IDC_YES_BUTTON"
  drv grid-rows >/dev/null
  assert_rows "Base.rbd after the deletion" "CAT|DOE|333| " "ZED 'Z'|LEE| |HOME"
  assert_eq "1 2" "$(drv grid-row) $(drv grid-rows)" "selected row and records after the deletion"
  assert_eq "222" "$(drv gettext "$IDC_SCREEN")" "Screen after the deletion"
}

# The only record is never deleted: Delete asks nothing and becomes
# disabled; an insertion that makes two records enables it again.
test_phonelist_delete_only_record() {
  start_program
  drv press main delete >/dev/null
  drv_try wait-dialog Question 1000 && fail "Delete asked about the only record"
  assert_eq "0" "$(drv enabled "$IDC_DELETE")" "Delete enabled after deleting the only record"
  assert_rows "Base.rbd" 'Marel|Vossik||Velmora'
  user_click main "$IDC_INSERT"
  wait_for_dialog "Insert Record"
  end_dialog dlg-click "Insert Record" "$IDC_RECORD_OK"
  drv grid-rows >/dev/null
  assert_eq "1" "$(drv enabled "$IDC_DELETE")" "Delete enabled after an insertion"
  assert_rows "Base.rbd after inserting a copy" "MAREL|VOSSIK| |VELMORA" "MAREL|VOSSIK| |VELMORA"
}

# Typed letters select the first record not below them in the sort column;
# Backspace takes back a letter; a click starts a new search.
test_phonelist_type_ahead_search() {
  start_with_list '"sam","a","1",""' '"adam","b","2",""' '"smith","c","3",""' '"sally","d","4",""' \
    '"tom","e","5",""'
  drv type main sm >/dev/null
  assert_eq "4:3" "$(drv grid-row):$(drv gettext "$IDC_SCREEN")" "after typing sm"
  drv press main backspace >/dev/null
  drv type main a >/dev/null
  assert_eq "2:4" "$(drv grid-row):$(drv gettext "$IDC_SCREEN")" "after sm, Backspace, a"
  drv type main m >/dev/null
  assert_eq "3:1" "$(drv grid-row):$(drv gettext "$IDC_SCREEN")" "after sam"
  drv grid-click 2 >/dev/null
  drv type main a >/dev/null
  assert_eq "1:2" "$(drv grid-row):$(drv gettext "$IDC_SCREEN")" "a new search after a click"
  drv press main down >/dev/null
  drv type main zz >/dev/null
  assert_eq "5" "$(drv grid-row)" "a new search after Down, above every name"
}

# "Sort" by last name reorders the list and keeps the selected record
# selected; the file is rewritten only by the next change. Cancel changes
# nothing, and Tab does not change the chosen column.
test_phonelist_sort_dialog() {
  start_with_list '"ann","zeta","1",""' '"bob","alpha","2",""' '"cat","mu","3",""'
  local file
  file=$(od -An -c <"$TEST_DIR/Base.rbd")
  drv press main down >/dev/null  # BOB ALPHA, row 2
  user_click main "$IDC_SORT"
  wait_for_dialog Sorting
  assert_eq "$IDC_SORT_CANCEL" "$(drv dlg-focus Sorting)" "focus in the sorting dialog"
  assert_eq "FIRST NAME      " "$(drv dlg-gettext Sorting "$IDC_SORT_RADIO_1")" "first button's caption"
  assert_eq "1" "$(drv dlg-ischecked Sorting "$IDC_SORT_RADIO_1")" "first-name button chosen"
  drv press Sorting tab >/dev/null
  assert_eq "$IDC_SORT_RADIO_1 1" "$(drv dlg-focus Sorting) $(drv dlg-ischecked Sorting "$IDC_SORT_RADIO_1")" \
    "focus and choice after Tab"
  drv press Sorting down >/dev/null
  assert_eq "0 1" "$(drv dlg-ischecked Sorting "$IDC_SORT_RADIO_1") $(drv dlg-ischecked Sorting $((IDC_SORT_RADIO_1 + 1)))" \
    "choice after Down"
  drv press Sorting tab,tab,tab >/dev/null
  assert_eq "$IDC_SORT_RADIO_1 1" \
    "$(($(drv dlg-focus Sorting) - 1)) $(drv dlg-ischecked Sorting $((IDC_SORT_RADIO_1 + 1)))" \
    "focus on the chosen button and its choice after Tab around"
  user_end_dialog Sorting "$IDC_SORT_OK"
  drv grid-rows >/dev/null
  assert_eq "1:2" "$(drv grid-row):$(drv gettext "$IDC_SCREEN")" "row and Screen of BOB ALPHA after the sort"
  assert_eq "$file" "$(od -An -c <"$TEST_DIR/Base.rbd")" "Base.rbd after sorting alone"
  drv type main z >/dev/null
  assert_eq "3:1" "$(drv grid-row):$(drv gettext "$IDC_SCREEN")" "typing z searches the last names"

  drv click "$IDC_SORT" >/dev/null
  wait_for_dialog Sorting
  drv dlg-check Sorting $((IDC_SORT_RADIO_1 + 2)) >/dev/null
  end_dialog dlg-click Sorting "$IDC_SORT_CANCEL"
  drv grid-rows >/dev/null
  drv press main insert >/dev/null
  wait_for_dialog "Insert Record"
  drv dlg-settext "Insert Record" $((IDC_FIELD_EDIT_1 + 1)) "beta" >/dev/null
  end_dialog dlg-click "Insert Record" "$IDC_RECORD_OK"
  drv grid-rows >/dev/null
  assert_rows "Base.rbd in last-name order after an insertion" \
    "BOB|ALPHA|2| " "ANN|BETA|1| " "CAT|MU|3| " "ANN|ZETA|1| "
}

# "Open" on WORK.TXT makes WORK the database: WORK.rbd is created (or read)
# and named in the caption.
test_phonelist_open_another_database() {
  start_program
  mkdir -p "$TEST_DIR/lists"
  local work
  work="$(windows_path "$TEST_DIR")\\lists\\WORK"
  user_click main "$IDC_FILE"
  wait_for_dialog "Open Tonvero DB"
  drv dlg-settext "Open Tonvero DB" 1148 "$work.TXT" >/dev/null
  drv press "Open Tonvero DB" enter >/dev/null
  wait_dialog_gone "Open Tonvero DB"
  assert_eq "Tonvero + ${work^^}" "$(drv caption)" "caption after Open"
  assert_file_bytes "$TEST_DIR/lists/WORK.rbd" "WORK.rbd" "$PL_HEADER" '"Marel","Vossik","","Velmora"'
  [ -f "$TEST_DIR/lists/WORK.bak" ] || fail "no WORK.bak"
  [ -f "$TEST_DIR/lists/WORK.dp" ] || fail "no WORK.dp"

  write_list "$TEST_DIR/lists/HOME.rbd" "$PL_HEADER" '"zoe","x","9",""' '"abe","y","8",""'
  printf '"HOMELINE","0@"\r\n' >"$TEST_DIR/lists/HOME.dp"
  drv click "$IDC_FILE" >/dev/null
  wait_for_dialog "Open Tonvero DB"
  drv dlg-settext "Open Tonvero DB" 1148 "$(windows_path "$TEST_DIR")\\lists\\HOME.rbd" >/dev/null
  drv press "Open Tonvero DB" enter >/dev/null
  wait_dialog_gone "Open Tonvero DB"
  assert_eq "2 1" "$(drv grid-rows) $(drv grid-row)" "records and row of HOME"
  assert_eq "DEFAULT|HOMELINE" "$(drv combo-items "$IDC_DP_NAME" | paste -sd '|')" "procedures of HOME"
  drv press main down >/dev/null
  assert_eq "9" "$(drv gettext "$IDC_SCREEN")" "Screen after Down in HOME"
  drv press main delete >/dev/null
  wait_for_dialog Question
  end_dialog dlg-click Question "$IDC_YES_BUTTON"
  drv grid-rows >/dev/null
  assert_eq "ABE|Y|8| " "$(list_rows lists/HOME)" "HOME.rbd after a deletion"
  assert_rows "Base.rbd untouched" 'Marel|Vossik||Velmora'
}

# A list with LF line ends, an empty line between records and more than 2000
# records loads whole, and the next change saves every record with CR LF.
test_phonelist_loads_every_record() {
  {
    printf '%s\n' "$PL_HEADER" '"ann","lee","1",""' ''
    for i in $(seq 1000 3100); do printf '"n%s","x","%s",""\n' "$i" "$i"; done
  } >"$TEST_DIR/Base.rbd"
  start_program
  assert_eq "2102" "$(drv grid-rows)" "records loaded"
  assert_eq "2103" "$(tr -d '\r' <"$TEST_DIR/Base.bak" | wc -l)" "lines of Base.bak"
  drv press main end >/dev/null
  assert_eq "2102:3100" "$(drv grid-row):$(drv gettext "$IDC_SCREEN")" "row and Screen after End"
  drv press main f4 >/dev/null
  wait_for_dialog "Edit Record"
  drv dlg-settext "Edit Record" $((IDC_FIELD_EDIT_1 + 3)) "last" >/dev/null
  end_dialog dlg-click "Edit Record" "$IDC_RECORD_OK"
  drv grid-rows >/dev/null
  assert_eq "2103" "$(grep -c $'\r$' "$TEST_DIR/Base.rbd")" "CR LF lines of Base.rbd after an edit"
  assert_eq "ANN|LEE|1| " "$(list_rows | head -n 1)" "first record after the edit"
  assert_eq "N3100|X|3100|LAST" "$(list_rows | tail -n 1)" "last record after the edit"
}

# Dragging a title border resizes its column; the widths reach the settings
# file at exit.
test_phonelist_column_widths_are_kept() {
  start_program
  drv grid-drag 27 60 >/dev/null   # the row-number column's right border
  drv grid-drag 143 200 >/dev/null # then the first-name column's, moved 33 to the right
  exit_program
  local widths="" offset
  for offset in 516 520 524 528 532; do widths+="$(int32_at "$TEST_DIR/tv.cn3" "$offset") "; done
  assert_eq "60 136 76 128 55 " "$widths" "stored column widths"
  start_program
  drv grid-drag 60 50 >/dev/null
  exit_program
  assert_eq 50 "$(int32_at "$TEST_DIR/tv.cn3" 516)" "stored width of the number column after a restart"
}

# A list of the header alone has no record to act on: Enter, a double click,
# Edit and Delete do nothing and the title row is never selected; Insert
# adds the first record under the header as it was.
test_phonelist_header_only_list() {
  write_list "$TEST_DIR/Base.rbd" '"Given","Family","Number","Note"'
  start_program
  assert_eq "0 0" "$(drv grid-rows) $(drv grid-row)" "records and selected row"
  drv press main enter,f4,delete,down >/dev/null
  drv grid-dblclick 1 >/dev/null
  drv_try wait-dialog "Edit Record" 1000 && fail "Edit opened on a list without records"
  drv_try wait-dialog Question 500 && fail "Delete asked on a list without records"
  assert_eq "0 0" "$(drv visible "$IDC_IMAGE_DIALING") $(drv grid-row)" "dialing icon and selected row"
  assert_eq "" "$(drv gettext "$IDC_SCREEN")" "Screen"
  drv press main insert >/dev/null
  wait_for_dialog "Insert Record"
  assert_eq "GIVEN" "$(drv dlg-gettext "Insert Record" "$IDC_FIELD_LABEL_1")" "first label"
  drv dlg-settext "Insert Record" "$IDC_FIELD_EDIT_1" "eve" >/dev/null
  drv dlg-settext "Insert Record" $((IDC_FIELD_EDIT_1 + 2)) "777" >/dev/null
  end_dialog dlg-click "Insert Record" "$IDC_RECORD_OK"
  drv grid-rows >/dev/null
  assert_file_bytes "$TEST_DIR/Base.rbd" "Base.rbd after the first insertion" \
    '"GIVEN","FAMILY","NUMBER","NOTE"' '"EVE"," ","777"," "'
  assert_eq "1:777" "$(drv grid-row):$(drv gettext "$IDC_SCREEN")" "row and Screen after the insertion"
}

# A list file that exists but cannot be opened (another program holds it)
# is reported; the list and the database shown before stay, and nothing is
# written over it or its backup.
test_phonelist_unreadable_list_keeps_the_current_one() {
  start_with_list '"ann","lee","111",""'
  local caption
  caption=$(drv caption)
  write_list "$TEST_DIR/WORK.rbd" "$PL_HEADER" '"zoe","x","9",""'
  cp "$TEST_DIR/WORK.rbd" "$TEST_DIR/work.before"
  lock_file "$TEST_DIR/WORK.rbd"
  drv click "$IDC_FILE" >/dev/null
  wait_for_dialog "Open Tonvero DB"
  drv dlg-settext "Open Tonvero DB" 1148 "$(windows_path "$TEST_DIR")\\WORK.TXT" >/dev/null
  drv press "Open Tonvero DB" enter >/dev/null
  drv wait-dialog Tonvero "$WAIT_DIALOG_MS" >/dev/null
  assert_eq "I/O error 32" "$(drv dlg-gettext Tonvero 65535)" "message (a sharing violation)"
  user_end_dialog Tonvero 1
  drv grid-rows >/dev/null
  assert_eq "$caption 1" "$(drv caption) $(drv grid-rows)" "caption and records after the failed Open"
  drv press main insert >/dev/null
  wait_for_dialog "Insert Record"
  drv dlg-settext "Insert Record" "$IDC_FIELD_EDIT_1" "bob" >/dev/null
  end_dialog dlg-click "Insert Record" "$IDC_RECORD_OK"
  drv grid-rows >/dev/null
  assert_rows "Base.rbd after an insertion" "ANN|LEE|111| " "BOB|LEE|111| "
  unlock_file
  cmp -s "$TEST_DIR/work.before" "$TEST_DIR/WORK.rbd" && [ ! -e "$TEST_DIR/WORK.bak" ] ||
    fail "the list that could not be read was touched"
}

# A list that cannot be read at start-up is reported before the window
# shows; the window then comes up with no list, and Insert adds nothing that
# a save could write over the file.
test_phonelist_unreadable_list_at_start_up() {
  write_list "$TEST_DIR/Base.rbd" "$PL_HEADER" '"zoe","x","9",""'
  cp "$TEST_DIR/Base.rbd" "$TEST_DIR/base.before"
  lock_file "$TEST_DIR/Base.rbd"
  launch_program
  drv wait-dialog Tonvero "$WAIT_WINDOW_MS" >/dev/null
  assert_eq "I/O error 32" "$(drv dlg-gettext Tonvero 65535)" "message at start-up"
  drv dlg-click Tonvero 1 >/dev/null
  drv wait-window "$WAIT_WINDOW_MS" >/dev/null
  assert_eq "Tonvero 0" "$(drv caption) $(drv grid-rows)" "caption and records"
  drv press main insert >/dev/null
  drv_try wait-dialog "Insert Record" 1000 && fail "Insert offered to add to a list never read"
  unlock_file
  cmp -s "$TEST_DIR/base.before" "$TEST_DIR/Base.rbd" && [ ! -e "$TEST_DIR/Base.bak" ] ||
    fail "the list that could not be read was touched"
}
