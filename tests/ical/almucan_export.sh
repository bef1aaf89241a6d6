#!/usr/bin/env bash
# Writes the calendar with almucan --ics (--month yyyymm or --year yyyy)
# and the months around it with almucan --month ... --json, one file
# yyyymm.json each, for check_ics.py.  The program is named by $ALMUCAN.
#   almucan_export.sh yyyymm|yyyy lon lat zone summer(0|1) out.ics jsondir
set -euo pipefail
when=$1 ics=$6 out=$7
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mkdir -p "$out"
args=(--settings-dir "$dir" "--lon=$2" "--lat=$3" "--tz=$4")
[ "$5" = 1 ] && args+=(--summer-time)
if [ ${#when} = 6 ]; then
  "$ALMUCAN" --month "$when" --ics "$ics" "${args[@]}"
  first=$((10#${when:4})) last=$((10#${when:4}))
else
  "$ALMUCAN" --year "$when" --ics "$ics" "${args[@]}"
  first=1 last=12
fi
year=$((10#${when:0:4}))
# The month before the first and three after the last.
for ((i = year * 12 + first - 2; i <= year * 12 + last + 2; i++)); do
  month=$(printf '%04d%02d' $((i / 12)) $((i % 12 + 1)))
  ((i / 12 >= 1900 && i / 12 <= 2100)) || continue
  "$ALMUCAN" --month "$month" --json "${args[@]}" >"$out/$month.json"
done
