# A tel: or callto: link on the command line: the program starts as usual
# with the link's number cleaned in the dialer screen and "Dial" focused, so
# that Enter dials; it never dials by itself, and the argument is no
# database path. A link with no number is said, and start-up goes on.
test_link_on_the_command_line() {
  local link number
  while IFS='|' read -r link number; do
    restart_program "$link"
    assert_eq "$number" "$(drv gettext "$IDC_SCREEN")" "dialer screen after starting with $link"
    assert_eq "$IDC_DIAL" "$(drv main-focus)" "focus after starting with $link"
    assert_eq "1 0" "$(drv visible "$IDC_IMAGE_IDLE") $(drv visible "$IDC_IMAGE_DIALING")" "dialing icons after $link"
  done <<'LINKS'
tel:+1-201-555-0123|+1-201-555-0123
TEL:+1-201-555-0123;phone-context=example.com|+1-201-555-0123
callto://+1%20(905)%20555%201234;ext=12|+1 905 555 1234,12
callto:1-800-FLOWERS|1-800-3569377
LINKS
  stop_program
  [ -f "$TEST_DIR/Base.rbd" ] || fail "no Base.rbd in the program's folder: a link was taken for a database"
  assert_eq "Base.rbd" "$(cd "$TEST_DIR" && ls -- *.rbd | paste -sd ' ')" "lists in the program's folder"

  launch_program "tel:"
  drv wait-dialog "Error Message" "$WAIT_DIALOG_MS" >/dev/null
  assert_eq "There is no phone number in this text." "$(drv dlg-gettext "Error Message" "$IDC_NOTICE_TEXT")" \
    "notice for a link with no number"
  end_dialog dlg-key "Error Message" enter
  drv wait-window "$WAIT_WINDOW_MS" >/dev/null
  assert_eq "" "$(drv gettext "$IDC_SCREEN")" "dialer screen after a link with no number"
}

# Enter then dials the link's number.
test_link_number_dials_on_enter() {
  start_program "tel:555-0123"
  rec_start enter
  drv press-dial enter "$IDC_IMAGE_DIALING" "$WAIT_DIAL_MS" >/dev/null
  rec_stop
  assert_eq "5550123" "$(decode "$REC_WAV")" "keys heard after Enter"
}

# The files the program keeps in its folder, with their sums.
folder_sums() { (cd "$TEST_DIR" && md5sum Base.* tv.cn3); }

# Starts a second tonvero.exe with a link in the program's folder; SECOND_PID
# is its process.
second_start() {  # link
  (cd "$TEST_DIR" && "${WINE[@]}" tonvero.exe "$1" >>"$TEST_DIR/second.log" 2>&1) &
  SECOND_PID=$!
}

# A second start with a link hands the number to the running Tonvero and
# ends, changing none of its files; the running one shows the number with
# "Dial" focused. While it dials, the second start says it could not take
# the number instead of dropping it.
test_second_start_hands_the_link_over() {
  write_list "$TEST_DIR/Base.rbd" "$PL_HEADER" '"ANNA","BRAY","111",""'
  start_program
  exit_program
  start_program
  local before
  before=$(folder_sums)
  second_start "tel:+1 (201) 555-0123"
  wait "$SECOND_PID" || fail "the second start ended with status $?"
  assert_eq "+1 201 555-0123" "$(drv gettext "$IDC_SCREEN")" "the running one's dialer screen"
  assert_eq "$IDC_DIAL" "$(drv main-focus)" "the running one's focus"
  assert_eq "$before" "$(folder_sums)" "files after the second start"

  set_dial_texts 5 ",,,,,,@"
  drv click "$IDC_DIAL" >/dev/null
  drv wait-visible "$IDC_IMAGE_DIALING" 1 "$WAIT_DIALOG_MS" >/dev/null
  second_start "tel:555-0199"
  drv wait-dialog Tonvero "$WAIT_DIALOG_MS" >/dev/null
  assert_eq "Tonvero is dialing and could not take the number 555-0199. Try again when the dial has ended." \
    "$(drv dlg-gettext Tonvero 65535 | tr '\n' ' ' | sed 's/  */ /g; s/ $//')" "the second start's word"
  drv dlg-key Tonvero enter >/dev/null
  wait "$SECOND_PID" || fail "the second start ended with status $? after its word"
  drv wait-visible "$IDC_IMAGE_IDLE" 1 "$WAIT_DIAL_MS" >/dev/null
  assert_still_running "after a link was handed during a dial"
}

# A number pasted into the dialer screen arrives cleaned, by Ctrl+V,
# Shift+Insert or the edit's Paste; a text with no number is refused with
# the reason, and the screen keeps what it held.
test_paste_into_the_screen_cleans() {
  start_program
  user_click main "$IDC_SCREEN"
  local clip keys expected
  while IFS='|' read -r clip keys expected; do
    drv settext "$IDC_SCREEN" "" >/dev/null
    drv set-clipboard "$clip" >/dev/null
    if [ "$keys" = menu ]; then drv paste >/dev/null; else xdotool key "$keys"; fi
    wait_text "$IDC_SCREEN" "$expected" "the screen after pasting '$clip' with $keys"
  done <<'PASTES'
(905) 555-1234 x12|ctrl+v|905 555-1234,12
1-800-FLOWERS|shift+Insert|1-800-3569377
+1 (212) 204-3445|menu|+1 212 204-3445
PASTES
  drv set-clipboard "call me" >/dev/null
  drv paste >/dev/null
  drv wait-dialog "Error Message" "$WAIT_DIALOG_MS" >/dev/null
  assert_eq "There is no phone number in this text." "$(drv dlg-gettext "Error Message" "$IDC_NOTICE_TEXT")" \
    "notice for a paste with no number"
  end_dialog dlg-key "Error Message" enter
  assert_eq "+1 212 204-3445" "$(drv gettext "$IDC_SCREEN")" "the screen after a refused paste"
}
