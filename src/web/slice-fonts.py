#!/usr/bin/python3
"""Makes the page's web fonts: Debian's IPA faces cut into WOFF2 slices by
unicode-range, renamed as the IPA Font License asks of a changed font, and
fonts/faces.css, the @font-face rules that name them after the design faces.

Usage: slice-fonts.py SOURCE_DIR FONTS_DIR

A browser fetches a slice only when the page shows one of its characters,
and none where the machine has the face itself (local()). The slices
follow what the page shows: Latin and half-width kana first, then kana and
full-width forms, then every other character of the program's own texts
(the screens, dialogs and papers), then the joyo kanji that titles mostly
use, most frequent first, then the kanji for names, then the rest of
Shift-JIS.

Every face has its own yen-sign slice: IPAGothic and IPAMincho draw U+00A5
two cells wide, which pushes a fixed-pitch column half a cell; the slice
maps U+00A5 to the face's own half-width yen sign, the glyph it draws for
byte 5C. A slice is made again only when its characters, its font or the
code that makes it change."""
import bz2
import hashlib
import inspect
import io
import json
import multiprocessing
import os
import re
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

GOTHIC = "/usr/share/fonts/opentype/ipafont-gothic"
MINCHO = "/usr/share/fonts/opentype/ipafont-mincho"
UNIHAN = "/usr/share/unicode"

# family (the design face), file prefix, source font, the served font's
# name, the machine's own faces that keep the design's widths, and whether
# its columns need the half-width yen sign.
FACES = [
    ("ＭＳ Ｐゴシック", "pgothic", f"{GOTHIC}/ipagp.ttf", "Scanfee PGothic",
     ["MS PGothic", "ＭＳ Ｐゴシック", "MS-PGothic", "IPAPGothic"], False),
    ("ＭＳ ゴシック", "gothic", f"{GOTHIC}/ipag.ttf", "Scanfee Gothic",
     ["MS Gothic", "ＭＳ ゴシック", "MS-Gothic", "IPAGothic", "Noto Sans Mono CJK JP"], True),
    ("ＭＳ 明朝", "mincho", f"{MINCHO}/ipam.ttf", "Scanfee Mincho",
     ["MS Mincho", "ＭＳ 明朝", "MS-Mincho", "IPAMincho"], True),
]
# The faces whose U+00A5 is half-width: the design's own.
YEN_LOCAL = {"gothic": ["MS Gothic", "ＭＳ ゴシック", "MS-Gothic"],
             "mincho": ["MS Mincho", "ＭＳ 明朝", "MS-Mincho"]}
YEN = 0xA5
JOYO_SLICE = 100
NAMES_SLICE = 200
REST_SLICE = 250
SPAN_GAP = 64


def program_repertoire(source):
    """Every character Shift-JIS (CP932) holds: the program's own table."""
    chars = set(range(0x20, 0x7F)) | set(range(0xFF61, 0xFFA0))
    table = open(os.path.join(source, "src/runtime/cp932_table.cpp"), encoding="utf-8").read()
    for literal in re.findall(r'"((?:[^"\\]|\\.)*)"', table):
        chars |= {ord(c) for c in literal if ord(c) >= 0x80}
    # What the CP932 conversion takes one way (typed, or the page's own).
    chars |= {0xA5, 0x203E, 0x2016, 0x2212, 0x301C}
    return chars


def program_texts(source):
    """The characters of the program's own texts: its screens, dialogs,
    papers and page."""
    chars = set()
    for folder, _, names in os.walk(os.path.join(source, "src")):
        for name in names:
            if name.startswith("cp932_table") or not name.endswith((".cpp", ".h", ".def", ".js", ".html", ".css")):
                continue
            with open(os.path.join(folder, name), encoding="utf-8", errors="ignore") as f:
                chars |= {ord(c) for c in f.read() if ord(c) >= 0x80}
    return chars


def unihan(file_name, field):
    values = {}
    with bz2.open(os.path.join(UNIHAN, file_name), "rt", encoding="utf-8") as f:
        for line in f:
            parts = line.rstrip("\n").split("\t")
            if len(parts) == 3 and parts[1] == field:
                values[int(parts[0][2:], 16)] = parts[2]
    return values


