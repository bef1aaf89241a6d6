#!/bin/bash
# Checks that two builds of almucan print byte-identical --events and --tsv
# outputs for many random months and places (poles, date line and summer
# time included).  Used before and after a speed change that must not move
# a single digit.
#   tools/samecheck/same_outputs.sh OLD_BINARY NEW_BINARY [CASES] [SEED] [TSV_FIELDS]
# TSV_FIELDS (a cut -f list such as 1-7,10) compares only those columns of
# --tsv and counts separately the cases whose other columns changed.
set -euo pipefail
old=$1 new=$2 cases=${3:-1000} seed=${4:-1} fields=${5:-}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
differ=0 changed=0
# One case per line: month, longitude, latitude, zone, summer time (0/1).
# Longitudes and latitudes run over the whole range with the edges (poles,
# date line) now and then.
while read -r month lon lat tz st; do
    args=(--settings-dir "$dir" --month "$month" --lon "$lon" --lat "$lat" --tz "$tz")
    ((st == 1)) && args+=(--summer-time)
    if ! cmp -s <("$old" "${args[@]}" --events) <("$new" "${args[@]}" --events); then
        echo "differ: ${args[*]} --events"
        differ=$((differ + 1))
    fi
    "$old" "${args[@]}" --tsv > "$dir/old.tsv"
    "$new" "${args[@]}" --tsv > "$dir/new.tsv"
    if [ -n "$fields" ]; then
        cmp -s "$dir/old.tsv" "$dir/new.tsv" || changed=$((changed + 1))
        cut -f "$fields" "$dir/old.tsv" > "$dir/old.cut"; mv "$dir/old.cut" "$dir/old.tsv"
        cut -f "$fields" "$dir/new.tsv" > "$dir/new.cut"; mv "$dir/new.cut" "$dir/new.tsv"
    fi
    if ! cmp -s "$dir/old.tsv" "$dir/new.tsv"; then
        echo "differ: ${args[*]} --tsv"
        differ=$((differ + 1))
    fi
done < <(awk -v n="$cases" -v seed="$seed" 'BEGIN {
    srand(seed)
    for (i = 0; i < n; i++) {
        lon = sprintf("%.2f", rand() * 360 - 180); lat = sprintf("%.2f", rand() * 180 - 90)
        e = int(rand() * 20)
        # A zero is typed as 0 (the location rule refuses "0.00").
        if (lon + 0 == 0) lon = "0"; if (lat + 0 == 0) lat = "0"
        if (e == 0) lat = "90"; if (e == 1) lat = "-90"; if (e == 2) lon = "180"; if (e == 3) lon = "-180"
        printf "%04d%02d %s %s %d %d\n", 1900 + int(rand() * 201), 1 + int(rand() * 12), lon, lat,
               int(rand() * 25) - 12, rand() < 0.3
    }}')
echo "$cases cases, $differ outputs differ"
[ -z "$fields" ] || echo "$changed cases changed outside the columns $fields of --tsv"
((differ == 0))
