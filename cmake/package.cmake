# The Debian package: `cpack -G DEB` (or the `package` target) in a Release build directory makes
# zuvo_<version>_amd64.deb from what cmake/install.cmake lays out, under /usr whatever
# CMAKE_INSTALL_PREFIX says.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zuvo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Dravik")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER
    "Zuvo 2001 maintainers <maintainers@users.noreply.c-seed-b9197034.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The first line is the package's synopsis, the rest its long description (Polish first line).
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "reduced betting systems for the 13-match football pool
Systemy skrócone do trzynastu meczów Totalizatora piłkarskiego.
.
Zuvo 2001 builds reduced betting systems for the 13-match football pool from a
percentage forecast of each match, checks them against the real results, saves
them to text files and prints them straight onto the paper coupon forms.
The program's captions are Polish.")

# Debian ships programs stripped.
set(CPACK_STRIP_FILES ON)

# Libraries the program is linked against come from dpkg-shlibdeps (dpkg-dev): the Qt libraries,
# and with them libqt6gui6's X11 platform plugin, libqt6multimedia6's GStreamer backend plugin and
# libqt6printsupport6's CUPS plugin. What the program only loads at run time is named here:
#  - qt6-wayland: the Wayland platform plugin;
#  - gstreamer1.0-plugins-base: decodebin, type finding, video conversion and scaling, and the
#    audio conversion the player's pipeline is built from;
#  - gstreamer1.0-plugins-good: the AVI demuxer and the JPEG decoder of the MJPEG videos, and the
#    player's automatic audio sink (the WAV sound does not go through GStreamer: Qt reads it
#    itself and plays it through PulseAudio);
#  - qt6-translations-l10n: Qt's Polish catalogues for its dialogs and the help widgets;
#  - libqt6sql6-sqlite: the SQLite driver Qt Help reads the help collection and its search index
#    with;
#  - fonts-dejavu-core: the font every caption asks for by name; the fixed-size window is laid
#    out for its metrics.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-wayland, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, qt6-translations-l10n, libqt6sql6-sqlite, fonts-dejavu-core")

include(CPack)
