# What a screen reader finds, asking from another process through Active
# Accessibility: every control of the main window and of the dialogs with
# its role and name, and the phone list as a list of its records, whose
# focus follows the keys.

# Checks what the probe reads of a window ("main" or a dialog's caption)
# against its expected "id|role|name" lines: each is read so, and every
# control a person reaches (a tab stop, a radio button of a group) is among
# them. The probe's reading is kept in the test's folder, and in WALK.
assert_screen_reader_names() {  # window expected-line...
  local window=$1 walk id role name value flags
  shift
  walk=$(drv a11y-walk "$window")
  printf '%s\n' "$walk" >"$TEST_DIR/names-${window// /_}.txt"
  WALK=$walk
  local read_lines
  read_lines=$(cut -d'|' -f1-3 <<<"$walk")
  for line in "$@"; do
    grep -qxF -- "$line" <<<"$read_lines" ||
      fail "$window: expected '$line', read: $(grep "^${line%%|*}|" <<<"$read_lines" || echo nothing)"
  done
  while IFS='|' read -r id role name value flags; do
    [[ $flags == *t* || $role == "radio button" ]] || continue
    [ -n "$name" ] || fail "$window: control $id ($role) has no name"
    printf '%s\n' "$@" | grep -q "^$id|" || fail "$window: control $id ($role \"$name\") is not expected"
  done <<<"$walk"
}

# Opens a dialog with a driver command ("click <id>", say), checks its
# names and closes it with the given button.
assert_dialog_names() {  # opening-command caption closing-id expected-line...
  local opening=$1 caption=$2 closing=$3
  shift 3
  # shellcheck disable=SC2086  # the command's words
  drv $opening >/dev/null
  drv wait-dialog "$caption" "$WAIT_DIALOG_MS" >/dev/null
  assert_screen_reader_names "$caption" "$@"
  end_dialog dlg-click "$caption" "$closing"
}

test_screen_reader_names_every_control() {
  write_list "$TEST_DIR/Base.rbd" "$PL_HEADER" '"ANNA","BRAY","111","HOME"'
  start_program
  local keys=() key
  for key in "1|1" "2|2 ABC" "3|3 DEF" "4|4 GHI" "5|5 JKL" "6|6 MNO" "7|7 PRS" "8|8 TUV" "9|9 WXY" "0|0 OPR"; do
    keys+=("$((IDC_KEY_0 + ${key%%|*}))|push button|${key#*|}")
  done
  keys+=("$IDC_KEY_ST|push button|*" "$IDC_KEY_NM|push button|#")
  for key in 0 1 2 3; do keys+=("$((IDC_KEY_A + key))|push button|$(printf "\\x$((41 + key))")"); done
  assert_screen_reader_names main "${keys[@]}" \
    "$IDC_SCREEN|text|Dialer Screen" "$IDC_IMAGE_IDLE|graphic|Ready To Dial" "$IDC_CLEAR|push button|Clear" \
    "$IDC_MODE_LABEL|static text|Queue Mode" "$IDC_SPEED|slider|Speed Of Dialing" \
    "$IDC_DIAL|push button|Dial" "$IDC_DIAL_MODE|push button|Mode" "$IDC_EXIT|push button|Exit" \
    "$IDC_LOGO|graphic|Velmora Logo" "$IDC_BANNER|graphic|Tonvero touch-tone dialer by Velmora" \
    "$IDC_DP_INSERT|push button|Ins." "$IDC_DP_DELETE|push button|Del." \
    "$IDC_DP_NAME|combo box|Dialing Procedure Name" "$IDC_DP_EDIT|text|Dialing Procedure" \
    "$IDC_HELP_BUTTON|push button|Help" "$IDC_SORT|push button|Sort" "$IDC_EDIT|push button|Edit F4" \
    "$IDC_INSERT|push button|Insert" "$IDC_DELETE|push button|Delete" "$IDC_FILE|push button|Open" \
    "$IDC_PRINT|push button|Print" "$IDC_SYNC|push button|Sync." "$IDC_ADD|push button|Add" \
    "$IDC_GRID|list|Phone List"
  # The speed bar's value is its position.
  assert_eq "$(drv scroll-get "$IDC_SPEED")" "$(grep "^$IDC_SPEED|" <<<"$WALK" | cut -d'|' -f4)" "the speed bar's value"
  assert_dialog_names "click $IDC_DIAL_MODE" "$MODE_DIALOG" "$IDC_MODE_CANCEL" \
    "$IDC_MODE_QUEUE|radio button|Queue Mode" "$IDC_MODE_SHOOTER|radio button|Shooter Mode" \
    "$IDC_MODE_MODEM|radio button|Modem Mode" "$IDC_TONE_LENGTH|text|Tone (ms)" \
    "$IDC_SILENCE_LENGTH|text|Silence (ms)" "$IDC_COMM|combo box|Com Port" "$IDC_GENERATOR|combo box|Tone/Pulse" \
    "$IDC_MODE_OK|push button|OK" "$IDC_MODE_CANCEL|push button|Cancel" \
    "$IDC_TONE_SPIN|spin box|Tone (ms) Up Down" "$IDC_SILENCE_SPIN|spin box|Silence (ms) Up Down"
  assert_eq "$IDC_MODE_QUEUE" "$(awk -F'|' '$5 ~ /c/ {print $1}' <<<"$WALK" | paste -sd ' ')" \
    "the checked mode as a screen reader reads it"
  assert_dialog_names "click $IDC_EDIT" "Edit Record" "$IDC_RECORD_CANCEL" \
    "$IDC_FIELD_EDIT_1|text|FIRST NAME" "$((IDC_FIELD_EDIT_1 + 1))|text|LAST NAME" \
    "$((IDC_FIELD_EDIT_1 + 2))|text|PHONE" "$((IDC_FIELD_EDIT_1 + 3))|text|REMARKS" \
    "$IDC_RECORD_OK|push button|OK" "$IDC_RECORD_CANCEL|push button|Cancel"
  assert_dialog_names "click $IDC_SORT" "Sorting" "$IDC_SORT_CANCEL" \
    "$IDC_SORT_RADIO_1|radio button|FIRST NAME" "$((IDC_SORT_RADIO_1 + 1))|radio button|LAST NAME" \
    "$((IDC_SORT_RADIO_1 + 2))|radio button|PHONE" "$((IDC_SORT_RADIO_1 + 3))|radio button|REMARKS" \
    "$IDC_SORT_OK|push button|OK" "$IDC_SORT_CANCEL|push button|Cancel"
  assert_dialog_names "click $IDC_DP_INSERT" "DP Insert" "$IDC_DP_INSERT_CANCEL" \
    "$IDC_DP_INSERT_NAME|text|Enter The New DP Name" "$IDC_DP_INSERT_ENTER|push button|Enter" \
    "$IDC_DP_INSERT_CANCEL|push button|Cancel"
  assert_dialog_names "click $IDC_PRINT" "Printer" "$IDC_PRINTER_CANCEL" \
    "$IDC_PRINTER_FONT|push button|Font" "$IDC_PRINTER_LIST|radio button|List" \
    "$IDC_PRINTER_BOOK|radio button|Book" "$IDC_PRINTER_ALL|push button|Print All" \
    "$IDC_PRINTER_CANCEL|push button|Cancel"
  assert_dialog_names "click $IDC_EXIT" Question "$IDC_NO_BUTTON" \
    "$IDC_YES_BUTTON|push button|Yes" "$IDC_NO_BUTTON|push button|No"
  assert_dialog_names "dblclick $IDC_LOGO left" About "$IDC_ABOUT_OK" "$IDC_ABOUT_OK|push button|OK" \
    "$IDC_ABOUT_LOGO|graphic|Velmora Logo"
}

