#!/usr/bin/env bash
# Peak memory of reading one large archive from the command line: generates COUNT documents
# (default 100000) of about 2 KB as a ZIP archive and reads it with vypiska-cli in both output
# formats. The target is a peak below 200 MB.
set -euo pipefail
cd "$(dirname "$0")/.."
count="${1:-100000}"

scripts/deps
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVYPISKA_BENCH=ON -DVYPISKA_TESTS=OFF >/dev/null
cmake --build build-bench --target vypiska-bench vypiska-cli >/dev/null
export QT_QPA_PLATFORM=offscreen

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export TEMP="$work"
build-bench/bin/vypiska-bench generate "$work" "$count" 2>/dev/null
rm -rf "$work/documents"
echo "archive of $count documents: $(du -h "$work/documents.zip" | cut -f1)"
for format in tsv json; do
    /usr/bin/time -f "vypiska-cli read ARCHIVE --format $format: %e s, peak %M KB" \
        build-bench/bin/vypiska-cli read "$work/documents.zip" --format "$format" \
        >/dev/null 2>"$work/time.txt" || true
    tail -n 1 "$work/time.txt"
done
echo "(target: peak < 200 MB)"
