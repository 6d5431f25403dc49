# The header-only libraries (nlohmann-json, CLI11) come from the build machine's /usr/include,
# which a cross build must not search as a whole: only their own folders are linked into the
# build tree and offered from there.
set(QW_HOST_HEADERS ${PROJECT_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${QW_HOST_HEADERS})
foreach(dir nlohmann CLI)
  if(NOT EXISTS /usr/include/${dir})
    message(FATAL_ERROR "/usr/include/${dir} is missing: run scripts/deps")
  endif()
  if(NOT EXISTS ${QW_HOST_HEADERS}/${dir})
    file(CREATE_LINK /usr/include/${dir} ${QW_HOST_HEADERS}/${dir} SYMBOLIC)
  endif()
endforeach()
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
                      INTERFACE_INCLUDE_DIRECTORIES ${QW_HOST_HEADERS})
add_library(CLI11::CLI11 INTERFACE IMPORTED)
set_target_properties(CLI11::CLI11 PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${QW_HOST_HEADERS})
