cmake_minimum_required(VERSION 3.24)
# The program under failures and hostile arguments, one row per case: need |
# name | exit code | standard error's one line (a regular expression; the
# usage may follow it when the check is "usage") | command | check after.
# $A is the program, $D a fresh folder, $S "--settings-dir $D/cfg", $F the
# library that makes fsync fail when preloaded (tests/fileio); 'qt' rows
# need the Qt build, 'vm' rows one without the sanitizers (they limit memory).
# Root may write any file: $U runs the read-only rows as nobody then.
set(M "--month 202406")
set(rows
  # Graphic outputs use the offscreen platform whatever the display says;
  # the window without a display says so instead of aborting.  The display
  # is a path in the row's fresh folder: no X server can be reached by it
  # (a display number might have a server on this machine).
  "qt|display-x|0||env -u QT_QPA_PLATFORM DISPLAY=$D/no-display $A $M $S --png $D/x.png|test -s $D/x.png"
  "qt|window-no-display|1|window cannot be shown: no display could be reached \\(DISPLAY=\"$D/no-display\"|env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY=$D/no-display $A $S|"
  # An image too large for the memory.
  "vm|huge-image|1|^The image of 20000 x 20000 pixels could not be allocated\\.|ulimit -v 1200000 && $A $M $S --png $D/big.png --size 20000x20000|test ! -e $D/big.png"
  # Files that cannot be written: reported, exit 1, an old file kept whole.
  "qt|pdf-dev-full|1|^The PDF file /dev/full could not be written: No space left|$A $M $S --pdf /dev/full|"
  "any|ics-no-folder|1|^The iCalendar file $D/none/d.ics could not be written: No such file|$A --year 2025 $S --ics $D/none/d.ics|"
  "qt|png-file-too-large|1|could not be written: File too large|echo old > $D/old.png && ulimit -f 8 && $A $M $S --png $D/old.png|test \"$(cat $D/old.png)\" = old && test -z \"$(find $D -name '*.tmp')\""
  # A disk that loses what was written (fsync fails; ASan allows the preload): the old file kept.
  "any|fsync-fails|1|^The iCalendar file $D/d\\.ics could not be written: Input/output error|$A $M $S --ics $D/d.ics && echo old > $D/d.ics && LD_PRELOAD=$F ALMUCAN_FAIL_FSYNC=1 ASAN_OPTIONS=verify_asan_link_order=0 $A $M $S --ics $D/d.ics|test \"$(cat $D/d.ics)\" = old && test -z \"$(find $D -name '*.tmp')\""
  # One output that fails keeps every file of the run as it was: a device, standard output,
  # a pipe whose reader has gone (the program ends by SIGPIPE, exit 13 here).
  "qt|png-kept-ics-full|1|^The iCalendar file /dev/full could not be written: No space left|echo old > $D/ok.png && $A $M $S --png $D/ok.png --ics /dev/full|test \"$(cat $D/ok.png)\" = old && test -z \"$(find $D -name '*.tmp')\""
  "any|ics-kept-stdout-full|1|^almucan: the standard output could not be written: No space left|echo old > $D/d.ics && $A $M $S --ics $D/d.ics --tsv >/dev/full|test \"$(cat $D/d.ics)\" = old && test -z \"$(find $D -name '*.tmp')\""
  "any|ics-kept-pipe-closed|13||echo old > $D/d.ics && python3 -c 'import os, subprocess, sys\nr, w = os.pipe()\nos.close(r)\nsys.exit(-subprocess.call(sys.argv[1:], stdout=w))' $A $M $S --ics $D/d.ics --tsv|test \"$(cat $D/d.ics)\" = old && test -z \"$(find $D -name '*.tmp')\""
  # Standard output that cannot be written (--version: tests/install).
  "any|stdout-full|1|^almucan: the standard output could not be written: No space left|$A $M $S --events >/dev/full|"
  # Names: an empty settings folder is refused, a file name keeps its bytes.
  "any|settings-dir-empty|2|--settings-dir: the folder name is empty|$A $M --settings-dir ''|usage"
  "qt|name-bytes|0||$A $M $S --png \"$D/caf$(printf '\\351').png\"|test -s \"$D/caf$(printf '\\351').png\""
  # Refused arguments write nothing, not even the settings file.
  "any|bad-month-writes-nothing|2|^Input error\\.|$A --month 189912 $S|test ! -e $D/cfg"
  # The print layout of the settings file is checked before a PDF.
  "qt|margins-too-large|2|^Margins too large\\.|mkdir -p $D/cfg && printf 'Almucan V0.9\\r\\n 16.33\\r\\n 48.25\\r\\n 1\\r\\n 250\\r\\n 0\\r\\n 0\\r\\n 0\\r\\nDejaVu Sans\\r\\n 10\\r\\n' > $D/cfg/Almucan.INI && $A $M $S --pdf $D/m.pdf|test ! -e $D/m.pdf"
  # A print font too large for the page (1638 pt, the largest the dialog takes) is refused the same way.
  "qt|font-too-large|2|^Font too large for the page\\.|mkdir -p $D/cfg && printf 'Almucan V0.9\\r\\n 16.33\\r\\n 48.25\\r\\n 1\\r\\n 0\\r\\n 0\\r\\n 0\\r\\n 0\\r\\nDejaVu Sans\\r\\n 1638\\r\\n' > $D/cfg/Almucan.INI && $A $M $S --pdf $D/m.pdf|test ! -e $D/m.pdf"
  # Numbers taken whole (the table of number texts: tests/support/numbertexts.h).
  "any|number-one-line|2|^--lat wants a number from -90 to 90. use a point: 52\\.52|$A $M $S --lat 52,52|test ! -e $D/cfg"
  "any|zone-localtime|2|^unknown time zone 'localtime'|$A $M $S --zone localtime|"
  "any|zone-unreadable|1|^The time zone Europe/Vienna cannot be read: the file is empty|mkdir -p $D/z/Europe && touch $D/z/Europe/Vienna && TZDIR=$D/z $A $M $S --zone Europe/Vienna|"
  # A zone "file" that is a FIFO without a writer is no zone file; the run does not wait for a writer.
  "any|zone-fifo|1|^The time zone Europe/Vienna cannot be read: it is not a zone file|mkdir -p $D/z/Europe && mkfifo $D/z/Europe/Vienna && TZDIR=$D/z $P $A $M $S --zone Europe/Vienna|test -p $D/z/Europe/Vienna"
  "any|zone-escaped|2|^unknown time zone 'x\\\\x1B\\\\x07y'|$A $M $S --zone \"$(printf 'x\\033\\007y')\"|"
  "any|month-blanks-around|0||$A --month ' 202406 ' $S > $D/o|grep -q '^Month: 202406   Long' $D/o"
  "any|year-blanks-around|0||$A --year ' 2024 ' $S > $D/o|grep -q '^Month: 202406   Long' $D/o"
  # Output targets: two outputs never share a file or standard output, nor the settings file's
  # place; standard output, descriptors, pipes and FIFOs are written in place; a file the user
  # may not write is kept (run as nobody when root).
  "qt|same-file|2|^--pdf and --ics name the same file $D/same\\.x|$A $M $S --ics $D/same.x --pdf $D/same.x|test ! -e $D/same.x"
  "qt|same-file-through-link|2|^--png and --pdf name the same file|ln -s p.x $D/l.x && $A $M $S --png $D/p.x --pdf $D/l.x|test ! -e $D/p.x"
  "any|settings-file|2|^--ics $D/cfg/Almucan\\.INI is the settings file|$A $M $S --ics $D/cfg/Almucan.INI|test ! -e $D/cfg"
  "any|stdout-twice|2|^--ics /dev/stdout and the text output both go to standard output|$A $M $S --ics /dev/stdout --tsv > $D/o|test ! -s $D/o"
  "any|stdout-file|0||$A $M $S --ics /dev/stdout > $D/o|grep -q '^END:VCALENDAR' $D/o"
  "any|stdout-dash-pipe|0||$A $M $S --ics - \\| cat > $D/o|grep -q '^END:VCALENDAR' $D/o"
  "qt|pdf-stdout-pipe|0||$A $M $S --pdf /dev/stdout \\| cat > $D/o|test \"$(head -c 4 $D/o)\" = %PDF"
  "any|fd-pipe|0||$A $M $S --ics /dev/fd/3 --tsv 3>&1 >/dev/null \\| cat > $D/o|grep -q '^END:VCALENDAR' $D/o"
  "any|fifo|0||mkfifo $D/f && { cat $D/f > $D/o & } && $A $M $S --ics $D/f && wait|grep -q '^END:VCALENDAR' $D/o"
  "any|read-only-file|1|^The iCalendar file $D/r\\.ics could not be written: Permission denied|echo old > $D/r.ics && chmod 444 $D/r.ics && $U $A $M $S --ics $D/r.ics|test \"$(cat $D/r.ics)\" = old"
  "vm|pdf-out-of-memory|1|^The PDF document of 1 page could not be allocated\\.|ulimit -v 100000 && $A $M $S --pdf $D/m.pdf|test ! -e $D/m.pdf"
  # A year under limits around the size of its compressed pages (two buffers of 16 MiB): made
  # whole, or the failure said and no file, never an abort ($D/rKB holds a failure's exit code).
  "vm|pdf-year-out-of-memory|0||for v in 95000 105000 120000\ndo (ulimit -v $v && exec $A --year 2024 $S --pdf $D/y$v.pdf 2>$D/e$v) \\|\\| echo $? > $D/r$v\ndone|for v in 95000 105000 120000\ndo if test -e $D/r$v\nthen test $(cat $D/r$v) = 1 && grep -qx 'The PDF document of 12 pages could not be allocated\\.' $D/e$v && test ! -e $D/y$v.pdf\nelse test ! -s $D/e$v && pdfinfo $D/y$v.pdf \\| grep -Eq '^Pages: +12$'\nfi \\|\\| exit 1\ndone"
  # The same calendar in every locale, with Qt started for the PDF.
  "qt|ics-any-locale|0||LC_ALL=de_DE.UTF-8 $A $M $S --ics $D/de.ics --pdf $D/m.pdf && LC_ALL=C $A $M $S --ics $D/c.ics|diff <(grep -v DTSTAMP $D/de.ics) <(grep -v DTSTAMP $D/c.ics) && grep -q '^GEO:48.250000.16.330000' $D/c.ics"
  # Messages name the option at fault.
  "any|month-without-value|2|--month: needs a value, got the option --tsv|$A --month --tsv $S|usage"
  # Options of a month's outputs and location without --month or --year (the window uses
  # only --settings-dir) are refused, not passed over for the window (no display here).
  "any|tsv-without-month|2|^almucan: --tsv needs --month or --year|env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY=:99 $A --tsv $S|usage"
  "any|lon-without-month|2|^almucan: --lon needs --month or --year|env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY=:99 $A $S --lon 10|usage"
  # Places by name: a place's table is that of its coordinates and zone; a
  # name not found gives the three nearest.
  "any|places-springfield|0||$A --places Springfield > $D/s|test $(grep -c '^Springfield\t[^\t]*\tUnited States of America\t[0-9.]*\t-[0-9.]*\tAmerica/' $D/s) -ge 5"
  "any|places-excludes-month|2|^almucan: (--places excludes --month\\|--month excludes --places)|$A --places Wien $M|usage"
  "any|places-excludes-ink-saver|2|^almucan: (--places excludes --ink-saver\\|--ink-saver excludes --places)|$A --ink-saver --places Wien|usage"
  "any|place-same-tsv|0||$A --place Tromso --month 202412 --tsv $S > $D/a && $A --lon 18.95508 --lat 69.6489 --zone Europe/Oslo --month 202412 --tsv $S > $D/b|cmp $D/a $D/b"
  "any|place-unknown|2|no place named 'Tromsoo'. the closest names: Tromsø, Tomsk, Rossoh'|$A --place Tromsoo $M $S|test ! -e $D/cfg"
  # --places says the nearest when none matches (names typed with accents: Place.SearchFinds...
  # in tests/place); a name is echoed escaped; a text longer than any name (54 characters) is
  # refused at once.
  "any|places-none|2|^no place named 'Viena'. the closest names: Vienna, Viana, Siena|$A --places Viena > $D/o|test ! -s $D/o"
  "any|place-escaped|2|^no place named 'x\\\\x1B\\\\x07y'. the closest names: |$A $M $S --place \"$(printf 'x\\033\\007y')\"|test ! -e $D/cfg"
  "any|place-too-long|2|^no place has a name that long: 50000 characters, the longest has 54|timeout 10 $A --place \"$(head -c 50000 /dev/zero \\| tr '\\0' x)\" $M $S|test ! -e $D/cfg"
  "any|place-excludes-zone|2|--zone excludes --place|$A --place Tromso --zone UTC $M $S|usage"
  # A settings file's place name that is not UTF-8 (Latin-1 "Tromsø") is written with U+FFFD
  # for the byte; the file keeps its bytes.
  "any|place-name-latin1|0||printf 'Almucan V0.9\\r\\n 18.95508\\r\\n 69.6489\\r\\n 1\\r\\n 0\\r\\n 0\\r\\n 0\\r\\n 0\\r\\nSans Serif\\r\\n 10\\r\\nEurope/Oslo\\r\\nTroms\\370\\r\\n' > $D/ini && mkdir $D/cfg && cp $D/ini $D/cfg/Almucan.INI && $A $M $S --json > $D/j|cmp $D/ini $D/cfg/Almucan.INI && python3 -m json.tool $D/j > /dev/null && grep -q \"\\\"name\\\": \\\"Troms$(printf '\\357\\277\\275')\\\"\" $D/j"
  # --events: 124 lines (4 keys on 31 days) ended by CR LF.  Graphic outputs alone print no
  # text: a PNG of the size asked, a one-page letter PDF, a year of twelve A4 pages in order
  # titled with the year.
  # The usage names the options; the text outputs load no Qt library (the dynamic loader's
  # list of what it loads names libc and no libQt6).
  "any|help|0||$A --help > $D/o|grep -q -- '--events' $D/o"
  "any|text-loads-no-qt|0||for out in --events --tsv \"--ics $D/d.ics\" --summer-time --nights --json\ndo LD_DEBUG=libs $A $M $S $out 2>$D/libs >/dev/null && grep -q 'find library=libc\\.so' $D/libs && ! grep -q libQt6 $D/libs \\|\\| exit 1\ndone|"
  "any|events-crlf|0||$A --month 200102 --events $S > $D/e|test $(wc -l < $D/e) = 124 && test $(grep -c $'\\r$' $D/e) = 124 && test -z \"$(tail -c 1 $D/e \\| tr -d '\\n')\""
  "qt|png-and-pdf|0||$A $M $S --png $D/j.png --size 640x480 --pdf $D/j.pdf --paper letter --landscape > $D/o|test ! -s $D/o && file $D/j.png \\| grep -q 'PNG image data, 640 x 480,' && pdfinfo $D/j.pdf \\| grep -Eq '^Pages: +1$' && pdfinfo $D/j.pdf \\| grep -q '792 x 612' && pdftotext $D/j.pdf - \\| tr -s ' \\n' '  ' \\| grep -q 'Month: 202406 Long.: 16.33 Lat.: 48.25 Time Zone: 1 '"
  "qt|nights-pdf-year|0||$A --year 2024 $S --nights --pdf $D/ny.pdf --landscape > $D/o|test ! -s $D/o && pdfinfo $D/ny.pdf \\| grep -Eq '^Pages: +12$' && pdftotext -f 12 -l 12 $D/ny.pdf - \\| grep -qx 'Tu 31'"
  "qt|pdf-year|0||$A --year 2025 $S --pdf $D/y.pdf > $D/o|test ! -s $D/o && pdfinfo $D/y.pdf \\| grep -Eq '^Pages: +12$' && pdfinfo $D/y.pdf \\| grep -Eq '^Title: +Almucan 2025$' && pdfinfo $D/y.pdf \\| grep -q '595 x 842 pts (A4)' && test \"$(pdftotext $D/y.pdf - \\| tr -s ' \\n' '  ' \\| grep -o 'Month: 2025[0-9]*' \\| tr -d '\\n')\" = \"$(printf 'Month: 2025%02d' $(seq 12))\""
  # The year chart: a one-page PDF (the year's title), a PNG of the default size that decodes
  # (its rows of pixels inflate to the size the header gives); another file ending, or the chart
  # without --year, refused.
  "qt|chart-pdf-png|0||$A --year 2024 $S --chart $D/y.pdf > $D/o && $A --year 2024 $S --chart $D/y.PNG >> $D/o|test ! -s $D/o && pdfinfo $D/y.pdf \\| grep -Eq '^Pages: +1$' && pdfinfo $D/y.pdf \\| grep -Eq '^Title: +Almucan 2024$' && python3 -c 'import struct, sys, zlib\nd = open(sys.argv[1], \"rb\").read()\ni, idat = 8, b\"\"\nwhile i < len(d):\n    n, t = struct.unpack(\">I4s\", d[i:i + 8])\n    if t == b\"IHDR\": w, h, bits, kind = struct.unpack(\">IIBB\", d[i + 8:i + 18])\n    if t == b\"IDAT\": idat += d[i + 8:i + 8 + n]\n    i += 12 + n\nsys.exit((w, h) != (1000, 1400) or len(zlib.decompress(idat)) != h * (1 + w * {0: 1, 2: 3, 6: 4}[kind] * bits // 8))' $D/y.PNG"
  "any|chart-bad-ending|2|--chart: wants a file name ending in .png or .pdf|$A --year 2024 $S --chart $D/y.svg|usage"
  "any|chart-needs-year|2|^almucan: --chart needs --year|$A $M $S --chart $D/y.png|usage"
  # Hostile settings files (a FIFO, /dev/zero, 200 MB of line feeds) are not valid at once, in
  # little memory ($P: peak KiB to $D/peak), and keep their kind; an unreadable one says why.
  "any|settings-fifo|1|^INI-file $D/cfg/Almucan\\.INI not valid\\.\nPlease delete it\\.|mkdir $D/cfg && mkfifo $D/cfg/Almucan.INI && $P $A $M $S|test -p $D/cfg/Almucan.INI && test $(tail -n 1 $D/peak) -lt 100000"
  "any|settings-dev-zero|1|^INI-file $D/cfg/Almucan\\.INI not valid\\.\n|mkdir $D/cfg && ln -s /dev/zero $D/cfg/Almucan.INI && $P $A $M $S|test -L $D/cfg/Almucan.INI && test $(tail -n 1 $D/peak) -lt 100000"
  "any|settings-200mb-wrong-header|1|^INI-file $D/cfg/Almucan\\.INI not valid\\.\n|mkdir $D/cfg && printf 'Almucan V1.0\\r\\n' > $D/cfg/Almucan.INI && head -c 200000000 /dev/zero \\| tr '\\0' '\\n' >> $D/cfg/Almucan.INI && $P $A $M $S|test -f $D/cfg/Almucan.INI && test $(tail -n 1 $D/peak) -lt 100000 && rm $D/cfg/Almucan.INI"
  "any|settings-200mb-after-header|1|^INI-file $D/cfg/Almucan\\.INI not valid\\.\n|mkdir $D/cfg && printf 'Almucan V0.9\\r\\n' > $D/cfg/Almucan.INI && head -c 200000000 /dev/zero \\| tr '\\0' '\\n' >> $D/cfg/Almucan.INI && $P $A $M $S|test -f $D/cfg/Almucan.INI && test $(tail -n 1 $D/peak) -lt 100000 && rm $D/cfg/Almucan.INI"
  "any|settings-unreadable|1|^INI-file $D/cfg/Almucan\\.INI cannot be read: Permission denied|mkdir $D/cfg && printf 'Almucan V0.9\\r\\n' > $D/cfg/Almucan.INI && chmod 000 $D/cfg/Almucan.INI && $U $A $M $S|"
  # A settings folder that is a file, a settings file that is a loop of links: the reason, nothing computed.
  "any|settings-dir-file|1|^INI-file $D/f/Almucan\\.INI cannot be read: Not a directory|touch $D/f && $A $M --settings-dir $D/f > $D/o|test ! -s $D/o"
  "any|settings-link-loop|1|^INI-file $D/cfg/Almucan\\.INI cannot be read: Too many levels of symbolic links|mkdir $D/cfg && ln -s Almucan.INI $D/cfg/Almucan.INI && $A $M $S --ics $D/d.ics > $D/o|test ! -s $D/o && test ! -e $D/d.ics"
)
foreach(row IN LISTS rows)
  string(REPLACE "\\|" "<pipe>" row "${row}")
  string(REPLACE "|" ";" f "${row}")
  string(REPLACE "<pipe>" "|" f "${f}")
  list(POP_FRONT f need name want errre cmd after)
  if((need STREQUAL "qt" AND NOT QT) OR (need STREQUAL "vm" AND NOT (QT AND VM)))
    continue()
  endif()
  # A fresh folder that anyone may enter (the rows run as nobody), its run folder private.
  set(D ${DIR}/${name})
  string(REPLACE "$A" "\"$A\"" cmd "${cmd}")
  execute_process(COMMAND bash -o pipefail -c "rm -rf ${D} && mkdir -p ${D}/run && chmod 777 ${D} && chmod 700 ${D}/run || exit 99
    A=${ALMUCAN} D=${D} S='--settings-dir ${D}/cfg' M='${M}' F=${SHIM} P='/usr/bin/time -f %M -o ${D}/peak timeout 20'
    U=$([ $(id -u) = 0 ] && echo setpriv --reuid=65534 --regid=65534 --clear-groups); export XDG_RUNTIME_DIR=${D}/run; ${cmd}"
                  RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
  string(REPLACE "$D" "${D}" errre "${errre}")
  # No message at all, or the one line wanted (the usage may follow it).
  if(errre STREQUAL "")
    set(errre "^$")
  elseif(NOT after STREQUAL "usage")
    set(errre "^[^\n]*(${errre})[^\n]*\n$")
  endif()
  string(REGEX REPLACE "^usage$" "" after "${after}")
  execute_process(COMMAND bash -c "D=${D}; ${after}" RESULT_VARIABLE arc)
  if(NOT rc STREQUAL want OR NOT err MATCHES "${errre}" OR NOT arc EQUAL 0)
    string(APPEND failed "${name}: exit ${rc} (want ${want}), stderr: ${err}, check after: ${arc}\n")
  endif()
endforeach()
if(failed)
  message(FATAL_ERROR "${failed}")
endif()
