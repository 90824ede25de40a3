# The Debian package: `cpack -G DEB` in a Release build directory configured with
# -DCMAKE_INSTALL_PREFIX=/usr makes zuvo_<version>_amd64.deb from what cmake/install.cmake lays out.

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

# Libraries the program is linked against come from dpkg-shlibdeps (dpkg-dev). What it only
# loads at run time has to be named here:
#  - qt6-wayland: the Wayland platform plugin (the X11 one is part of libqt6gui6);
#  - gstreamer1.0-plugins-base: playbin, type finding, video and audio conversion, appsink, which
#    Qt Multimedia's GStreamer backend (in libqt6multimedia6) builds its pipelines from;
#  - gstreamer1.0-plugins-good: the AVI demuxer and JPEG decoder of the MJPEG videos, the WAV
#    parser, and the PulseAudio and automatic sinks;
#  - qt6-translations-l10n: Qt's Polish catalogues for its own dialogs and the help widgets;
#  - libqt6sql6-sqlite: the SQLite driver the Qt Help collection and its search are read with;
#  - fonts-dejavu-core: the font every caption asks for by name; the fixed-size window is laid
#    out for its metrics.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-wayland, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, qt6-translations-l10n, libqt6sql6-sqlite, fonts-dejavu-core")

include(CPack)
