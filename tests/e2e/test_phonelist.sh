# The phone list: its file, the grid, searching, the record and sorting
# dialogs, "Open".

PL_HEADER='"FIRST NAME      ","LAST NAME        ","PHONE                          ","REMARKS"'

# Writes a phone-list file from lines, each ended by CR LF.
write_list() {  # path line...
  local path=$1
  shift
  printf '%s\r\n' "$@" >"$path"
}

assert_file_bytes() {  # path what line...
  local path=$1 what=$2 expected
  shift 2
  expected=$(printf '%s\r\n' "$@" | od -An -c)
  [ -f "$path" ] || fail "$what: no file $path"
  assert_eq "$expected" "$(od -An -c <"$path")" "$what"
}

# The list of the test folder's Base.rbd, started with.
start_with_list() {  # line...
  write_list "$TEST_DIR/Base.rbd" "$PL_HEADER" "$@"
  start_program
}

# The first start in an empty folder creates Base.rbd and Base.bak and names
# the database in the caption.
test_phonelist_first_start() {
  start_program
  local base
  base="$(windows_path "$TEST_DIR")\\Base"
  assert_eq "Tonvero + ${base^^}" "$(drv caption)" "caption"
  assert_file_bytes "$TEST_DIR/Base.rbd" "Base.rbd" "$PL_HEADER" '"Marel","Vossik","","Velmora"'
  assert_file_bytes "$TEST_DIR/Base.bak" "Base.bak" "$PL_HEADER" '"MAREL","VOSSIK"," ","VELMORA"'
  assert_eq "1 1" "$(drv grid-rows) $(drv grid-row)" "records and selected row"
  assert_eq "$IDC_GRID" "$(drv focused)" "focused control"
  assert_eq "" "$(drv gettext "$IDC_SCREEN")" "Screen at start-up"
  screenshot first-start
}
