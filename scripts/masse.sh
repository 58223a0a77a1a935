#!/bin/bash
# Prints the figures of the code's shape: test lines against program lines, long functions, settings keys
# written outside the settings table, and repeated code per program folder. Run from anywhere in the tree.
cd "$(dirname "$0")/.." || exit 1
PROGRAMM="app records store delegates windows print settings stats exchange platform"

python3 - $PROGRAMM <<'PY'
import pathlib, re, sys

def zeilen(ordner):
    return sum(1 for p in pathlib.Path(ordner).rglob("*") if p.suffix in (".cpp", ".h")
               for z in p.read_text(errors="replace").splitlines() if z.strip())

ordner = sys.argv[1:]
tests, programm = zeilen("tests"), sum(zeilen(o) for o in ordner)
print(f"lines: tests {tests}, program {programm}, ratio {tests / max(programm, 1):.2f}")

# Functions: a line that opens a body at the left margin (after a signature) up to its closing brace.
print("functions longer than 60 non-blank lines:")
kopf = re.compile(r"^[A-Za-z_~].*\)\s*(const)?\s*(override)?\s*(->.*)?$|^\s*:\s|^\{")
for o in ordner:
    for p in sorted(pathlib.Path(o).rglob("*.cpp")):
        z = p.read_text(errors="replace").splitlines()
        i = 0
        while i < len(z):
            if z[i] == "{" and i > 0:
                name = next((z[k] for k in range(i - 1, max(i - 6, -1), -1)
                             if re.match(r"^[A-Za-z_~]", z[k]) and "(" in z[k]), z[i - 1])
                tiefe, j, n = 0, i, 0
                while j < len(z):
                    tiefe += z[j].count("{") - z[j].count("}")
                    n += bool(z[j].strip())
                    if tiefe == 0:
                        break
                    j += 1
                if n - 2 > 60 and "(" in name:
                    print(f"  {n - 2:4d} {p}:{i} {name.strip()[:90]}")
                i = j
            i += 1

print("settings keys as string literals outside platform/einstellung.*:")
schluessel = re.compile(r'(?<!tr\()"[A-Z][A-Za-z0-9]*/[A-Za-z0-9][A-Za-z0-9 ]*"')
for o in ordner:
    for p in sorted(pathlib.Path(o).rglob("*")):
        if p.suffix in (".cpp", ".h") and not p.name.startswith("einstellung."):
            for nr, z in enumerate(p.read_text(errors="replace").splitlines(), 1):
                if "TRANSLATE_NOOP" in z:  # a label, not a key
                    continue
                for k in schluessel.findall(z.split("//")[0]):  # not in comments
                    print(f"  {p}:{nr} {k}")
PY

echo "duplicate pairs (duplicates --repo):"
gesamt=0
for o in $PROGRAMM; do
    n=$(duplicates --repo "$o" --most 1 | head -n 1 | grep -oE '^[0-9]+' || echo 0)
    printf '  %-10s %s\n' "$o" "${n:-0}"
    gesamt=$((gesamt + ${n:-0}))
done
echo "  total      $gesamt"
