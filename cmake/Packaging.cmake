# Installs Wingstash the way a Linux desktop program is installed, and packs it as a .deb.
#   cmake --install BUILD --prefix PREFIX
#   cpack --config BUILD/CPackConfig.cmake -G DEB
include(GNUInstallDirs)

set(WINGSTASH_ID org.wingstash.Wingstash)
set(WINGSTASH_DATA ${CMAKE_INSTALL_DATADIR}/wingstash) # the program looks here, beside bin/
set(WINGSTASH_DOC ${CMAKE_INSTALL_DATADIR}/doc/wingstash)
set(generated ${CMAKE_CURRENT_BINARY_DIR}/packaging)

install(TARGETS wingstash RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${RESOURCE_FILES} DESTINATION ${WINGSTASH_DATA})
install(FILES resources/${WINGSTASH_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

configure_file(resources/${WINGSTASH_ID}.metainfo.xml ${generated}/${WINGSTASH_ID}.metainfo.xml
               @ONLY)
install(FILES ${generated}/${WINGSTASH_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

install(FILES resources/icons/${WINGSTASH_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 24 32 48 64 128 256)
  install(FILES resources/icons/${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${WINGSTASH_ID}.png)
endforeach()

# The manual page and the Debian changelog go compressed, without a time stamp, as Debian wants.
configure_file(resources/wingstash.1 ${generated}/wingstash.1 @ONLY)
configure_file(resources/debian/changelog ${generated}/changelog @ONLY)
foreach(plain wingstash.1 changelog)
  add_custom_command(OUTPUT ${generated}/${plain}.gz
                     COMMAND gzip -9nkf ${generated}/${plain}
                     DEPENDS ${generated}/${plain})
endforeach()
add_custom_target(wingstash_packaging ALL
                  DEPENDS ${generated}/wingstash.1.gz ${generated}/changelog.gz)
install(FILES ${generated}/wingstash.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${generated}/changelog.gz resources/debian/copyright DESTINATION ${WINGSTASH_DOC})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wingstash)
set(CPACK_PACKAGE_VENDOR "The Wingstash developers")
set(CPACK_PACKAGE_CONTACT "The Wingstash developers <maintainers@wingstash.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "keeps flight simulator add-ons and installs them into the simulator")
# Debian wants the extended description in lines of at most 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Wingstash keeps a collection of add-ons (aircraft, panels, sound sets) for"
  "the year-2000 edition of the flight simulator, run under Wine. It sorts an"
  "unpacked add-on into its component kinds, stores it as a named package,"
  "copies it into the simulator's folders and takes it out again, keeping the"
  "gauges, panels and sound sets that other installed aircraft still use.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The libraries come from shlibdeps. xdg-open, which opens read-me files and folders with the
# desktop's programs, is run rather than linked, and libarchive is loaded with the first
# archive, so shlibdeps sees neither: they are named here.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "xdg-utils, libarchive13 (>= 3.6)")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
