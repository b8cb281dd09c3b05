# Writes a manual page from what a program prints for --help, so the page says what the installed
# program does. Run with cmake -P and these variables:
#   PROGRAM  the built executable       NAME     its installed name
#   SUMMARY  the one-line description   VERSION  the package version
#   SEE_ALSO the related pages, separated by ","   OUTPUT   the page to write
foreach(var PROGRAM NAME SUMMARY VERSION OUTPUT)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "HelpToMan: ${var} is not set")
    endif()
endforeach()

execute_process(COMMAND "${PROGRAM}" --help
    OUTPUT_VARIABLE help ERROR_VARIABLE errors RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR help STREQUAL "")
    message(FATAL_ERROR "HelpToMan: ${PROGRAM} --help failed (${result}): ${errors}")
endif()

# A parser that names the program by the path it was started with names the build folder.
string(REPLACE "${PROGRAM}" "${NAME}" help "${help}")

# Text for roff: a backslash is \e, a minus is \-, and a line may not start with a control
# character ("." or "'"). The help is printed verbatim (no filling), as the program lays it out.
string(REPLACE "\\" "\\e" help "${help}")
string(REPLACE "-" "\\-" help "${help}")
string(REGEX REPLACE "\n+$" "" help "${help}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")

string(REPLACE "-" "\\-" name "${NAME}")
string(TOUPPER "${NAME}" title)
set(page ".TH ${title} 1 \"\" \"${NAME} ${VERSION}\" \"User Commands\"\n")
string(APPEND page ".SH NAME\n${name} \\- ${SUMMARY}\n")
string(APPEND page ".SH SYNOPSIS\n.nf\n${help}\n.fi\n")
if(SEE_ALSO)
    string(REPLACE "," ";" SEE_ALSO "${SEE_ALSO}")
    set(refs "")
    foreach(ref IN LISTS SEE_ALSO)
        string(REPLACE "-" "\\-" ref "${ref}")
        list(APPEND refs ".BR ${ref} (1)")
    endforeach()
    list(JOIN refs ",\n" refs)
    string(APPEND page ".SH SEE ALSO\n${refs}\n")
endif()
file(WRITE "${OUTPUT}" "${page}")
