#!/usr/bin/env bash
# What the monitor costs on a desktop, beside a bare Qt label program as a
# yardstick, both shown under Xvfb while loopback traffic changes every
# figure each second. Two lower yardsticks run beside them: a Qt program
# that only reads the counters once a second (no window), and one that also
# draws a text a second straight into its backing store, without widgets.
#
#   bench/monitor/desktop_bench.sh [build folder] [seconds per round] [rounds] [bytes/s]
#   defaults:                       build         60                  3        10485760
# TAVO=/path/to/Tavo measures another build of the monitor (before/after).
#
# Prints, per program, the CPU time per 60 s, the wake-ups per second
# (context switches of all its threads), its threads and its peak RSS, as
# min / median of the rounds, and each one's ratio to the bare label.
# Needs Xvfb (build.sh test installs it); openbox is used when present.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
seconds=${2:-60}
rounds=${3:-3}
rate=${4:-10485760}

tavo=${TAVO:-$build/suite/Tavo}   # TAVO=path measures another build of the monitor
label=$build/bench/monitor/bench_bare_label
traffic=$build/bench/monitor/bench_loopback_traffic
floor=$build/bench/monitor/bench_qt_floor
for f in "$tavo" "$label" "$traffic" "$floor"; do
  [ -x "$f" ] || { echo "missing $f: build first (cmake --build $build)" >&2; exit 1; }
done
command -v Xvfb >/dev/null || { echo "Xvfb is needed (apt-get install xvfb)" >&2; exit 1; }

work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A display of our own, whatever number is free.
exec 3<> "$work/displayfd"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  display=$(head -n1 "$work/displayfd" 2>/dev/null || true)
  [ -n "$display" ] && break
  sleep 0.1
done
[ -n "${display:-}" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$display QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
if command -v openbox >/dev/null; then
  openbox >/dev/null 2>&1 &
  pids+=($!)
  sleep 1
fi

# The monitor runs from a folder of its own, as installed.
mkdir -p "$work/tavo"
cp "$tavo" "$work/tavo/Tavo"
[ -d "$build/suite/skins" ] && cp -r "$build/suite/skins" "$work/tavo/"
total=$((seconds * rounds + 10))
"$traffic" "$rate" "$total" &
pids+=($!)

names=("Tavo" "bare Qt label" "Qt, timer only" "Qt, backing store")
measured=()
"$work/tavo/Tavo" >/dev/null 2>&1 &
measured+=($!)
"$label" >/dev/null 2>&1 &
measured+=($!)
"$floor" timer >/dev/null 2>&1 &
measured+=($!)
"$floor" window >/dev/null 2>&1 &
measured+=($!)
pids+=("${measured[@]}")
sleep 5   # start-up is not what is measured

# cpu_ns switches threads: summed over the live threads of a process.
sample() {
  local pid=$1 cpu=0 sw=0 n=0 t
  for t in /proc/"$pid"/task/*; do
    read -r run _ < "$t/schedstat" || continue
    cpu=$((cpu + run))
    sw=$((sw + $(awk '/ctxt_switches/ {s += $2} END {print s}' "$t/status")))
    n=$((n + 1))
  done
  echo "$cpu $sw $n"
}
hwm() { awk '/VmHWM/ {print $2}' /proc/"$1"/status; }

declare -A cpu_ms wake threads
for r in $(seq "$rounds"); do
  before=()
  for p in "${measured[@]}"; do before+=("$(sample "$p")"); done
  sleep "$seconds"
  line="round $r:"
  for i in "${!measured[@]}"; do
    read -r c0 s0 _ <<< "${before[$i]}"
    read -r c1 s1 n1 < <(sample "${measured[$i]}")
    cpu_ms[$i,$r]=$(awk -v a="$c0" -v b="$c1" -v s="$seconds" 'BEGIN {printf "%.1f", (b - a) / 1e6 * 60 / s}')
    wake[$i,$r]=$(awk -v a="$s0" -v b="$s1" -v s="$seconds" 'BEGIN {printf "%.1f", (b - a) / s}')
    threads[$i,$r]=$n1
    line+=" ${names[$i]} ${cpu_ms[$i,$r]} ms, ${wake[$i,$r]}/s;"
  done
  echo "${line%;}" >&2
done

minmed() {  # minmed index metric -> "min / median"
  local v=() r
  for r in $(seq "$rounds"); do
    local key="$1,$r"
    case $2 in cpu) v+=("${cpu_ms[$key]}") ;; wake) v+=("${wake[$key]}") ;; threads) v+=("${threads[$key]}") ;; esac
  done
  printf '%s\n' "${v[@]}" | sort -g | awk '{a[NR] = $1} END {printf "%s / %s", a[1], a[int((NR + 1) / 2)]}'
}
median() { minmed "$1" "$2" | awk -F' / ' '{print $2}'; }

rss=()
for p in "${measured[@]}"; do rss+=("$(hwm "$p")"); done
printf '\n%d rounds of %d s, %d bytes/s of loopback traffic\n\n' "$rounds" "$seconds" "$rate"
printf '| program | CPU ms per 60 s | wake-ups/s | threads | peak RSS |\n|---|---|---|---|---|\n'
for i in "${!measured[@]}"; do
  printf '| %s | %s | %s | %s | %.1f MB |\n' "${names[$i]}" "$(minmed "$i" cpu)" "$(minmed "$i" wake)" \
    "$(minmed "$i" threads)" "$(awk -v k="${rss[$i]}" 'BEGIN {print k / 1024}')"
done
printf '\nRatios to the bare label (medians):\n'
for i in "${!measured[@]}"; do
  [ "$i" = 1 ] && continue
  printf -- '- %s: CPU %s, wake-ups %s; peak RSS %+.1f MB\n' "${names[$i]}" \
    "$(awk -v a="$(median "$i" cpu)" -v b="$(median 1 cpu)" 'BEGIN {printf "%.2f", (b > 0 ? a / b : 0)}')" \
    "$(awk -v a="$(median "$i" wake)" -v b="$(median 1 wake)" 'BEGIN {printf "%.2f", (b > 0 ? a / b : 0)}')" \
    "$(awk -v a="${rss[$i]}" -v b="${rss[1]}" 'BEGIN {print (a - b) / 1024}')"
done
