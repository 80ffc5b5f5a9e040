# The tone file and the sound path, without the program: each of the sixteen
# key images played through the program's sound output must decode as its key.
test_tone_file() {
  cp "$TONVERO_BUILD/play_tones.exe" "$TEST_DIR/"
  rec_start keys
  (cd "$TEST_DIR" && "${SOUND_RUN[@]}" "${WINE[@]}" play_tones.exe) || fail "play_tones.exe failed"
  rec_stop
  assert_eq "0123456789*#ABCD" "$(decode "$REC_WAV")" "keys heard"
}

# A tone file whose first image declares more sample bytes than it holds is
# refused at start-up with the tone-file message, and the program ends.
test_damaged_tone_file_is_refused() {
  local f="$TEST_DIR/one.wav" held
  held=$(int32_at "$f" 0)
  printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $((held - 43 & 255)) $((held - 43 >> 8 & 255)) \
$((held - 43 >> 16 & 255)) $((held - 43 >> 24 & 255)))" | dd of="$f" bs=1 seek=44 conv=notrunc status=none
  assert_eq $((held - 43)) "$(int32_at "$f" 44)" "patched data length"
  start_program_watching
  case $STARTUP_SEEN in
    "box: The tone file "*" is missing or damaged."*) ;;
    *) fail "start-up with a damaged tone file: $STARTUP_SEEN" ;;
  esac
  drv dlg-key Tonvero enter >/dev/null
  wait_program_exit 30 || fail "the program did not end after the tone-file message"
  # It ended before start-up went on: no settings file was written.
  [ ! -e "$TEST_DIR/tv.cn3" ] || fail "tv.cn3 written by a start-up that could not go on"
}

# A computer with no sound output (a prefix with no audio driver): a dial
# in queue and in shooter mode stops before it begins with the message, the
# screen keeps its number and nothing is shown as dialed; the keypad says it
# once, at the first key.
NO_SOUND_NOTICE="The tones cannot be played because this computer has no working sound output. Modem mode needs none."
test_no_sound_output_is_said() {
  "${WINE[@]}" reg add 'HKCU\Software\Wine\Drivers' /v Audio /d "" /f >/dev/null 2>&1 || fail "could not take the audio driver away"
  at_test_end '"${WINE[@]}" reg add "HKCU\Software\Wine\Drivers" /v Audio /d pulse /f >/dev/null 2>&1'
  start_program
  local mode
  for mode in queue shooter; do
    [ "$mode" = queue ] || choose_shooter 50 40
    set_dial_texts 5551234 "9,@"
    user_click main "$IDC_DIAL"
    drv wait-dialog Tonvero "$WAIT_DIAL_MS" >/dev/null
    screenshot "no-sound-$mode"
    assert_eq "$NO_SOUND_NOTICE" "$(drv dlg-gettext Tonvero 65535)" "notice of a $mode dial"
    assert_eq "5551234 1 0" "$(drv gettext "$IDC_SCREEN") $(drv visible "$IDC_IMAGE_IDLE") $(drv visible "$IDC_IMAGE_DIALING")" \
      "screen and icons under the notice of a $mode dial"
    end_dialog dlg-key Tonvero enter
    assert_dial_ended 5551234
  done
  drv click "$IDC_CLEAR" >/dev/null
  user_click main $((IDC_KEY_0 + 5))
  drv wait-dialog Tonvero "$WAIT_DIALOG_MS" >/dev/null
  assert_eq "$NO_SOUND_NOTICE" "$(drv dlg-gettext Tonvero 65535)" "notice of the first key"
  end_dialog dlg-key Tonvero enter
  user_click main $((IDC_KEY_0 + 7))
  drv wait-released $((IDC_KEY_0 + 7)) "$WAIT_DIALOG_MS" >/dev/null
  assert_eq idle "$(drv outcome "$WAIT_DIALOG_MS")" "after a second key"
  assert_eq 57 "$(drv gettext "$IDC_SCREEN")" "screen after two keys"
}
