# Where the program takes its DLLs from, and what its image asks of Windows.
#
# Windows looks for a DLL that is not a known DLL in the program's folder
# first, and a downloads folder may hold anything. Wine told to prefer native
# DLLs does the same, so DLLs planted beside the program under the names of
# such system DLLs show whether the program or the system DLLs working for it
# (sound, the file, font and print dialogs, printing, a screen reader's
# questions) would take them.
PLANTED_DLLS=(winmm.dll comctl32.dll version.dll uxtheme.dll dwmapi.dll winspool.drv
  msacm32.dll mmdevapi.dll compstui.dll oleacc.dll ole32.dll oleaut32.dll)

# Starts the program beside the planted DLLs, with Wine preferring native
# DLLs of their names and telling what it loads, and waits for its window
# or its end.
start_beside_planted_dlls() {
  local name overrides
  for name in "${PLANTED_DLLS[@]}"; do cp "$TONVERO_BUILD/planted.dll" "$TEST_DIR/$name"; done
  overrides=$(printf '%s,' "${PLANTED_DLLS[@]%.dll}")
  WINEDLLOVERRIDES="$WINEDLLOVERRIDES;${overrides%,}=n,b" WINEDEBUG="$WINEDEBUG,+loaddll" launch_program
  drv_try wait-window "$WAIT_WINDOW_MS" || true
}

# The planted DLLs loaded so far: the modules Wine's loader took from the
# test folder, and the DLLs that left their marker there.
planted_dlls_loaded() {
  local folder
  folder=$(basename "$TEST_DIR")
  {
    grep -a 'Loaded L"' "$TEST_DIR/program.log" | grep -aiF "\\$folder\\" |
      sed 's/.*Loaded L"\([^"]*\)".*/\1/; s/.*\\//' | grep -vix tonvero.exe
    find "$TEST_DIR" -maxdepth 1 -name '*.loaded' -printf '%f\n' | sed 's/\.loaded$//'
  } | tr 'A-Z' 'a-z' | sort -u | paste -sd ' '
}

assert_no_planted_dll_loaded() {  # when
  local loaded
  loaded=$(planted_dlls_loaded)
  [ -z "$loaded" ] || fail "planted DLLs loaded from the program's folder $1: $loaded"
}

planted_step_start() {
  start_beside_planted_dlls
  assert_no_planted_dll_loaded "at start-up"
  drv_try wait-window 0 ||
    fail "the program showed no window (program.log: $(tail -c 300 "$TEST_DIR/program.log"))"
}
planted_step_dial() { assert_dials 5551234 "@" 5551234; }
planted_step_screen_reader() {
  drv grid-items | grep -qF "1|list item|ANNA BRAY, 111, HOME|" ||
    fail "a screen reader does not read the record: $(drv grid-items)"
}
planted_step_file_dialog() {
  user_click main "$IDC_FILE"
  wait_for_dialog "Open Tonvero DB"
  end_dialog dlg-click "Open Tonvero DB" 2
}
planted_step_font_dialog() {
  open_font_dialog >/dev/null
  close_dialog "$FONT_DIALOG" 2
  close_dialog "$PRINTER_BOX" "$IDC_PRINTER_CANCEL"
}
planted_step_print() {
  print_to_text planted
  grep -q "ANNA BRAY" <<<"$(squeezed <"$TEST_DIR/planted.txt")" ||
    fail "the print lacks the record: $(head -c 200 "$TEST_DIR/planted.txt")"
}

# Start-up, a dial with sound, a screen reader reading the list, the file
# dialog, the font dialog and a print load none of the planted DLLs.
test_dll_search_skips_planted_dlls() {
  write_list "$TEST_DIR/Base.rbd" "$PL_HEADER" '"ANNA","BRAY","111","HOME"'
  local step
  for step in start dial screen_reader file_dialog font_dialog print; do
    "planted_step_$step"
    assert_no_planted_dll_loaded "after the step '$step'"
  done
}

# What a program's image carries, one word each: address randomisation with
# the relocations it needs, no execution of data, randomisation across the
# whole 64-bit address space, the compiler's stack protector; then the DLLs
# loaded with it at start.
image_facts() {  # program
  local headers symbols
  headers=$(x86_64-w64-mingw32-objdump -p "$1")
  symbols=$(x86_64-w64-mingw32-objdump -t "$1")
  grep -qE '^\s+DYNAMIC_BASE$' <<<"$headers" && echo aslr
  grep -qE '^Entry 5 [0-9a-f]+ 0*[1-9a-f][0-9a-f]* Base Relocation Directory' <<<"$headers" && echo relocations
  grep -qE '^\s+NX_COMPAT$' <<<"$headers" && echo dep
  grep -qE '^\s+HIGH_ENTROPY_VA$' <<<"$headers" && echo high-entropy
  grep -qE ' _?__stack_chk_fail$' <<<"$symbols" && echo stack-protector
  echo "imports:$(sed -n 's/^\s*DLL Name: //p' <<<"$headers" | tr 'A-Z' 'a-z' | sort | paste -sd ,)"
}

# Both programs, the one under test and the other build's, carry their
# protections, and import nothing at start but kernel32 and the C runtime:
# every other DLL is delay-loaded, after the DLL search is limited.
test_hardening_of_both_programs() {
  local other=windows32
  pe_is_32bit "$TONVERO_BUILD/tonvero.exe" && other=windows
  local program expected
  for program in "$TONVERO_BUILD/tonvero.exe" "$E2E_ROOT/build/$other/tonvero.exe"; do
    [ -f "$program" ] || fail "no $program"
    if pe_is_32bit "$program"; then
      expected="aslr relocations dep stack-protector imports:kernel32.dll,msvcrt.dll"
    else
      expected="aslr relocations dep high-entropy stack-protector imports:kernel32.dll,msvcrt.dll"
    fi
    assert_eq "$expected" "$(image_facts "$program" | paste -sd ' ')" "what $program carries"
  done
}
