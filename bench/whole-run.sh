#!/usr/bin/env bash
# Whole-run benchmark: generates a corpus of decks (20 slides each, a quarter
# of them binary .ppt), converts it unattended with 1 and with 2 workers, and
# prints files per second, MB per second and peak memory of each run.
#   bash bench/whole-run.sh [count]      (default 1000)
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-1000}

bash scripts/setup
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target slidewright make_bench_corpus

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
./build/release/bench/make_bench_corpus "$work/in" "$count"
bytes=$(du -sb "$work/in" | cut -f1)
files=$(find "$work/in" -type f | wc -l)
echo "corpus: $files files, $((bytes / 1024 / 1024)) MB"

# A private copy of the program keeps the counters of these runs apart.
mkdir -p "$work/bin" && cp build/release/slidewright "$work/bin/"
declare -A seconds
for threads in 1 2; do
    rm -rf "$work/out"
    /usr/bin/time -v -o "$work/time.txt" "$work/bin/slidewright" \
        "-P:Source=$work/in/*.ppt?,Target=$work/out/,Subdir=1,ThreadsCount=$threads,PureConsole=1,LogFile=$work/run.log"
    wall=$(grep 'Elapsed (wall clock)' "$work/time.txt" | awk '{print $NF}')
    secs=$(echo "$wall" | awk -F: '{ if (NF == 3) print $1*3600 + $2*60 + $3; else print $1*60 + $2 }')
    rss=$(grep 'Maximum resident set size' "$work/time.txt" | awk '{print $NF}')
    ok=$(grep -c '^Success' "$work/run.log" || true)
    seconds[$threads]=$secs
    awk -v t="$threads" -v s="$secs" -v f="$files" -v b="$bytes" -v r="$rss" -v ok="$ok" 'BEGIN {
        printf "ThreadsCount=%d: %.2f s, %.1f files/s, %.1f MB/s, peak memory %.1f MB, %d converted\n",
               t, s, f / s, b / 1048576 / s, r / 1024, ok }'
done
awk -v a="${seconds[1]}" -v b="${seconds[2]}" 'BEGIN { printf "speed-up with 2 workers: %.2fx\n", a / b }'
