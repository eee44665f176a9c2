#!/usr/bin/env bash
# The demo: writes the example slab into a fresh data path and computes load case 1 with vintor.
set -euo pipefail
bin=${1:?usage: demo.sh BINDIR}
data=$(mktemp -d)/daten/
mkdir -p "$data"
"$bin/beispielplatte" "$data" DEMO
printf 'start\n' | "$bin/vintor" .DEMO "@$data"
if [ -f "$data/SDIRFEMDEMO/OUTPUTFEM.txt" ]; then
  echo "----- OUTPUTFEM.txt (Anfang) -----"
  head -n 40 "$data/SDIRFEMDEMO/OUTPUTFEM.txt"
fi
