#!/usr/bin/env bash
# Makes the test workbooks of this folder with programs other than the
# program's own reader: Spreadsheet::WriteExcel (Debian
# libspreadsheet-writeexcel-perl) writes the .xls files directly, and
# LibreOffice turns the flat formulas.fods into formulas.xls, so that its
# formula cells carry computed results. Run it from anywhere; it rewrites
# the .xls files next to it.
set -euo pipefail
cd "$(dirname "$0")"

perl make_workbooks.pl

profile=$(mktemp -d)
trap 'rm -rf "$profile"' EXIT
soffice -env:UserInstallation="file://$profile" --headless \
    --convert-to xls --outdir . formulas.fods >/dev/null
