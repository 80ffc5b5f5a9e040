# Numbers written with "+" dialed as they must be dialed from where the user
# is: the country of Windows' region at first, the one chosen in "Dialing
# Location..." once chosen; the choice kept in tv.ini.

LOCATION_DIALOG="Dialing Location"
LINK_NUMBER="+44-20-7946-0958"  # what the link tel:+44-20-7946-0958 puts in the screen

# Windows' user region (HKCU\Control Panel\International\Geo, Nation) for the
# next start of the program: a GEOID, or "none" for the "World" region. The
# prefix's own value is put back when the test ends.
write_windows_region() {  # geoid|none
  local key='HKCU\Control Panel\International\Geo'
  if [ "$1" = none ]; then "${WINE[@]}" reg delete "$key" /v Nation /f >/dev/null 2>&1 || true
  else "${WINE[@]}" reg add "$key" /v Nation /d "$1" /f >/dev/null 2>&1 || fail "cannot set the region $1"; fi
}
set_windows_region() {  # geoid|none
  if [ -z "${REGION_KEPT:-}" ]; then
    REGION_KEPT=$("${WINE[@]}" reg query 'HKCU\Control Panel\International\Geo' /v Nation 2>/dev/null |
      tr -d '\r' | awk '$1 == "Nation" {print $3}')
    at_test_end "write_windows_region ${REGION_KEPT:-none}; REGION_KEPT="
    REGION_KEPT=${REGION_KEPT:-none}
  fi
  write_windows_region "$1"
}

# The words of the "Tonvero" box on one line; the box is answered.
tonvero_box_says() {
  drv wait-dialog Tonvero "$WAIT_DIALOG_MS" >/dev/null
  drv dlg-gettext Tonvero 65535 | tr '\n' ' ' | sed 's/  */ /g; s/ $//'
  end_dialog dlg-key Tonvero enter
}

# The link's number from the United Kingdom, Germany and Russia, each the
# region of Windows at a start, through the modem; a number without "+"
# is sent as written. With the "World" region nothing tells where the user
# is: the "+" number is refused with the reason, and not a byte reaches the
# modem.
test_plus_number_dialed_as_from_the_windows_region() {
  start_modem_port 2
  local geoid command screen started=""
  while IFS='|' read -r geoid command screen; do
    set_windows_region "$geoid"
    if [ -z "$started" ]; then start_program "tel:+44-20-7946-0958"; else restart_program "tel:+44-20-7946-0958"; fi
    [ -n "$started" ] || choose_modem 1 0
    started=1
    assert_eq "$LINK_NUMBER" "$(drv gettext "$IDC_SCREEN")" "the screen after the link (region $geoid)"
    assert_modem_dials 2 "$LINK_NUMBER" "@" "$command" "$screen"
  done <<'REGIONS'
242|ATDT 02079460958\r\n|02079460958
94|ATDT 00442079460958\r\n|00442079460958
203|ATDT 8,10442079460958\r\n|8,10442079460958
REGIONS
  assert_modem_dials 2 "020 7946 0958" "9,@" 'ATDT 9,02079460958\r\n' "9,02079460958"

  set_windows_region none
  restart_program
  local sent said
  sent=$(stat -c %s "$TEST_DIR/com2.bytes")
  set_dial_texts "$LINK_NUMBER" "@"
  drv click "$IDC_DIAL" >/dev/null
  said=$(tonvero_box_says)
  case "$said" in
    *"does not know which country you dial from"*"Nothing was dialed."*"Dialing Location..."*"Ctrl+L"*) ;;
    *) fail "the refusal says '$said'" ;;
  esac
  drv_try wait-dialog "$MODEM_NOTICE" 300 && fail "the modem notice came for a refused number"
  assert_dial_ended "$LINK_NUMBER"
  assert_eq "" "$(bytes_after "$TEST_DIR/com2.bytes" "$sent")" "bytes sent for a refused number"
  assert_modem_dials 2 5551234 "@" 'ATDT 5551234\r\n' 5551234
}

