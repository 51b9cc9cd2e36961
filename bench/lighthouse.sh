#!/usr/bin/env bash
# The page under Lighthouse's mobile audit (a mid-range phone: four times slower processor, slow
# 4G, simulated), as a school's site would serve it: the built page from a static web server on
# 127.0.0.1 (with --gzip compressed, as Apache's and nginx's default setups send HTML), audited
# in Debian's Chromium, headless. Beside it, in alternate runs, the floor: a plain page with the
# same title and one heading, which shows what the machine itself adds (Lighthouse's times
# are the trace's, multiplied: a busy machine lengthens every task), and the page without its
# scripts, which shows what the window's own first frame costs. Prints each run's scores
# (performance, accessibility, best practices, SEO), total blocking time and the long tasks,
# the medians, and every audit of those categories that did not pass in some run.
#   bench/lighthouse.sh [--gzip] [RUNS] [PAGE.html]     (default: 3 runs of build/web/normal-forms.html)
# Lighthouse is large (about 110 MB): this command installs it alone, at the version its lock
# file pins, into bench/lighthouse/node_modules; nothing else needs it.
set -euo pipefail
compress=0
if [[ "${1:-}" == --gzip ]]; then
  compress=1
  shift
fi
if (($# > 2)) || [[ "${1:-}" == -* ]]; then
  echo "usage: bench/lighthouse.sh [--gzip] [RUNS] [PAGE.html]" >&2
  exit 2
fi
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs="${1:-3}"
page="${2:-$root/build/web/normal-forms.html}"
if ! [[ "$runs" =~ ^[1-9][0-9]*$ ]]; then
  echo "lighthouse.sh: RUNS is a whole number from 1: '$runs'" >&2
  exit 2
fi
if [[ ! -f "$page" ]]; then
  echo "lighthouse.sh: $page is missing: build it with cmake --preset web && cmake --build --preset web" >&2
  exit 2
fi
export CHROME_PATH="${CHROME_PATH:-/usr/bin/chromium}"
if [[ ! -x "$CHROME_PATH" ]] || ! command -v npm >/dev/null; then
  echo "lighthouse.sh: needs $CHROME_PATH (Debian's chromium) and npm" >&2
  exit 2
fi

tools="$root/bench/lighthouse"
stamp="$tools/node_modules/.installed-lock.json"
if ! cmp -s "$tools/package-lock.json" "$stamp"; then
  echo "Installing Lighthouse (npm)" >&2
  npm ci --prefix "$tools" --no-audit --no-fund --loglevel=error >&2
  cp "$tools/package-lock.json" "$stamp"
fi

work="$(mktemp -d)"
server=""
cleanup() {
  [[ -n "$server" ]] && kill "$server" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
mkdir "$work/site"
cp "$page" "$work/site/"
title="$(sed -n 's:.*<title>\(.*\)</title>.*:\1:p' "$page" | head -n 1)"
printf '%s\n' '<!DOCTYPE html>' '<html lang="bg"><head><meta charset="utf-8">' \
  '<meta name="viewport" content="width=device-width">' \
  "<meta name=\"description\" content=\"$title\"><title>$title</title>" \
  '<link rel="icon" href="data:,"></head>' \
  "<body><main><h1>$title</h1></main></body></html>" >"$work/site/floor.html"
node "$root/web/page_parts.js" without-scripts "$page" >"$work/site/no-scripts.html"
# A free port, chosen by the server itself and written where this script reads it.
python3 - "$work/site" "$work/port" "$compress" <<'EOF' &
import functools, gzip, http.server, os, sys
folder, port_file, compress = sys.argv[1], sys.argv[2], sys.argv[3] == "1"
class Server(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass
    def do_GET(self):
        path = self.translate_path(self.path)
        if not (compress and path.endswith(".html") and os.path.isfile(path)
                and "gzip" in self.headers.get("Accept-Encoding", "")):
            return super().do_GET()
        with open(path, "rb") as source:
            body = gzip.compress(source.read(), 6)
        self.send_response(200)
        self.send_header("Content-Type", "text/html; charset=utf-8")
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Server, directory=folder))
with open(port_file + ".new", "w") as out:
    out.write(str(server.server_port))
os.rename(port_file + ".new", port_file)
server.serve_forever()
EOF
server=$!
for _ in $(seq 100); do
  [[ -f "$work/port" ]] && break
  sleep 0.05
done
site="http://127.0.0.1:$(cat "$work/port")"

echo "Lighthouse $(node -p "require('$tools/node_modules/lighthouse/package.json').version"), mobile," \
  "$site/$(basename "$page") ($( ((compress)) && echo gzip || echo uncompressed));" \
  "load average $(cut -d' ' -f1-3 /proc/loadavg)"
for run in $(seq "$runs"); do
  for which in page no-scripts floor; do
    [[ $which == page ]] && url="$site/$(basename "$page")" || url="$site/$which.html"
    # The user data folder is fresh each run: no cache, nothing left from the run before.
    "$tools/node_modules/.bin/lighthouse" "$url" --quiet --output=json \
      --output-path="$work/$which-$run.json" \
      --only-categories=performance,accessibility,best-practices,seo \
      --chrome-flags="--headless=new --no-sandbox --user-data-dir=$work/profile-$which-$run" >&2
  done
done
echo "The page:"
node "$root/bench/lighthouse_summary.js" "$work"/page-*.json
echo "The page without its scripts:"
node "$root/bench/lighthouse_summary.js" "$work"/no-scripts-*.json
echo "The floor, a plain page:"
node "$root/bench/lighthouse_summary.js" "$work"/floor-*.json
