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
