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
