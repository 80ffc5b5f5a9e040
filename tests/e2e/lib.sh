# The end-to-end harness, sourced by tests/e2e/run: one Xvfb display, one
# PulseAudio server with a null sink to record from, one private Wine prefix
# for the whole run; a fresh folder per test with the program in it; the
# driver that works the program's windows; a recorder and a DTMF decoder;
# assertions. Tests are shell functions that end with `fail` on a wrong result.

E2E_HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
E2E_ROOT=$(cd "$E2E_HERE/../.." && pwd)
TONVERO_BUILD=${TONVERO_BUILD:-$E2E_ROOT/build/windows}

# How Wine runs here; the harness picks its own loader (choose_wine) and
# debug channels (start_wine).
source "$E2E_ROOT/scripts/wine-env"

# Control ids come from the program's own header.
eval "$(sed -n 's/^#define \(IDC_[A-Z0-9_]*\) \([0-9][0-9]*\).*/\1=\2/p' "$E2E_ROOT/src/win32/ui/control_ids.h")"

BYTES_PER_MS=44  # the recording: 22000 Hz, 16-bit, mono
WAIT_WINDOW_MS=60000
WAIT_DIALOG_MS=20000
WAIT_DIAL_MS=120000
E2E_TEST_SECONDS=${E2E_TEST_SECONDS:-300}  # a test still running after this fails
WINEBOOT_SECONDS=180
# How the programs whose sound is recorded run. A stream that is not fed in
# time plays a gap, which splits a tone in two: on a busy machine (builds
# and other suites beside) that happened to the first tone. The sound path
# runs ahead of the rest, and Wine's stream keeps a buffer of 60 ms.
SOUND_RUN=(nice -n -10 env PULSE_LATENCY_MSEC=60)

# Starts a command in the background in a process group of its own, so that
# a Ctrl-C at the terminal does not reach it and `kill -- -PID` ends it with
# everything it started. Its input is empty: a background group that reads
# the terminal would be stopped. Sets BG_PID.
start_group() {
  set -m
  "$@" </dev/null &
  BG_PID=$!
  set +m
}

# Runs a command for at most $1 seconds. It runs in the background and is
# waited for, so that a signal reaches the caller's trap at once.
limited() {  # seconds command...
  local seconds=$1
  shift
  timeout -k 5 "$seconds" "$@" &
  wait $!
}

# Ends a process group started by start_group: TERM, then KILL after $2
# seconds (default 5) if anything of it is left.
stop_group() {  # pid [seconds]
  [ -n "$1" ] || return 0
  kill -TERM -- "-$1" 2>/dev/null || return 0
  local deadline=$((SECONDS + ${2:-5}))
  while kill -0 -- "-$1" 2>/dev/null; do
    [ "$SECONDS" -lt "$deadline" ] || { kill -KILL -- "-$1" 2>/dev/null; break; }
    sleep 0.1
  done
  wait "$1" 2>/dev/null
  return 0
}

# --- environment, once per run ---

# Waits up to $1 seconds for a command to succeed; $2 names what is awaited.
wait_until() {
  local seconds=$1 what=$2
  shift 2
  local deadline=$((SECONDS + seconds))
  until "$@" >/dev/null 2>&1; do
    [ "$SECONDS" -lt "$deadline" ] || { echo "timed out waiting for $what" >&2; return 1; }
    sleep 0.1
  done
}

pe_is_32bit() { [ "$(od -An -tx2 -j$(($(od -An -tu4 -j60 -N4 "$1") + 4)) -N2 "$1" | tr -d ' ')" = 014c ]; }