def is_kanji(c):
    return 0x4E00 <= c <= 0x9FFF or 0xF900 <= c <= 0xFAFF


def plan(source, covered):
    """The slices, each a sorted list of code points, every character of the
    repertoire that every face covers in exactly one; and how many of the
    last are the rarest, cut in the order of the code."""
    repertoire = program_repertoire(source) & covered
    texts = program_texts(source) & repertoire
    joyo = {c for c, v in unihan("Unihan_OtherMappings.txt.bz2", "kJoyoKanji").items() if v == "2010"}
    jinmei = set(unihan("Unihan_OtherMappings.txt.bz2", "kJinmeiyoKanji"))
    frequency = {c: int(v) for c, v in unihan("Unihan_DictionaryLikeData.txt.bz2", "kFrequency").items()}

    latin = {c for c in repertoire if c < 0x100 or 0xFF61 <= c <= 0xFF9F} - {YEN}
    kana = {c for c in repertoire if 0x3000 <= c <= 0x30FF or 0xFF01 <= c <= 0xFF60 or 0xFFE0 <= c <= 0xFFEF}
    slices = [latin, kana, texts - latin - kana - {YEN}]
    placed = set().union(*slices) | {YEN}

    def by_use(c):
        return (frequency.get(c, 6), c)

    common = sorted((joyo & repertoire) - placed, key=by_use)
    slices += [set(common[i:i + JOYO_SLICE]) for i in range(0, len(common), JOYO_SLICE)]
    placed |= set(common)
    symbols = {c for c in repertoire - placed if not is_kanji(c)}
    slices.append(symbols)
    placed |= symbols
    names = sorted((jinmei & repertoire) - placed, key=by_use)
    slices += [set(names[i:i + NAMES_SLICE]) for i in range(0, len(names), NAMES_SLICE)]
    placed |= set(names)
    # The rarest in the order of the code, which keeps their ranges short.
    rest = sorted(repertoire - placed)
    rarest = [set(rest[i:i + REST_SLICE]) for i in range(0, len(rest), REST_SLICE)]
    return [sorted(s) for s in slices + rarest if s], len(rarest)


def renamed(font, name):
    """The served font's names: none holds the original's (IPA Font License
    3.1 (4)); the copyright and the licence's address stay."""
    for record in font["name"].names:
        if record.nameID in (1, 4, 16):
            record.string = name
        elif record.nameID == 3:
            record.string = f"{name} {font['head'].fontRevision:.2f} slice"
        elif record.nameID == 6:
            record.string = name.replace(" ", "-")
        elif record.nameID not in (0, 2, 5, 13, 14):
            record.string = ""
    font["name"].names = [r for r in font["name"].names if str(r)]


def make_slice(job):
    source, target, name, unicodes, yen_glyph_from = job
    options = subset.Options()
    options.flavor = "woff2"
    options.layout_features = ["*"]
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    font = TTFont(source, lazy=True)
    sub = subset.Subsetter(options)
    sub.populate(unicodes=[yen_glyph_from] if yen_glyph_from else unicodes)
    sub.subset(font)
    if yen_glyph_from:
        cmap = font["cmap"]
        cmap.tables = [t for t in cmap.tables if t.isUnicode()]
        for table in cmap.tables:
            table.cmap = {YEN: table.cmap[yen_glyph_from]}
    renamed(font, name)
    font.flavor = "woff2"
    out = io.BytesIO()
    font.save(out)
    with open(target + ".part", "wb") as f:
        f.write(out.getvalue())
    os.replace(target + ".part", target)


def unicode_range(codes, gap=1):
    """U+20-7E, U+A0, ...: runs of code points as CSS writes them, a run
    going on over fewer than `gap` codes missing."""
    parts, start = [], None
    for i, c in enumerate(codes):
        if start is None:
            start = c
        if i + 1 == len(codes) or codes[i + 1] > c + gap:
            parts.append(f"U+{start:X}" if start == c else f"U+{start:X}-{c:X}")
            start = None
    return ", ".join(parts)


