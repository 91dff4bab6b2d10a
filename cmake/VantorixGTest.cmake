# Provides GTest::gtest, GTest::gtest_main, GTest::gmock for vantorix_tests.
#
# Natively the prebuilt libraries of libgtest-dev are used. A Windows build
# cannot link those, so GoogleTest is compiled from source into the build
# tree: on Linux from Debian's /usr/src/googletest (package googletest), on
# Windows from any GoogleTest source folder given as VANTORIX_GTEST_SOURCE_DIR
# (or, without one, from an installed GoogleTest package, e.g. vcpkg's).

if(WIN32 AND CMAKE_HOST_UNIX)
    set(_vrx_gtest_default_source "/usr/src/googletest")
else()
    set(_vrx_gtest_default_source "")
endif()
set(VANTORIX_GTEST_SOURCE_DIR "${_vrx_gtest_default_source}" CACHE PATH
    "GoogleTest source tree to build with the tests (empty: use an installed GTest package)")

if(VANTORIX_GTEST_SOURCE_DIR)
    if(NOT EXISTS "${VANTORIX_GTEST_SOURCE_DIR}/googletest/CMakeLists.txt")
        message(FATAL_ERROR
            "No GoogleTest sources in ${VANTORIX_GTEST_SOURCE_DIR}: install the Debian package "
            "'googletest' (scripts/setup.sh does) or point VANTORIX_GTEST_SOURCE_DIR elsewhere")
    endif()

    # A static GoogleTest with the static C runtime, like the rest of the build.
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_SHARED_LIBS OFF)

    add_subdirectory("${VANTORIX_GTEST_SOURCE_DIR}" "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL SYSTEM)
else()
    find_package(GTest REQUIRED)
endif()

foreach(_vrx_gtest_target IN ITEMS GTest::gtest GTest::gtest_main GTest::gmock)
    if(NOT TARGET ${_vrx_gtest_target})
        message(FATAL_ERROR "GoogleTest does not provide ${_vrx_gtest_target}")
    endif()
endforeach()
