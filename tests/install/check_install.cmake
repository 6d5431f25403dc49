# cmake -DBUILD=... -DPREFIX=... -DVERSION=... [-DDESKTOP_FILE_VALIDATE=...] [-DAPPSTREAMCLI=...]
#       -P check_install.cmake
# Installs BUILD into PREFIX (emptied first) and checks that the installed programs run and find
# their files there, not in the build folder.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                OUTPUT_QUIET RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cmake --install failed")
endif()

set(share ${PREFIX}/share)
foreach(file bin/quaywright bin/quaywright-cli
             share/quaywright/usa_01FE.ini share/quaywright/usa_02C6.ini
             share/quaywright/can_02C6.ini share/quaywright/eur_01FE.ini
             share/quaywright/logo.svg share/quaywright/help/index.html
             share/quaywright/help/images/main-window.png
             share/applications/org.quaywright.Quaywright.desktop
             share/metainfo/org.quaywright.Quaywright.metainfo.xml
             share/icons/hicolor/scalable/apps/quaywright.svg
             share/man/man1/quaywright-cli.1.gz share/man/man1/quaywright.1.gz
             share/doc/quaywright/copyright share/doc/quaywright/changelog.gz)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# One licence everywhere it is named.
file(READ ${share}/doc/quaywright/copyright copyright)
file(READ ${share}/metainfo/org.quaywright.Quaywright.metainfo.xml metainfo)
if(NOT copyright MATCHES "\nLicense: GPL-3.0-or-later\n"
   OR NOT metainfo MATCHES "<project_license>GPL-3.0-or-later</project_license>")
  message(FATAL_ERROR "the copyright file and the metainfo name another licence")
endif()

# Runs the command in the scratch folder; the output and exit code land in out and rc.
set(work ${PREFIX}/../work)
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work})
macro(run)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${work} RESULT_VARIABLE rc
                  OUTPUT_VARIABLE out ERROR_VARIABLE out TIMEOUT 20)
endmacro()
macro(expect what)
  if(NOT (${ARGN}))
    message(FATAL_ERROR "${what}: exit ${rc}, output:\n${out}")
  endif()
endmacro()

foreach(program quaywright quaywright-cli)
  run(${PREFIX}/bin/${program} --version)
  expect("${program} --version" rc EQUAL 0 AND out STREQUAL "${program} ${VERSION}\n")
endforeach()

file(GLOB_RECURSE before RELATIVE ${PREFIX} ${PREFIX}/*)
run(${PREFIX}/bin/quaywright-cli new --destination usa -o x.dat)
expect("new --destination usa" rc EQUAL 0 AND EXISTS ${work}/x.dat)
# The image really comes from the installed share folder: without it the destination is missing.
file(RENAME ${share}/quaywright/usa_02C6.ini ${work}/usa_02C6.ini)
run(${PREFIX}/bin/quaywright-cli new --destination usa -o y.dat)
file(RENAME ${work}/usa_02C6.ini ${share}/quaywright/usa_02C6.ini)
expect("new without the installed image fails" rc EQUAL 1 AND out MATCHES "IniFileRead Error!!")
file(GLOB_RECURSE after RELATIVE ${PREFIX} ${PREFIX}/*)
if(NOT before STREQUAL after)
  message(FATAL_ERROR "the programs wrote into the installed tree")
endif()

if(DESKTOP_FILE_VALIDATE)
  run(${DESKTOP_FILE_VALIDATE} ${share}/applications/org.quaywright.Quaywright.desktop)
  expect("desktop-file-validate" rc EQUAL 0 AND NOT out)
else()
  message(FATAL_ERROR "desktop-file-validate is missing (scripts/deps installs it)")
endif()
if(APPSTREAMCLI)
  run(${APPSTREAMCLI} validate --no-net ${share}/metainfo/org.quaywright.Quaywright.metainfo.xml)
  expect("appstreamcli validate" rc EQUAL 0)
endif()
file(REMOVE_RECURSE ${work} ${PREFIX})
