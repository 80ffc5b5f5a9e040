# Faults met by every action that opens or writes something. Each fault is
# made once the program runs, the actions follow in turn, and each row
# checks that (a) the failure is reported with the program's message, or
# nothing is said where that is right; (b) the program runs on and takes
# the next action; (c) every file of the program's folder and of the other
# database's folder is as it was, or whole and keeping every line it had,
# and no temporary file is left.
#
# Faults (columns): immutable - every data file made unreplaceable
# (chattr +i); readonly - both folders made read-only (chattr +i); locked -
# every data file held open by another program; full - the program's disk
# (a small tmpfs) full; unread - Base.rbd held open by another program from
# before the start, so the list was never read; noport - modem mode on a
# COM9 that does not exist; printer - the printer refuses jobs (cupsreject,
# cupsdisable).
# Cells: the message expected (denied "File access denied", shared "I/O
# error 32", full "Disk full", and the port's and the printer's below),
# "quiet" for none, "-" for a pair left out. A held file is read with a
# sharing violation, but replacing it is refused, as the new file is moved
# over it; a refused print job ends with the system's error 6.
# Left out: the dial actions meet only the missing port and Print only the
# printer, as neither opens a file of the program; those two faults meet
# nothing else. With the list unread, the actions on its records have none
# to act on; Insert must add nothing, Add and Sync say why they cannot
# merge it. A port held open by another program cannot be made here: Wine
# checks sharing on regular files only, so the program opens it and dials.
# Sort writes nothing and must stay quiet. Exit writes the settings file,
# quietly when that cannot be replaced; a disk too full for its new bytes
# is reported. "recover" lifts the fault: an Insert then saves a whole list
# of every record shown.
#
#               immutable readonly locked full  unread noport printer
FAULT_TABLE='
sort            quiet     quiet    quiet  quiet -      -      -
insert-key      denied    denied   denied full  quiet  -      -
insert-button   denied    denied   denied full  -      -      -
edit-key        denied    denied   denied full  -      -      -
edit-button     denied    denied   denied full  -      -      -
delete-key      denied    denied   denied full  -      -      -
delete-button   denied    denied   denied full  -      -      -
open            denied    denied   shared full  -      -      -
dp-insert       denied    denied   denied full  -      -      -
dp-delete       denied    denied   denied full  -      -      -
dp-edit         denied    denied   denied full  -      -      -
add             denied    denied   shared full  shared -      -
sync            denied    denied   shared full  shared -      -
print           -         -        -      -     -      -      refused
dial            -         -        -      -     -      noport -
enter           -         -        -      -     -      noport -
double-click    -         -        -      -     -      noport -
recover         quiet     quiet    quiet  quiet -      quiet  quiet
exit            quiet     quiet    quiet  full  -      -      -
'
FAULTS="immutable readonly locked full unread noport printer"
declare -A MESSAGE=(
  [denied]="File access denied" [shared]="I/O error 32" [full]="Disk full"
  [noport]="Error accessing specified device (Error: 2) "
  [refused]="I/O error 6"
)

test_faults_immutable_file() { run_faults immutable; }
test_faults_read_only_folder() { run_faults readonly; }
test_faults_locked_files() { run_faults locked; }
test_faults_full_disk() { run_faults full; }
test_faults_unread_lists() { run_faults unread; }
test_faults_missing_port() { run_faults noport; }
test_faults_refusing_printer() { run_faults printer; }

