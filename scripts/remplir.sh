#!/usr/bin/env bash
# Fills a play folder from the demo data: every file or folder it lacks is
# copied in, subfolders included, and nothing already there is touched, so
# saves and a map maker's edits outlive every new build of the data.
#   bash scripts/remplir.sh <demo data folder> <play folder>
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 <demo data folder> <play folder>" >&2; exit 2; }
mkdir -p "$2"
dossier=$(cd "$2" && pwd)
cd "$1"
find . -mindepth 1 -type d -printf '%P\0' | (cd "$dossier" && xargs -0 -r mkdir -p --)
# .stamp is the build's own mark, no game file.
manque=()
while IFS= read -r -d '' f; do
  [ -e "$dossier/$f" ] || manque+=("$f")
done < <(find . -type f ! -name .stamp -printf '%P\0')
[ ${#manque[@]} -eq 0 ] || printf '%s\0' "${manque[@]}" | xargs -0 cp --parents -t "$dossier" --
