#!/usr/bin/env python3
"""Serves the built site as a shop's web server should: each file in the
compression the browser accepts (the .br or .gz the build wrote beside it,
with Content-Encoding), the WebAssembly as application/wasm, an address
carrying its file's hash (?v=...) kept by browsers for a year, every other
one (index.html, the worker, the manifests) revalidated at each visit.
Usage: serve_site.py SITE_DIR PORT [ADDRESS]"""
import email.utils
import hashlib
import http.server
import os
import sys
import urllib.parse

TYPES = {
    ".html": "text/html; charset=utf-8", ".js": "text/javascript; charset=utf-8",
    ".css": "text/css; charset=utf-8", ".wasm": "application/wasm", ".svg": "image/svg+xml",
    ".webmanifest": "application/manifest+json", ".json": "application/json",
    ".txt": "text/plain; charset=utf-8", ".png": "image/png", ".woff2": "font/woff2", ".ttf": "font/ttf",
}
ENCODINGS = (("br", ".br"), ("gzip", ".gz"))
YEAR = "public, max-age=31536000, immutable"


class SiteHandler(http.server.BaseHTTPRequestHandler):
    site = "."
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        if os.environ.get("SCANFEE_SERVE_LOG"):
            super().log_message(*args)

    def do_HEAD(self):
        self.serve(body=False)

    def do_GET(self):
        self.serve(body=True)

    def fail(self, status, body=True):
        self.send_response(status)
        self.send_header("Content-Length", "0")
        self.end_headers()

    def serve(self, body):
        url = urllib.parse.urlsplit(self.path)
        relative = urllib.parse.unquote(url.path).lstrip("/")
        full = os.path.realpath(os.path.join(self.site, relative))
        root = os.path.realpath(self.site)
        if full != root and not full.startswith(root + os.sep):
            return self.fail(404)
        if os.path.isdir(full):
            full = os.path.join(full, "index.html")
        if not os.path.isfile(full) or full.endswith((".br", ".gz")):
            return self.fail(404)
        accepted = {part.split(";")[0].strip() for part in self.headers.get("Accept-Encoding", "").split(",")}
        sent, encoding = full, None
        for name, ext in ENCODINGS:
            if name in accepted and os.path.isfile(full + ext):
                sent, encoding = full + ext, name
                break
        stat = os.stat(sent)
        tag = '"' + hashlib.sha256(f"{sent}:{stat.st_size}:{stat.st_mtime_ns}".encode()).hexdigest()[:20] + '"'
        versioned = "v" in urllib.parse.parse_qs(url.query)
        headers = {
            "Content-Type": TYPES.get(os.path.splitext(full)[1], "application/octet-stream"),
            "Cache-Control": YEAR if versioned else "no-cache",
            "ETag": tag,
            "Last-Modified": email.utils.formatdate(stat.st_mtime, usegmt=True),
            "Vary": "Accept-Encoding",
            "X-Content-Type-Options": "nosniff",
        }
        if encoding:
            headers["Content-Encoding"] = encoding
        if tag in [t.strip() for t in self.headers.get("If-None-Match", "").split(",")]:
            self.send_response(304)
            for name in ("Cache-Control", "ETag", "Vary"):
                self.send_header(name, headers[name])
            self.end_headers()
            return
        self.send_response(200)
        for name, value in headers.items():
            self.send_header(name, value)
        self.send_header("Content-Length", str(stat.st_size))
        self.end_headers()
        if body:
            with open(sent, "rb") as f:
                self.wfile.write(f.read())


def server(site, port, address="127.0.0.1"):
    handler = type("Handler", (SiteHandler,), {"site": site})
    return http.server.ThreadingHTTPServer((address, port), handler)


if __name__ == "__main__":
    httpd = server(sys.argv[1], int(sys.argv[2]), sys.argv[3] if len(sys.argv) > 3 else "127.0.0.1")
    try:
        httpd.serve_forever()
    except KeyboardInterrupt:
        pass