# The Wine loader and server for the build under test: a 32-bit build runs
# under the 32-bit Wine of the i386 tree (scripts/wine32; tests/e2e/run has
# made its mount namespace), a 64-bit one under the host's 64-bit loader.
# Every Wine process runs with the fixed address layout of scripts/wine-env.
choose_wine() {
  if pe_is_32bit "$TONVERO_BUILD/tonvero.exe"; then
    "$E2E_ROOT/scripts/wine32" --check >&2 || return 1
    WINE=("$E2E_ROOT/scripts/wine32")
    WINESERVER=("$E2E_ROOT/scripts/wine32" --server)
  elif [ -x /usr/lib/wine/wine64 ]; then
    WINE=("${FIXED_LAYOUT[@]}" /usr/lib/wine/wine64)
    WINESERVER=(wineserver)
    export WINELOADER=/usr/lib/wine/wine64
  else
    echo "no usable Wine loader" >&2
    return 1
  fi
}

# A 32-bit build runs under the i386 tree's Wine, whose server and programs
# share one mount namespace: the script starts again inside one of its own,
# which ends with it. Called by a script with its own path and arguments.
enter_wine_namespace() {  # script args...
  if [ -z "${TONVERO_WINE32_NAMESPACE:-}" ] && [ -f "$TONVERO_BUILD/tonvero.exe" ] &&
    pe_is_32bit "$TONVERO_BUILD/tonvero.exe" && "$E2E_ROOT/scripts/wine32" --check >/dev/null; then
    exec "$E2E_ROOT/scripts/wine32" --namespace "$@"
  fi
}

check_build() {
  local f
  for f in tonvero.exe driver.exe play_tones.exe one.wav; do
    [ -f "$TONVERO_BUILD/$f" ] || { echo "missing $TONVERO_BUILD/$f" >&2; return 1; }
  done
}

# Xvfb picks a free display number itself and writes it to the given file
# descriptor, so two runs on one machine never take the same display.
start_display() {
  : >"$RUN_DIR/display"
  # Room for the main window at 200 % (1256 x 787 with its frame).
  start_group Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$RUN_DIR/display" >"$RUN_DIR/xvfb.log" 2>&1
  XVFB_PID=$BG_PID
  wait_until 30 "the display number" test -s "$RUN_DIR/display"
  E2E_DISPLAY=$(head -n 1 "$RUN_DIR/display")
  export DISPLAY=":$E2E_DISPLAY"
  wait_until 30 "the display" xdotool getdisplaygeometry
}

# A private PulseAudio server whose default sink "cap" plays into nothing;
# its monitor source is what the tests record.
start_sound() {
  export XDG_RUNTIME_DIR="$RUN_DIR/xdg"
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
  export PULSE_SERVER="unix:$RUN_DIR/pulse.sock"
  start_group nice -n -10 pulseaudio --daemonize=no --system=false --exit-idle-time=-1 -n --realtime=no \
    --load="module-null-sink sink_name=cap" \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$RUN_DIR/pulse.sock" \
    >"$RUN_DIR/pulse.log" 2>&1
  PULSE_PID=$BG_PID
  wait_until 30 "the sound server" pactl info
  pactl set-default-sink cap
}

start_wine() {
  # Wine's own errors only: a program that Wine ends says why in its output.
  export WINEPREFIX="$RUN_DIR/prefix" WINEDEBUG=-all,err+all
  # No downloads while the prefix is made; a crash ends the process instead
  # of waiting in the debugger.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
  mkdir -p "$WINEPREFIX"
  # The server detaches into a session of its own; `wineserver -k` ends it
  # and every program of the prefix.
  "${WINESERVER[@]}" -p
  limited "$WINEBOOT_SECONDS" "${WINE[@]}" wineboot -i >"$RUN_DIR/wineboot.log" 2>&1 ||
    { echo "wineboot failed or ran over ${WINEBOOT_SECONDS} s" >&2; return 1; }
  limited 60 "${WINE[@]}" reg add 'HKCU\Software\Wine\Drivers' /v Audio /d pulse /f \
    >>"$RUN_DIR/wineboot.log" 2>&1 || { echo "setting Wine's sound driver failed" >&2; return 1; }
  # There is no window manager on the display: with managed windows Wine
  # waits about 2 s for one whenever a window goes away. Unmanaged, Wine
  # draws the frames and moves the focus itself, as Windows does.
  limited 60 "${WINE[@]}" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
    >>"$RUN_DIR/wineboot.log" 2>&1 || { echo "setting unmanaged windows failed" >&2; return 1; }
}

