#!/usr/bin/env bash
# The manual page reads without a warning from man and groff, and describes every option that the
# program's --help lists. Usage: manual_page.sh <program> <page>
set -uo pipefail
page=$(MANWIDTH=100 man -l --warnings "$2" 2>&1) || { echo "FAIL: man cannot show $2"; exit 1; }
[[ $page != *warning* ]] || { echo "FAIL: man warns: $page"; exit 1; }
for option in $(env -u DISPLAY -u QT_QPA_PLATFORM "$1" --help | grep -oE -- '--[a-z]+' | sort -u); do
    grep -qE -- "^ *(-[a-z], )?$option\b" <<<"$page" || { echo "FAIL: no $option on the page"; exit 1; }
done
