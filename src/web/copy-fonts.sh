#!/usr/bin/env bash
# Puts the IPA fonts the page serves into FOLDER: the Debian packages'
# files unchanged, under their own names, with the IPA Font License
# Agreement v1.0 and the fonts' read-me beside them, as the licence asks.
set -euo pipefail
folder=$1
mkdir -p "$folder"
gothic=/usr/share/fonts/opentype/ipafont-gothic
mincho=/usr/share/fonts/opentype/ipafont-mincho
for font in "$gothic/ipag.ttf" "$gothic/ipagp.ttf" "$mincho/ipam.ttf"; do
  [ -f "$font" ] || { echo "copy-fonts: $font is missing (fonts-ipafont-gothic, fonts-ipafont-mincho)" >&2; exit 1; }
  cmp -s "$font" "$folder/$(basename "$font")" || cp "$font" "$folder/"
done
cp /usr/share/doc/fonts-ipafont-gothic/Readme_IPAfont*.txt "$folder/"
# The licence stands in the package's copyright file as the stand-alone
# paragraph "License: IPA-1": its lines indented by one blank, "." for an
# empty line.
awk '/^License: IPA-1$/ { body = 1; next }
     body && !/^ / { body = 0 }
     body { sub(/^ /, ""); if ($0 == ".") $0 = ""; print }' \
  /usr/share/doc/fonts-ipafont-gothic/copyright >"$folder/IPA_Font_License_Agreement_v1.0.txt"
[ -s "$folder/IPA_Font_License_Agreement_v1.0.txt" ] || { echo "copy-fonts: no licence text found" >&2; exit 1; }