# The program's folder holds a list of four records and three procedures,
# the other database (other/Work) one record and one procedure that the
# current one lacks, each with its backup.
run_faults() {  # fault
  FAULT=$1 P="$TEST_DIR/prog" HOLDS=0 ROWS=0
  OTHER_DB="$(windows_path "$P/other")\\Work.rbd"
  mkdir -p "$P"
  fault_guard &
  track_helper $!
  [ "$FAULT" != full ] || mount -t tmpfs -o size=4m tmpfs "$P"
  mkdir -p "$P/other"
  cp "$TONVERO_BUILD/tonvero.exe" "$TONVERO_BUILD/one.wav" "$P/"
  write_list "$P/Base.rbd" "$PL_HEADER" '"ANN","LEE","111"," "' '"BOB","RAY","222"," "' \
    '"CAT","DOE","333"," "' '"DAN","FOX","444"," "'
  printf '"%s","%s"\r\n' VELMORA @ HOME 9,@ WORK 8,@ >"$P/Base.dp"
  write_list "$P/other/Work.rbd" "$PL_HEADER" '"CY","DOE","555"," "'
  printf '"OFFICE","0P@"\r\n' >"$P/other/Work.dp"
  cp "$P/other/Work.rbd" "$P/other/Work.bak"
  cp "$P/other/Work.dp" "$P/other/Work.dpb"
  [ "$FAULT" != noport ] || rm -f "$WINEPREFIX/dosdevices/com9"
  start_under_fault
  local column action cells expected failed=""
  column=$(($(tr ' ' '\n' <<<"$FAULTS" | grep -nx "$FAULT" | cut -d: -f1) + 1))
  while read -r action cells; do
    expected=$(awk -v c="$column" '{ print $c }' <<<"$action $cells")
    [ -n "$action" ] && [ "$expected" != - ] || continue
    run_row "$action" "$expected" || failed+="$action "
  done <<<"$FAULT_TABLE"
  fault_off
  [ "$FAULT" != full ] || { stop_program; umount -l "$P"; }
  [ -z "$failed" ] || fail "rows failed under $FAULT: $failed(see $TEST_DIR/rows)"
}

# Makes the fault, or lifts it.
fault_on() {
  case $FAULT in
    immutable) chattr +i "$P"/Base.* "$P"/tv.cn3 "$P"/other/Work.* ;;
    readonly) chattr +i "$P" "$P/other" ;;
    locked) hold $(for f in "$P"/Base.* "$P"/tv.cn3 "$P"/other/Work.*; do windows_path "$f" && echo; done) ;;
    full) dd if=/dev/zero of="$P/filler" bs=64k 2>/dev/null || [ "$(df --output=avail "$P" | tail -n 1)" -eq 0 ] ;;
    unread) hold "$(windows_path "$P/Base.rbd")" ;;
    noport) choose_modem 8 0 ;;
    printer) cupsreject PDF && cupsdisable PDF ;;
  esac
}

fault_off() {
  case $FAULT in
    immutable | readonly) chattr -R -i "$P" ;;
    full) rm -f "$P/filler" ;;
    printer) cupsaccept PDF && cupsenable PDF ;;
  esac
  local holders
  holders=$(cat "$TEST_DIR/holders" 2>/dev/null) || true
  : >"$TEST_DIR/holders"
  [ -z "$holders" ] || { kill $holders 2>/dev/null; wait $holders 2>/dev/null; } || true
}

# Lifts every fault when the test ends however it ends, so that no
# immutable file, mount or refusing printer outlives it.
fault_guard() {
  trap 'kill $! 2>/dev/null; lift_every_fault; exit 0' TERM
  while :; do sleep 1000 & wait $!; done
}
lift_every_fault() { chattr -R -i "$P" 2>/dev/null; umount -l "$P" 2>/dev/null; cupsaccept PDF; cupsenable PDF; }

# Another program holds the files (Windows paths) open, shared with no one.
hold() {  # path...
  local paths out="$TEST_DIR/hold.$((HOLDS += 1))" pid status
  paths=$(printf '%s|' "$@")
  "${WINE[@]}" "$TONVERO_BUILD/driver.exe" hold-files "${paths%|}" 86400000 >"$out" 2>&1 &
  pid=$!
  echo "$pid" >>"$TEST_DIR/holders"
  track_helper "$pid"
  wait_until 60 "the hold" held_or_ended "$out" "$pid" || fail "no hold of $* in time"
  grep -q held "$out" && return 0
  wait "$pid" && status=0 || status=$?
  fail "could not hold $* (status $status): $(head -c 400 "$out")"
}
held_or_ended() { grep -q held "$1" || ! kill -0 "$2" 2>/dev/null; }

# Starts the program with the fault made: the lists unread need it made
# before, the others once the program runs.
start_under_fault() {
  [ "$FAULT" != unread ] || fault_on
  start_faulted
  [ "$FAULT" = unread ] || fault_on
}

