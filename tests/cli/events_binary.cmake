# Runs the program for one month and checks its bytes: --events gives 124
# lines each ended by CR LF.  (The --tsv tables are read by check_ics.py.)
# Called with -DALMUCAN=<program> -DDIR=<settings folder>.
# The output goes through a file: an output variable would lose the CRs.
execute_process(COMMAND ${ALMUCAN} --month 200102 --events --settings-dir ${DIR}
                OUTPUT_FILE ${DIR}-events.txt RESULT_VARIABLE rc)
file(READ ${DIR}-events.txt hex HEX)
string(REGEX REPLACE "(..)" "\\1 " out "${hex}")
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "--events exited with ${rc}")
endif()
string(REGEX MATCHALL "0d 0a " crlf "${out}")
list(LENGTH crlf n)
if(NOT n EQUAL 124)
  message(FATAL_ERROR "--events gave ${n} CR LF line ends, want 124")
endif()
string(REGEX MATCHALL "0a " lf "${out}")
list(LENGTH lf nlf)
if(NOT nlf EQUAL 124)
  message(FATAL_ERROR "--events has a line feed without carriage return")
endif()
string(REGEX MATCH "0d 0a $" last "${out}")
if(NOT last)
  message(FATAL_ERROR "--events does not end with CR LF")
endif()

