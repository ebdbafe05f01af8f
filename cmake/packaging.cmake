# Installing the program and making its Debian package (scripts/package.sh).
# The version is the project's, as --version, the run record and the
# methods paragraph say it.
include(GNUInstallDirs)

set(TARNWICK_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
# Installing (and so packaging) takes the programs as they are built; it
# must not build every test first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

foreach(program tarnwick tarnwick-batch tarnwick-import)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()
install(DIRECTORY ${CMAKE_SOURCE_DIR}/examples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tarnwick/examples)
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

if(TARGET tarnwick)
  install(FILES ${TARNWICK_PACKAGING_DIR}/tarnwick.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${TARNWICK_PACKAGING_DIR}/tarnwick.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${TARNWICK_PACKAGING_DIR}/tarnwick.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
  configure_file(${TARNWICK_PACKAGING_DIR}/org.tarnwick.tarnwick.metainfo.xml.in
                 ${CMAKE_BINARY_DIR}/packaging/org.tarnwick.tarnwick.metainfo.xml @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/packaging/org.tarnwick.tarnwick.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

# Manual pages from each program's --help and --version, with the sections
# --help does not give (name, files, see also) from packaging/man. Made by
# the man_pages target, which the package script builds.
find_program(TARNWICK_HELP2MAN help2man)
find_program(TARNWICK_GZIP gzip)
if(TARNWICK_HELP2MAN AND TARNWICK_GZIP)
  set(pages "")
  foreach(program tarnwick tarnwick-batch tarnwick-import)
    if(NOT TARGET ${program})
      continue()
    endif()
    set(page ${CMAKE_BINARY_DIR}/man/${program}.1)
    add_custom_command(
      OUTPUT ${page}.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
      COMMAND ${TARNWICK_HELP2MAN} --no-info --no-discard-stderr --section=1
              --include=${TARNWICK_PACKAGING_DIR}/man/${program}.h2m
              --output=${page} $<TARGET_FILE:${program}>
      COMMAND ${TARNWICK_GZIP} -9nf ${page}
      DEPENDS ${program} ${TARNWICK_PACKAGING_DIR}/man/${program}.h2m
      VERBATIM)
    list(APPEND pages ${page}.gz)
    install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 OPTIONAL)
  endforeach()
  add_custom_target(man_pages DEPENDS ${pages})
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarnwick)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "TARNWICK")
set(CPACK_PACKAGE_CONTACT "TARNWICK maintainers <maintainers@tarnwick.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "classification of sampling stations with a test of every linkage")
set(CPACK_PACKAGE_DESCRIPTION
    "TARNWICK reads a table of species abundances from sampling stations,
averages replicate stations, pretreats the data, computes one of eight
resemblance measures, clusters the stations with one of seven linkage
methods, draws the dendrogram and tests every linkage by bootstrap or by a
similarity profile test; significant linkages cut the tree into lettered
clusters. Includes tarnwick-batch (the same analysis from scripts) and
tarnwick-import (spreadsheet and R tables into data files).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# Library dependencies and their version bounds come from dpkg-shlibdeps;
# the window system plugins are loaded at run time, so no library names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
include(CPack)