# Wine closes its desktop a moment after the last program on it ends, and
# the next program to start opens a new one. Once some tests had run (the
# fault table), that start waited 10 s for the new desktop every time. A
# driver that stays on the desktop for the whole run keeps it open; it ends
# with the Wine server.
keep_desktop() {
  "${WINE[@]}" "$TONVERO_BUILD/driver.exe" keep-desktop >"$RUN_DIR/keeper.out" 2>&1 &
  wait_until 30 "the desktop keeper" grep -q kept "$RUN_DIR/keeper.out"
}

# A private CUPS server for the run, with one PDF printer "PDF" (cups-pdf);
# Wine reaches it through CUPS_SERVER. It must be up before the prefix is
# made, as Wine takes its printer list from CUPS when it starts. cups-pdf
# writes each job to the PDF folder of the job's user (root: /root/PDF),
# named after the job title; the tests fetch their own files from there.
start_printing() {
  local c="$RUN_DIR/cups"
  mkdir -p "$c/conf/ppd" "$c/spool/tmp" "$c/cache" "$c/state" "$c/log"
  # The filters run as an unprivileged user and must reach the spool folder.
  chmod o+x "$RUN_DIR"
  chmod 755 "$c"
  cat >"$c/conf/cups-files.conf" <<CONF
SystemGroup root
ServerRoot $c/conf
RequestRoot $c/spool
TempDir $c/spool/tmp
CacheDir $c/cache
StateDir $c/state
AccessLog $c/log/access_log
ErrorLog $c/log/error_log
PageLog $c/log/page_log
Printcap $c/printcap
CONF
  cat >"$c/conf/cupsd.conf" <<CONF
LogLevel info
Listen $c/cups.sock
Browsing No
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
  start_group cupsd -f -c "$c/conf/cupsd.conf" -s "$c/conf/cups-files.conf" >"$c/log/cupsd.out" 2>&1
  CUPSD_PID=$BG_PID
  export CUPS_SERVER="$c/cups.sock"
  wait_until 30 "the print server" print_server_running &&
    lpadmin -p PDF -v cups-pdf:/ -E -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd &&
    lpadmin -d PDF &&
    PDF_DIR=$(getent passwd "$(id -un)" | cut -d: -f6)/PDF
}

# lpstat exits 0 either way; only its answer tells.
print_server_running() { lpstat -r 2>/dev/null | grep -qx "scheduler is running"; }

stop_printing() {
  stop_group "${CUPSD_PID:-}"
  CUPSD_PID=
}

env_start() {
  RUN_DIR=$(mktemp -d /tmp/tonvero-e2e.XXXXXX)
  export HOME="$RUN_DIR/home"
  mkdir -p "$HOME" "$RUN_DIR/tests"
  { check_build && choose_wine && start_display && start_sound && start_printing && start_wine && keep_desktop; } \
    >"$RUN_DIR/setup.log" 2>&1 && start_driver
}

# Ends everything the run started; safe to call more than once.
env_stop() {
  stop_driver
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    "${WINESERVER[@]}" -k >/dev/null 2>&1
    timeout 20 "${WINESERVER[@]}" -w >/dev/null 2>&1
  fi
  stop_printing
  stop_group "${PULSE_PID:-}"
  stop_group "${XVFB_PID:-}"
  PULSE_PID= XVFB_PID=
  [ -n "${RUN_DIR:-}" ] || return 0
  if [ -n "${E2E_KEEP:-}" ]; then echo "e2e files kept in $RUN_DIR" >&2; else rm -rf "$RUN_DIR"; fi
  RUN_DIR=
}

# A picture of the screen for people to look at; tests assert on other things.
screenshot() { import -window root "$TEST_DIR/$1.png" 2>/dev/null || true; }

# --- failing and asserting ---

