#!/usr/bin/env bash
# Builds a release build with the benchmark, generates COUNT documents (default 10000) of about
# 2 KB as a folder and as a ZIP archive, and measures: the archive read against unzip, the folder
# read rate with the shipped column map and, over direct exchange payment orders, with the paths of
# bench/paydoc/TAG.INI, and the window's read, sorts and peak memory. PAUSE=seconds waits before each
# extraction, so that the file system has settled after the previous round's mass deletion.
set -euo pipefail
cd "$(dirname "$0")/.."
count="${1:-10000}"
rounds=5
pause="${PAUSE:-0}"

scripts/deps
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVYPISKA_BENCH=ON -DVYPISKA_TESTS=OFF >/dev/null
cmake --build build-bench --target vypiska-bench vypiska-cli >/dev/null
bench=build-bench/bin/vypiska-bench
export QT_QPA_PLATFORM=offscreen

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# Both extractions write to the same file system.
export TEMP="$work"
"$bench" generate "$work" "$count"
size=$(du -b "$work/documents" | cut -f1)
echo "documents: $count, about $((size / count)) bytes each; archive $(du -h "$work/documents.zip" | cut -f1)"

smaller() { awk -v a="$1" -v b="$2" 'BEGIN { print (b == "" || a < b) ? a : b }'; }
seconds_of() { sed -E 's/.* in ([0-9.]+) s.*/\1/'; }

# Rounds alternate, so both sides meet the same state of the file system.
unzip_best=""
read_best=""
for _ in $(seq "$rounds"); do
    sleep "$pause"
    start=$(date +%s.%N)
    unzip -q "$work/documents.zip" -d "$work/unzipped" && rm -rf "$work/unzipped"
    end=$(date +%s.%N)
    unzip_best=$(smaller "$(awk -v s="$start" -v e="$end" 'BEGIN { print e - s }')" "$unzip_best")
    sleep "$pause"
    read_best=$(smaller "$("$bench" read "$work/documents.zip" 1 | seconds_of)" "$read_best")
done
printf 'unzip -q ARCHIVE -d DIR && rm -rf DIR: %.3f s (best of %d)\n' "$unzip_best" "$rounds"
printf 'archive read:                           %.3f s (best of %d)\n' "$read_best" "$rounds"
awk -v a="$read_best" -v u="$unzip_best" 'BEGIN { printf "archive read / unzip: %.2f (target <= 2)\n", a / u }'

"$bench" read "$work/documents" "$rounds"
echo "(target >= 50000 documents/s with the shipped column map)"

# Direct exchange payment orders through a column map of element paths only.
"$bench" generate "$work/paydoc" "$count" paydoc
"$bench" read "$work/paydoc/documents" "$rounds" bench/paydoc
echo "(target >= 20000 documents/s with a column map of paths)"

/usr/bin/time -f "vypiska-cli read ARCHIVE: %e s, peak %M KB" \
    build-bench/bin/vypiska-cli read "$work/documents.zip" >/dev/null 2>"$work/cli.txt" || true
tail -n 1 "$work/cli.txt"
/usr/bin/time -f "window process peak (time): %M KB" "$bench" window "$work/documents" 2>"$work/window.txt"
tail -n 1 "$work/window.txt"
echo "(targets: sort < 0.5 s, peak memory < 200 MB)"
