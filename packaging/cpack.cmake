# `cmake --build build --target package` makes tavirel_<version>_<arch>.deb.
# Only the application goes in; the device simulator is a development tool.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavirel)
set(CPACK_PACKAGE_VENDOR Orvith)
set(CPACK_PACKAGE_CONTACT "Orvith <tavirel@orvith.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "remote control for Tavirel multi-zone audio devices")
# Debian shows the long description as it is written, so it is wrapped here.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "A desktop application that finds Tavirel devices on the local network or"
  "by address and keeps an encrypted control link to the chosen one. It shows"
  "and changes the volume, mute, tone and routing of every output and source,"
  "and drives the device's media players: now playing, transport controls,"
  "play queue, music library, search and playlists.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The application's install rules name no component; the simulator's is devtools.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};Unspecified;/")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TAVIREL_HOMEPAGE})
# Libraries come from dpkg-shlibdeps; what Qt loads at run time is named
# here: the QML modules that the documents import, and the SVG image plugin
# that draws their icons.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qml-module-qtquick2, qml-module-qtquick-window2, \
qml-module-qtquick-controls2, qml-module-qtgraphicaleffects, libqt5svg5")
# Discovery asks the zeroconf daemon; devices typed in by address work without it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS avahi-daemon)

include(CPack)