# Ends the test with a reason; the first reason given wins.
fail() {
  [ -s "$REASON_FILE" ] || echo "$*" >"$REASON_FILE"
  exit 1
}

assert_eq() {  # expected actual what
  [ "$1" = "$2" ] || fail "$3: expected '$1', got '$2'"
}

# --- the driver ---

# One driver per run works the program's windows: the shell writes each
# command to it through a pipe (a count, then the words, each ended by a
# zero byte) and reads its answer, the lines it prints and a last line of
# "\x1e" and "ok" or "fail <reason>". The pipe from the driver has no
# other writer, so a driver that ends is an end of input. Its own error
# output goes to driver.err of the run.
start_driver() {
  DRIVER_DIR=$(mktemp -d "$RUN_DIR/driver.XXXXXX")
  mkfifo "$DRIVER_DIR/in" "$DRIVER_DIR/out"
  # Open for reading too, so that the shell never blocks or gets SIGPIPE
  # writing to a driver that has ended; the answer's pipe says it.
  exec {DRV_IN}<>"$DRIVER_DIR/in"
  set -m
  "${WINE[@]}" "$TONVERO_BUILD/driver.exe" serve <"$DRIVER_DIR/in" >"$DRIVER_DIR/out" 2>>"$RUN_DIR/driver.err" {DRV_IN}>&- &
  DRV_PID=$!
  set +m
  disown "$DRV_PID"  # its end is told by the pipe, not by the shell's job report
  exec {DRV_OUT}<"$DRIVER_DIR/out"
  echo idle >"$DRIVER_DIR/busy"
}

stop_driver() {
  [ -n "${DRV_PID:-}" ] || return 0
  exec {DRV_IN}>&- {DRV_OUT}<&-
  stop_group "$DRV_PID"
  DRV_PID=
}

# A test that ended in the middle of a driver command, or whose driver has
# ended, leaves the next test a new driver, not its unread answer.
renew_driver_if_spent() {
  local state
  state=$(cat "$DRIVER_DIR/busy")
  if [ "$state" != idle ]; then
    echo "driver started again: the last test left 'driver $state' unanswered"
  elif ! kill -0 "$DRV_PID" 2>/dev/null; then
    echo "driver started again: the last one had ended"
  else
    return 0
  fi
  stop_driver
  start_driver
}

# Runs one driver command and prints its answer; returns 1 when the command
# failed, its reason in DRV_REASON. A driver that has ended fails the test,
# naming the command it was given last.
drv_ask() {
  # Bytes, not characters: an answer's text is in the program's code page.
  local line answer="" LC_ALL=C
  echo "[$EPOCHREALTIME] driver $*" >&2
  echo "$*" >"$DRIVER_DIR/busy"
  printf '%s\0' "$#" "$@" >&"$DRV_IN"
  while IFS= read -r -u "$DRV_OUT" line; do
    case $line in
      $'\x1e'ok | $'\x1e'fail\ *)
        echo idle >"$DRIVER_DIR/busy"
        printf '%s' "$answer"
        DRV_REASON=${line#$'\x1e'fail }
        [ "$line" = $'\x1e'ok ]
        return ;;
    esac
    answer+=$line$'\n'
  done
  fail "the driver ended during 'driver $*': $(tr -d '\r' <"$RUN_DIR/driver.err" | tail -c 400)"
}

# Runs one driver command and prints its answer; a failed command fails the
# test with the driver's reason.
drv() { drv_ask "$@" || fail "driver $*: $DRV_REASON"; }

# As drv, but only tells by its status whether the command succeeded.
drv_try() { drv_ask "$@" >/dev/null; }

# Ends a dialog with a driver command that prints the dialog's handle
# (dlg-click, dlg-key, dlg-close) and waits until that window is gone. The
# wait is for the window, not its caption: the next dialog may bear the same.
end_dialog() {  # command args...
  local handle
  handle=$(drv "$@")
  drv wait-gone "$handle" "$WAIT_DIALOG_MS" >/dev/null
}

