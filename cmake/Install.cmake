# Install rules and the Debian package. Installed, the programs live in bin/ and read their files
# (destination images, help pages, logo) from share/quaywright; the desktop entry, icon, AppStream
# metainfo, manual pages, copyright and changelog go where the desktop and the packaging tools
# look for them.
set(qw_packaging ${PROJECT_SOURCE_DIR}/packaging)
set(qw_app_id org.quaywright.Quaywright)

install(TARGETS quaywright quaywright-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/assets/logo.svg DESTINATION ${QW_INSTALL_DATA_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/assets/help/ DESTINATION ${QW_INSTALL_DATA_DIR}/help)
# (The destination images are installed where they are made, in assets/.)

install(FILES ${qw_packaging}/${qw_app_id}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${qw_packaging}/${qw_app_id}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${qw_packaging}/quaywright.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Manual pages and the changelog, compressed at build time as Debian wants them.
set(qw_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/quaywright)
set(qw_compressed "")
function(qw_compress source output)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DIN=${source} -DOUT=${output} -P ${PROJECT_SOURCE_DIR}/cmake/gzip.cmake
    DEPENDS ${source} ${PROJECT_SOURCE_DIR}/cmake/gzip.cmake
    COMMENT "Compressing ${output}"
    VERBATIM)
  set(qw_compressed ${qw_compressed} ${output} PARENT_SCOPE)
endfunction()

set(qw_made ${PROJECT_BINARY_DIR}/packaging)
foreach(page quaywright quaywright-cli)
  configure_file(${qw_packaging}/${page}.1 ${qw_made}/${page}.1 @ONLY)
  qw_compress(${qw_made}/${page}.1 ${qw_made}/${page}.1.gz)
  install(FILES ${qw_made}/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
qw_compress(${qw_packaging}/changelog ${qw_made}/changelog.gz)
add_custom_target(packaging_files ALL DEPENDS ${qw_compressed})
install(FILES ${qw_made}/changelog.gz ${qw_packaging}/copyright DESTINATION ${qw_doc_dir})

# ---- The .deb (scripts/package) -----------------------------------------------------------------
set(CPACK_GENERATOR DEB)
# Texts reach the package exactly as written here (quotes, $USER).
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_PACKAGE_NAME quaywright)
set(CPACK_PACKAGE_VENDOR "Quaywright maintainers")
# Whoever builds the package names themselves here (-DQW_PACKAGE_MAINTAINER="Name <mail>").
set(QW_PACKAGE_MAINTAINER "Quaywright maintainers <maintainers@quaywright.example>"
    CACHE STRING "The maintainer the .deb names")
set(CPACK_PACKAGE_CONTACT "${QW_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programmer for MV510 and MV710 handheld marine VHF radios")
set(CPACK_PACKAGE_DESCRIPTION
    "Quaywright reads the memory of an MV510 or MV710 series handheld marine
VHF radio over the ZOK cable, edits its channels, names, tones and settings
in one window, keeps them in files, prints them and programs them back.
quaywright-cli does the same from the command line and can simulate a radio.

Serial ports belong to the dialout group: if opening the port says
\"permission denied\", run \"sudo usermod -aG dialout $USER\" and log in again.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps; Qt's platform plugins are loaded at run time, so no
# library names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
