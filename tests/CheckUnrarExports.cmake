cmake_minimum_required(VERSION 3.25)
# Fails unless unrar.dll exports the five entry points the RAR reader resolves.
# Run as: cmake -DOBJDUMP=... -DDLL=... -P CheckUnrarExports.cmake
execute_process(COMMAND ${OBJDUMP} -p ${DLL} OUTPUT_VARIABLE headers RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "objdump could not read ${DLL}")
endif()
foreach(name RAROpenArchiveEx RARCloseArchive RARReadHeaderEx RARProcessFileW RARSetCallback)
  if(NOT headers MATCHES "\\] ${name}\n")
    message(FATAL_ERROR "unrar.dll does not export ${name}")
  endif()
endforeach()