def face_rule(family, local_names, file_name, codes=None, span=False):
    """The @font-face rule of one slice, or of the machine's own face (no
    file, every code). A span rule covers the codes between its slice's
    too, where they are near: of two rules whose ranges hold a character, a
    browser takes the one written later, so the span rules come first and
    stand back where another slice has the character."""
    sources = [f'local("{n}")' for n in local_names] + ([f'url("{file_name}") format("woff2")'] if file_name else [])
    codes_range = f"  unicode-range: {unicode_range(codes, SPAN_GAP if span else 1)};\n" if codes else ""
    return f'@font-face {{\n  font-family: "{family}";\n  src: {", ".join(sources)};\n{codes_range}}}\n'


def job_key(job, font_digests):
    """What a slice is made from: its font, characters, name and the code
    that makes it."""
    source, _, name, unicodes, yen_glyph_from = job
    code = inspect.getsource(make_slice) + inspect.getsource(renamed)
    made_of = repr((font_digests[source], name, unicodes, yen_glyph_from, code))
    return hashlib.sha256(made_of.encode()).hexdigest()


def main():
    # The stamps of the slices made stay in the build folder, out of the site.
    source, out_dir, stamps_path = sys.argv[1], sys.argv[2], sys.argv[3]
    covered = None
    for _, _, path, _, _, _ in FACES:
        cmap = set(TTFont(path, lazy=True).getBestCmap())
        covered = cmap if covered is None else covered & cmap
    slices, rarest = plan(source, covered)

    jobs, css = [], ["/* Made by slice-fonts.py: the design faces, the machine's own where it has\n"
                     "   them, otherwise slices of the IPA fonts (IPA Font License v1.0). */\n"]
    first_rarest = len(slices) - rarest
    for family, prefix, path, name, local_names, fixed in FACES:
        rules = []
        for n, codes in enumerate(slices):
            if n == 0 and not fixed:
                codes = sorted(codes + [YEN])
            file_name = f"{prefix}-{n:02d}.woff2"
            jobs.append((path, os.path.join(out_dir, file_name), name, codes, None))
            rules.append(face_rule(family, [], file_name, codes, n >= first_rarest))
        # The machine's own face is written after the slices, so a browser
        # looks it up first, once for every character; the slices serve
        # only where the machine has none of its names. (A local() in each
        # slice's rule would be looked up again for every slice the page
        # shows a character of, a lookup the first paint waits for.)
        css += rules[first_rarest:] + rules[:first_rarest] + [face_rule(family, local_names, None)]
        if fixed:
            file_name = f"{prefix}-yen.woff2"
            jobs.append((path, os.path.join(out_dir, file_name), name, [YEN], 0x5C))
            css.append(face_rule(family, YEN_LOCAL[prefix], file_name, [YEN]))

    # A slice is made again only when what it is made from changed.
    os.makedirs(out_dir, exist_ok=True)
    try:
        with open(stamps_path) as f:
            stamps = json.load(f)
    except (OSError, ValueError):
        stamps = {}
    font_digests = {path: hashlib.sha256(open(path, "rb").read()).hexdigest() for _, _, path, _, _, _ in FACES}
    keys = {os.path.basename(job[1]): job_key(job, font_digests) for job in jobs}
    todo = [job for job in jobs
            if stamps.get(os.path.basename(job[1])) != keys[os.path.basename(job[1])] or not os.path.exists(job[1])]
    for stale in set(os.listdir(out_dir)) - set(keys):
        if stale.endswith((".woff2", ".ttf", ".part")):
            os.remove(os.path.join(out_dir, stale))
    if todo:
        with multiprocessing.Pool(min(2, os.cpu_count() or 1)) as pool:
            pool.map(make_slice, todo, chunksize=2)
    with open(stamps_path, "w") as f:
        json.dump(keys, f, indent=0, sort_keys=True)
    css_text = "".join(css)
    css_path = os.path.join(out_dir, "faces.css")
    if not os.path.exists(css_path) or open(css_path, encoding="utf-8").read() != css_text:
        with open(css_path, "w", encoding="utf-8") as f:
            f.write(css_text)


if __name__ == "__main__":
    main()