# --- real input: the X server's pointer, as a person's mouse ---

# Moves the pointer to the middle of a control of the main window ("main")
# or of a dialog and clicks the left button there: the program gets the
# button's whole mouse path. The click comes as input, after anything sent
# or posted to the program, so a test waits for what the click does.
user_click() {  # main|caption id
  local at
  at=$(drv point "$1" "$2")
  echo "pointer click at $at ($1 $2)" >&2
  xdotool mousemove $at click 1
}

# A dialog's button clicked with the pointer; waits until that dialog is gone.
user_end_dialog() {  # caption id
  local handle
  handle=$(drv dlg-handle "$1")
  user_click "$1" "$2"
  drv wait-gone "$handle" "$WAIT_DIALOG_MS" >/dev/null
}

# Waits until a control of the main window shows the text.
wait_text() {  # id text what
  drv_try wait-text "$1" "$2" "$WAIT_DIALOG_MS" || fail "$3: expected '$2', got '$(drv gettext "$1")'"
}

# --- the program ---

new_folder() {
  TEST_DIR="$RUN_DIR/tests/$1"
  mkdir -p "$TEST_DIR"
  cp "$TONVERO_BUILD/tonvero.exe" "$TONVERO_BUILD/one.wav" "$TEST_DIR/"
}

# The folder as the program sees it through drive Z:.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# Starts tonvero.exe in the test's folder, or in $PROGRAM_DIR when a test
# sets it (its working directory), and waits for its main window.
start_program() {
  launch_program "$@"
  drv wait-window "$WAIT_WINDOW_MS" >/dev/null
}

# Starts tonvero.exe as start_program does, without waiting for anything.
launch_program() {
  (cd "${PROGRAM_DIR:-$TEST_DIR}" && exec "${SOUND_RUN[@]}" "${WINE[@]}" tonvero.exe "$@" >>"$TEST_DIR/program.log" 2>&1) &
  PROGRAM_PID=$!
}

program_running() {
  [ -n "${PROGRAM_PID:-}" ] && [ -e "/proc/$PROGRAM_PID" ] &&
    ! grep -q '^[0-9]* ([^)]*) Z' "/proc/$PROGRAM_PID/stat" 2>/dev/null
}

# Waits up to $1 seconds for the program's process to end.
wait_program_exit() {
  local deadline=$((SECONDS + $1))
  while program_running; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
  wait "$PROGRAM_PID" 2>/dev/null
  PROGRAM_PID=
}

# Ends a program that a test left running: closed like a user would, killed
# when that does not end it.
stop_program() {
  program_running || return 0
  { kill -0 "$DRV_PID" 2>/dev/null && drv_try close-main && wait_program_exit 15; } ||
    { kill -KILL "$PROGRAM_PID"; wait_program_exit 5; }
}

# Processes a test starts beside the program (a serial port pair, a
# reader) are listed here and ended when the test ends, however it ends.
track_helper() { echo "$1" >>"$TEST_DIR/helpers.pids"; }
stop_helpers() {
  [ -f "$TEST_DIR/helpers.pids" ] || return 0
  local pid
  while read -r pid; do kill "$pid" 2>/dev/null || true; done <"$TEST_DIR/helpers.pids"
  rm -f "$TEST_DIR/helpers.pids"
}

# Holds a file open, shared with no one, as another program that has it
# locked would, until unlock_file; LOCK_PID is the holder.
lock_file() {  # path
  LOCKED_FILE=$1
  "${WINE[@]}" "$TONVERO_BUILD/driver.exe" hold-file "$(windows_path "$1")" $((E2E_TEST_SECONDS * 1000)) \
    >"$TEST_DIR/lock.out" 2>&1 &
  LOCK_PID=$!
  track_helper "$LOCK_PID"
  wait_until 30 "the lock" grep -q held "$TEST_DIR/lock.out" || fail "could not lock $1"
}

