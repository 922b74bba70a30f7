# Checks of the desktop files and the installed tree; ctest -R Packaging runs them.

# A missing validator fails its test with the way to get it, rather than passing silently.
function(kalvio_tool_test name program)
  find_program(${program}_PATH ${program})
  if(${program}_PATH)
    add_test(NAME ${name} COMMAND ${${program}_PATH} ${ARGN})
  else()
    add_test(NAME ${name} COMMAND sh -c "echo '${program} is missing: run scripts/install-deps.sh' >&2; exit 1")
  endif()
endfunction()

kalvio_tool_test(Packaging.DesktopEntryValid desktop-file-validate
                 ${packaging_dir}/${KALVIO_APP_ID}.desktop)
kalvio_tool_test(Packaging.MetainfoValid appstreamcli validate --no-net
                 ${packaging_out}/${KALVIO_APP_ID}.metainfo.xml)
# Hints and infos count too: they are what desktops act on (a missing main category hides us).
set_tests_properties(Packaging.DesktopEntryValid PROPERTIES FAIL_REGULAR_EXPRESSION ".")
set_tests_properties(Packaging.MetainfoValid PROPERTIES FAIL_REGULAR_EXPRESSION "(^|\n)[EWI]:")
foreach(page kalvio kalvio-cli)
  kalvio_tool_test(Packaging.ManPage.${page} groff -man -Tutf8 -ww -z ${packaging_out}/${page}.1)
  set_tests_properties(Packaging.ManPage.${page} PROPERTIES FAIL_REGULAR_EXPRESSION "warning|error"
                       ENVIRONMENT "LC_ALL=C.UTF-8")
endforeach()

add_test(NAME Packaging.InstalledTree
         COMMAND sh ${PROJECT_SOURCE_DIR}/tests/packaging/installed_tree_test.sh ${PROJECT_BINARY_DIR}
                 ${KALVIO_APP_ID} ${PROJECT_VERSION})

# Both programs answer --help and --version without a display, e.g. over ssh.
set(no_display_environment "DISPLAY=;WAYLAND_DISPLAY=;QT_QPA_PLATFORM=xcb")
foreach(program kalvio kalvio-cli)
  add_test(NAME Packaging.Version.${program} COMMAND ${program} --version)
  set_tests_properties(Packaging.Version.${program} PROPERTIES
                       PASS_REGULAR_EXPRESSION "^(Kalvio|kalvio-cli) ${PROJECT_VERSION}\n$"
                       ENVIRONMENT "${no_display_environment}")
  add_test(NAME Packaging.Help.${program} COMMAND ${program} --help)
  set_tests_properties(Packaging.Help.${program} PROPERTIES
                       PASS_REGULAR_EXPRESSION "--settings" ENVIRONMENT "${no_display_environment}")
endforeach()
