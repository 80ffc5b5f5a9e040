# "Add" from the contact exports of phones, address books and mail programs:
# one question for the whole file; Yes adds every number the list lacks at
# once, No offers each in the record dialog. Names reach Base.rbd in the
# system's code page; the contact file is only read.

CONTACTS_DATA="$E2E_HERE/data/contacts"
CONTACTS_NOTICE="Adding Contacts"
E=$'\xCB'  # "Ë" in the program's code page

answer_contacts_notice() {  # expected text
  drv wait-dialog "$CONTACTS_NOTICE" "$WAIT_DIALOG_MS" >/dev/null
  assert_eq "$1" "$(drv dlg-gettext "$CONTACTS_NOTICE" "$IDC_NOTICE_TEXT")" "notice"
  end_dialog dlg-click "$CONTACTS_NOTICE" "$IDC_CONTINUE"
}

choose_contact_file() {  # file name in the test's folder
  drv click "$IDC_ADD" >/dev/null
  choose_other_database "$ADD_TITLE" "$(windows_path "$TEST_DIR/$1")"
  answer_question "Add Phone List Records ?" Yes
}

contacts_done() {  # file name
  merge_done
  drv wait-gone "$CONTACTS_NOTICE" "$WAIT_DIALOG_MS" >/dev/null
  [ ! -f "$CONTACTS_DATA/$1" ] || cmp -s "$CONTACTS_DATA/$1" "$TEST_DIR/$1" || fail "Add changed $1"
}

# Adds from one contact file record by record: No to adding them all, the
# notice of the names not stored whole (when $2 is not 0), then each record
# offered is accepted.
add_contacts() {  # file name, names not stored whole, offered records as "f1|f2|f3|f4"...
  local name=$1 names=$2 record
  shift 2
  choose_contact_file "$name"
  answer_question "The file adds $# records. Add them all ?" No
  [ "$names" = 0 ] || answer_contacts_notice \
    "$names name could not be stored whole on this computer: the nearest letters, or \"?\", stand in."
  for record in "$@"; do answer_record "$record" OK; done
  contacts_done "$name"
}

# Adds from one contact file with Yes to adding them all; the notice says
# what was done.
add_all_contacts() {  # file name, records added, notice's second sentence
  choose_contact_file "$1"
  answer_question "The file adds $2 record$([ "$2" = 1 ] || echo s). Add them all ?" Yes
  answer_contacts_notice "$2 record$([ "$2" = 1 ] || echo s) added, 0 already in the list. $3"
  contacts_done "$1"
}

