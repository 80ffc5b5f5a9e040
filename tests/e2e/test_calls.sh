# Recent calls: every dial leaves a line in tv.log; the "Recent Calls" window
# shows them newest first, finds them by typing and hands a number back.

CALLS="Recent Calls"

# Ctrl+H once a click into the dialer screen has given the window the keyboard.
open_calls() {
  user_click main "$IDC_SCREEN"
  drv handled >/dev/null
  xdotool key ctrl+h
  drv wait-dialog "$CALLS" "$WAIT_DIALOG_MS" >/dev/null
}

# The list as a screen reader reads it, time left out: "name, number, outcome|states".
calls_items() {
  drv dlg-items "$CALLS" "$IDC_CALLS_LIST" | tail -n +2 |
    sed -E 's/^[0-9]+\|list item\|[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}(, )?//'
}

# tv.log's lines with the time left out and the line end shown.
log_lines() { sed -E 's/^"[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}",//; s/\r$/\\r/' "$TEST_DIR/tv.log"; }

# n log lines for numbers from..to, oldest first.
write_calls() {  # path from to
  local i
  for ((i = $2; i <= $3; i++)); do
    printf '"2026-01-01 10:%02d:%02d","%s","%s","NAME %s","VELMORA","Queue","Dialed"\r\n' \
      $((i / 60 % 60)) $((i % 60)) "$i" "$i" "$i"
  done >>"$1"
}

dial_by_modem() {  # how: click|enter
  if [ "$1" = click ]; then user_click main "$IDC_DIAL"; else xdotool key Return; fi
  drv wait-dialog "$MODEM_NOTICE" "$WAIT_DIALOG_MS" >/dev/null
  user_end_dialog "$MODEM_NOTICE" "$IDC_CONTINUE"
  drv wait-visible "$IDC_IMAGE_IDLE" 1 "$WAIT_DIAL_MS" >/dev/null
}

# Dials in modem mode by the keypad, by a record, on a missing port and by a
# tel: link; each leaves its entry, newest first, kept across a restart.
# Enter on the oldest entry puts its number on the screen with "Dial"
# focused, and a second Enter sends its bytes.
test_calls_dials_are_kept_and_dialed_again() {
  printf 'country=US\r\n' >"$TEST_DIR/tv.ini"
  start_with_list '"ann","lee","5551234",""' '"bob","ray","2125550187",""'
  start_modem_port 2
  choose_modem 1 0
  press_key "$IDC_CLEAR"
  local key
  for key in 5 5 5 0 1 9 9; do press_key $((IDC_KEY_0 + key)); done
  dial_by_modem click
  drv grid-click 2 >/dev/null
  dial_by_modem enter
  rm -f "$WINEPREFIX/dosdevices/com9"
  choose_modem 8 0
  drv settext "$IDC_SCREEN" 5551234 >/dev/null
  drv click "$IDC_DIAL" >/dev/null
  drv wait-dialog Tonvero "$WAIT_DIALOG_MS" >/dev/null
  end_dialog dlg-key Tonvero enter
  choose_modem 1 0
  exit_program
  start_program "tel:+1-201-555-0123"
  dial_by_modem enter
  assert_eq 'ATDT 5550199\r\nATDT 2125550187\r\nATDT 12015550123\r\n' "$(bytes_after "$TEST_DIR/com2.bytes" 0)" \
    "bytes of the three dials"
  local log
  log=$(printf '%s\n' \
    '"5550199","5550199"," ","DEFAULT","Modem","Dialed"\r' \
    '"2125550187","2125550187","BOB RAY","DEFAULT","Modem","Dialed"\r' \
    '"5551234","5551234"," ","DEFAULT","Modem","Error accessing specified device (Error: 2)"\r' \
    '"+1-201-555-0123","12015550123"," ","DEFAULT","Modem","Dialed"\r')
  assert_eq "$log" "$(log_lines)" "tv.log after four dials"

  restart_program
  open_calls
  assert_eq "$(printf '%s\n' "+1-201-555-0123, Dialed|sf" "5551234, Error accessing specified device (Error: 2)|" \
    "BOB RAY, 2125550187, Dialed|" "5550199, Dialed|")" "$(calls_items)" "the window after a restart"
  xdotool key End Return
  drv wait-gone "$CALLS" "$WAIT_DIALOG_MS" >/dev/null
  assert_eq "5550199 $IDC_DIAL" "$(drv gettext "$IDC_SCREEN") $(drv main-focus)" "screen and focus after Enter"
  local before
  before=$(stat -c %s "$TEST_DIR/com2.bytes")
  dial_by_modem enter
  assert_eq 'ATDT 5550199\r\n' "$(bytes_after "$TEST_DIR/com2.bytes" "$before")" "bytes of the second Enter"
}