# Starts the program in its folder, answering the messages of its start-up.
start_faulted() {
  PROGRAM_DIR=$P launch_program
  local seen
  while seen=$(drv wait-start "$WAIT_WINDOW_MS") || exit 1; [ "$seen" != window ]; do
    echo "start-up: ${seen#box }" >>"$TEST_DIR/rows"
    drv dlg-answer Tonvero 1 "$WAIT_DIALOG_MS" >/dev/null
  done
}

# Starts an action as a user does.
act() {
  case $1 in
    *-key | enter | recover) drv grid-click 1 ;;&
    sort) drv click "$IDC_SORT" ;;
    insert-key | recover) drv post-key main insert ;;
    insert-button) drv click "$IDC_INSERT" ;;
    edit-key) drv post-key main f4 ;;
    edit-button) drv click "$IDC_EDIT" ;;
    delete-key) drv post-key main delete ;;
    delete-button) drv click "$IDC_DELETE" ;;
    open) drv click "$IDC_FILE" ;;
    dp-insert) drv click "$IDC_DP_INSERT" ;;
    dp-delete) drv combo-select "$IDC_DP_NAME" 1 && drv click "$IDC_DP_DELETE" ;;
    dp-edit)
      drv combo-select "$IDC_DP_NAME" 1 && drv click-into "$IDC_DP_EDIT"
      drv wait-visible "$IDC_DP_MEMO" 1 "$WAIT_DIALOG_MS" && drv type-replace "7@"
      press_key "$IDC_CLEAR" ;;
    add) drv click "$IDC_ADD" ;;
    sync) drv click "$IDC_SYNC" ;;
    print) drv click "$IDC_PRINT" ;;
    dial) drv settext "$IDC_SCREEN" 5551234 && drv click "$IDC_DIAL" ;;
    enter) drv post-key main enter ;;
    double-click) drv grid-dblclick 1 ;;
    exit) drv click "$IDC_EXIT" ;;
  esac >/dev/null
}

# Answers whatever the program asks as a user who goes on, and prints each
# thing it showed, until it is idle again or gone.
respond() {
  local seen caption
  while seen=$(drv outcome "$WAIT_DIAL_MS") || exit 1; do
    echo "$seen"
    caption=${seen#dialog }
    case $seen in
      idle | gone) return ;;
      "box "*) answer Tonvero 1 ;;
      "dialog Question") answer Question "$IDC_YES_BUTTON" ;;
      "dialog Sorting") drv dlg-check Sorting $((IDC_SORT_RADIO_1 + 1)) && answer Sorting "$IDC_SORT_OK" ;;
      "dialog Edit Record" | "dialog Insert Record")  # what a merge offers is taken as it is
        [ "$ACTION" = add ] || [ "$ACTION" = sync ] || drv dlg-settext "$caption" $((IDC_FIELD_EDIT_1 + 3)) "$ROW"
        answer "$caption" "$IDC_RECORD_OK" ;;
      "dialog $DP_INSERT")
        [ "$ACTION" != dp-insert ] || drv dlg-settext "$caption" "$IDC_DP_INSERT_NAME" "$ROW"
        answer "$caption" "$IDC_DP_INSERT_ENTER" ;;
      "dialog Open Tonvero DB" | "dialog $SYNC_TITLE" | "dialog $ADD_TITLE")
        drv dlg-settext "$caption" 1148 "$OTHER_DB" && drv press "$caption" enter &&
          drv wait-gone "$caption" "$WAIT_DIALOG_MS" ;;
      "dialog $PRINTER_BOX") answer "$caption" "$IDC_PRINTER_ALL" ;;
      "dialog Print") answer "$caption" 1 ;;
      "dialog $PROGRESS_BOX") drv wait-gone "$caption" "$WAIT_DIAL_MS" ;;  # the job runs; closing it would cancel it
      "dialog $MODEM_NOTICE") answer "$caption" "$IDC_CONTINUE" ;;
      *) drv dlg-close "$caption" && drv wait-gone "$caption" "$WAIT_DIALOG_MS" ;;
    esac >/dev/null
  done
}
answer() { drv dlg-answer "$1" "$2" "$WAIT_DIALOG_MS"; }

