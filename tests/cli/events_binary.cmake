# Runs the program for one month and checks its bytes: --events gives 124
# lines (31 each of mr, ms, db and de in the program's output for February
# 2001 at the default place), each ended by CR LF and by nothing else.
# (The --tsv tables are read by check_ics.py.)
# Called with -DALMUCAN=<program> -DDIR=<settings folder>.
# The output goes through a file read as hex: text would lose the CRs.
execute_process(COMMAND ${ALMUCAN} --month 200102 --events --settings-dir ${DIR}
                OUTPUT_FILE ${DIR}-events.txt RESULT_VARIABLE rc)
file(READ ${DIR}-events.txt hex HEX)
string(REGEX REPLACE "(..)" "\\1 " out "${hex}")
string(REGEX MATCHALL "0d 0a " crlf "${out}")
string(REGEX MATCHALL "0a " lf "${out}")
list(LENGTH crlf n)
list(LENGTH lf nlf)
if(NOT rc EQUAL 0 OR NOT n EQUAL 124 OR NOT nlf EQUAL 124 OR NOT out MATCHES "0d 0a $")
  message(FATAL_ERROR "--events: exit ${rc}, ${n} CR LF and ${nlf} LF (want 124 of each, CR LF last)")
endif()
