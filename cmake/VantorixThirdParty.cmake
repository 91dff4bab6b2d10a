# Libraries Vantorix uses from the system: nothing is downloaded or vendored.
#
# nlohmann::json is header-only. Natively its package config is used as is.
# A MinGW build cannot use that config: it points at /usr/include, and putting
# the host's /usr/include on a Windows compiler's search path would let
# glibc's headers shadow the MinGW ones. So the cross build gets an include
# folder of its own in the build tree holding only a link to the json headers.

if(CMAKE_CROSSCOMPILING AND MINGW)
    find_path(VANTORIX_NLOHMANN_JSON_ROOT
        NAMES nlohmann/json.hpp
        PATHS /usr/include /usr/local/include
        NO_DEFAULT_PATH
        NO_CMAKE_FIND_ROOT_PATH
        DOC "Folder holding the host's nlohmann/json.hpp (package nlohmann-json3-dev)")
    if(NOT VANTORIX_NLOHMANN_JSON_ROOT)
        message(FATAL_ERROR "nlohmann/json.hpp not found: install nlohmann-json3-dev (scripts/setup.sh does)")
    endif()

    set(_vrx_json_include "${CMAKE_BINARY_DIR}/third_party/include")
    file(MAKE_DIRECTORY "${_vrx_json_include}")
    if(NOT EXISTS "${_vrx_json_include}/nlohmann/json.hpp")
        file(REMOVE "${_vrx_json_include}/nlohmann")
        file(CREATE_LINK "${VANTORIX_NLOHMANN_JSON_ROOT}/nlohmann" "${_vrx_json_include}/nlohmann" SYMBOLIC)
    endif()

    add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED GLOBAL)
    set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
        INTERFACE_INCLUDE_DIRECTORIES "${_vrx_json_include}"
        INTERFACE_SYSTEM_INCLUDE_DIRECTORIES "${_vrx_json_include}")
else()
    find_package(nlohmann_json 3.10 REQUIRED)
endif()
