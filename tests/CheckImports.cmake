cmake_minimum_required(VERSION 3.25)
# Reads the PE headers of Folivex.exe and fails unless the program
# - imports only kernel32, user32, gdi32, advapi32 and the PDF engine, and
#   no C runtime entry (it has no C runtime start-up),
# - is a GUI program with an 8 MiB stack reserve for the engine's recursion.
# Run as: cmake -DOBJDUMP=... -DEXE=... -P CheckImports.cmake
execute_process(COMMAND ${OBJDUMP} -p ${EXE} OUTPUT_VARIABLE headers RESULT_VARIABLE result)
string(REGEX MATCHALL "DLL Name: [^ \t\r\n]+" imports "${headers}")
string(REPLACE "DLL Name: " "" imports "${imports}")
string(TOLOWER "${imports}" imports)
set(others ${imports})
set(missing kernel32.dll user32.dll gdi32.dll)
list(REMOVE_ITEM others kernel32.dll user32.dll gdi32.dll advapi32.dll pdfium.dll)
list(REMOVE_ITEM missing ${imports})
if(NOT result EQUAL 0 OR others OR missing)
  message(FATAL_ERROR "Folivex.exe imports ${imports}")
endif()
if(headers MATCHES "__getmainargs|__set_app_type|_initterm|__C_specific_handler")
  message(FATAL_ERROR "Folivex.exe refers to the C runtime (${CMAKE_MATCH_0})")
endif()
if(NOT headers MATCHES "SizeOfStackReserve[ \t]+0000000000800000" OR NOT headers MATCHES "Subsystem[ \t]+00000002")
  message(FATAL_ERROR "Folivex.exe is not a GUI program with a stack reserve of 0x800000")
endif()