# The window's keys: typing finds by name or number, Ctrl+C copies the
# number, a double click takes an entry, Delete removes the selected ones,
# "Clear" empties the log after a question; the window keeps its place.
test_calls_window_keys() {
  write_calls "$TEST_DIR/tv.log" 1 4
  start_program
  open_calls
  assert_eq "$(printf '%s\n' "NAME 4, 4, Dialed|sf" "NAME 3, 3, Dialed|" "NAME 2, 2, Dialed|" "NAME 1, 1, Dialed|")" \
    "$(calls_items)" "the window at first"
  assert_eq "$IDC_CALLS_LIST" "$(drv dlg-focus "$CALLS")" "focus at first"
  xdotool type "name 3"
  assert_eq "NAME 3, 3, Dialed|s" "$(calls_items)" "after typing 'name 3'"
  xdotool key BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace Down ctrl+c
  drv dlg-move "$CALLS" 40 30 560 360 >/dev/null
  xdotool mousemove $(drv dlg-item-point "$CALLS" "$IDC_CALLS_LIST" 3) click --repeat 2 1
  drv wait-gone "$CALLS" "$WAIT_DIALOG_MS" >/dev/null
  assert_eq "2 $IDC_DIAL" "$(drv gettext "$IDC_SCREEN") $(drv main-focus)" "screen and focus after a double click"
  user_click main "$IDC_SCREEN"
  drv settext "$IDC_SCREEN" "" >/dev/null
  xdotool key ctrl+v
  wait_text "$IDC_SCREEN" 4 "the screen after pasting what Ctrl+C copied"

  open_calls
  assert_eq "40,30,560,360" "$(drv dlg-place "$CALLS" | cut -d' ' -f1)" "the window's place when opened again"
  xdotool mousemove $(drv dlg-item-point "$CALLS" "$IDC_CALLS_LIST" 1) click 1
  xdotool mousemove $(drv dlg-item-point "$CALLS" "$IDC_CALLS_LIST" 3) keydown ctrl click 1 keyup ctrl
  xdotool key Delete
  assert_eq "$(printf '%s\n' "NAME 3, 3, Dialed|" "NAME 1, 1, Dialed|")" "$(calls_items | sed 's/|.*/|/')" \
    "after Delete of two"
  assert_eq "$(printf '%s\n' '"3","NAME 3","VELMORA","Queue","Dialed"\r' '"1","NAME 1","VELMORA","Queue","Dialed"\r' |
    tac)" "$(log_lines | cut -d, -f2-)" "tv.log after Delete"
  user_click "$CALLS" "$IDC_CALLS_CLEAR"
  drv wait-dialog Question "$WAIT_DIALOG_MS" >/dev/null
  assert_eq "Remove every call from the log ?" "$(drv dlg-gettext Question "$IDC_QUESTION_TEXT")" "the question of Clear"
  user_end_dialog Question "$IDC_YES_BUTTON"
  assert_eq "" "$(calls_items)" "the window after Clear"
  assert_eq 0 "$(stat -c %s "$TEST_DIR/tv.log")" "tv.log after Clear"
}

# A dial whose log cannot be written is heard whole and said after. A dial
# after a torn last line starts a line of its own. "Keep a log of
# calls" off: the file is removed after the question, a dial writes
# nothing, and the choice is kept in tv.ini for the next start.
test_calls_keep_no_log() {
  write_calls "$TEST_DIR/tv.log" 1 2
  printf '"2026-01-01 11:00:00","3","3' >>"$TEST_DIR/tv.log"
  start_program
  chattr +i "$TEST_DIR/tv.log"
  at_test_end chattr -i "$TEST_DIR/tv.log"
  set_dial_texts 7 "@"
  rec_start unwritable
  drv click "$IDC_DIAL" >/dev/null
  drv wait-dialog Tonvero "$WAIT_DIAL_MS" >/dev/null
  rec_stop
  assert_eq "7|The call log tv.log cannot be written: File access denied. Dialing goes on without it." \
    "$(decode "$REC_WAV")|$(drv dlg-gettext Tonvero 65535)" "a dial whose log cannot be written, and the box after it"
  end_dialog dlg-key Tonvero enter
  chattr -i "$TEST_DIR/tv.log"
  assert_dials 5 "@" 5
  assert_eq '"5","5"," ","DEFAULT","Queue","Dialed"\r 4' "$(log_lines | tail -n 1) $(wc -l <"$TEST_DIR/tv.log")" \
    "the entry after a torn line"
  xdotool key alt+space Up Return  # the system menu's last item: "Recent Calls..."
  drv wait-dialog "$CALLS" "$WAIT_DIALOG_MS" >/dev/null
  assert_eq "3 of 3 calls, 1 damaged lines skipped. The call log tv.log cannot be written: File access denied." \
    "$(drv dlg-gettext "$CALLS" "$IDC_CALLS_STATUS")" "the count, and the failure of this run"
  assert_eq 1 "$(drv dlg-ischecked "$CALLS" "$IDC_CALLS_KEEP")" "Keep a log at first"
  user_click "$CALLS" "$IDC_CALLS_KEEP"
  drv wait-dialog Question "$WAIT_DIALOG_MS" >/dev/null
  assert_eq "Keep no log of calls and remove tv.log ?" "$(drv dlg-gettext Question "$IDC_QUESTION_TEXT")" \
    "the question"
  user_end_dialog Question "$IDC_NO_BUTTON"
  assert_eq "1 4" "$(drv dlg-ischecked "$CALLS" "$IDC_CALLS_KEEP") $(wc -l <"$TEST_DIR/tv.log")" "after No"
  user_click "$CALLS" "$IDC_CALLS_KEEP"
  drv wait-dialog Question "$WAIT_DIALOG_MS" >/dev/null
  user_end_dialog Question "$IDC_YES_BUTTON"
  assert_eq 0 "$(drv dlg-ischecked "$CALLS" "$IDC_CALLS_KEEP")" "Keep a log after Yes"
  [ ! -e "$TEST_DIR/tv.log" ] || fail "tv.log is still there after Yes"
  end_dialog dlg-key "$CALLS" esc
  assert_dials 5 "@" 5
  [ ! -e "$TEST_DIR/tv.log" ] || fail "a dial wrote tv.log with no log kept"
  restart_program
  open_calls
  assert_eq "0 keep_call_log=no" "$(drv dlg-ischecked "$CALLS" "$IDC_CALLS_KEEP") $(grep -a keep_call_log "$TEST_DIR/tv.ini" |
    tr -d '\r')" "the choice after a restart, and in tv.ini"
}

