# Where things are installed, and the facts the programs report about their build (version, the
# share folder's place relative to the executables), as the generated header build_info.h.
include(GNUInstallDirs)

set(QW_INSTALL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/quaywright)
set(QW_INSTALL_FULL_DATA_DIR ${CMAKE_INSTALL_FULL_DATADIR}/quaywright)
file(RELATIVE_PATH QW_DATA_FROM_BIN /${CMAKE_INSTALL_BINDIR} /${QW_INSTALL_DATA_DIR})

configure_file(${CMAKE_CURRENT_LIST_DIR}/build_info.h.in
               ${PROJECT_BINARY_DIR}/generated/build_info.h @ONLY)
include_directories(${PROJECT_BINARY_DIR}/generated)