test_add_from_contacts() {
  write_list "$TEST_DIR/Base.rbd" "$PL_HEADER" '"ANNA","BRAY","111","HOME"'
  cp "$CONTACTS_DATA"/*.vcf "$CONTACTS_DATA"/*.csv "$TEST_DIR/"
  start_program
  add_contacts vcard21.vcf 1 "ZO$E|MARTIN|+33 6 12 34 56 78|CELL" "ZO$E|MARTIN|+33 1 45 67 89 10|HOME" \
    "LUCJA MARIA ANNA BARBARA TERESA|KOWALSKA|+48 22 555 01 02|FAX" \
    "LUCJA MARIA ANNA BARBARA TERESA|KOWALSKA|+48 22 555 01 00|WORK" \
    "NGOZI ADAEZE|BRIGHTWATER-OKONKWO|+234 1 555 0199|OTHER"
  add_contacts vcard30.vcf 1 "ZO$E|MARTIN|+33 4 72 00 00 01|WORK" "LUCJA|KOWALSKA|+48 22 555 01 03|HOME" \
    "HARBOUR|PLUMBING|+1 312 555 0147|FAX"
  add_contacts vcard40.vcf 1 "ZO$E|MARTIN|+33-6-12-34-56-78|CELL" "ZO$E|MARTIN|+33-1-45-67-89-10|HOME" \
    "LUCJA|KOWALSKA-WISNIEWSKA|+48-22-555-0102|FAX" "LUCJA|KOWALSKA-WISNIEWSKA|+48 22 555 01 00|WORK"
  add_contacts google.csv 1 "ZO$E|MARTIN|+33 6 98 76 54 32|CELL" "LUCJA|KOWALSKA|+48 22 555 01 02|FAX"
  add_contacts outlook.csv 1 "LUCJA|KOWALSKA|+48 22 555 01 00|WORK" "LUCJA|KOWALSKA|+48 22 555 01 99|WORK"
  add_all_contacts outlook1252.csv 2 "Every name was stored whole."
  cmp "$CONTACTS_DATA/expected.rbd" "$TEST_DIR/Base.rbd" >&2 || fail "Base.rbd differs from the records added"
  # 500 contacts at once: one Yes adds them all, each number once; adding
  # the same file again adds none and says so.
  {
    printf 'BEGIN:VCARD\r\nVERSION:4.0\r\nN:Nowak;\xC5\x81ukasz\r\nTEL:+48 22 555 0000\r\nEND:VCARD\r\n'
    for ((i = 1; i < 500; i++)); do
      printf 'BEGIN:VCARD\r\nVERSION:3.0\r\nN:Family%d;Given%d\r\nTEL;TYPE=HOME:+1 212 555 %04d\r\nEND:VCARD\r\n' \
        "$i" "$i" "$i"
    done
  } >"$TEST_DIR/many.vcf"
  add_all_contacts many.vcf 500 "1 name could not be stored whole on this computer."
  assert_eq $(($(wc -l <"$CONTACTS_DATA/expected.rbd") + 500)) "$(wc -l <"$TEST_DIR/Base.rbd")" "lines of Base.rbd"
  assert_eq 500 "$(grep -vxFf "$CONTACTS_DATA/expected.rbd" "$TEST_DIR/Base.rbd" | cut -d, -f3 | sort -u | wc -l)" \
    "numbers added once"
  grep -q '^"LUKASZ","NOWAK","+48 22 555 0000","OTHER"' "$TEST_DIR/Base.rbd" || fail "the nearest letters were not stored"
  cp "$TEST_DIR/Base.rbd" "$TEST_DIR/first.rbd"
  choose_contact_file many.vcf
  answer_contacts_notice "No record was added: the 500 records of the file are in the list already."
  contacts_done many.vcf
  cmp "$TEST_DIR/first.rbd" "$TEST_DIR/Base.rbd" >&2 || fail "the second Add changed Base.rbd"
}

# Numbers that mail programs write as "(905) 555-1234" reach the list
# cleaned, and in modem mode each record dials every digit its source shows
# (the dialing language would take "(905)" for a remark and dial 555-1234).
test_added_outside_numbers_dial_every_digit() {
  set_windows_region 244  # "+1" numbers dial as from the United States
  write_list "$TEST_DIR/Base.rbd" "$PL_HEADER"
  cp "$CONTACTS_DATA"/outlook_area.* "$TEST_DIR/"
  start_program
  add_contacts outlook_area.csv 0 "DANA|REYES|905 555-1234|WORK" "DANA|REYES|1-800-3569377,12|HOME" \
    "DANA|REYES|+1 212 204-3445|CELL"
  add_contacts outlook_area.vcf 0 "KWAME|OSEI|416 555-0187|WORK" "KWAME|OSEI|+1 647 555-0142,7|CELL"
  start_modem_port 2
  choose_modem 1 0
  local -A command_of=(
    ["905 555-1234"]='ATDT 9055551234\r\n'
    ["1-800-3569377,12"]='ATDT 18003569377,12\r\n'
    ["+1 212 204-3445"]='ATDT 12122043445\r\n'
    ["416 555-0187"]='ATDT 4165550187\r\n'
    ["+1 647 555-0142,7"]='ATDT 16475550142,7\r\n'
  )
  local row number file="$TEST_DIR/com2.bytes" before
  for row in 1 2 3 4 5; do
    drv grid-click "$row" >/dev/null
    number=$(drv gettext "$IDC_SCREEN")
    [ -n "${command_of[$number]:-}" ] || fail "row $row holds '$number', no number the files gave"
    before=$(stat -c %s "$file")
    drv press main enter >/dev/null
    drv wait-dialog "$MODEM_NOTICE" "$WAIT_DIALOG_MS" >/dev/null
    wait_until 10 "the dial command" test "$(bytes_after "$file" "$before")" = "${command_of[$number]}" || true
    assert_eq "${command_of[$number]}" "$(bytes_after "$file" "$before")" "bytes sent for row $row ($number)"
    end_dialog dlg-click "$MODEM_NOTICE" "$IDC_CONTINUE"
    drv wait-visible "$IDC_IMAGE_IDLE" 1 "$WAIT_DIAL_MS" >/dev/null
    unset "command_of[$number]"
  done
}

# Restarts the run's Wine server, and with it every program of the prefix,
# under the Unix locale $1 ("" for the run's own): Wine takes the ANSI code
# page from it. The desktop keeper starts again outside the test's process
# group, as the run's own does, and then a driver for the rest of the test,
# in the new code page.
restart_wine_in_locale() {  # locale
  "${WINESERVER[@]}" -k >/dev/null 2>&1 || true
  timeout 20 "${WINESERVER[@]}" -w >/dev/null 2>&1 || true
  if [ -n "${1:-}" ]; then export LC_ALL=$1; else unset LC_ALL; fi
  "${WINESERVER[@]}" -p
  rm -f "$RUN_DIR/keeper.out"
  setsid "${WINE[@]}" "$TONVERO_BUILD/driver.exe" keep-desktop >"$RUN_DIR/keeper.out" 2>&1 </dev/null &
  wait_until 30 "the desktop keeper" grep -q kept "$RUN_DIR/keeper.out"
  stop_driver
  start_driver
}

quoted_printable() { printf '%s' "$1" | od -An -tx1 | tr -d ' \n' | sed 's/../=&/g' | tr a-f A-F; }

# On a Russian system (code page 1251) Cyrillic names keep their letters
# from a UTF-8 vCard, a vCard 2.1 in quoted-printable UTF-8 and a CSV in
# the code page, each added with one Yes.
test_add_cyrillic_names_on_a_russian_system() {
  at_test_end restart_wine_in_locale ""
  restart_wine_in_locale ru_RU.UTF-8
  write_list "$TEST_DIR/Base.rbd" "$PL_HEADER"
  printf 'BEGIN:VCARD\r\nVERSION:3.0\r\nN:Дмитриев;Иван\r\nTEL;TYPE=CELL:111\r\nEND:VCARD\r\n' >"$TEST_DIR/ivan.vcf"
  printf 'BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:%s;%s\r\nTEL;HOME:222\r\nEND:VCARD\r\n' \
    "$(quoted_printable 'Петрова')" "$(quoted_printable 'Анна')" >"$TEST_DIR/anna.vcf"
  printf 'First Name,Last Name,Business Phone\r\nОльга,Смирнова,333\r\n' | iconv -f UTF-8 -t CP1251 >"$TEST_DIR/olga.csv"
  start_program
  for file in ivan.vcf anna.vcf olga.csv; do add_all_contacts "$file" 1 "Every name was stored whole."; done
  printf '%s\r\n' "$PL_HEADER" '"АННА","ПЕТРОВА","222","HOME"' '"ИВАН","ДМИТРИЕВ","111","CELL"' \
    '"ОЛЬГА","СМИРНОВА","333","WORK"' | iconv -f UTF-8 -t CP1251 >"$TEST_DIR/expected.rbd"
  cmp "$TEST_DIR/expected.rbd" "$TEST_DIR/Base.rbd" >&2 || fail "Base.rbd differs from the names added"
}
