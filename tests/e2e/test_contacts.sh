# "Add" from the contact exports of phones, address books and mail programs:
# each number the list lacks is offered in the record dialog and, accepted,
# reaches Base.rbd; the contact file is only read.

CONTACTS_DATA="$E2E_HERE/data/contacts"
E=$'\xCB'  # "Ë" in the program's code page

# Adds from one contact file, accepting each record offered; the records
# the list already holds are not offered again.
add_contacts() {  # file name, offered records as "f1|f2|f3|f4"...
  local name=$1 record
  shift
  drv click "$IDC_ADD" >/dev/null
  choose_other_database "$ADD_TITLE" "$(windows_path "$TEST_DIR/$name")"
  answer_question "Add Phone List Records ?" Yes
  for record in "$@"; do answer_record "$record" OK; done
  merge_done
  cmp -s "$CONTACTS_DATA/$name" "$TEST_DIR/$name" || fail "Add changed $name"
}

test_add_from_contacts() {
  write_list "$TEST_DIR/Base.rbd" "$PL_HEADER" '"ANNA","BRAY","111","HOME"'
  cp "$CONTACTS_DATA"/*.vcf "$CONTACTS_DATA"/*.csv "$TEST_DIR/"
  start_program
  add_contacts vcard21.vcf "ZO$E|MARTIN|+33 6 12 34 56 78|CELL" "ZO$E|MARTIN|+33 1 45 67 89 10|HOME" \
    "?UCJA MARIA ANNA BARBARA TERESA|KOWALSKA|+48 22 555 01 02|FAX" \
    "?UCJA MARIA ANNA BARBARA TERESA|KOWALSKA|+48 22 555 01 00|WORK" \
    "NGOZI ADAEZE|BRIGHTWATER-OKONKWO|+234 1 555 0199|OTHER"
  add_contacts vcard30.vcf "ZO$E|MARTIN|+33 4 72 00 00 01|WORK" "?UCJA|KOWALSKA|+48 22 555 01 03|HOME" \
    "HARBOUR|PLUMBING|+1 312 555 0147|FAX"
  add_contacts vcard40.vcf "ZO$E|MARTIN|+33-6-12-34-56-78|CELL" "ZO$E|MARTIN|+33-1-45-67-89-10|HOME" \
    "?UCJA|KOWALSKA-WI?NIEWSKA|+48-22-555-0102|FAX" "?UCJA|KOWALSKA-WI?NIEWSKA|+48 22 555 01 00|WORK"
  add_contacts google.csv "ZO$E|MARTIN|+33 6 98 76 54 32|CELL" "?UCJA|KOWALSKA|+48 22 555 01 02|FAX"
  add_contacts outlook.csv "?UCJA|KOWALSKA|+48 22 555 01 00|WORK" "?UCJA|KOWALSKA|+48 22 555 01 99|WORK"
  cmp "$CONTACTS_DATA/expected.rbd" "$TEST_DIR/Base.rbd" >&2 || fail "Base.rbd differs from the records added"
}

# Numbers that mail programs write as "(905) 555-1234" reach the list
# cleaned, and in modem mode each record dials every digit its source shows
# (the dialing language would take "(905)" for a remark and dial 555-1234).
test_added_outside_numbers_dial_every_digit() {
  set_windows_region 244  # "+1" numbers dial as from the United States
  write_list "$TEST_DIR/Base.rbd" "$PL_HEADER"
  cp "$CONTACTS_DATA"/outlook_area.* "$TEST_DIR/"
  start_program
  add_contacts outlook_area.csv "DANA|REYES|905 555-1234|WORK" "DANA|REYES|1-800-3569377,12|HOME" \
    "DANA|REYES|+1 212 204-3445|CELL"
  add_contacts outlook_area.vcf "KWAME|OSEI|416 555-0187|WORK" "KWAME|OSEI|+1 647 555-0142,7|CELL"
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
