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

# The current user's registry where a registration writes, as `reg` lists it.
link_registry() {
  local key
  for key in 'HKCU\Software\Classes' 'HKCU\Software\RegisteredApplications' 'HKCU\Software\Tonvero'; do
    echo "== $key"
    { "${WINE[@]}" reg query "$key" /s 2>&1 || true; } | tr -d '\r'
  done
}

# Runs "tonvero.exe /register" or "/unregister" in the program's folder and
# gives the words of its box, on one line; the box is answered.
registration_says() {  # option
  (cd "$TEST_DIR" && exec "${WINE[@]}" tonvero.exe "$1" >>"$TEST_DIR/program.log" 2>&1) &
  local pid=$!
  drv wait-dialog Tonvero "$WAIT_DIALOG_MS" >/dev/null
  drv dlg-gettext Tonvero 65535 | tr '\n' ' ' | sed 's/  */ /g; s/ $//'
  drv dlg-key Tonvero enter >/dev/null
  wait "$pid" || fail "tonvero.exe $1 ended with status $?"
}

# Opens a link the way the shell does, from another folder than the
# program's, as a browser would.
open_link() { (cd / && "${WINE[@]}" start "$1" >>"$TEST_DIR/start.log" 2>&1); }

# /register makes Tonvero the user's handler of tel: and callto: links; a
# link opened by the shell then reaches the running Tonvero, which dials it
# in modem mode, or starts Tonvero in its own folder with the number.
# /unregister leaves the registry as it was before.
test_register_and_open_links() {
  write_list "$TEST_DIR/Base.rbd" "$PL_HEADER" '"ANNA","BRAY","111",""'
  local before files
  before=$(link_registry)
  files=$(cd "$TEST_DIR" && md5sum Base.*)
  assert_eq "Tonvero is registered for tel: and callto: links. It now opens tel: and callto: links." \
    "$(registration_says /register)" "the words of /register"
  assert_eq "$files" "$(cd "$TEST_DIR" && md5sum Base.*)" "the lists after /register"
  [ ! -e "$TEST_DIR/tv.cn3" ] || fail "/register wrote tv.cn3"
  local command
  command=$("${WINE[@]}" reg query 'HKCU\Software\Classes\tel\shell\open\command' /ve | tr -d '\r' |
    sed -n 's/^ *(Default) *REG_SZ *//p')
  assert_eq "\"$(windows_path "$TEST_DIR")\\tonvero.exe\" /in \"$(windows_path "$TEST_DIR")\" \"%1\"" \
    "$command" "the command of tel: links"
  # Windows reads the user's link types through HKEY_CLASSES_ROOT; Wine
  # reads only the machine's, so the user's entries are copied there as
  # written.
  local type
  for type in tel callto; do
    "${WINE[@]}" reg export "HKCU\\Software\\Classes\\$type" "$(windows_path "$TEST_DIR/$type.reg")" /y >/dev/null 2>&1 ||
      fail "no user key for $type: links"
    iconv -f UTF-16 -t UTF-8 "$TEST_DIR/$type.reg" |
      sed 's/HKEY_CURRENT_USER\\Software\\Classes/HKEY_LOCAL_MACHINE\\Software\\Classes/' |
      iconv -f UTF-8 -t UTF-16 >"$TEST_DIR/machine-$type.reg"
    "${WINE[@]}" reg import "$(windows_path "$TEST_DIR/machine-$type.reg")" >/dev/null 2>&1 || fail "could not copy $type:"
  done

  start_program
  start_modem_port 2
  choose_modem 1 0
  # The prefix's region is the United States, so "+1" is dialed as "1".
  open_link "tel:+1-905-555-1234"
  wait_text "$IDC_SCREEN" "+1-905-555-1234" "the running one's screen after a tel: link"
  assert_eq "$IDC_DIAL" "$(drv main-focus)" "the focus after a tel: link"
  drv press main enter >/dev/null
  drv wait-dialog "$MODEM_NOTICE" "$WAIT_DIALOG_MS" >/dev/null
  wait_until 10 "the dial command" test "$(bytes_after "$TEST_DIR/com2.bytes" 0)" = 'ATDT 19055551234\r\n' || true
  assert_eq 'ATDT 19055551234\r\n' "$(bytes_after "$TEST_DIR/com2.bytes" 0)" "bytes sent after Enter"
  end_dialog dlg-click "$MODEM_NOTICE" "$IDC_CONTINUE"
  exit_program

  open_link "callto:555-0142"
  drv wait-window "$WAIT_WINDOW_MS" >/dev/null
  assert_eq "555-0142" "$(drv gettext "$IDC_SCREEN")" "the screen of a Tonvero started by a callto: link"
  assert_eq 1 "$(drv grid-rows)" "records of the list in the program's folder"
  rm -f "$TEST_DIR/tv.cn3"
  local caption
  caption=$(drv caption)
  drv click "$IDC_EXIT" >/dev/null
  drv wait-dialog Question "$WAIT_DIALOG_MS" >/dev/null
  drv dlg-click Question "$IDC_YES_BUTTON" >/dev/null
  wait_until 30 "the settings in the program's folder" test -s "$TEST_DIR/tv.cn3" ||
    fail "the Tonvero a link started saved no tv.cn3 in its folder"
  drv wait-gone "$caption" "$WAIT_DIALOG_MS" >/dev/null
  for type in tel callto; do "${WINE[@]}" reg delete "HKLM\\Software\\Classes\\$type" /f >/dev/null 2>&1; done

  assert_eq "Tonvero no longer opens tel: and callto: links; its registration is removed." \
    "$(registration_says /unregister)" "the words of /unregister"
  assert_eq "$before" "$(link_registry)" "the registry after /unregister"
  assert_eq "Tonvero was not registered for links; nothing was changed." \
    "$(registration_says /unregister)" "the words of a second /unregister"
}
