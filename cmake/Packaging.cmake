# Installation, desktop integration and the Debian package. The version everywhere (both
# programs' --version, the About box, the metainfo, the man pages, the package) is PROJECT_VERSION.
include(GNUInstallDirs)

set(KALVIO_APP_ID org.orvelle.Kalvio)
# The day PROJECT_VERSION was released; the metainfo and the man pages show it.
set(KALVIO_RELEASE_DATE 2026-12-11)
set(KALVIO_PACKAGE_MAINTAINER "Kalvio developers <kalvio@orvelle.invalid>"
    CACHE STRING "Maintainer field of the Debian package")

set(packaging_dir ${PROJECT_SOURCE_DIR}/packaging)
set(packaging_out ${PROJECT_BINARY_DIR}/packaging)
set(icon_sizes 16 32 48 64 128 256)

# The window icon travels inside the program as bitmaps, so no SVG plugin is needed to show it.
set(window_icons)
foreach(size IN LISTS icon_sizes)
  list(APPEND window_icons ${packaging_dir}/icons/png/${KALVIO_APP_ID}-${size}.png)
endforeach()
qt_add_resources(kalvio_ui kalvio_icons PREFIX /icons BASE ${packaging_dir}/icons/png
                 FILES ${window_icons})
target_compile_definitions(kalvio_ui PRIVATE KALVIO_APP_ID="${KALVIO_APP_ID}")

configure_file(${packaging_dir}/${KALVIO_APP_ID}.metainfo.xml.in
               ${packaging_out}/${KALVIO_APP_ID}.metainfo.xml @ONLY)

# Man pages are shipped compressed, without a time stamp, as Debian expects.
set(man_pages)
foreach(page kalvio kalvio-cli)
  configure_file(${packaging_dir}/${page}.1.in ${packaging_out}/${page}.1 @ONLY)
  add_custom_command(OUTPUT ${packaging_out}/${page}.1.gz
                     COMMAND gzip -9 -n -c ${packaging_out}/${page}.1 > ${packaging_out}/${page}.1.gz
                     DEPENDS ${packaging_out}/${page}.1 VERBATIM)
  list(APPEND man_pages ${packaging_out}/${page}.1.gz)
endforeach()
add_custom_target(kalvio_man_pages ALL DEPENDS ${man_pages})

install(TARGETS kalvio kalvio-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${packaging_dir}/${KALVIO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging_out}/${KALVIO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging_dir}/icons/${KALVIO_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size IN LISTS icon_sizes)
  install(FILES ${packaging_dir}/icons/png/${KALVIO_APP_ID}-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${KALVIO_APP_ID}.png)
endforeach()
install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kalvio)
set(CPACK_PACKAGE_VENDOR Orvelle)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "scientific calculator with a Japanese interface")
set(CPACK_PACKAGE_CONTACT ${KALVIO_PACKAGE_MAINTAINER})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# CPack puts the summary line in front of this.
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
       "Kalvio is a desktop calculator: type a whole expression and see its value while\n"
       "you type. It computes in binary floating point or in exact 64-digit decimal\n"
       "arithmetic and keeps registers, named variables, a history and saved expressions.\n"
       "The package also contains kalvio-cli, the same calculator for the terminal.")
# The shared libraries come from dpkg-shlibdeps. Qt loads its platform plugin at run time, so
# dpkg-shlibdeps cannot see it; the Japanese interface needs a font with Japanese glyphs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-noto-cjk | fonts-ipaexfont-gothic")
include(CPack)

if(KALVIO_BUILD_TESTS)
  include(${CMAKE_CURRENT_LIST_DIR}/PackagingTests.cmake)
endif()
