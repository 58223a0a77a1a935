#!/usr/bin/env bash
# Mutation run: applies each one-line change of a list to the program code,
# builds the core library and the test programs, runs the tests and reverts.
# A mutant is "killed" when a test fails (or it no longer builds), "survived"
# when every test passes.
#
#   scripts/mutation.sh BUILD_DIR [LIST] [TIMEOUT_SECONDS]
#
# BUILD_DIR is a configured build folder; the sources mutated are those it was
# configured from. LIST defaults to scripts/mutanten.txt beside this script;
# each line there is "file @@ text found once @@ replacement".
# MUTANTEN="3 7 12" in the environment runs only those (numbered by position).
set -uo pipefail

if [ $# -lt 1 ]; then
    echo "usage: $0 BUILD_DIR [LIST] [TIMEOUT_SECONDS]" >&2
    exit 2
fi
build=$(cd "$1" && pwd) || exit 2
list=${2:-$(dirname "$(readlink -f "$0")")/mutanten.txt}
timeout=${3:-120}
src=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$build/CMakeCache.txt")
[ -d "$src" ] || { echo "no source folder found for $build" >&2; exit 2; }

export CCACHE_BASEDIR=/work CCACHE_NOHASHDIR=true QT_QPA_PLATFORM=offscreen
log=$build/mutation.log
: > "$log"

bauen() { cmake --build "$build" -j2 --target belegwerk_core $tests >> "$log" 2>&1; }
# The reruns of a test program against PostgreSQL or in French are left out: they
# double the time per mutant, and a mutant they alone would catch counts as survived.
testen() {
    (cd "$build" && ctest -j2 --stop-on-failure --timeout "$timeout" -E '_(postgres|fr)$' >> "$log" 2>&1)
}

backup=""
datei=""
zuruecksetzen() {
    if [ -n "$backup" ]; then
        # A fresh time stamp, so the next build compiles the original again.
        cat "$backup" > "$datei" && touch "$datei" && rm -f "$backup"
        backup=""
    fi
}
trap 'zuruecksetzen; exit 130' INT TERM
trap zuruecksetzen EXIT

echo "sources: $src   build: $build"
# The whole build once: some tests need more than the test programs (the translations).
if ! cmake --build "$build" -j2 >> "$log" 2>&1 || ! testen; then
    echo "the unchanged code does not build or its tests fail (see $log)" >&2
    exit 1
fi
# The test programs, listed after that build so added or removed tests count;
# a test registered twice (the PostgreSQL runs) reuses one.
tests=$(cd "$build" && ctest -N | sed -n 's/^ *Test *#[0-9]*: *//p' | grep -v -E '_(postgres|fr)$' | tr '\n' ' ')
# A mutant that "fails to build" because the build itself is broken would count as killed.
bauen || { echo "the test programs do not build (see $log)" >&2; exit 1; }

# Replaces the one occurrence of a text; exit 3 when it is missing or ambiguous.
ersetzen() {
    python3 - "$1" "$2" "$3" <<'PY'
import sys
pfad, alt, neu = sys.argv[1:4]
text = open(pfad, encoding="utf-8").read()
if text.count(alt) != 1:
    sys.exit(3)
open(pfad, "w", encoding="utf-8").write(text.replace(alt, neu))
PY
}

n=0; run=0; killed=0; survived=0; na=0
survivors=()
while IFS= read -r zeile; do
    case "$zeile" in ''|'#'*) continue ;; esac
    n=$((n + 1))
    if [ -n "${MUTANTEN:-}" ] && [[ " $MUTANTEN " != *" $n "* ]]; then continue; fi
    rel=$(echo "${zeile%%@@*}" | sed 's/^ *//; s/ *$//')
    rest=${zeile#*@@}
    alt=$(echo "${rest%%@@*}" | sed 's/^ *//; s/ *$//')
    neu=$(echo "${rest#*@@}" | sed 's/^ *//; s/ *$//')
    run=$((run + 1))
    name="#$n $rel: $alt"
    datei=$src/$rel
    echo "=== $name" >> "$log"
    if [ ! -f "$datei" ]; then
        echo "not applicable  $name"; na=$((na + 1)); continue
    fi
    backup=$(mktemp)
    cp "$datei" "$backup"
    if ! ersetzen "$datei" "$alt" "$neu"; then
        rm -f "$backup"; backup=""
        echo "not applicable  $name"; na=$((na + 1)); continue
    fi
    if ! bauen; then
        ergebnis="killed (build)"
    elif testen; then
        ergebnis="survived"
    else
        ergebnis="killed"
    fi
    zuruecksetzen
    if [ "$ergebnis" = survived ]; then
        survived=$((survived + 1)); survivors+=("$name")
    else
        killed=$((killed + 1))
    fi
    echo "$ergebnis  $name"
done < "$list"

bauen || echo "warning: the restored code did not build (see $log)" >&2
echo "mutants: $run  killed: $killed  survived: $survived  not applicable: $na"
for s in "${survivors[@]}"; do echo "  survived: $s"; done
