#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (address and undefined-behaviour sanitizers) and
# runs one of them for a given time:
#   scripts/fuzz.sh [rtf|rtfleser|markup] [seconds] [extra libFuzzer options...]
# rtfleser is the RTF reader alone (no layout, no painting): fast, and given inputs up to 1 MiB.
# The growing corpus lives in build/fuzz/korpus/<target>/ and starts from the seed files
# (tests/daten/rtf/ or the built-in texts); crashes, hangs and slow inputs are written to
# build/fuzz/funde/ (an input counts as a hang after 60 s: on a loaded machine large inputs take
# several seconds). Copy a finding into tests/daten/rtf_funde/ (or markup_funde/) once it
# is fixed: the replay test keeps it fixed.
set -euo pipefail
cd "$(dirname "$0")/.."
ziel=${1:-rtf}
sekunden=${2:-600}
shift $(( $# > 2 ? 2 : $# ))
case "$ziel" in
  rtf) saat=(tests/daten/rtf tests/daten/rtf_funde); dict=(-dict=fuzz/rtf.dict); laenge=65536 ;;
  rtfleser) saat=(tests/daten/rtf tests/daten/rtf_funde); dict=(-dict=fuzz/rtf.dict -len_control=0); laenge=1048576 ;;
  markup) saat=(guide/texte tests/daten/markup_funde); dict=(); laenge=65536 ;;
  *) echo "usage: $0 [rtf|rtfleser|markup] [seconds] [libFuzzer options...]" >&2; exit 2 ;;
esac

scripts/install-deps.sh --with-fuzzing
CC=clang CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQP_FUZZ=ON -DQP_TESTS=OFF -DQP_BENCH=OFF >/dev/null
cmake --build build/fuzz -j2 --target "${ziel}_fuzz"

korpus=build/fuzz/korpus/$ziel
mkdir -p "$korpus" build/fuzz/funde
vorhanden=()
for d in "${saat[@]}"; do [ -d "$d" ] && vorhanden+=("$d"); done
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1
exec nice build/fuzz/fuzz/"${ziel}_fuzz" -max_total_time="$sekunden" -timeout=60 -rss_limit_mb=4096 \
  -max_len="$laenge" -print_final_stats=1 -artifact_prefix=build/fuzz/funde/"$ziel"- "${dict[@]}" "$@" \
  "$korpus" "${vorhanden[@]}"
