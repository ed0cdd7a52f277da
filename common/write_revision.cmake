# Writes OUTPUT with the commit the tree was built from; leaves it untouched when unchanged.
execute_process(COMMAND git describe --always --dirty --tags
                WORKING_DIRECTORY ${SOURCE_DIR}
                OUTPUT_VARIABLE revision OUTPUT_STRIP_TRAILING_WHITESPACE
                ERROR_QUIET)
if(NOT revision)
  set(revision "unknown")
endif()
set(content "#pragma once\n\n// Written at build time from git.\nnamespace vok {\ninline constexpr const char* kSourceRevision = \"${revision}\";\n}  // namespace vok\n")
if(EXISTS ${OUTPUT})
  file(READ ${OUTPUT} old)
endif()
if(NOT "${old}" STREQUAL "${content}")
  file(WRITE ${OUTPUT} "${content}")
endif()
