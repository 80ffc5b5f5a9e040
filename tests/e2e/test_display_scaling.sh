# The main window at display scales above 100 %: Wine takes the prefix's
# LogPixels (HKCU\Control Panel\Desktop) as the system DPI of every program
# started after it is set. The program lays itself out at that DPI; the
# settings file keeps the column widths at 96 DPI whatever the display.
# A screenshot of the window at each scale is kept in
# $E2E_LOGS/display-scaling, for a person to look at.

# Sets the prefix's DPI for the programs started from now on; 96 takes the
# value away, as a new prefix has it.
set_prefix_dpi() {  # dpi
  if [ "$1" = 96 ]; then
    "${WINE[@]}" reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null 2>&1 || true
  else
    "${WINE[@]}" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1 ||
      fail "could not set LogPixels to $1"
  fi
}

# A 96-DPI length at `dpi`, rounded as the program rounds.
scaled() { echo $((($1 * $2 + 48) / 96)); }

# The stored column widths of a tv.cn3.
stored_widths() {
  local offset widths=""
  for offset in 516 520 524 528 532; do widths+="$(int32_at "$1" "$offset") "; done
  echo "${widths% }"
}

# A window as it stands, into the run's logs: the main window, or the
# dialog of a caption.
keep_window_shot() {  # name [caption]
  local place x y w h
  if [ -n "${2:-}" ]; then place=$(drv dlg-place "$2"); place=${place%% *}; else place=$(drv window-rect); fi
  IFS=, read -r x y w h <<<"$place"
  mkdir -p "$E2E_LOGS/display-scaling"
  import -window root -crop "${w}x${h}+${x}+${y}" +repage "$E2E_LOGS/display-scaling/$1.png" 2>/dev/null ||
    fail "no screenshot $1"
}

# What differs between the layout at 96 DPI and one at `dpi`: each control
# must stand at its 96-DPI place and size times dpi/96, within a pixel, and
# a text that fits its control at 96 DPI must fit it at `dpi`. An etched
# rule is a line the system draws: Wine makes it 2 pixels thick and 2 longer
# when it is created, at any DPI, and leaves it as placed when it is moved;
# its place scales, its length within 4 pixels.
layout_differences() {  # layout-at-96 layout-at-dpi dpi
  awk -v dpi="$3" -v hrule="$IDC_RULE_H" -v vrule="$IDC_RULE_V" '
    function off(actual, base, slack) { d = actual - base * dpi / 96; return d > slack || d < -slack }
    NR == FNR { l[$1] = $3; t[$1] = $4; w[$1] = $5; h[$1] = $6; cut[$1] = $7; next }
    !($1 in l) { print "control " $1 " (" $2 ") is not there at 96 DPI"; next }
    {
      seen[$1] = 1
      rule = $1 == hrule || $1 == vrule
      if (off($3, l[$1], 1) || off($4, t[$1], 1) || (!rule && (off($5, w[$1], 1) || off($6, h[$1], 1))) ||
          ($1 == hrule && off($5, w[$1], 4)) || ($1 == vrule && off($6, h[$1], 4)))
        printf "control %s (%s) at %s,%s %sx%s, not %s,%s %sx%s times %s/96; ", $1, $2, $3, $4, $5, $6,
               l[$1], t[$1], w[$1], h[$1], dpi
      if ($7 == "1" && cut[$1] != "1") printf "control %s (%s) cuts its text; ", $1, $2
    }
    END { for (id in l) if (!(id in seen)) printf "control %s is missing; ", id }' "$1" "$2"
}

# The window's client size and layout at `dpi`, against layout-96.
assert_layout_scaled() {  # dpi what
  local differences
  assert_eq "$(scaled 625 "$1")x$(scaled 372 "$1")" "$(drv client-size)" "client size $2"
  drv layout >"$TEST_DIR/layout-seen"
  differences=$(layout_differences "$TEST_DIR/layout-96" "$TEST_DIR/layout-seen" "$1")
  [ -z "$differences" ] || fail "$2: $differences"
}

open_about_box() {
  drv dblclick "$IDC_LOGO" left >/dev/null
  drv wait-dialog About "$WAIT_DIALOG_MS" >/dev/null
}