# From Windows' region (Germany) in queue mode, then the dialog from the
# window menu: the country and an area code chosen change the next dial, are
# kept in tv.ini and are there after a restart, when Ctrl+L shows them again.
test_location_dialog_choice_dials_and_survives_a_restart() {
  set_windows_region 94
  start_program
  assert_dials "$LINK_NUMBER" "@" "00442079460958"
  start_modem_port 2
  choose_modem 1 0
  # From the window menu: Alt+Space, then the item's letter (the menu takes
  # it from the keyboard's queue once it is open).
  user_click main "$IDC_SCREEN"
  xdotool key alt+space d
  drv wait-dialog "$LOCATION_DIALOG" "$WAIT_DIALOG_MS" >/dev/null
  local walk
  walk=$(drv a11y-walk "$LOCATION_DIALOG")
  for named in "$IDC_LOCATION_COUNTRY|combo box|Country or region you dial from:|" \
    "$IDC_LOCATION_AREA_CODE|text|Area code (may be left empty):|" \
    "$IDC_LOCATION_DIAL_AREA|check button|Dial the area code for calls within it|" \
    "$IDC_LOCATION_PREFIX|text|International prefix, dialed before a country code:|"; do
    grep -qF "$named" <<<"$walk" || fail "no '$named' among the dialog's controls: $walk"
  done
  assert_eq "Germany (+49)" "$(drv dlg-gettext "$LOCATION_DIALOG" "$IDC_LOCATION_COUNTRY")" "the first country"
  drv dlg-combo-pick "$LOCATION_DIALOG" "$IDC_LOCATION_COUNTRY" "United Kingdom (+44)" >/dev/null
  assert_eq "00" "$(drv dlg-gettext "$LOCATION_DIALOG" "$IDC_LOCATION_PREFIX")" "the UK's prefix"
  drv dlg-settext "$LOCATION_DIALOG" "$IDC_LOCATION_AREA_CODE" "020" >/dev/null
  drv dlg-check "$LOCATION_DIALOG" "$IDC_LOCATION_DIAL_AREA" >/dev/null
  user_end_dialog "$LOCATION_DIALOG" "$IDC_LOCATION_OK"
  assert_eq "$(printf 'country=GB\r\narea_code=20\r\ndial_area_code=no\r\ninternational_prefix=\r\n' | od -c)" \
    "$(od -c "$TEST_DIR/tv.ini")" "tv.ini after OK"
  assert_modem_dials 2 "$LINK_NUMBER" "@" 'ATDT 79460958\r\n' 79460958
  assert_modem_dials 2 "+44 161 496 0000" "@" 'ATDT 01614960000\r\n' 01614960000
  restart_program
  assert_modem_dials 2 "$LINK_NUMBER" "@" 'ATDT 79460958\r\n' 79460958
  user_click main "$IDC_SCREEN"
  xdotool key ctrl+l
  drv wait-dialog "$LOCATION_DIALOG" "$WAIT_DIALOG_MS" >/dev/null
  assert_eq "United Kingdom (+44)|20|0" \
    "$(drv dlg-gettext "$LOCATION_DIALOG" "$IDC_LOCATION_COUNTRY")|$(drv dlg-gettext "$LOCATION_DIALOG" \
      "$IDC_LOCATION_AREA_CODE")|$(drv dlg-ischecked "$LOCATION_DIALOG" "$IDC_LOCATION_DIAL_AREA")" \
    "the dialog after a restart"
  # Brazil has no single international prefix: the user's is asked for.
  drv dlg-combo-pick "$LOCATION_DIALOG" "$IDC_LOCATION_COUNTRY" "Brazil (+55)" >/dev/null
  drv dlg-settext "$LOCATION_DIALOG" "$IDC_LOCATION_PREFIX" "0021" >/dev/null
  user_end_dialog "$LOCATION_DIALOG" "$IDC_LOCATION_OK"
  assert_modem_dials 2 "$LINK_NUMBER" "@" 'ATDT 0021442079460958\r\n' 0021442079460958
}

# A damaged tv.ini is said once at start-up; the program then dials from
# Windows' region and leaves the file as it was.
test_damaged_location_file_reported_once() {
  set_windows_region 94
  local damaged
  damaged=$(printf 'country=GB\r\narea_code=twenty\r\n' | tee "$TEST_DIR/tv.ini" | od -c)
  launch_program
  local said
  said=$(tonvero_box_says)
  case "$said" in
    *"tv.ini is damaged."*"country of Windows' region (DE)"*) ;;
    *) fail "the start-up says '$said'" ;;
  esac
  drv wait-window "$WAIT_WINDOW_MS" >/dev/null
  drv_try wait-dialog Tonvero 500 && fail "the damaged file was reported twice"
  start_modem_port 2
  choose_modem 1 0
  assert_modem_dials 2 "$LINK_NUMBER" "@" 'ATDT 00442079460958\r\n' 00442079460958
  assert_eq "$damaged" "$(od -c "$TEST_DIR/tv.ini")" "tv.ini after start-up"
}
