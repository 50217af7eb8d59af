#!/usr/bin/env bash
# Times `vypiska-cli export` of a folder of 10,000 documents against the plain Python script that
# fills the same template. Build first with -DVYPISKA_BENCH=ON:
#   cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVYPISKA_TESTS=OFF -DVYPISKA_BENCH=ON
#   cmake --build build-bench && bench/compare_export.sh build-bench
set -euo pipefail
cd "$(dirname "$0")/.."
bin="${1:-build-bench}/bin"
count="${2:-10000}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
template="Выписка для бухгалтерии.txt.tpl"

"$bin/export_bench" --generate "$work/docs" "$count"
cat "$work"/docs/*.xml > /dev/null  # both runs start with the files in the page cache

seconds() {
    local start=$EPOCHREALTIME
    "$@" > /dev/null 2>&1 || return 1
    awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.2f", b - a }'
}

if t=$(seconds "$bin/vypiska-cli" export "$work/docs" --template "$template" --out "$work/cli.txt" --config config); then
    echo "vypiska-cli export: $t s ($(grep -c 'КонецДокумента' <(iconv -f cp1251 -t utf-8 "$work/cli.txt")) documents)"
else
    echo "vypiska-cli export does not read folders yet; the same pipeline inside export_bench:"
    t=$(seconds "$bin/export_bench" --pipeline "$work/docs" "$work/cli.txt")
    echo "export_bench --pipeline: $t s ($(grep -c 'КонецДокумента' <(iconv -f cp1251 -t utf-8 "$work/cli.txt")) documents)"
fi
t=$(seconds python3 bench/export_python.py "$work/docs" config "config/$template" "$work/py.txt")
echo "python3 export_python.py: $t s ($(grep -c 'КонецДокумента' <(iconv -f cp1251 -t utf-8 "$work/py.txt")) documents)"