# The about box at `dpi`: its client area scaled, centred on the screen,
# its controls scaled from about-96 with their texts whole, its logo drawn
# at the scale.
assert_about_box_scaled() {  # dpi
  local place x y w h client screen differences
  open_about_box
  read -r place client screen <<<"$(drv dlg-place About)"
  IFS=, read -r x y w h <<<"$place"
  assert_eq "$(scaled 297 "$1")x$(scaled 219 "$1")" "$client" "the about box's client size at $1 DPI"
  [ $((2 * x + w - ${screen%x*})) -ge -1 ] && [ $((2 * x + w - ${screen%x*})) -le 1 ] &&
    [ $((2 * y + h - ${screen#*x})) -ge -1 ] && [ $((2 * y + h - ${screen#*x})) -le 1 ] ||
    fail "the about box at $place is not centred on the $screen screen"
  drv dlg-layout About >"$TEST_DIR/about-seen"
  differences=$(layout_differences "$TEST_DIR/about-96" "$TEST_DIR/about-seen" "$1")
  [ -z "$differences" ] || fail "the about box at $1 DPI: $differences"
  keep_window_shot "about-box-${1}dpi" About
  end_dialog dlg-click About "$IDC_ABOUT_OK"
}

# At 144 and 192 DPI every control of the main window is its 96-DPI self
# times 1.5 or 2 and no text is cut that fits at 96 DPI. A column dragged at
# 150 % is stored at 96 DPI, shown at 200 % as wide again, and a file
# written at 200 % gives the form's widths at 100 %, where the window is as
# it was.
test_main_window_at_display_scales() {
  start_program
  drv layout >"$TEST_DIR/layout-96"
  keep_window_shot main-window-96dpi
  open_about_box
  drv dlg-layout About >"$TEST_DIR/about-96"
  end_dialog dlg-click About "$IDC_ABOUT_OK"
  stop_program
  at_test_end set_prefix_dpi 96

  set_prefix_dpi 144
  start_program
  # Asked of a program started now: the run's driver keeps the DPI it started with.
  assert_eq 144 "$("${WINE[@]}" "$TONVERO_BUILD/driver.exe" screen-dpi)" "the DPI Wine gives the programs"
  assert_layout_scaled 144 "at 144 DPI"
  keep_window_shot main-window-144dpi
  assert_about_box_scaled 144
  drv grid-drag 43 73 >/dev/null  # the row-number column's border, 41 + 2 wide at 150 %, 30 to the right
  stop_program
  assert_eq "47 79 76 128 55" "$(stored_widths "$TEST_DIR/tv.cn3")" "widths stored at 144 DPI after a drag"

  set_prefix_dpi 192
  start_program
  assert_layout_scaled 192 "at 192 DPI"
  keep_window_shot main-window-192dpi
  drv grid-drag 96 56 >/dev/null  # that border at 47 x 2 + 2, back 40
  stop_program
  assert_eq 555 "$(stat -c %s "$TEST_DIR/tv.cn3")" "tv.cn3 size at 192 DPI"
  assert_eq "27 79 76 128 55" "$(stored_widths "$TEST_DIR/tv.cn3")" "widths stored at 192 DPI after the drag back"

  set_prefix_dpi 96
  start_program
  drv layout >"$TEST_DIR/layout-96-again"
  cmp -s "$TEST_DIR/layout-96" "$TEST_DIR/layout-96-again" ||
    fail "the layout at 96 DPI after a tv.cn3 from 192 DPI: $(diff "$TEST_DIR/layout-96" "$TEST_DIR/layout-96-again" | tr '\n' ' ')"
  drv grid-drag 28 48 >/dev/null  # at 96 DPI the border is at 27 + 1
  stop_program
  assert_eq "47 79 76 128 55" "$(stored_widths "$TEST_DIR/tv.cn3")" "widths stored at 96 DPI after a drag"
}

# Moved to a monitor of another DPI, the window takes the rectangle
# Windows suggests and lays itself out again: at 192 DPI as a start there
# would, and back at 96 DPI as it started.
test_main_window_moved_between_display_scales() {
  start_program
  drv layout >"$TEST_DIR/layout-96"
  drv dpi-changed 192 >/dev/null
  assert_layout_scaled 192 "moved to 192 DPI"
  keep_window_shot main-window-moved-to-192dpi
  drv dpi-changed 96 >/dev/null
  assert_layout_scaled 96 "moved back to 96 DPI"
}
