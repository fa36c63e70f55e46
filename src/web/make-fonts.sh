#!/usr/bin/env bash
# Puts the page's fonts into FOLDER (what was made is noted in STAMPS): WOFF2 slices cut from Debian's IPA
# fonts with their @font-face rules (slice-fonts.py, made again only when
# something they come from changes), and, as the IPA Font License v1.0 asks
# of a changed font, the licence and a read-me that says what was changed
# and how to put the original fonts in their place.
set -euo pipefail
folder=$1
stamps=$2
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$folder"
for font in /usr/share/fonts/opentype/ipafont-gothic/ipag.ttf /usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf \
            /usr/share/fonts/opentype/ipafont-mincho/ipam.ttf; do
  [ -f "$font" ] || { echo "make-fonts: $font is missing (fonts-ipafont-gothic, fonts-ipafont-mincho)" >&2; exit 1; }
done
rm -f "$folder"/.slices.json*  # where earlier builds kept the stamps
/usr/bin/python3 "$here/slice-fonts.py" "$here/../.." "$folder" "$stamps"
# The licence stands in the package's copyright file as the stand-alone
# paragraph "License: IPA-1": its lines indented by one blank, "." for an
# empty line. A byte-order mark lets a browser show it as UTF-8.
licence=$folder/IPA_Font_License_Agreement_v1.0.txt
{
  printf '\xef\xbb\xbf'
  awk '/^License: IPA-1$/ { body = 1; next }
       body && !/^ / { body = 0 }
       body { sub(/^ /, ""); if ($0 == ".") $0 = ""; print }' /usr/share/doc/fonts-ipafont-gothic/copyright
} >"$licence"
[ "$(wc -l <"$licence")" -gt 10 ] || { echo "make-fonts: no licence text found" >&2; exit 1; }
rm -f "$folder"/Readme_IPAfont*.txt
version=$(dpkg-query -W -f='${Version}' fonts-ipafont-gothic 2>/dev/null || echo unknown)
sed "s/@VERSION@/$version/" "$here/fonts-readme.txt" >"$folder/README.txt"
