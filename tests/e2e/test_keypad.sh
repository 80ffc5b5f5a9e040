# The keypad keys: the hand cursor, and presses by every mouse button.

# The pointer over a key shows another cursor than over an ordinary button,
# the same over every key; a fast double click on a key is two presses,
# whichever button makes it.
test_keys_cursor_and_double_click() {
  start_program
  local ordinary first="" key cursor button
  ordinary=$(drv cursor-over "$IDC_CLEAR")
  for key in $((IDC_KEY_0 + 5)) "$IDC_KEY_0" "$IDC_KEY_ST" "$IDC_KEY_A"; do
    cursor=$(drv cursor-over "$key")
    [ "$cursor" != "$ordinary" ] || fail "key $key shows the cursor of an ordinary button"
    [ -z "$first" ] || assert_eq "$first" "$cursor" "cursor over key $key"
    first=$cursor
  done

  for button in left right middle; do
    drv click "$IDC_CLEAR" >/dev/null
    drv dblclick $((IDC_KEY_0 + 5)) "$button" >/dev/null
    drv handled >/dev/null
    assert_eq "55" "$(drv gettext "$IDC_SCREEN")" "Screen after a $button double click on 5"
  done
}
