# The release packages as a user gets them: what they hold, that they are
# made the same twice, and the 64-bit one unpacked into a fresh folder and
# run from there.

PACKAGE_VERSION=$(sed -n 's/^#define TONVERO_VERSION_TEXT "\(.*\)"$/\1/p' "$E2E_ROOT/src/core/app/version.h")

# Packs the build under test into the test's folder; prints the folder.
make_packages() {  # folder
  "$E2E_ROOT/scripts/package" --no-build --out "$1" >"$1.log" 2>&1 ||
    fail "scripts/package failed: $(tail -n 3 "$1.log" | tr '\n' ' ')"
}

package_file() { printf '%s/tonvero-%s-%s.zip' "$1" "$PACKAGE_VERSION" "$2"; }  # folder suffix

# The package that holds the build under test.
own_package() { if pe_is_32bit "$TONVERO_BUILD/tonvero.exe"; then echo win32; else echo win64; fi; }

# Each package holds exactly its folder, README.txt, one.wav and the program
# of its build, in that order, all with one time stamp; README.txt is plain
# ASCII with CR LF line ends and names the version.
test_package_contents() {
  [ -n "$PACKAGE_VERSION" ] || fail "no version in version.h"
  make_packages "$TEST_DIR/dist"
  local suffix name="tonvero-$PACKAGE_VERSION" folder
  for suffix in win32 win64; do
    local zip
    zip=$(package_file "$TEST_DIR/dist" "$suffix")
    [ -f "$zip" ] || fail "no $zip"
    assert_eq "$name/ $name/README.txt $name/one.wav $name/tonvero.exe" \
      "$(zipinfo -1 "$zip" | tr '\n' ' ' | sed 's/ $//')" "entries of the $suffix package"
    assert_eq 1 "$(zipinfo -T "$zip" | awk '/^[-d]/ {print $(NF - 1)}' | sort -u | wc -l)" \
      "distinct entry times in the $suffix package"
    folder="$TEST_DIR/unzip-$suffix"
    mkdir -p "$folder"
    unzip -q "$zip" -d "$folder" || fail "unzip $zip"
    cmp -s "$folder/$name/one.wav" "$TONVERO_BUILD/one.wav" || fail "one.wav of the $suffix package differs from the build's"
    local readme="$folder/$name/README.txt"
    [ "$(tr -d -c '\n' <"$readme" | wc -c)" -gt 100 ] || fail "README.txt of the $suffix package is too short"
    if grep -q $'[^\r]$' "$readme" || grep -q '^$' "$readme"; then fail "README.txt has a line without CR LF"; fi
    if LC_ALL=C grep -q $'[^\t\r -~]' "$readme"; then fail "README.txt holds bytes that are not plain ASCII"; fi
    if grep -q '@VERSION@' "$readme"; then fail "README.txt keeps a version placeholder"; fi
    grep -q "TONVERO $PACKAGE_VERSION" "$readme" || fail "README.txt does not name version $PACKAGE_VERSION"
  done
  pe_is_32bit "$TEST_DIR/unzip-win32/$name/tonvero.exe" || fail "the win32 package holds no 32-bit program"
  pe_is_32bit "$TEST_DIR/unzip-win64/$name/tonvero.exe" && fail "the win64 package holds a 32-bit program"
  local own
  own=$(own_package)
  cmp -s "$TEST_DIR/unzip-$own/$name/tonvero.exe" "$TONVERO_BUILD/tonvero.exe" ||
    fail "the $own package's program is not the build's"
}

# Packed again a little later (zip keeps times to two seconds), the
# packages are the same bytes.
test_package_is_reproducible() {
  make_packages "$TEST_DIR/first"
  sleep 2.1
  make_packages "$TEST_DIR/second"
  local suffix
  for suffix in win32 win64; do
    cmp "$(package_file "$TEST_DIR/first" "$suffix")" "$(package_file "$TEST_DIR/second" "$suffix")" ||
      fail "two runs made different $suffix packages"
  done
}

# Unpacked (the package of the build under test) into a fresh folder and started there, the program shows its
# window, dials, shows its version in the about box, and keeps its settings
# and lists in that folder.
test_unpacked_package_runs() {
  make_packages "$TEST_DIR/dist"
  local unpacked="$TEST_DIR/fresh"
  mkdir -p "$unpacked"
  (cd "$unpacked" && unzip -q "$(package_file "$TEST_DIR/dist" "$(own_package)")") || fail "unzip the $(own_package) package"
  PROGRAM_DIR="$unpacked/tonvero-$PACKAGE_VERSION"
  start_program
  assert_dials 5551234 "@" 5551234

  drv dblclick "$IDC_LOGO" left >/dev/null
  drv wait-dialog About "$WAIT_DIALOG_MS" >/dev/null
  assert_eq "Version $PACKAGE_VERSION" "$(drv dlg-gettext About "$IDC_ABOUT_VERSION")" "version in the about box"
  user_end_dialog About "$IDC_ABOUT_OK"

  exit_program
  local file
  for file in tv.cn3 Base.rbd Base.dp; do
    [ -f "$PROGRAM_DIR/$file" ] || fail "no $file in the unpacked folder (it holds: $(ls "$PROGRAM_DIR" | tr '\n' ' '))"
  done
  assert_eq "$(windows_path "$PROGRAM_DIR")\\Base" "$(string_at "$PROGRAM_DIR/tv.cn3" 4)" "database path in tv.cn3"
}