# A torn last line and 1,200 entries: the window shows the valid newest
# 1,000 and says one line was skipped, and the file is cut to them.
test_calls_long_log_with_a_torn_line() {
  write_calls "$TEST_DIR/tv.log" 1 1200
  printf '"2026-01-01 11:00:00","1201","12' >>"$TEST_DIR/tv.log"
  start_program
  open_calls
  local items
  items=$(calls_items)
  assert_eq "1000 NAME 1200, 1200, Dialed|sf NAME 201, 201, Dialed|o" \
    "$(wc -l <<<"$items") $(head -n 1 <<<"$items") $(tail -n 1 <<<"$items")" "the window's items"
  assert_eq "1000 of 1000 calls, 1 damaged lines skipped." "$(drv dlg-gettext "$CALLS" "$IDC_CALLS_STATUS")" \
    "the window's count"
  assert_eq "1000 201 1200" "$(wc -l <"$TEST_DIR/tv.log") $(head -n 1 "$TEST_DIR/tv.log" | cut -d'"' -f4) $(tail -n 1 \
    "$TEST_DIR/tv.log" | cut -d'"' -f4)" "tv.log after opening the window"
}

# A log of 20 MB of garbage with three entries at its end is read only as
# far as the limit: the lines skipped are those of its last 2 MiB, and the
# file is cut to the three entries.
test_calls_garbage_log_is_read_within_the_limit() {
  head -c 20000000 <(yes 'garbage, not a call') >"$TEST_DIR/tv.log"
  write_calls "$TEST_DIR/tv.log" 1 3
  local skipped
  skipped=$(($(tail -c 2097152 "$TEST_DIR/tv.log" | wc -l) - 1 - 3))
  start_program
  open_calls
  assert_eq "$(printf '%s\n' "NAME 3, 3, Dialed|sf" "NAME 2, 2, Dialed|" "NAME 1, 1, Dialed|")" "$(calls_items)" \
    "the window's items"
  assert_eq "3 of 3 calls, $skipped damaged lines skipped." "$(drv dlg-gettext "$CALLS" "$IDC_CALLS_STATUS")" \
    "the window's count"
  assert_eq 3 "$(wc -l <"$TEST_DIR/tv.log")" "lines of tv.log after opening the window"
}

# At 144 DPI every control is its 96-DPI self times 1.5, no text cut; the list's
# title row (id 0) is the font's height and a margin that Wine does not scale.
test_calls_window_at_a_display_scale() {
  write_calls "$TEST_DIR/tv.log" 1 3
  start_program
  open_calls
  drv dlg-layout "$CALLS" | grep -v '^0 ' >"$TEST_DIR/calls-96"
  end_dialog dlg-key "$CALLS" esc
  stop_program
  at_test_end set_prefix_dpi 96
  set_prefix_dpi 144
  start_program
  open_calls
  drv dlg-layout "$CALLS" | grep -v '^0 ' >"$TEST_DIR/calls-144"
  assert_eq "780x480" "$(drv dlg-place "$CALLS" | cut -d' ' -f2)" "the window's client area at 144 DPI"
  assert_eq "" "$(layout_differences "$TEST_DIR/calls-96" "$TEST_DIR/calls-144" 144)" "the window at 144 DPI"
}
