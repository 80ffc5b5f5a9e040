# The dialing-mode dialog and the mode indicator.

# The dialog shows the state in force and opens on "Cancel".
assert_mode_dialog_shows() {  # queue shooter modem tone silence
  assert_eq "$IDC_MODE_CANCEL" "$(drv dlg-focus "$MODE_DIALOG")" "focused button of the mode dialog"
  assert_eq "$1 $2 $3" "$(drv dlg-ischecked "$MODE_DIALOG" "$IDC_MODE_QUEUE") \
$(drv dlg-ischecked "$MODE_DIALOG" "$IDC_MODE_SHOOTER") $(drv dlg-ischecked "$MODE_DIALOG" "$IDC_MODE_MODEM")" \
    "queue, shooter and modem buttons"
  assert_eq "$4 $5" "$(drv dlg-gettext "$MODE_DIALOG" "$IDC_TONE_LENGTH") \
$(drv dlg-gettext "$MODE_DIALOG" "$IDC_SILENCE_LENGTH")" "tone and silence lengths"
}

assert_stored_mode() {  # queue shooter tone silence modem port method
  local f="$TEST_DIR/tv.cn3"
  assert_eq "$*" "$(byte_at "$f" 536) $(byte_at "$f" 537) $(int32_at "$f" 538) \
$(int32_at "$f" 542) $(byte_at "$f" 546) $(int32_at "$f" 547) $(int32_at "$f" 551)" \
    "stored mode, lengths, port and method"
}

# Shooter mode changes the indicator, disables the speed bar and outlives
# a restart; Modem and Queue mode show theirs.
test_mode_dialog_shooter_survives_restart() {
  start_program
  open_mode_dialog
  assert_mode_dialog_shows 1 0 0 50 40
  close_mode_dialog "$IDC_MODE_CANCEL"

  choose_shooter 120 80
  assert_eq "     Shooter Mode" "$(drv gettext "$IDC_MODE_LABEL")" "mode indicator in shooter mode"
  assert_eq "0" "$(drv enabled "$IDC_SPEED")" "speed bar enabled in shooter mode"
  exit_program
  assert_stored_mode 0 1 120 80 0 1 0

  start_program
  assert_eq "     Shooter Mode" "$(drv gettext "$IDC_MODE_LABEL")" "mode indicator after a restart"
  assert_eq "0" "$(drv enabled "$IDC_SPEED")" "speed bar enabled after a restart"
  open_mode_dialog
  assert_mode_dialog_shows 0 1 0 120 80
  drv dlg-check "$MODE_DIALOG" "$IDC_MODE_MODEM" >/dev/null
  close_mode_dialog "$IDC_MODE_OK"
  assert_eq "       Modem Mode" "$(drv gettext "$IDC_MODE_LABEL")" "mode indicator in modem mode"
  assert_eq "0" "$(drv enabled "$IDC_SPEED")" "speed bar enabled in modem mode"

  open_mode_dialog
  drv dlg-check "$MODE_DIALOG" "$IDC_MODE_QUEUE" >/dev/null
  close_mode_dialog "$IDC_MODE_OK"
  assert_eq "Fast    Queue    Slow" "$(drv gettext "$IDC_MODE_LABEL")" "mode indicator back in queue mode"
  assert_eq "1" "$(drv enabled "$IDC_SPEED")" "speed bar enabled back in queue mode"
}

# "Cancel" after changing every control leaves the state and the file alone.
test_mode_dialog_cancel_changes_nothing() {
  start_program
  open_mode_dialog
  drv dlg-check "$MODE_DIALOG" "$IDC_MODE_MODEM" >/dev/null
  drv dlg-settext "$MODE_DIALOG" "$IDC_TONE_LENGTH" 200 >/dev/null
  drv dlg-settext "$MODE_DIALOG" "$IDC_SILENCE_LENGTH" 150 >/dev/null
  assert_eq 3 "$(drv dlg-combo "$MODE_DIALOG" "$IDC_COMM" 3)" "chosen port row"
  assert_eq 1 "$(drv dlg-combo "$MODE_DIALOG" "$IDC_GENERATOR" 1)" "chosen method row"
  close_mode_dialog "$IDC_MODE_CANCEL"

  assert_eq "Fast    Queue    Slow" "$(drv gettext "$IDC_MODE_LABEL")" "mode indicator after Cancel"
  assert_eq "1" "$(drv enabled "$IDC_SPEED")" "speed bar enabled after Cancel"
  open_mode_dialog
  assert_mode_dialog_shows 1 0 0 50 40
  close_mode_dialog "$IDC_MODE_CANCEL"
  exit_program
  assert_stored_mode 1 0 50 40 0 1 0
}

