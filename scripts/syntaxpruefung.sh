#!/usr/bin/env bash
# Checks that the given source files compile (syntax and types only, no object written),
# with the flags of the build: quick feedback without a build. Configures build/syntax once.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build/syntax/compile_commands.json ] ||
  cmake -S . -B build/syntax -DCMAKE_BUILD_TYPE=Debug -DQP_WERROR=ON -DQP_BENCH=OFF -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
for f in "$@"; do
  datei=$(realpath "$f")
  befehl=$(python3 -c '
import json, sys
for e in json.load(open("build/syntax/compile_commands.json")):
    if e["file"] == sys.argv[1]:
        print(e["command"]); break' "$datei")
  [ -n "$befehl" ] || { echo "$f: not in the build" >&2; exit 1; }
  befehl=$(sed -E 's/ -o [^ ]+/ /; s/ -c / /' <<<"$befehl")
  (cd build/syntax && eval "$befehl -fsyntax-only")
  echo "$f: ok"
done
