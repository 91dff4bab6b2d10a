# Which source files belong to which build, decided by file name so that
# adding a file never needs an edit to a CMakeLists.txt:
#   *_win.cpp    only in Windows builds (they may use the Win32 API)
#   *_posix.cpp  only in the other builds (stand-ins for the Windows parts)
#   everything else in every build
# Tests follow the same rule: *_win_test.cpp, *_posix_test.cpp.

# vantorix_glob(<out-var> <pattern>...): the matching files below the given
# patterns (GLOB_RECURSE, re-checked at every build), minus the other
# platform's files.
function(vantorix_glob out_var)
    file(GLOB_RECURSE _files CONFIGURE_DEPENDS ${ARGN})
    if(WIN32)
        list(FILTER _files EXCLUDE REGEX "_posix(_test)?\\.cpp$")
    else()
        list(FILTER _files EXCLUDE REGEX "_win(_test)?\\.cpp$")
    endif()
    list(SORT _files)
    set(${out_var} ${_files} PARENT_SCOPE)
endfunction()

# System libraries the Windows parts call into; append as new APIs are used.
set(VANTORIX_WIN32_LIBRARIES user32 gdi32 shell32 advapi32 comctl32 winmm taskschd ole32 oleaut32 dinput8 dxguid)

# vantorix_add_core_library(<name>): a static library of all of src/ except
# the program's entry (src/Vantorix/). The fuzzers build a second one with
# their own instrumentation.
function(vantorix_add_core_library name)
    vantorix_glob(_sources "${PROJECT_SOURCE_DIR}/src/*.cpp")
    list(FILTER _sources EXCLUDE REGEX "/src/Vantorix/")
    if(NOT _sources)
        message(FATAL_ERROR "No sources found under ${PROJECT_SOURCE_DIR}/src")
    endif()
    add_library(${name} STATIC ${_sources})
    target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}/src")
    target_link_libraries(${name} PUBLIC vantorix::options nlohmann_json::nlohmann_json)
    if(WIN32)
        target_link_libraries(${name} PUBLIC ${VANTORIX_WIN32_LIBRARIES})
    endif()
endfunction()
