#!/usr/bin/env bash
# The real monitor killed with kill -9 at random moments, in several program
# folders at once: during its start-up move of a waiting session line, and
# around the 60th tick (its first once-a-minute write). Each run is started
# again in the same folder. At the end every line of all_stats.csv must be
# whole (six fields, CR LF), none lost, none twice; the rate logs too must
# hold only whole lines.
#
#   kill_during_writes.sh TAVO [FOLDERS] [MINUTE_ROUNDS]
#
# The figures (kills, lines expected, lines found) are printed at the end.
set -uo pipefail

tavo=${1:?usage: $0 TAVO [FOLDERS] [MINUTE_ROUNDS]}
folders=${2:-8}
minute_rounds=${3:-3}
startup_kills=4   # short runs before each minute run

work=$(mktemp -d "${TMPDIR:-/tmp}/tavo-kills.XXXXXX")
pids=() bus_pid=
cleanup() {
  for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null; done
  [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

export QT_QPA_PLATFORM=offscreen HOME=$work/home XDG_CONFIG_HOME=$work/home/config \
       XDG_CACHE_HOME=$work/home/cache XDG_DATA_HOME=$work/home/data XDG_STATE_HOME=$work/home/state \
       XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$work/bus"
chmod 700 "$XDG_RUNTIME_DIR"

# A session bus of the run's own, ended with it, so that no monitor meets
# the user's bus or launches one (tests/support/sessionbus.h says why).
bus=$(dbus-daemon --config-file="$(dirname "$0")/../support/sessionbus.conf" --address="unix:dir=$work/bus" \
        --fork --nopidfile --print-address=1 --print-pid=1 2>/dev/null) || bus=
if [ -n "$bus" ]; then
  export DBUS_SESSION_BUS_ADDRESS=${bus%%$'\n'*}
  bus_pid=${bus##*$'\n'}
else
  export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/tavo-tests-no-session-bus
fi

# A random pause of MIN to MIN+SPAN milliseconds.
pause_ms() { local ms=$(( $1 + RANDOM % ($2 + 1) )); sleep "$((ms / 1000)).$(printf %03d $((ms % 1000)))"; }

is_record() { [[ $1 =~ ^[^\;]+\;[^\;]+\;[0-9]+\;[0-9]+\;[0-9]+\;[0-9]+$ ]]; }

# Every whole line that waits in session_stats.csv is owed to all_stats.csv.
note_waiting() {  # dir
  [ -f "$1/session_stats.csv" ] || return 0
  local l
  while IFS= read -r l || [ -n "$l" ]; do
    l=${l%$'\r'}
    is_record "$l" && ! grep -qxF -- "$l" "$1/expected" && printf '%s\n' "$l" >> "$1/expected"
  done < "$1/session_stats.csv"
  return 0
}

# One run of the monitor, killed after MIN to MIN+SPAN ms.
run_and_kill() {  # dir min span
  "$1/Tavo" >/dev/null 2>>"$1/stderr" &
  local pid=$!
  pause_ms "$2" "$3"
  kill -9 "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  echo kill >> "$1/kills"
  note_waiting "$1"
}

one_folder() {  # index
  local i=$1 dir=$work/f$1 seq=0
  mkdir -p "$dir"
  cp "$tavo" "$dir/Tavo"
  printf 'Lang=EN\r\nDetailedLog=1\r\n' > "$dir/Tavo.ini"
  : > "$dir/kills"
  for n in 1 2 3; do printf '01/01/2020 0%d:00:00;01/01/2020 0%d:30:00;%d;1;2;3\r\n' "$n" "$n" "$i"; done > "$dir/all_stats.csv"
  tr -d '\r' < "$dir/all_stats.csv" > "$dir/expected"
  for ((round = 0; round < minute_rounds; round++)); do
    for ((k = 0; k < startup_kills; k++)); do
      # A line left by an earlier run, for the start-up to move.
      if [ ! -e "$dir/session_stats.csv" ]; then
        seq=$((seq + 1))
        printf '02/01/2020 10:00:00;02/01/2020 11:00:00;%d;%d;%d;0\r\n' "$i" "$round" "$seq" > "$dir/session_stats.csv"
        note_waiting "$dir"
      fi
      run_and_kill "$dir" 0 250
    done
    # The first once-a-minute write comes 60 s after the start-up.
    run_and_kill "$dir" 59300 1800
  done
  # A last start moves what still waits; it is killed once the move is done.
  "$dir/Tavo" >/dev/null 2>>"$dir/stderr" &
  local pid=$!
  local t=0
  while [ -e "$dir/session_stats.csv" ] && [ $t -lt 300 ]; do sleep 0.1; t=$((t + 1)); done
  sleep 0.2
  kill -9 "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  echo kill >> "$dir/kills"
  note_waiting "$dir"
}

start=$SECONDS
for ((i = 1; i <= folders; i++)); do
  one_folder "$i" &
  pids+=($!)
done
wait "${pids[@]}"
pids=()

failures=0 kills=0 expected=0 found=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
for ((i = 1; i <= folders; i++)); do
  dir=$work/f$i
  all=$dir/all_stats.csv
  kills=$((kills + $(wc -l < "$dir/kills")))
  expected=$((expected + $(wc -l < "$dir/expected")))
  found=$((found + $(tr -cd '\n' < "$all" | wc -c)))
  [ -e "$dir/session_stats.csv" ] && fail "f$i: session_stats.csv still waits after the last start"
  [ -s "$all" ] && [ "$(tail -c 2 "$all" | od -An -tx1 | tr -d ' \n')" != "0d0a" ] && fail "f$i: all_stats.csv does not end with CR LF"
  bad=$(grep -cv $'\r$' "$all")
  [ "$bad" -eq 0 ] || fail "f$i: $bad lines of all_stats.csv without CR LF"
  bad=$(tr -d '\r' < "$all" | awk -F';' 'NF != 6' | wc -l)
  [ "$bad" -eq 0 ] || fail "f$i: $bad lines of all_stats.csv without six fields"
  twice=$(tr -d '\r' < "$all" | sort | uniq -d)
  [ -z "$twice" ] || fail "f$i: lines twice: $twice"
  missing=$(comm -23 <(sort -u "$dir/expected") <(tr -d '\r' < "$all" | sort -u))
  [ -z "$missing" ] || fail "f$i: lines lost: $missing"
  extra=$(comm -13 <(sort -u "$dir/expected") <(tr -d '\r' < "$all" | sort -u))
  [ -z "$extra" ] || fail "f$i: lines nobody wrote: $extra"
  for log in "$dir"/logs/*.csv; do
    [ -e "$log" ] || continue
    bad=$(grep -cv $'\r$' "$log")
    bad=$((bad + $(tr -d '\r' < "$log" | awk -F';' 'NF != 3' | wc -l)))
    [ "$bad" -eq 0 ] || fail "f$i: $bad broken lines in ${log##*/}"
  done
done

echo "kill -9 faults: $folders folders, $kills kills, $expected lines expected, $found lines found," \
     "$((SECONDS - start)) s"
[ "$failures" -eq 0 ] || exit 1