# Ends the holder and waits until the file opens shared with no one.
unlock_file() {
  kill -KILL "$LOCK_PID"
  wait "$LOCK_PID" 2>/dev/null || true
  wait_until 20 "the lock to go" drv_try hold-file "$(windows_path "$LOCKED_FILE")" 0 ||
    fail "$LOCKED_FILE is still locked after its holder ended"
}

# What a test changes in the run's shared Wine prefix is put back however
# the test ends: each command given here runs when it ends, in order.
at_test_end() { printf '%s\n' "$*" >>"$TEST_DIR/at-end"; }
run_test_end() {
  [ -f "$TEST_DIR/at-end" ] || return 0
  local command
  while read -r command; do eval "$command" || true; done <"$TEST_DIR/at-end"
  rm -f "$TEST_DIR/at-end"
}

restart_program() {
  stop_program
  start_program "$@"
}

# The program answers a sent message once the handler that closed a box has
# returned, so the window is asked for only then.
assert_still_running() {  # when
  drv_try caption && drv_try wait-window 1000 || fail "the main window is gone $1"
  program_running || fail "the program ended $1"
}

# A key pressed with posted mouse messages; returns once the program has
# handled them, so that what is sent next (a text, a click that dials)
# cannot overtake them.
press_key() {  # key id
  drv mousedown "$1" >/dev/null
  drv mouseup "$1" >/dev/null
  drv handled >/dev/null
}

# "Exit", then "Yes" in the question box; waits for the process to end.
exit_program() {
  drv click "$IDC_EXIT" >/dev/null
  drv wait-dialog Question "$WAIT_DIALOG_MS" >/dev/null
  drv dlg-click Question "$IDC_YES_BUTTON" >/dev/null
  wait_program_exit 30 || fail "the program did not end after Exit and Yes"
}

# --- sound: record the null sink, decode DTMF ---

recorded_bytes() { stat -c %s "$REC_RAW"; }

rec_start() {  # name
  REC_RAW="$TEST_DIR/$1.raw"
  : >"$REC_RAW"
  rec_kill
  parec --latency-msec=50 -d cap.monitor --format=s16le --rate=22000 --channels=1 >"$REC_RAW" &
  REC_PID=$!
  wait_until 20 "the recorder" test -s "$REC_RAW" || fail "the recorder did not start"
}

# Waits until $1 more milliseconds of sound have been recorded: sound time,
# not wall time, so a slow machine cannot cut a tone short.
rec_more() {
  local target=$(($(recorded_bytes) + $1 * BYTES_PER_MS)) deadline=$((SECONDS + 30))
  while [ "$(recorded_bytes)" -lt "$target" ]; do
    [ "$SECONDS" -lt "$deadline" ] || fail "the recorder stopped recording"
    sleep 0.05
  done
}

# Stops a recorder that is still running (a test that failed while recording).
rec_kill() {
  [ -n "${REC_PID:-}" ] || return 0
  kill "$REC_PID" 2>/dev/null
  wait "$REC_PID" 2>/dev/null
  REC_PID=
}

# Keeps a short tail, so that the last tone's way through the buffers is in,
# then stops the recorder and writes $TEST_DIR/<name>.wav for the decoder:
# the recording as it is, every burst of tone however short, so that a
# stray fragment of a tone is heard as the extra key it would dial. A click
# at full scale in it fails the test: a strict receiver may take one for a
# key, and a person hears it.
rec_stop() {
  rec_more 400
  rec_kill
  REC_WAV="${REC_RAW%.raw}.wav"
  sox -t raw -r 22000 -e signed -b 16 -c 1 "$REC_RAW" -b 16 "$REC_WAV" vol 0.5 rate 22050
  local clicks
  clicks=$(count_clicks "$REC_RAW")
  [ "$clicks" = 0 ] || fail "$clicks clicks at full scale in ${REC_RAW##*/}"
}

