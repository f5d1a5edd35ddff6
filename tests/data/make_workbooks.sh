#!/usr/bin/env bash
# Makes the test workbooks of this folder with programs other than the
# program's own reader: Spreadsheet::WriteExcel and Excel::Writer::XLSX
# (Debian libspreadsheet-writeexcel-perl, libexcel-writer-xlsx-perl) write
# the .xls and .xlsx files directly, and LibreOffice turns the flat
# formulas.fods into .xls, .xlsx, .xlsm and .ods, so that their formula
# cells carry computed results, and the .xlsx files into .xlsm and .ods. Run it from anywhere; it
# rewrites the workbooks next to it.
set -euo pipefail
cd "$(dirname "$0")"

perl make_workbooks.pl

profile=$(mktemp -d)
trap 'rm -rf "$profile"' EXIT
convert() {
    soffice -env:UserInstallation="file://$profile" --headless \
        --convert-to "$1" --outdir . "${@:2}" >/dev/null
}
convert xls formulas.fods
convert xlsx formulas.fods
convert ods formulas.fods points.xlsx first_sheet.xlsx
convert "xlsm:Calc MS Excel 2007 VBA XML" formulas.fods points.xlsx first_sheet.xlsx
