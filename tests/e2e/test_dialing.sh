# Dialing through the sound card: what is heard, and Screen afterwards.

# The procedure language, the same in both sound modes; the argument is the
# driver command that answers the pause box.
assert_dial_cases() {  # pause-answer...
  assert_dials 5551234 "@" 5551234
  assert_dials 5551234 "9,@" 95551234
  assert_dials 5551234 "S03@" 1234
  assert_dials 5551234 "(HOME)@" 5551234
  assert_dials 1-800-FLOWERS "@" 1800
  assert_dials 5551234 "S01A5" A
  assert_pause_dial "$@"
}

# "9P@": the 9 sounds, the pause box waits with nothing more dialed and the
# dialing icon up, and its answer lets the number follow.
assert_pause_dial() {  # pause-answer...
  set_dial_texts 5551234 "9P@"
  rec_start before-pause
  user_click main "$IDC_DIAL"
  drv wait-dialog Pause "$WAIT_DIAL_MS" >/dev/null
  rec_stop
  assert_eq "9" "$(decode "$REC_WAV")" "keys heard before the pause box"
  assert_eq "0 1" "$(drv visible "$IDC_IMAGE_IDLE") $(drv visible "$IDC_IMAGE_DIALING")" \
    "idle and dialing icons during the pause"
  assert_eq "$IDC_PAUSE_OK" "$(drv dlg-focus Pause)" "focused button of the pause box"
  rec_start after-pause
  "$@"
  drv wait-visible "$IDC_IMAGE_DIALING" 0 "$WAIT_DIAL_MS" >/dev/null
  rec_stop
  assert_eq "5551234" "$(decode "$REC_WAV")" "keys heard after the pause box"
  assert_dial_ended 5551234
}

# Queue mode at the form's speed position 2: tones of 61 ms, the shortest
# that users dial with by default, heard by a decoder that takes every burst.
QUEUE_TEST_SPEED=2

# The first sound of the process opens the sound device; a dial that starts
# with it must still be heard whole.
test_first_dial_after_start() {
  start_program
  assert_eq "$QUEUE_TEST_SPEED" "$(drv scroll-set "$IDC_SPEED" "$QUEUE_TEST_SPEED")" "speed bar position"
  assert_dials 5551234 "@" 5551234
}

# A key press opens the sound device first; the test above covers a dial
# that has to open it.
test_queue_mode_dialing() {
  start_program
  assert_eq "$QUEUE_TEST_SPEED" "$(drv scroll-set "$IDC_SPEED" "$QUEUE_TEST_SPEED")" "speed bar position"
  press_key "$IDC_KEY_0"
  # Handled before the number is put in: a posted click still waiting
  # behind a slow first opening of the sound device would clear it.
  drv click "$IDC_CLEAR" >/dev/null
  drv handled >/dev/null
  assert_dial_cases end_dialog dlg-key Pause space
}

test_shooter_mode_dialing() {
  start_program
  choose_shooter 50 40
  assert_dial_cases user_end_dialog Pause "$IDC_PAUSE_OK"
}
