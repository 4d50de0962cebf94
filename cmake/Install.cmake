# What `cmake --install` puts on a system, and the Debian package CPack makes
# of it (`cpack -G DEB` in the build folder; tools/package.sh does all of it).
include(GNUInstallDirs)

install(TARGETS cambist RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(CAMBIST_APP_ID org.cambist.Cambist)
set(packaging ${PROJECT_SOURCE_DIR}/packaging)
install(FILES ${packaging}/${CAMBIST_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/${CAMBIST_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging}/icons/cambist.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 22 24 32 48 64 128 256 512)
    install(FILES ${packaging}/icons/cambist-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME cambist.png)
endforeach()

# Manual page and changelog, compressed as Debian wants them.
find_program(CAMBIST_GZIP gzip REQUIRED)
foreach(file cambist.1 changelog)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/${file}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
        COMMAND ${CAMBIST_GZIP} -9n -c ${packaging}/${file} > ${CMAKE_BINARY_DIR}/packaging/${file}.gz
        DEPENDS ${packaging}/${file})
endforeach()
add_custom_target(cambist_compressed_docs ALL
    DEPENDS ${CMAKE_BINARY_DIR}/packaging/cambist.1.gz ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/packaging/cambist.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz ${packaging}/copyright
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/cambist)

set(CPACK_PACKAGE_NAME cambist)
set(CPACK_PACKAGE_VENDOR "The Cambist developers")
set(CPACK_PACKAGE_CONTACT "The Cambist developers <cambist@cambist.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop calculator with a financial mode")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://cambist.org/)
# CPack puts the summary above this text and indents it.
set(CPACK_PACKAGE_DESCRIPTION "Cambist is a calculator window for everyday arithmetic and for the
questions of a loan or a savings plan: arithmetic with precedence and
brackets, memory and last answer, the time-value-of-money registers N,
I/Y, PV, PMT and FV, and a cash-flow list with its net present value and
internal rate of return. It shows every result on an expression line and
a tape, speaks it to a screen reader, and is translated into German.")
# Libraries come from what the program links (dpkg-shlibdeps); Qt's xcb
# platform plugin is loaded at run time, so it is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
include(CPack)
