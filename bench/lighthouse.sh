#!/usr/bin/env bash
# Lighthouse's accessibility, best-practices and SEO scores of the page, as a
# phone and as a desktop see it, in Debian's Chromium; Lighthouse comes from npm,
# pinned in package.json (an optional dependency: the test command leaves it out).
# Usage: lighthouse.sh SITE_DIR
set -euo pipefail
site=$1
work=$(mktemp -d)
/usr/bin/python3 -m http.server --bind 127.0.0.1 --directory "$site" 0 >"$work/server.log" 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do grep -q ' port ' "$work/server.log" && break; sleep 0.1; done
port=$(sed -n 's/.* port \([0-9]*\).*/\1/p' "$work/server.log")
export CHROME_PATH=/usr/bin/chromium
for form in mobile desktop; do
    preset=()
    [ "$form" == desktop ] && preset=(--preset=desktop)
    npx --no-install lighthouse "http://127.0.0.1:$port/" --quiet "${preset[@]}" \
        --chrome-flags="--headless --no-sandbox --disable-gpu --no-first-run \
--disable-background-networking --disable-component-update --disable-sync" \
        --only-categories=accessibility,best-practices,seo --output=json --output-path="$work/$form.json"
    /usr/bin/python3 -c 'import json, sys
report = json.load(open(sys.argv[1]))
print(sys.argv[2] + ": " + ", ".join("%s %d" % (c["title"], round(100 * c["score"]))
                                    for c in report["categories"].values()))
for audit in report["audits"].values():
    if audit.get("score") is not None and audit["score"] < 1:
        print("  " + audit["title"])' "$work/$form.json" "Lighthouse $(npx --no-install lighthouse --version), $form"
done
