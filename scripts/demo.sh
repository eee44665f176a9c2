#!/usr/bin/env bash
# The demo: the road of one slab through the four programs, scripted through tarvik on a fresh
# scratch data path. tarvik creates the position and starts morvel (a 10 m x 8 m slab with an
# opening, hinged on its whole outer edge), daskel (self weight and surcharge as load case 1) and
# vintor (the analysis); each child reads its lines of this one script and hands back to tarvik.
set -euo pipefail
bin=${1:?usage: demo.sh BINDIR}
scratch=$(mktemp -d)
# The scratch folder goes at the end; DEMO_BEHALTEN=1 keeps it to look at the files.
if [ "${DEMO_BEHALTEN:-0}" = 1 ]; then
  trap 'echo "Die Dateien der Demo liegen in $scratch."' EXIT
else
  trap 'rm -rf "$scratch"' EXIT
fi
data="$scratch/daten"
cd "$scratch" # tarvik keeps its settings files in the working directory

SLAB_OBERFLAECHE=konsole "$bin/tarvik" <<SCRIPT
datenpfad $data
neu DEMO
geometrie nx=10 ny=8 dx=1 dy=1 e=30000000 nu=0,2 d=0,2
mehrere
fenster 5,5 2,5 8,5 5,5
mehrere
lager art=gelenkig
rand
ende
speichern
beenden
belastung
gleichlast gamma=25 g=1,5
speichern nr=1 titel=Eigengewicht und Belag
beenden
rechnen
lf 1
start
ende
protokoll
beenden
SCRIPT

dir="$data/SDIRFEMDEMO"
report="$dir/OUTPUTFEM.txt"
if [ ! -f "$report" ]; then
  echo "Die Berechnung hat keinen Bericht geschrieben." >&2
  exit 1
fi
echo
echo "----- Lastkontrolle aus OUTPUTFEM.txt -----"
sed -n '/--- Globale Lastkontrolle ---/,/Gleichgewicht des Lastfalls ph/p' "$report"
grep -m1 "Das globale Gleichgewicht" "$report" || grep -m1 "Gleichgewicht ist NICHT" "$report"
echo
echo "----- Ergebnisdateien der Position DEMO -----"
for f in OUTPUTFEM.txt Knoten2LF1 Knoten3LF1 Knoten4LF1 Elemente3LF1 Elemente4LF1 Info \
         Innenkanten1 Innenkanten2LF1 Innenkanten4LF1 Aussenkanten1 Aussenkanten2LF1 Aussenkanten4LF1; do
  found=$(find "$dir" -maxdepth 1 -iname "$f" -printf '%f %s\n' | head -n 1)
  echo "  ${found:-$f fehlt}"
done
