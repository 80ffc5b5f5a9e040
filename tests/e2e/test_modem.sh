# Modem mode: the dial command the other end of a real serial port reads,
# the notice while the port is open, and a port that fails.

MODEM_NOTICE="Modem Dialing..."

# Makes COM<n> of the program one end of a pseudo-terminal pair and keeps
# what arrives at the other end in $TEST_DIR/com<n>.bytes; a reader command
# given after n reads the other end instead of cat and writes that file.
start_modem_port() {  # n [reader...]
  local n=$1 a="$TEST_DIR/com$1.a" b="$TEST_DIR/com$1.b"
  shift
  local reader=("${@:-cat}")
  socat pty,raw,echo=0,link="$a" pty,raw,echo=0,link="$b" 2>>"$TEST_DIR/socat.log" &
  track_helper $!
  wait_until 10 "the port pair" test -e "$a" -a -e "$b" || fail "socat made no port pair"
  # Holds the program's end open between dials, or socat would end when
  # the program closes the port.
  sleep infinity 7<>"$a" &
  track_helper $!
  : >"$TEST_DIR/com$n.bytes"
  "${reader[@]}" <"$b" >>"$TEST_DIR/com$n.bytes" &
  track_helper $!
  ln -sfn "$(readlink -f "$a")" "$WINEPREFIX/dosdevices/com$n"
}

choose_modem() {  # port-row method-row
  open_mode_dialog
  drv dlg-check "$MODE_DIALOG" "$IDC_MODE_MODEM" >/dev/null
  drv dlg-combo "$MODE_DIALOG" "$IDC_COMM" "$1" >/dev/null
  drv dlg-combo "$MODE_DIALOG" "$IDC_GENERATOR" "$2" >/dev/null
  close_mode_dialog "$IDC_MODE_OK"
}

# The bytes that arrived after offset $2, with CR and LF written as \r and \n.
bytes_after() {  # file offset
  tail -c +$(($2 + 1)) "$1" | sed -z 's/\r/\\r/g; s/\n/\\n/g'
}

# Dials with the notice's "Continue" as the answer; checks the bytes read
# on the other end, Screen while the notice is up, and the idle window after.
assert_modem_dials() {  # port number procedure expected-bytes screen-while-up
  local file="$TEST_DIR/com$1.bytes" before
  before=$(stat -c %s "$file")
  set_dial_texts "$2" "$3"
  drv click "$IDC_DIAL" >/dev/null
  drv wait-dialog "$MODEM_NOTICE" "$WAIT_DIALOG_MS" >/dev/null
  assert_eq "Pick up the handset when connected and press \"Continue\"" \
    "$(drv dlg-gettext "$MODEM_NOTICE" "$IDC_NOTICE_TEXT")" "notice text"
  assert_eq "$5" "$(drv gettext "$IDC_SCREEN")" "Screen while the notice is up"
  assert_eq "0 1" "$(drv visible "$IDC_IMAGE_IDLE") $(drv visible "$IDC_IMAGE_DIALING")" \
    "idle and dialing icons while the notice is up"
  wait_until 10 "the dial command" test "$(bytes_after "$file" "$before")" = "$4" || true
  assert_eq "$4" "$(bytes_after "$file" "$before")" "bytes read on the other end for '$2' with '$3'"
  user_end_dialog "$MODEM_NOTICE" "$IDC_CONTINUE"
  drv wait-visible "$IDC_IMAGE_IDLE" 1 "$WAIT_DIAL_MS" >/dev/null
  assert_dial_ended "$2"
}

test_modem_touch_tone_on_com2() {
  start_program
  start_modem_port 2
  choose_modem 1 0
  assert_modem_dials 2 5551234 "@" 'ATDT 5551234\r\n' 5551234
  assert_modem_dials 2 5551234 "(WORK)9,@-" 'ATDT 9,5551234\r\n' 9,5551234
  assert_modem_dials 2 555-12A4 "@" 'ATDT 555124\r\n' 555124
  assert_modem_dials 2 15551234 "S01@" 'ATDT 5551234\r\n' 5551234
  assert_modem_dials 2 5551234 "W@" 'ATDT W5551234\r\n' W5551234
  assert_modem_dials 2 5551234 "" 'ATDT \r\n' ""
}

test_modem_pulse_on_com7() {
  start_program
  start_modem_port 7
  choose_modem 6 1
  assert_modem_dials 7 5551234 "9P@" 'ATDP 9,,,5551234\r\n' 9,,,5551234
  assert_modem_dials 7 5551234 "@" 'ATDP 5551234\r\n' 5551234
}

# A port that does not exist: the component's message in a message box, no
# notice, and the window as it was before the dial.
test_modem_missing_port() {
  start_program
  rm -f "$WINEPREFIX/dosdevices/com9"
  choose_modem 8 0
  set_dial_texts 5551234 "9,@"
  drv click "$IDC_DIAL" >/dev/null
  drv wait-dialog Tonvero "$WAIT_DIALOG_MS" >/dev/null
  local message
  message=$(drv dlg-gettext Tonvero 65535)
  case "$message" in
    "Error accessing specified device (Error: "[0-9]*") ") ;;
    *) fail "message for a missing port: '$message'" ;;
  esac
  drv_try wait-dialog "$MODEM_NOTICE" 200 && fail "the notice was shown for a missing port"
  end_dialog dlg-key Tonvero enter
  assert_dial_ended 5551234
  # The port was let go: the same dial on a working port goes through.
  start_modem_port 9
  assert_modem_dials 9 5551234 "9,@" 'ATDT 9,5551234\r\n' 9,5551234
}

# Enter on a list row dials that row's phone through the modem.
test_modem_enter_on_a_record() {
  start_with_list '"ann","lee","5551234",""' '"bob","ray","2125550187",""'
  start_modem_port 2
  choose_modem 1 0
  drv grid-click 2 >/dev/null
  assert_eq 2125550187 "$(drv gettext "$IDC_SCREEN")" "Screen after choosing row 2"
  drv press main enter >/dev/null
  drv wait-dialog "$MODEM_NOTICE" "$WAIT_DIALOG_MS" >/dev/null
  local file="$TEST_DIR/com2.bytes"
  wait_until 10 "the dial command" test "$(bytes_after "$file" 0)" = 'ATDT 2125550187\r\n' || true
  assert_eq 'ATDT 2125550187\r\n' "$(bytes_after "$file" 0)" "bytes read on the other end after Enter"
  end_dialog dlg-click "$MODEM_NOTICE" "$IDC_CONTINUE"
  drv wait-visible "$IDC_IMAGE_IDLE" 1 "$WAIT_DIAL_MS" >/dev/null
  assert_dial_ended 2125550187
}
