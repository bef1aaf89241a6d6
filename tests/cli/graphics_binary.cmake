# Runs almucan --png and --pdf without a display and checks the files:
# a PNG of the requested size and a one-page PDF whose text holds the
# month line.
file(REMOVE_RECURSE ${DIR})
file(MAKE_DIRECTORY ${DIR})
set(ENV{DISPLAY} "")
set(ENV{WAYLAND_DISPLAY} "")

# Runs the program with the given arguments: exit 0 and nothing on
# standard output (graphic outputs alone print no text).
function(run_graphic)
  execute_process(COMMAND ${ALMUCAN} --settings-dir ${DIR} ${ARGN}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
    message(FATAL_ERROR "${ARGN}: exit ${rc}, output '${out}': ${err}")
  endif()
endfunction()

# pdfinfo of a file must match a page count and a paper size.
function(expect_pages file pages size)
  execute_process(COMMAND pdfinfo ${file} OUTPUT_VARIABLE info)
  if(NOT info MATCHES "Pages: +${pages}\n" OR NOT info MATCHES "${size}")
    message(FATAL_ERROR "expected ${pages} page(s) of ${size} in ${file}: ${info}")
  endif()
endfunction()

run_graphic(--month 202406 --png ${DIR}/june.png --size 640x480 --pdf ${DIR}/june.pdf
            --paper letter --landscape)
file(READ ${DIR}/june.png head LIMIT 24 HEX)
# PNG signature, IHDR, width 640 (0x280) and height 480 (0x1e0).
if(NOT head STREQUAL "89504e470d0a1a0a0000000d4948445200000280000001e0")
  message(FATAL_ERROR "not a 640x480 PNG: ${head}")
endif()
execute_process(COMMAND pdftotext ${DIR}/june.pdf - OUTPUT_VARIABLE text RESULT_VARIABLE prc)
if(NOT prc EQUAL 0)
  message(FATAL_ERROR "pdftotext failed")
endif()
string(REGEX REPLACE "[ \n]+" " " text "${text}")
if(NOT text MATCHES "Month: 202406 Long.: 16.33 Lat.: 48.25 Time Zone: 1")
  message(FATAL_ERROR "month line missing: ${text}")
endif()
expect_pages(${DIR}/june.pdf 1 "792 x 612")

# A year: twelve A4 pages in one PDF, the months in order, nothing on
# standard output.
run_graphic(--year 2025 --pdf ${DIR}/year.pdf)
expect_pages(${DIR}/year.pdf 12 "595 x 842 pts \\(A4\\)")
execute_process(COMMAND pdftotext ${DIR}/year.pdf - OUTPUT_VARIABLE text)
string(REGEX MATCHALL "Month: 2025[0-9][0-9]" found "${text}")
set(want "")
foreach(m 01 02 03 04 05 06 07 08 09 10 11 12)
  list(APPEND want "Month: 2025${m}")
endforeach()
if(NOT found STREQUAL want)
  message(FATAL_ERROR "month lines of the year PDF: ${found}")
endif()
