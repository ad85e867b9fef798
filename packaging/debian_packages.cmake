# Two Debian packages from one build, made with `cpack -G DEB` in the build folder:
#   tessaly-cli  the command line and the data it charts with (settings and colour tables), for a
#                server without a display: it needs no toolkit;
#   tessaly      the window, the pattern program that paints printable patterns for both, the help
#                pages and the menu entry; it takes the shared data from tessaly-cli, so that no file
#                belongs to two packages.
# Each package's Depends are worked out from its programs' libraries by dpkg-shlibdeps.
include(GNUInstallDirs)
set(TESSALY_DATA_DIR ${CMAKE_INSTALL_DATADIR}/tessaly/cfg)

install(TARGETS tessaly-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT cli)
install(FILES cfg/Tessaly.ini cfg/DMC.txt cfg/icon.txt cfg/COLOUR_DATA.md DESTINATION ${TESSALY_DATA_DIR} COMPONENT cli)

install(TARGETS tessaly RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT window)
# Where tessaly-cli looks for it (platform::helperProgram).
install(TARGETS tessaly-pattern RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/tessaly COMPONENT window)
install(DIRECTORY cfg/help DESTINATION ${TESSALY_DATA_DIR} COMPONENT window)
install(FILES packaging/tessaly.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT window)
install(FILES packaging/tessaly.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT window)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessaly)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tessaly developers <tessaly@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL cli window)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)

set(CPACK_DEBIAN_CLI_PACKAGE_NAME tessaly-cli)
set(CPACK_COMPONENT_CLI_DESCRIPTION "needlework colour charts from pictures, on the command line
 tessaly-cli turns a PNG, JPEG or BMP picture into a needlework colour chart in a thread range, and
 writes its codes, key, picture and chart workbook; it also reads chart workbooks back. It needs no
 display and no toolkit. Printable PDF patterns need the tessaly package as well.")

set(CPACK_DEBIAN_WINDOW_PACKAGE_NAME tessaly)
set(CPACK_DEBIAN_WINDOW_PACKAGE_DEPENDS "tessaly-cli (= ${PROJECT_VERSION}), fonts-ipafont-gothic")
set(CPACK_COMPONENT_WINDOW_DESCRIPTION "needlework colour charts from pictures (window)
 Tessaly turns a picture into a needlework colour chart that keeps to a chosen number of thread
 colours, lets you correct it by hand, sizes it for a fabric, and writes chart workbooks and
 printable PDF patterns. Its user interface is in Japanese.")

include(CPack)
