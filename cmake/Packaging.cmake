# A Debian package of what `cmake --install` puts in place: `cpack -G DEB` in the release build
# (scripts/build-deb). Its library dependencies are worked out by dpkg-shlibdeps from the executable,
# so they name the packages, and the versions, of the system it was built on.
set(CPACK_PACKAGE_NAME modemtally)
set(CPACK_PACKAGE_VENDOR "ModemTally")
set(CPACK_PACKAGE_CONTACT "ModemTally developers <developers@modemtally.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "dial, time and price dial-up and metered connections")
set(CPACK_PACKAGE_DESCRIPTION
    "ModemTally dials, redials, times and prices dial-up and metered connections. It warns at time\n"
    "and cost limits, reminds you how long you have been online, keeps an idle line up and keeps a\n"
    "record of every connection, month by month. It dials NetworkManager's connection profiles, and\n"
    "brings a simulator of phone lines to try it without a modem.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded when first used rather than linked (dpkg-shlibdeps cannot see them): libcanberra for the
# connection sound, GIO (in libglib2.0-0) for the browser lookup. The list from dpkg-shlibdeps is
# added to these.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libcanberra0, libglib2.0-0")
# Loaded at run time rather than linked, so dpkg-shlibdeps cannot see them: the sound theme of the
# connection sound, and NetworkManager with its connection editor for real lines (without them the
# program dials its simulator).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "sound-theme-freedesktop")
# Qt's SQLite driver is a plugin the usage journal loads by name.
string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", libqt6sql6-sqlite")
# Packed relative relocations need the C library that reads them; dpkg-shlibdeps sees only symbols.
if(MT_PACKED_RELOCS_RUN)
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", libc6 (>= 2.36)")
endif()
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "network-manager, network-manager-gnome")
include(CPack)