# A key pressed on the keyboard (xdotool) while a screen reader listens:
# prints the row the grid's focus event names, and its name.
focus_event_after_key() {  # key
  drv listen-focus >/dev/null
  xdotool key "$1"
  drv_ask wait-focus-event "$WAIT_DIALOG_MS" || fail "no focus event after the key $1: $DRV_REASON"
}

# The grid is a list of one child per record, named by its fields, with
# the column titles as its header; the selected row is selected and
# focused, and a real Down key or a typed letter moves the focus to the
# next record and says so.
test_screen_reader_reads_the_phone_list() {
  write_list "$TEST_DIR/Base.rbd" "$PL_HEADER" '"john","doe","905-555-1234","cell"' '"ann","lee","111"," "' \
    '"bob","ray","222","home"'
  start_program
  assert_eq "$IDC_GRID" "$(drv main-focus)" "focused control at start-up"
  local header="Phone List|list|FIRST NAME, LAST NAME, PHONE, REMARKS"
  local rows=("1|list item|ANN LEE, 111|" "2|list item|BOB RAY, 222, HOME|" "3|list item|JOHN DOE, 905-555-1234, CELL|")
  assert_eq "$(printf '%s\n' "$header" "${rows[0]}sf" "${rows[1]}" "${rows[2]}")" "$(drv grid-items)" \
    "the list at start-up"
  assert_eq "2|BOB RAY, 222, HOME" "$(focus_event_after_key Down)" "focus event after Down"
  assert_eq "$(printf '%s\n' "$header" "${rows[0]}" "${rows[1]}sf" "${rows[2]}")" "$(drv grid-items)" \
    "the list after Down"
  assert_eq "3|JOHN DOE, 905-555-1234, CELL" "$(focus_event_after_key j)" "focus event after typing j"
  assert_eq "3 905-555-1234" "$(drv grid-focus) $(drv gettext "$IDC_SCREEN")" "focused row and Screen after typing j"
}
