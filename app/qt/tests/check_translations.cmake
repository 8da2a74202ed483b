# Fails when a translatable text of the window has no finished Russian translation: lupdate reads the
# window's sources into a copy of the checked-in tallyhawk_ru.ts, which marks every new or changed text
# "unfinished", and every such entry is named.
#   cmake -DLUPDATE=... -DSOURCE_DIR=app/qt -DINCLUDE_DIR=. -DTS_FILE=.../tallyhawk_ru.ts -DWORK_DIR=... -P check_translations.cmake
file(GLOB sources ${SOURCE_DIR}/*.cpp)
file(MAKE_DIRECTORY ${WORK_DIR})
set(copy ${WORK_DIR}/tallyhawk_ru.ts)
configure_file(${TS_FILE} ${copy} COPYONLY)
execute_process(COMMAND ${LUPDATE} -silent -no-obsolete -locations none -I ${INCLUDE_DIR} ${sources} -ts ${copy}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed: ${output}")
endif()

file(READ ${copy} ts)
string(REGEX MATCHALL "<message[^>]*>([^<]|<[^/]|</[^m])*</message>" messages "${ts}")
set(unfinished "")
foreach(message IN LISTS messages)
  if(message MATCHES "<translation type=\"unfinished\"" OR message MATCHES "<translation></translation>")
    string(REGEX MATCH "<source>([^<]*)</source>" source "${message}")
    string(APPEND unfinished "\n  ${CMAKE_MATCH_1}")
  endif()
endforeach()
list(LENGTH messages count)
if(count EQUAL 0)
  message(FATAL_ERROR "no translatable text found in ${SOURCE_DIR}")
endif()
if(NOT unfinished STREQUAL "")
  message(FATAL_ERROR "texts without a finished Russian translation in ${TS_FILE} "
                      "(cmake --build BUILD --target update_translations, then translate):${unfinished}")
endif()
message(STATUS "${count} texts, each with its Russian translation")
