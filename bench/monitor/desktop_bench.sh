#!/usr/bin/env bash
# What the monitor costs on a desktop, beside a bare Qt label program as a
# yardstick, both shown under Xvfb while loopback traffic changes every
# figure each second.
#
#   bench/monitor/desktop_bench.sh [build folder] [seconds per round] [rounds] [bytes/s]
#   defaults:                       build         60                  3        10485760
# TAVO=/path/to/Tavo measures another build of the monitor (before/after).
#
# Prints, per program, the CPU time per 60 s, the wake-ups per second
# (context switches of all its threads), its threads and its peak RSS, as
# min / median of the rounds, and the monitor's ratio to the yardstick.
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
for f in "$tavo" "$label" "$traffic"; do
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
"$work/tavo/Tavo" >/dev/null 2>&1 &
tavo_pid=$!
pids+=($tavo_pid)
"$label" >/dev/null 2>&1 &
label_pid=$!
pids+=($label_pid)
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
  read -r c0 s0 _ < <(sample $tavo_pid)
  read -r d0 t0 _ < <(sample $label_pid)
  sleep "$seconds"
  read -r c1 s1 n1 < <(sample $tavo_pid)
  read -r d1 t1 m1 < <(sample $label_pid)
  cpu_ms[tavo,$r]=$(awk -v a="$c0" -v b="$c1" -v s="$seconds" 'BEGIN {printf "%.1f", (b - a) / 1e6 * 60 / s}')
  cpu_ms[label,$r]=$(awk -v a="$d0" -v b="$d1" -v s="$seconds" 'BEGIN {printf "%.1f", (b - a) / 1e6 * 60 / s}')
  wake[tavo,$r]=$(awk -v a="$s0" -v b="$s1" -v s="$seconds" 'BEGIN {printf "%.1f", (b - a) / s}')
  wake[label,$r]=$(awk -v a="$t0" -v b="$t1" -v s="$seconds" 'BEGIN {printf "%.1f", (b - a) / s}')
  threads[tavo,$r]=$n1
  threads[label,$r]=$m1
  echo "round $r: Tavo ${cpu_ms[tavo,$r]} ms, ${wake[tavo,$r]}/s; bare label ${cpu_ms[label,$r]} ms, ${wake[label,$r]}/s" >&2
done

minmed() {  # minmed name metric -> "min / median"
  local v=() r
  for r in $(seq "$rounds"); do
    local key="$1,$r"
    case $2 in cpu) v+=("${cpu_ms[$key]}") ;; wake) v+=("${wake[$key]}") ;; threads) v+=("${threads[$key]}") ;; esac
  done
  printf '%s\n' "${v[@]}" | sort -g | awk '{a[NR] = $1} END {printf "%s / %s", a[1], a[int((NR + 1) / 2)]}'
}
median() { minmed "$1" "$2" | awk -F' / ' '{print $2}'; }

tavo_rss=$(hwm $tavo_pid)
label_rss=$(hwm $label_pid)
printf '\n%d rounds of %d s, %d bytes/s of loopback traffic\n\n' "$rounds" "$seconds" "$rate"
printf '| program | CPU ms per 60 s | wake-ups/s | threads | peak RSS |\n|---|---|---|---|---|\n'
printf '| Tavo | %s | %s | %s | %.1f MB |\n' "$(minmed tavo cpu)" "$(minmed tavo wake)" "$(minmed tavo threads)" \
  "$(awk -v k="$tavo_rss" 'BEGIN {print k / 1024}')"
printf '| bare Qt label | %s | %s | %s | %.1f MB |\n' "$(minmed label cpu)" "$(minmed label wake)" "$(minmed label threads)" \
  "$(awk -v k="$label_rss" 'BEGIN {print k / 1024}')"
printf '\nTavo / bare label (medians): CPU %s, wake-ups %s; peak RSS %+.1f MB\n' \
  "$(awk -v a="$(median tavo cpu)" -v b="$(median label cpu)" 'BEGIN {printf "%.2f", (b > 0 ? a / b : 0)}')" \
  "$(awk -v a="$(median tavo wake)" -v b="$(median label wake)" 'BEGIN {printf "%.2f", (b > 0 ? a / b : 0)}')" \
  "$(awk -v a="$tavo_rss" -v b="$label_rss" 'BEGIN {print (a - b) / 1024}')"
