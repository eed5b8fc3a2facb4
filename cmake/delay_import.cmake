# tessel_delay_import_libs(OUT dll...): for each system DLL named, an import
# library whose calls load the DLL on the first of them (a delay-import
# library of dlltool), made at configure time from the toolchain's own
# import library of it. OUT receives the libraries' paths.
function(tessel_delay_import_libs out)
  set(libs)
  foreach(dll IN LISTS ARGN)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=lib${dll}.a
                    OUTPUT_VARIABLE implib OUTPUT_STRIP_TRAILING_WHITESPACE)
    execute_process(COMMAND ${CMAKE_NM} -g ${implib} OUTPUT_VARIABLE symbols
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "${CMAKE_NM} could not read ${implib}")
    endif()
    # The calls are the code symbols ("T"); a 32-bit name loses its leading
    # underscore and keeps its @n, which --kill-at drops from the name
    # imported.
    string(REGEX MATCHALL "[0-9a-fA-F]+ T [^\n]+" calls "${symbols}")
    set(def "LIBRARY ${dll}.dll\nEXPORTS\n")
    foreach(line IN LISTS calls)
      string(REGEX REPLACE "^[0-9a-fA-F]+ T " "" name "${line}")
      if(CMAKE_SIZEOF_VOID_P EQUAL 4)
        string(REGEX REPLACE "^_" "" name "${name}")
      endif()
      string(APPEND def "${name}\n")
    endforeach()
    set(base ${CMAKE_CURRENT_BINARY_DIR}/${dll}_delay)
    file(WRITE ${base}.def "${def}")
    execute_process(COMMAND ${CMAKE_DLLTOOL} --input-def ${base}.def --dllname ${dll}.dll
                            --kill-at --output-delaylib ${CMAKE_CURRENT_BINARY_DIR}/lib${dll}_delay.a
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "${CMAKE_DLLTOOL} could not make the delay-import library of ${dll}")
    endif()
    list(APPEND libs ${CMAKE_CURRENT_BINARY_DIR}/lib${dll}_delay.a)
  endforeach()
  set(${out} ${libs} PARENT_SCOPE)
endfunction()
