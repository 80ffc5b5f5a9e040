# The tone file and the sound path, without the program: each of the sixteen
# key images played through the program's sound output must decode as its key.
test_tone_file() {
  cp "$TONVERO_BUILD/play_tones.exe" "$TEST_DIR/"
  rec_start keys
  (cd "$TEST_DIR" && PULSE_LATENCY_MSEC=60 "${WINE[@]}" play_tones.exe) || fail "play_tones.exe failed"
  rec_stop
  assert_eq "0123456789*#ABCD" "$(decode "$REC_WAV")" "keys heard"
}
