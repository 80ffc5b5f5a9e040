# The settings file at start-up: a file that is there but cannot be read is
# left as it is, and a failure to write one at start-up stops quietly.

# What a user sees of a started window: client size, place on the screen,
# whether "Print" can be used.
startup_look() { echo "$(drv client-size) at $(drv window-rect) print $(drv enabled "$IDC_PRINT")"; }

# The look of a start in an ordinary folder, to compare the others with.
normal_startup_look() {
  start_program
  NORMAL_LOOK=$(startup_look)
  stop_program
  rm -f "$TEST_DIR/tv.cn3"
}

# A tv.cn3 that cannot be written at start-up (a full disk): the start goes
# on with no message, sized, centred and set up. A folder named tv.cn3 is
# there but cannot be read: that is reported, the folder is left alone, and
# the start goes on the same. (Wine cannot delete the link to /dev/full that
# makes the disk full here, so the removal of the temporary after a failed
# write is tested in tests/win32.)
test_settings_file_unwritable_at_start_up() {
  normal_startup_look
  local way
  for way in folder full-disk; do
    case $way in
      folder) mkdir "$TEST_DIR/tv.cn3" ;;
      full-disk) ln -s /dev/full "$TEST_DIR/tv.cn3.new" ;;
    esac
    start_program_watching
    if [ "$way" = folder ]; then
      assert_eq "box: File access denied" "$STARTUP_SEEN" "start-up with a folder named tv.cn3"
      drv dlg-key Tonvero enter >/dev/null
      drv wait-window "$WAIT_WINDOW_MS" >/dev/null
    else
      assert_eq window "$STARTUP_SEEN" "start-up with tv.cn3 unwritable ($way)"
    fi
    assert_eq "$NORMAL_LOOK" "$(startup_look)" "window after a start that could not write tv.cn3 ($way)"
    [ "$way" != folder ] || [ ! -e "$TEST_DIR/tv.cn3.new" ] || fail "a temporary tv.cn3.new was left behind"
    [ "$way" != folder ] || [ -d "$TEST_DIR/tv.cn3" ] || fail "the folder named tv.cn3 was replaced"
    rm -f "$TEST_DIR/tv.cn3.new"  # room on the disk again for the save at the end
    stop_program
    rm -rf "$TEST_DIR/tv.cn3"
  done
}

# A tv.cn3 that another program holds locked is not overwritten, neither at
# start-up nor at the end: the program reports it and runs on its defaults.
test_settings_file_locked_is_kept() {
  start_program
  choose_shooter 120 80
  exit_program
  cp "$TEST_DIR/tv.cn3" "$TEST_DIR/stored.cn3"

  lock_file "$TEST_DIR/tv.cn3"
  start_program_watching
  case $STARTUP_SEEN in
    box:*) drv dlg-key Tonvero enter >/dev/null ;;
    *) fail "no message about the locked tv.cn3" ;;
  esac
  drv wait-window "$WAIT_WINDOW_MS" >/dev/null
  assert_eq "Fast    Queue    Slow" "$(drv gettext "$IDC_MODE_LABEL")" "mode indicator while tv.cn3 is locked"
  unlock_file
  cmp -s "$TEST_DIR/stored.cn3" "$TEST_DIR/tv.cn3" || fail "tv.cn3 changed while it was locked"
  exit_program
  cmp -s "$TEST_DIR/stored.cn3" "$TEST_DIR/tv.cn3" || fail "tv.cn3 overwritten at the end after it could not be read"
}