# Clicks in a raw recording: each run of 1 ms windows whose peak reaches
# full scale (no tone comes near it) is one.
count_clicks() {  # raw recording
  od -An -v -td2 -w2 "$1" | awk -v win=22 -v full=32000 '
    { v = $1 < 0 ? -$1 : $1; if (v > peak) peak = v }
    ++i % win == 0 { loud = peak >= full; if (loud && !was) n++; was = loud; peak = 0 }
    END { print n + 0 }'
}

# The keys heard in a recording, in order, as one string.
decode() { multimon-ng -q -a DTMF -t wav "$1" 2>/dev/null | sed -n 's/^DTMF: //p' | tr -d '\n'; }

# --- the settings file ---

byte_at() { od -An -tu1 -j"$2" -N1 "$1" | tr -d ' '; }
int32_at() { od -An -td4 -j"$2" -N4 "$1" | tr -d ' '; }
# A counted string: a length byte, then the characters.
string_at() { dd if="$1" bs=1 skip=$(($2 + 1)) count="$(byte_at "$1" "$2")" status=none; }

# --- dialing ---

# Puts the number into Screen and the procedure into DPEdit, clicks "Dial",
# records until the dialing has ended and prints the keys heard.
set_dial_texts() {  # number procedure
  drv settext "$IDC_SCREEN" "$1" >/dev/null
  drv settext "$IDC_DP_EDIT" "$2" >/dev/null
}

dial() {  # number procedure
  set_dial_texts "$1" "$2"
  rec_start "dial$(find "$TEST_DIR" -name 'dial*.raw' | wc -l)"
  drv click-wait "$IDC_DIAL" "$IDC_IMAGE_DIALING" "$WAIT_DIAL_MS" >/dev/null
  drv wait-visible "$IDC_IMAGE_IDLE" 1 "$WAIT_DIALOG_MS" >/dev/null
  rec_stop
  decode "$REC_WAV"
}

# After a dialing Screen holds the number again, unselected, and the idle
# icon is back in place of the dialing one.
assert_dial_ended() {  # number
  assert_eq "$1" "$(drv gettext "$IDC_SCREEN")" "Screen after dialing"
  local sel
  sel=$(drv getsel "$IDC_SCREEN")
  [ "${sel%,*}" = "${sel#*,}" ] || fail "Screen keeps a selection after dialing: $sel"
  assert_eq "1 0" "$(drv visible "$IDC_IMAGE_IDLE") $(drv visible "$IDC_IMAGE_DIALING")" \
    "idle and dialing icons shown after dialing"
}

assert_dials() {  # number procedure expected-keys
  assert_eq "$3" "$(dial "$1" "$2")" "keys heard dialing '$1' with '$2'"
  assert_dial_ended "$1"
}

# --- the dialing-mode dialog ---

MODE_DIALOG="Dialing Mode"

open_mode_dialog() {
  user_click main "$IDC_DIAL_MODE"
  drv wait-dialog "$MODE_DIALOG" "$WAIT_DIALOG_MS" >/dev/null
}

close_mode_dialog() {  # button id
  user_end_dialog "$MODE_DIALOG" "$1"
}

choose_shooter() {  # tone-ms silence-ms
  open_mode_dialog
  drv dlg-check "$MODE_DIALOG" "$IDC_MODE_SHOOTER" >/dev/null
  drv dlg-settext "$MODE_DIALOG" "$IDC_TONE_LENGTH" "$1" >/dev/null
  drv dlg-settext "$MODE_DIALOG" "$IDC_SILENCE_LENGTH" "$2" >/dev/null
  close_mode_dialog "$IDC_MODE_OK"
}

# --- start-up that may end in a message box ---

# Starts tonvero.exe and waits for its main window or for a message box of
# its own ("Tonvero"), whichever comes first. Sets STARTUP_SEEN to "window",
# or to "box: " and the box's text.
start_program_watching() {
  launch_program "$@"
  STARTUP_SEEN=$(drv wait-start "$WAIT_WINDOW_MS")
  [ "$STARTUP_SEEN" = window ] || STARTUP_SEEN="box: ${STARTUP_SEEN#box }"
}
