#!/usr/bin/env bash
# The program on hostile settings files: a FIFO, a link to /dev/zero and a
# header followed by 200 MB of line feeds each end at once with little
# memory; a file it may not read says so; a dangling link as settings file gets its target created.
# Usage: settings_binary.sh <program> <scratch folder>
set -u
prog=$1
dir=$2
rm -rf "$dir"
mkdir -p "$dir"
ini=$dir/Almucan.INI
fail=0
bad() { echo "FAIL: $*" >&2; fail=1; }

# Runs the program on the settings folder; sets rc, err and peak (KiB).
run() {
  timeout 20 /usr/bin/time -f '%M' -o "$dir/peak" \
    "$prog" --month 200102 --events --settings-dir "$dir" >"$dir/out" 2>"$dir/err"
  rc=$?
  err=$(cat "$dir/err")
  peak=$(tail -n 1 "$dir/peak" 2>/dev/null || echo 0)
}

# Not valid: exit 1, the message, the file's kind unchanged, under 100 MB.
expect_not_valid() {
  local what=$1 kind=$2
  run
  [ "$rc" -eq 1 ] || bad "$what: exit $rc, want 1"
  [[ $err == *"INI-file $ini not valid."* ]] || bad "$what: message: $err"
  [ "$(LC_ALL=C stat -c %F "$ini")" = "$kind" ] || bad "$what: now a $(LC_ALL=C stat -c %F "$ini")"
  [ "${peak:-0}" -lt 100000 ] || bad "$what: peak memory $peak KiB"
  echo "$what: rc $rc peak $peak err ${err:0:80}"; rm -f "$ini"
}

mkfifo "$ini"
expect_not_valid "FIFO" "fifo"

ln -s /dev/zero "$ini"
expect_not_valid "link to /dev/zero" "symbolic link"

{ printf 'Almucan V1.0\r\n'; head -c 200000000 /dev/zero | tr '\0' '\n'; } >"$ini"
expect_not_valid "wrong header and 200 MB of line feeds" "regular file"

# The right header and empty values: a font size of 0 is not valid; the
# rest is not read.
{ printf 'Almucan V0.9\r\n'; head -c 200000000 /dev/zero | tr '\0' '\n'; } >"$ini"
expect_not_valid "200 MB of line feeds after the header" "regular file"

# A file that cannot be read may be good: it says why and is not called
# not valid (run as nobody when root, who reads any file).
as=()
[ "$(id -u)" -eq 0 ] && as=(setpriv --reuid=65534 --regid=65534 --clear-groups)
chmod 777 "$dir"
printf 'Almucan V0.9\r\n' >"$ini"
chmod 000 "$ini"
err=$("${as[@]}" "$prog" --month 200102 --settings-dir "$dir" 2>&1 >/dev/null)
rc=$?
[ "$rc" -eq 1 ] && [ "$err" = "INI-file $ini cannot be read: Permission denied" ] || bad "mode 000: exit $rc: $err"
rm -f "$ini"

# A dangling link: the target is created and the link kept.
mkdir "$dir/dotfiles"
ln -s dotfiles/almucan.ini "$ini"
run
[ "$rc" -eq 0 ] || bad "dangling link: exit $rc: $err"
[ -L "$ini" ] || bad "dangling link: the link was replaced"
head -n 1 "$dir/dotfiles/almucan.ini" | grep -q '^Almucan V0.9' || bad "dangling link: target not written"

echo "peak $peak rc $rc"; rm -rf "$dir"
exit $fail
