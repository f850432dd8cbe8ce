#!/usr/bin/env bash
# A map maker's edits in the play folder outlive a new run of the generator
# and the fill play.sh makes before every game; a file the folder lost, in a
# subfolder too, comes back from the demo data.
#   bash remplissage.sh <gendata> <scripts/remplir.sh>
set -euo pipefail
gen=$(realpath "$1") remplir=$(realpath "$2")
t=$(mktemp -d)
trap 'rm -rf "$t"' EXIT
"$gen" "$t/data" >/dev/null
bash "$remplir" "$t/data" "$t/play"
cd "$t/play"
printf '\nEssai.map' >>Mission1.txt
printf '\nEssai' >>Persos.txt
printf 'Essai' | dd of=Plaine.map bs=1 seek=64 conv=notrunc status=none
cp Usine.map Essai.map
rm Armes/Fumigene/*
mkdir "$t/edits"
cp Mission1.txt Persos.txt Plaine.map Essai.map "$t/edits"
"$gen" "$t/data" >/dev/null
bash "$remplir" "$t/data" "$t/play"
for f in Mission1.txt Persos.txt Plaine.map Essai.map; do
  cmp "$t/edits/$f" "$f" || { echo "$f: the map maker's edit is lost"; exit 1; }
done
diff -r "$t/data/Armes/Fumigene" Armes/Fumigene
