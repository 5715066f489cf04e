# Installation (cmake --install) and the Debian package (cpack, scripts/package):
#   bin/                                 zufora, zufora-cli
#   share/zufora/                        ZuforaLang.ini (German), ZuforaLang.en.ini,
#                                        known-values.txt (what selftest checks)
#   share/doc/zufora/                    README.md, examples/, copyright, changelog.gz
#   share/applications/zufora.desktop    the desktop entry
#   share/metainfo/                      the AppStream description for software centres
#   share/mime/packages/zufora.xml       the file type of .zfd designs
#   share/icons/hicolor/*/apps/          the icon, scalable and as PNG
#   share/man/man1/                      zufora.1.gz, zufora-cli.1.gz from their --help
#   share/lintian/overrides/zufora       lintian's notes that do not apply (German texts)
# The window program zufora is installed when the build has it.
set(ZUFORA_INSTALL_DOCDIR "${CMAKE_INSTALL_DATADIR}/doc/zufora")
set(ZUFORA_ICON_SIZES 16 22 24 32 48 64 128 256)
find_program(ZUFORA_HELP2MAN help2man)

install(TARGETS zufora-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${ZUFORA_LANGUAGE_FILE} ${PROJECT_SOURCE_DIR}/lang/ZuforaLang.en.ini
  ${PROJECT_SOURCE_DIR}/src/evidence/known-values.txt
  DESTINATION ${ZUFORA_INSTALL_DATADIR})
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${ZUFORA_INSTALL_DOCDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${ZUFORA_INSTALL_DOCDIR}/examples)
install(FILES ${PROJECT_SOURCE_DIR}/data/package/copyright DESTINATION ${ZUFORA_INSTALL_DOCDIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/zufora.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/example.zufora.zufora.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/package/lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME zufora)
install(FILES ${PROJECT_SOURCE_DIR}/data/zufora-design.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME zufora.xml)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/zufora.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The PNG icons, rendered from the SVG.
if(TARGET zufora-render-icon)
  set(icon_folder "${PROJECT_BINARY_DIR}/icons")
  set(icon_files)
  foreach(size IN LISTS ZUFORA_ICON_SIZES)
    list(APPEND icon_files "${icon_folder}/${size}x${size}/apps/zufora.png")
  endforeach()
  add_custom_command(
    OUTPUT ${icon_files}
    COMMAND zufora-render-icon ${PROJECT_SOURCE_DIR}/data/icons/zufora.svg ${icon_folder}
            ${ZUFORA_ICON_SIZES}
    DEPENDS zufora-render-icon ${PROJECT_SOURCE_DIR}/data/icons/zufora.svg
    COMMENT "Rendering the icon at ${ZUFORA_ICON_SIZES} pixels"
    VERBATIM)
  add_custom_target(zufora_icons ALL DEPENDS ${icon_files})
  install(DIRECTORY ${icon_folder}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
endif()

# The changelog, compressed as Debian keeps it (no name or time stamp in the gzip header,
# so that the same changelog always gives the same bytes).
set(changelog "${PROJECT_BINARY_DIR}/package-doc/changelog")
add_custom_command(
  OUTPUT ${changelog}.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/package-doc
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/data/package/changelog ${changelog}
  COMMAND gzip -9nf ${changelog}
  DEPENDS ${PROJECT_SOURCE_DIR}/data/package/changelog
  COMMENT "Compressing the changelog"
  VERBATIM)
add_custom_target(zufora_changelog ALL DEPENDS ${changelog}.gz)
install(FILES ${changelog}.gz DESTINATION ${ZUFORA_INSTALL_DOCDIR})

# A manual page from a program's --help and the sections in data/man/TARGET.h2m:
# zufora_man_page(TARGET DESCRIPTION).
function(zufora_man_page target description)
  if(NOT ZUFORA_HELP2MAN)
    message(STATUS "help2man not found: no manual page for ${target}")
    return()
  endif()
  set(page "${PROJECT_BINARY_DIR}/man/${target}.1.gz")
  set(sections "${PROJECT_SOURCE_DIR}/data/man/${target}.h2m")
  add_custom_command(
    OUTPUT ${page}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${target}> -DHELP2MAN=${ZUFORA_HELP2MAN}
            -DDESCRIPTION=${description} -DSECTIONS=${sections} -DOUTPUT=${page}
            -P ${PROJECT_SOURCE_DIR}/cmake/ZuforaManPage.cmake
    DEPENDS ${target} ${sections} ${PROJECT_SOURCE_DIR}/cmake/ZuforaManPage.cmake
    COMMENT "Writing the manual page of ${target}"
    VERBATIM)
  add_custom_target(${target}_man_page ALL DEPENDS ${page})
  install(FILES ${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()

zufora_man_page(zufora-cli "draw randomisation lists for clinical trials from the shell")

# What depends on the window program, once every folder has defined its targets.
function(zufora_install_window_and_package)
  set(depends "fonts-liberation")
  if(TARGET zufora)
    install(TARGETS zufora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    zufora_man_page(zufora "randomisation lists for clinical trials in permuted blocks")
    # The Qt libraries come from the programs' links (dpkg-shlibdeps); the SVG picture
    # plug-in and Qt's translations (its dialogs in the program's language) are loaded at
    # run time, so they are named here.
    string(APPEND depends ", libqt6svg6, qt6-translations-l10n")
  endif()

  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGE_NAME zufora)
  set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
  set(CPACK_PACKAGE_VENDOR "Zufora-Team")
  set(CPACK_PACKAGE_CONTACT "Zufora-Team <zufora@zufora.example>")
  set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "randomisation lists for clinical trials")
  set(CPACK_PACKAGE_DESCRIPTION "\
Zufora assigns every patient number of a study to an arm in permuted blocks
of fixed or variable size, with allocation ratios, optionally one list per
study centre, all from one seeded generator so that a list can always be
reproduced from its seed: a desktop window and the command line zufora-cli.")
  set(CPACK_DEBIAN_PACKAGE_SECTION science)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${depends}")
  set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_STRIP_FILES ON)
  include(CPack)

  # The package, unpacked into a scratch folder and checked. Only in builds without
  # sanitizers: those programs are not what is shipped.
  find_program(ZUFORA_DPKG_DEB dpkg-deb)
  find_program(ZUFORA_DESKTOP_FILE_VALIDATE desktop-file-validate)
  if(ZUFORA_BUILD_TESTS AND NOT ZUFORA_SANITIZE AND ZUFORA_DPKG_DEB)
    set(expect_window NO)
    if(TARGET zufora)
      set(expect_window YES)
    endif()
    add_test(NAME Package.HoldsWhatTheDesktopNeeds
      COMMAND ${PROJECT_SOURCE_DIR}/tests/package/check-package
              ${PROJECT_BINARY_DIR} ${PROJECT_BINARY_DIR}/package-test ${expect_window})
    set_tests_properties(Package.HoldsWhatTheDesktopNeeds PROPERTIES TIMEOUT 300)
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL zufora_install_window_and_package)
