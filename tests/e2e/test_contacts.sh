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