# After a row that went wrong: closes what the program still shows.
close_dialogs() {
  local seen
  while seen=$(drv_ask outcome "$WAIT_DIALOG_MS"); do
    case $seen in
      "box "*) drv_try dlg-answer Tonvero 1 "$WAIT_DIALOG_MS" ;;
      "dialog "*) drv_try dlg-close "${seen#dialog }" && drv_try wait-gone "${seen#dialog }" "$WAIT_DIALOG_MS" ;;
      *) return ;;
    esac
  done
}

# A copy of the data files of both folders.
snapshot() {
  rm -rf "$TEST_DIR/before" && mkdir "$TEST_DIR/before"
  tar -C "$P" --exclude=filler --exclude=tonvero.exe --exclude=one.wav -cf - . | tar -C "$TEST_DIR/before" -xf -
}

# Prints each file that changed since the snapshot and is not a whole file
# keeping every line it had: a temporary left, a file cut short or gone,
# lines lost.
damaged_files() {
  local f
  for f in $( (cd "$P" && find . -type f; cd "$TEST_DIR/before" && find . -type f) | sort -u); do
    case $f in ./filler | ./tonvero.exe | ./one.wav) continue ;; esac
    cmp -s "$TEST_DIR/before/$f" "$P/$f" && continue
    case $f in
      *.rbd | *.bak | *.dp | *.dpb)
        [ -f "$P/$f" ] && ! grep -qv $'^"[^"]*"\(,"[^"]*"\)*\r$' "$P/$f" &&
          [ -z "$(comm -23 <(sort -u "$TEST_DIR/before/$f" 2>/dev/null) <(sort -u "$P/$f"))" ] && continue ;;
      ./tv.cn3) [ "$(stat -c %s "$P/$f" 2>/dev/null)" = 555 ] && continue ;;
    esac
    echo "${f#./}"
  done
}

# Runs one action under the fault and checks the three things; writes a line
# to $TEST_DIR/rows and fails only by its status. A program that the row
# ended is started again, the fault lifted for its start, for the next row.
run_row() {  # action expected
  local action=$1 want="" reason="" trail boxes damaged
  ACTION=$1
  [ "$2" = quiet ] || want=${MESSAGE[$2]}
  ROW="R$((ROWS += 1))"
  [ "$action" != recover ] || fault_off
  snapshot
  : >"$TEST_DIR/row.reason"
  : >"$TEST_DIR/trail"
  (REASON_FILE="$TEST_DIR/row.reason" && act "$action" && respond >"$TEST_DIR/trail") ||
    reason="$(cat "$TEST_DIR/row.reason")"
  trail=$(paste -sd '>' "$TEST_DIR/trail")
  boxes=$(sed -n 's/^box //p' "$TEST_DIR/trail" | sort -u)
  if [ -n "$want" ]; then
    [ "$boxes" = "$want" ] || reason+="; reported '${boxes:-nothing}' for '$want'"
  else
    [ -z "$boxes" ] || reason+="; reported '$boxes' where nothing is to be said"
  fi
  if [ "$action" = exit ]; then
    wait_program_exit 30 || reason+="; still running after Exit"
  elif ! { program_running && drv_try caption; }; then
    reason+="; the program ended"
  fi
  damaged=$(damaged_files | paste -sd ' ')
  if [ "$action" = recover ]; then  # the list saved at last holds what the user did under the fault
    local rows
    rows=$(drv_ask grid-rows) || rows=-1
    [ "$(grep -c $'^"[^"]*","[^"]*","[^"]*","[^"]*"\r$' "$P/Base.rbd") $(wc -l <"$P/Base.rbd")" = \
      "$((rows + 1)) $((rows + 1))" ] || reason+="; Base.rbd is not a whole list of the $rows records shown"
    damaged=$(tr ' ' '\n' <<<"$damaged" | grep -vx Base.rbd | paste -sd ' ')
  fi
  [ -z "$damaged" ] || reason+="; files damaged or left: $damaged"
  echo "$([ -z "$reason" ] && echo PASS || echo FAIL) $FAULT $action: $trail${reason:+ -- ${reason#; }}" |
    tee -a "$TEST_DIR/rows" >&2
  # A row that went wrong may leave a dialog open: it is closed before the next.
  [ -z "$reason" ] || ! program_running || close_dialogs
  if ! program_running && [ "$action" != exit ]; then
    fault_off
    start_under_fault
  elif [ "$action" = recover ]; then
    fault_on
  fi
  [ -z "$reason" ]
}
