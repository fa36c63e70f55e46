#!/usr/bin/env python3
"""Readies the built site for serving, in place:
  - with --minify NODE ACORN_OPTIMIZER, the page's own scripts and style
    without comments and needless blanks (emscripten's own minifier);
  - every module the page imports named in its head (modulepreload);
  - every reference from one file of the site to another carries the
    referred file's hash (page.js?v=0123456789abcdef), so that a server may
    let browsers keep such an address for a year: a new version is a new
    address;
  - service-worker.js: the worker with the list of the version's files and
    their hashes;
  - a .br and a .gz beside every text and WebAssembly file, for servers
    that send them as they are.
Usage: prepare-site.py SITE_DIR WORKER_TEMPLATE [--minify NODE ACORN_OPTIMIZER]"""
import gzip
import hashlib
import json
import os
import re
import subprocess
import sys

import brotli

site, template = sys.argv[1], sys.argv[2]
minifier = sys.argv[4:6] if len(sys.argv) > 5 and sys.argv[3] == "--minify" else None

PROGRAM = "scanfee-page.js"  # emscripten's output, minified by emscripten
WORKER = "service-worker.js"
COMPRESSED = (".html", ".js", ".mjs", ".css", ".wasm", ".svg", ".txt", ".webmanifest", ".json")
# Kept by the worker when first asked for, not taken at its install.
ON_USE = ("fonts/", "icons/")


def files():
    for folder, _, names in os.walk(site):
        for name in names:
            path = os.path.relpath(os.path.join(folder, name), site).replace(os.sep, "/")
            if not path.endswith((".br", ".gz")) and path != WORKER:
                yield path


def read(path):
    with open(os.path.join(site, path), "rb") as f:
        return f.read()


def write(path, data):
    full = os.path.join(site, path)
    try:
        if read(path) == data:
            return
    except FileNotFoundError:
        pass
    with open(full, "wb") as f:
        f.write(data)


def minify(path):
    if path.endswith(".js"):
        done = subprocess.run([minifier[0], minifier[1], os.path.join(site, path), "minifyWhitespace",
                               "--exportES6"], capture_output=True, check=True)
        write(path, done.stdout)
    elif path.endswith(".css"):
        text = re.sub(rb"/\*.*?\*/", b"", read(path), flags=re.S)
        text = re.sub(rb"\s*\n\s*", b"\n", text).strip() + b"\n"
        write(path, text)


# References to files of the site: HTML attributes, module imports, CSS
# url(), the manifests' icons and emscripten's name of its WebAssembly.
REFERENCES = {
    ".html": rb'(?:href|src)="(?P<ref>[^":?#]+)"',
    ".js": rb'(?:\bfrom|\bimport)\s*\(?\s*["\'](?P<ref>\./[^"\'?#]+)["\']',
    ".css": rb'url\(\s*["\']?(?P<ref>[^"\')?#:]+)["\']?\s*\)',
    ".webmanifest": rb'"src"\s*:\s*"(?P<ref>[^":?#]+)"',
}
present = set(files())
hashes = {}


def hash_of(data):
    return hashlib.sha256(data).hexdigest()[:16]


def versioned(path, seen=()):
    """The file's hash once its own references carry their hashes."""
    if path in hashes:
        return hashes[path]
    if path in seen:
        raise SystemExit(f"prepare-site: {path} refers to itself through {' '.join(seen)}")
    data = read(path)
    folder = os.path.dirname(path)
    ext = os.path.splitext(path)[1]

    def mark(match):
        ref = match.group("ref").decode()
        target = os.path.normpath(os.path.join(folder, ref)).replace(os.sep, "/")
        if target not in present:
            return match.group(0)
        start, end = match.span("ref")
        base = match.start()
        text = match.group(0)
        tagged = f"{ref}?v={versioned(target, seen + (path,))}".encode()
        return text[:start - base] + tagged + text[end - base:]

    if ext in REFERENCES:
        data = re.sub(REFERENCES[ext], mark, data)
    if path == PROGRAM:
        wasm = PROGRAM.replace(".js", ".wasm")
        data = data.replace(f'"{wasm}"'.encode(), f'"{wasm}?v={versioned(wasm, seen + (path,))}"'.encode())
    write(path, data)
    hashes[path] = hash_of(data)
    return hashes[path]


def compress(path):
    data = read(path)
    for ext, pack in ((".br", lambda d: brotli.compress(d, quality=11)),
                      (".gz", lambda d: gzip.compress(d, 9, mtime=0))):
        packed = os.path.join(site, path + ext)
        if os.path.exists(packed) and os.path.getmtime(packed) >= os.path.getmtime(os.path.join(site, path)):
            continue
        with open(packed, "wb") as f:
            f.write(pack(data))




def preload_modules(page):
    """Every module the page's module scripts import, at any depth, named in
    the page's head, so the browser fetches them all at once instead of one
    level of imports after the other."""
    html = read(page)
    for script in re.finditer(rb'<script type="module" src="(?P<src>[^"?#]+)"></script>', html):
        wanted, queue = [], [script.group("src").decode()]
        while queue:
            module = queue.pop(0)
            for ref in re.finditer(REFERENCES[".js"], read(module)):
                name = os.path.normpath(os.path.join(os.path.dirname(module), ref.group("ref").decode()))
                name = name.replace(os.sep, "/")
                if name in present and name not in wanted:
                    wanted.append(name)
                    queue.append(name)
        links = b"".join(f'<link rel="modulepreload" href="{name}">\n'.encode() for name in wanted)
        html = html.replace(script.group(0), links + script.group(0), 1)
    write(page, html)


if minifier:
    for path in sorted(present):
        if path != PROGRAM and not path.startswith(ON_USE):
            minify(path)
if "index.html" in present and b"modulepreload" not in read("index.html"):
    preload_modules("index.html")
for path in sorted(present):
    versioned(path)

precache = {p: h for p, h in sorted(hashes.items()) if not p.startswith(ON_USE)}
on_use = {p: h for p, h in sorted(hashes.items()) if p.startswith(ON_USE)}
with open(template, "rb") as f:
    worker = (f"const PRECACHE = {json.dumps(precache, indent=1)};\n"
              f"const ON_USE = {json.dumps(on_use, indent=1)};\n").encode() + f.read()
write(WORKER, worker)
if minifier:
    minify(WORKER)

for path in sorted(present | {WORKER}):
    if path.endswith(COMPRESSED):
        compress(path)
