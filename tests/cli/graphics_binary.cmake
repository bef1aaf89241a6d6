# Runs almucan --png and --pdf and checks the files: a PNG of the requested
# size, a one-page letter PDF whose text holds the month line, and a year of
# twelve A4 pages in month order.  Graphic outputs alone print no text.
file(REMOVE_RECURSE ${DIR})
foreach(run "--month;202406;--png;${DIR}/june.png;--size;640x480;--pdf;${DIR}/june.pdf;--paper;letter;--landscape"
            "--year;2025;--pdf;${DIR}/year.pdf")
  execute_process(COMMAND ${ALMUCAN} --settings-dir ${DIR} ${run}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
    message(FATAL_ERROR "${run}: exit ${rc}, output '${out}': ${err}")
  endif()
endforeach()
# PNG signature, IHDR, width 640 (0x280) and height 480 (0x1e0).
file(READ ${DIR}/june.png head LIMIT 24 HEX)
if(NOT head STREQUAL "89504e470d0a1a0a0000000d4948445200000280000001e0")
  message(FATAL_ERROR "not a 640x480 PNG: ${head}")
endif()
# Page counts and sizes from pdfinfo, the text from pdftotext (poppler).
foreach(pdf "june|1|792 x 612|Month: 202406 Long.: 16.33 Lat.: 48.25 Time Zone: 1 "
            "year|12|595 x 842 pts \\(A4\\)|Month: 202501 .*Month: 202502 .*Month: 202503 .*Month: 202504 .*Month: 202505 .*Month: 202506 .*Month: 202507 .*Month: 202508 .*Month: 202509 .*Month: 202510 .*Month: 202511 .*Month: 202512 ")
  string(REPLACE "|" ";" f "${pdf}")
  list(POP_FRONT f name pages size words)
  execute_process(COMMAND pdfinfo ${DIR}/${name}.pdf OUTPUT_VARIABLE info)
  execute_process(COMMAND pdftotext ${DIR}/${name}.pdf - OUTPUT_VARIABLE text)
  string(REGEX REPLACE "[ \n]+" " " text "${text}")
  if(NOT info MATCHES "Pages: +${pages}\n" OR NOT info MATCHES "${size}" OR NOT text MATCHES "${words}")
    message(FATAL_ERROR "${name}.pdf: want ${pages} page(s) of ${size} with ${words}: ${info}${text}")
  endif()
endforeach()
