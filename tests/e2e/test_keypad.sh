# The keypad keys: the hand cursor, and presses by every mouse button.

# The pointer over a key shows another cursor than over an ordinary button,
# the same over every key.
test_keys_take_the_hand_cursor() {
  start_program
  local ordinary first="" key cursor
  ordinary=$(drv cursor-over "$IDC_CLEAR")
  for key in $((IDC_KEY_0 + 5)) "$IDC_KEY_0" "$IDC_KEY_ST" "$IDC_KEY_A"; do
    cursor=$(drv cursor-over "$key")
    [ "$cursor" != "$ordinary" ] || fail "key $key shows the cursor of an ordinary button"
    [ -z "$first" ] || assert_eq "$first" "$cursor" "cursor over key $key"
    first=$cursor
  done
}

# A fast double click on a key is two presses, whichever button makes it.
test_double_click_on_a_key_is_two_presses() {
  start_program
  local button
  for button in left right middle; do
    drv click "$IDC_CLEAR" >/dev/null
    drv dblclick $((IDC_KEY_0 + 5)) "$button" >/dev/null
    # The presses are posted; the text is asked for by sent messages, which
    # may be answered between them.
    local n screen
    for n in $(seq 15); do
      screen=$(drv gettext "$IDC_SCREEN")
      [ "$screen" = 55 ] && break
      sleep 0.2
    done
    assert_eq "55" "$screen" "Screen after a $button double click on 5"
  done
}
