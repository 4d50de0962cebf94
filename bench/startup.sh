#!/usr/bin/env bash
# Start-up time and memory of the real calculator against a bare Qt window
# with one button, under a virtual X server, over repeated launches
# (RUNS, default 15, alternating the two programs).
#
#   bench/startup.sh
#
# Prints, for each program, the median, min and max of the time from exec to
# the window being mapped and of the resident memory one second later, and
# the calculator's ratio to the floor.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh --bench
cmake --preset default >/dev/null
cmake --build --preset default --target cambist cambist_bare_window launch-timer >/dev/null

runs=${RUNS:-15}
bin=build/default
display=:97
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
export DISPLAY=$display
unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

results=$(mktemp)
for program in cambist cambist_bare_window; do  # one warm-up launch each
    path=$bin/app/$program; [ -x "$path" ] || path=$bin/bench/$program
    "$bin/bench/launch-timer" "$path" >/dev/null
done
for i in $(seq "$runs"); do
    for program in cambist cambist_bare_window; do
        path=$bin/app/$program; [ -x "$path" ] || path=$bin/bench/$program
        echo "$program $("$bin/bench/launch-timer" "$path")" >>"$results"
    done
done

python3 - "$results" <<'PY'
import statistics, sys
rows = [line.split() for line in open(sys.argv[1])]
data = {}
for name, ms, kib in rows:
    data.setdefault(name, ([], []))
    data[name][0].append(float(ms)); data[name][1].append(int(kib) / 1024)
def line(name, label):
    ms, mib = data[name]
    return (f"{label:<26} map {statistics.median(ms):7.1f} ms (min {min(ms):6.1f}, max {max(ms):6.1f})"
            f"   RSS {statistics.median(mib):6.1f} MiB (min {min(mib):5.1f}, max {max(mib):5.1f})")
print(f"{len(data['cambist'][0])} launches each")
print(line("cambist", "Cambist"))
print(line("cambist_bare_window", "bare Qt window, 1 button"))
ratio = statistics.median(data["cambist"][0]) / statistics.median(data["cambist_bare_window"][0])
extra = statistics.median(data["cambist"][1]) - statistics.median(data["cambist_bare_window"][1])
print(f"Cambist / bare: time x{ratio:.2f}, memory {extra:+.1f} MiB")
PY
rm -f "$results"
