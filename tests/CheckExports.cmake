cmake_minimum_required(VERSION 3.25)
# Fails unless DLL exports every name of REQUIRED and none that matches
# FORBIDDEN (a regular expression; none when empty): the shipped pdfium.dll
# exports PDFium's interface and no test hook, unrar.dll the entry points
# the RAR reader resolves.
# Run as: cmake -DOBJDUMP=... -DDLL=... -DREQUIRED=a,b -DFORBIDDEN=regex -P CheckExports.cmake
execute_process(COMMAND ${OBJDUMP} -p ${DLL} OUTPUT_VARIABLE headers RESULT_VARIABLE result)
string(FIND "${headers}" "[Ordinal/Name Pointer] Table" table)
if(NOT result EQUAL 0 OR table EQUAL -1)
  message(FATAL_ERROR "${DLL} has no export table objdump can read")
endif()
string(SUBSTRING "${headers}" ${table} -1 exports)
string(REPLACE "," ";" REQUIRED "${REQUIRED}")
foreach(name ${REQUIRED})
  if(NOT exports MATCHES "\\] ${name}\n")
    message(FATAL_ERROR "${DLL} does not export ${name}")
  endif()
endforeach()
if(FORBIDDEN AND exports MATCHES "\\] (${FORBIDDEN})\n")
  message(FATAL_ERROR "${DLL} exports ${CMAKE_MATCH_1}")
endif()
