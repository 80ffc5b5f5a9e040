# "Add" from the contact exports of phones, address books and mail programs:
# each number the list lacks is offered in the record dialog and, accepted,
# reaches Base.rbd; the contact file is only read.

CONTACTS_DATA="$E2E_HERE/data/contacts"

# Adds from one contact file, accepting every record offered; prints the
# records offered, one "f1|f2|f3|f4" line each.
add_contacts() {  # file name
  drv click "$IDC_ADD" >/dev/null
  choose_other_database "$ADD_TITLE" "$(windows_path "$TEST_DIR/$1")"
  answer_question "Add Phone List Records ?" Yes
  local i fields
  while drv_try wait-dialog "Insert Record" 2000; do
    fields=""
    for i in 0 1 2 3; do fields+="$(drv dlg-gettext "Insert Record" $((IDC_FIELD_EDIT_1 + i)))|"; done
    echo "${fields%|}"
    drv dlg-click "Insert Record" "$IDC_RECORD_OK" >/dev/null
    drv wait-gone "Insert Record" "$WAIT_DIALOG_MS" >/dev/null
  done
}

test_add_from_contacts() {
  write_list "$TEST_DIR/Base.rbd" "$PL_HEADER" '"ANNA","BRAY","111","HOME"'
  cp "$CONTACTS_DATA"/*.vcf "$CONTACTS_DATA"/*.csv "$TEST_DIR/"
  start_program
  local name
  for name in vcard21.vcf vcard30.vcf vcard40.vcf google.csv outlook.csv; do
    add_contacts "$name" >"$TEST_DIR/$name.offered"
    merge_done
    cmp -s "$CONTACTS_DATA/$name" "$TEST_DIR/$name" || fail "Add changed $name"
  done
  cp "$TEST_DIR/Base.rbd" /tmp/contacts-Base.rbd; cat "$TEST_DIR"/*.offered > /tmp/contacts-offered.txt
}
