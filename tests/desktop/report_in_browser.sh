#!/usr/bin/env bash
# The month's report as a browser shows and prints it: kalvemo-judge writes
# it for the sample archive, headless Chromium takes a picture of it and
# prints it to PDF. The picture must be there and of more than a few colours;
# the PDF must be A4 pages holding the report's own words, the institution's
# name among them.
#   report_in_browser.sh PATH/TO/kalvemo-judge PATH/TO/national_sample.zip
set -euo pipefail
judge=$1
sample=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

status=0
"$judge" "$sample" -o "$out/list.csv" --report "$out/report.html" 2>/dev/null || status=$?
[ "$status" -le 1 ] || { echo "FAIL: kalvemo-judge exited $status"; exit 1; }

# Chromium as root (a container) runs only without its sandbox.
sandbox=()
[ "$(id -u)" -ne 0 ] || sandbox=(--no-sandbox)
browse() {
    timeout 120 chromium --headless "${sandbox[@]}" --disable-gpu --user-data-dir="$out/profile" \
        "$@" "file://$out/report.html" >/dev/null 2>&1
}
browse --window-size=1000,1400 --screenshot="$out/report.png"
browse --no-pdf-header-footer --print-to-pdf="$out/report.pdf"

failed=0
check() { # what, condition…
    local what=$1
    shift
    if "$@"; then echo "ok: $what"; else echo "FAIL: $what"; failed=1; fi
}
size() { stat -c %s "$1" 2>/dev/null || echo 0; }
colours=$(identify -format %k "$out/report.png" 2>/dev/null || echo 0)
echo "picture: $(size "$out/report.png") bytes, $colours colours"
check "a picture of the page" test "$(size "$out/report.png")" -gt 20000
check "more than a few colours (text, tables, charts)" test "$colours" -gt 16
pages=$(pdfinfo "$out/report.pdf" 2>/dev/null | sed -n 's/^Pages: *//p' || true)
paper=$(pdfinfo "$out/report.pdf" 2>/dev/null | sed -n 's/^Page size: *//p' || true)
echo "PDF: $(size "$out/report.pdf") bytes, ${pages:-no} pages of $paper"
check "a PDF of more than one page" test "${pages:-0}" -gt 1
check "A4 pages" grep -q "(A4)" <<<"$paper"
text=$(pdftotext -raw "$out/report.pdf" - 2>/dev/null | tr -d "\n" || true) # a cell may wrap a name
for words in 男女計 健診機関ごと 架空健診センター 確認する行; do
    check "the PDF says $words" grep -q "$words" <<<"$text"
done
exit "$failed"