# A key pressed in the dialog, then a wait until the focus is on `expected`.
press_in_mode_dialog() {  # key expected-focus
  drv dlg-key "$MODE_DIALOG" "$1" >/dev/null
  drv_try wait-focus "$MODE_DIALOG" "$2" 5000 ||
    fail "focus after $1 in the mode dialog: expected $2, got $(drv dlg-focus "$MODE_DIALOG")"
}

mode_buttons() {
  echo "$(drv dlg-ischecked "$MODE_DIALOG" "$IDC_MODE_QUEUE") $(drv dlg-ischecked "$MODE_DIALOG" \
"$IDC_MODE_SHOOTER") $(drv dlg-ischecked "$MODE_DIALOG" "$IDC_MODE_MODEM")"
}

# Tab goes round the dialog with the three mode buttons as one stop, the
# checked one, and changes nothing; the arrow keys move between the mode
# buttons and check the one they reach; the space bar on OK keeps it.
test_mode_dialog_keyboard() {
  start_program
  open_mode_dialog
  local id
  for id in "$IDC_MODE_QUEUE" "$IDC_TONE_LENGTH" "$IDC_SILENCE_LENGTH" "$IDC_COMM" "$IDC_GENERATOR" \
    "$IDC_MODE_OK" "$IDC_MODE_CANCEL" "$IDC_MODE_QUEUE"; do
    press_in_mode_dialog tab "$id"
    assert_eq "1 0 0" "$(mode_buttons)" "mode buttons after Tab to $id"
  done
  press_in_mode_dialog down "$IDC_MODE_SHOOTER"
  assert_eq "0 1 0" "$(mode_buttons)" "mode buttons after Down"
  press_in_mode_dialog down "$IDC_MODE_MODEM"
  assert_eq "0 0 1" "$(mode_buttons)" "mode buttons after Down twice"
  press_in_mode_dialog up "$IDC_MODE_SHOOTER"
  assert_eq "0 1 0" "$(mode_buttons)" "mode buttons after Up"
  for id in "$IDC_TONE_LENGTH" "$IDC_SILENCE_LENGTH" "$IDC_COMM" "$IDC_GENERATOR" "$IDC_MODE_OK"; do
    press_in_mode_dialog tab "$id"
  done
  assert_eq "0 1 0" "$(mode_buttons)" "mode buttons after Tab to OK"
  end_dialog dlg-key "$MODE_DIALOG" space
  assert_eq "     Shooter Mode" "$(drv gettext "$IDC_MODE_LABEL")" "mode indicator after OK"
}

# A settings file with two mode flags set: the dialog shows one button
# checked, the later of queue, shooter and modem; the indicator shows the
# mode that dials (queue before shooter before modem).
test_mode_dialog_two_flags_set() {
  start_program
  exit_program
  local f="$TEST_DIR/tv.cn3" flags
  for flags in "1 1 0 0 1 0 Fast    Queue    Slow" "1 0 1 0 0 1 Fast    Queue    Slow" \
    "0 1 1 0 0 1      Shooter Mode"; do
    read -r queue shooter modem want_q want_s want_m _ <<<"$flags"
    printf "\\x$queue\\x$shooter" | dd of="$f" bs=1 seek=536 conv=notrunc status=none
    printf "\\x$modem" | dd of="$f" bs=1 seek=546 conv=notrunc status=none
    start_program
    assert_eq "${flags:12}" "$(drv gettext "$IDC_MODE_LABEL")" "mode indicator with flags $queue $shooter $modem"
    open_mode_dialog
    assert_eq "$want_q $want_s $want_m" "$(mode_buttons)" "mode buttons with flags $queue $shooter $modem"
    close_mode_dialog "$IDC_MODE_CANCEL"
    exit_program
  done
}
