# The question box: it opens with "No" focused, and Esc, Enter on "No" and
# its close box all answer No.
test_question_box_answers_no_unless_yes() {
  start_program
  local how
  for how in "dlg-key Question esc" "dlg-key Question enter" "dlg-close Question"; do
    drv click "$IDC_EXIT" >/dev/null
    drv wait-dialog Question "$WAIT_DIALOG_MS" >/dev/null
    assert_eq "$IDC_NO_BUTTON" "$(drv dlg-focus Question)" "focused button when the question opens"
    end_dialog $how
    assert_still_running "after $how"
  done
  exit_program
}
