#!/usr/bin/env bash
# End-to-end: the report of three lines exported as .xls and as .xlsx, opened
# by a real spreadsheet program (LibreOffice, headless) and read back as CSV
# and HTML: texts, numbers with their decimals, the merged title.
# Usage: spreadsheet_e2e.sh PATH/TO/spreadsheet_export_sample
# Exits 77 (skipped) where LibreOffice is not installed.
set -u
sample=${1:?usage: spreadsheet_e2e.sh PATH/TO/spreadsheet_export_sample}
if ! command -v soffice >/dev/null 2>&1; then
  echo "SKIP: LibreOffice (soffice) is not installed; bash scripts/setup.sh installs libreoffice-calc-nogui"
  exit 77
fi

work=$(mktemp -d)
office_pid=""
cleanup() {
  if [ -n "$office_pid" ]; then
    kill "$office_pid" 2>/dev/null
    wait "$office_pid" 2>/dev/null
  fi
  rm -rf "$work"
}
trap cleanup EXIT

failures=0
check() { # check DESCRIPTION COMMAND...
  local what=$1; shift
  if "$@"; then echo "ok   - $what"; else echo "FAIL - $what"; failures=$((failures + 1)); fi
}

# convert FILTER OUTDIR FILE: one conversion with a private profile, ended
# after 90 seconds at the latest.
convert() {
  timeout -k 5 90 soffice "-env:UserInstallation=file://$work/profile" --headless \
    --convert-to "$1" --outdir "$2" "$3" >>"$work/office.log" 2>&1 &
  office_pid=$!
  wait "$office_pid"
  local status=$?
  office_pid=""
  return $status
}

"$sample" "$work/汇总.xls" "$work/汇总.xlsx" || { echo "FAIL - the sample export failed"; exit 1; }

# Text cells quoted, numbers bare and as shown (with their number formats);
# every sheet to a file of its own, named after the sheet.
csv='csv:Text - txt - csv (StarCalc):44,34,76,1,,0,true,true,true,false,false,-1'
for type in xls xlsx; do
  convert "$csv" "$work/$type-csv" "$work/汇总.$type"
  convert html "$work/$type-html" "$work/汇总.$type"
done

lines=(
  '"材 料 重 量 汇 总 表",,,,,,'
  '"单位名称：A&B有限公司",,,,,,'
  '"序号","材料名称","规格型号","理论重量","数量","重量(Kg)","备注"'
  '1,"钢板","10mm*2.2m*12m*1","78.50Kg/㎡","26.40㎡",2072.40,'
  '2,"工字钢","I20a","27.929Kg/m","18m",502.720,'
  '3,"圆钢","Φ20","2.466Kg/m","6m",14.88,'
  '" 合计：",,,,,2590.00,'
  '"备注：",,,,,,'
  '"制单人：张三                   日期：2019年12月19日",,,,,,'
)
# The .xls keeps its empty margin row and column.
expected_xls=",,,,,,,"$'\n'
for line in "${lines[@]}"; do expected_xls+=",$line"$'\n'; done
expected_xlsx=$(printf '%s\n' "${lines[@]}")$'\n'

same_text() { [ "$(cat "$1" 2>/dev/null; echo .)" = "$2." ]; }
for type in xls xlsx; do
  file=$work/$type-csv/汇总-钢材汇总.csv
  check "$type: one sheet, named as typed" same_text <(ls "$work/$type-csv") "汇总-钢材汇总.csv"$'\n'
  expected=expected_$type
  if ! check "$type: cell texts and numbers read back" same_text "$file" "${!expected}"; then
    echo "--- read back:"; cat "$file" 2>/dev/null; echo "--- LibreOffice said:"; cat "$work/office.log"
  fi
  # The title spans the seven columns of the sheet.
  html=$(tr -d '\n' <"$work/$type-html/汇总.html" 2>/dev/null)
  check "$type: title merged across 7 columns" \
    grep -Eq '<td[^>]* colspan=7[^>]*>(<[^>]*>)*材 料 重 量 汇 总 表' <<<"$html"
  check "$type: totals label merged across 4 columns" grep -Eq '<td[^>]* colspan=4[^>]*>' <<<"$html"
done

[ "$failures" -eq 0 ]
