#!/usr/bin/env bash
# Builds the web edition and serves it on this machine:
#   http://127.0.0.1:8080/                     the customer edition
#   http://127.0.0.1:8080/?edition=shop        the shop edition
#   ...&today=2016/04/29                       a fixed date, as --today
# The site is static files only; any web server can serve build-web/site/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build-web.sh
port=${PORT:-8080}
echo "run-web: http://127.0.0.1:$port/ (customer edition), http://127.0.0.1:$port/?edition=shop (shop edition); Ctrl+C ends"
# Each file compressed as the build wrote it, hashed addresses kept for a
# year, the page itself revalidated: tools/serve_site.py.
exec python3 tools/serve_site.py build-web/site "$port"
