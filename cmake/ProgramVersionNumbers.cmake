# Writes the header with the program's four version numbers. Run at every build, so the
# build number follows the checkout; the file is rewritten only when a number changes.
# In: MAJOR, MINOR, RELEASE (the project version), BUILD (empty: count the commits),
# SOURCE_DIR, OUTPUT.
if(BUILD STREQUAL "")
  set(BUILD 0)
  find_package(Git QUIET)
  if(GIT_FOUND)
    execute_process(COMMAND "${GIT_EXECUTABLE}" rev-list --count HEAD
        WORKING_DIRECTORY "${SOURCE_DIR}" OUTPUT_VARIABLE count RESULT_VARIABLE failed
        OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(NOT failed AND count MATCHES "^[0-9]+$")
      set(BUILD ${count})
    endif()
  endif()
endif()
# Each number is a 16-bit part of the file version.
foreach(part MAJOR MINOR RELEASE BUILD)
  if(NOT "${${part}}" MATCHES "^[0-9]+$" OR ${${part}} GREATER 65535)
    message(FATAL_ERROR "Version number ${part} '${${part}}' is not a number from 0 to 65535")
  endif()
endforeach()
set(text "// Generated at build time; do not edit.
#define PELLMORA_VERSION_MAJOR ${MAJOR}u
#define PELLMORA_VERSION_MINOR ${MINOR}u
#define PELLMORA_VERSION_RELEASE ${RELEASE}u
#define PELLMORA_VERSION_BUILD ${BUILD}u
")
if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" old)
endif()
if(NOT old STREQUAL text)
  file(WRITE "${OUTPUT}" "${text}")
endif()
