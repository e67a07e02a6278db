# The Debian package: `cpack -G DEB` in the build folder (or scripts/package.sh) writes
# tintrix_<version>_<arch>.deb from the install rules, with the prefix /usr.
set(CPACK_PACKAGE_NAME "tintrix")
set(CPACK_PACKAGE_VENDOR "The Tintrix developers")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "Tintrix Developers <tintrix@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "code-breaking game with coloured pegs")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://tintrix.example.org/")
# The install rules see the real prefix, /usr, and put the launcher into /usr/games.
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_INSTALL_PREFIX "/usr")
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
# The long description, below the summary; "." stands for an empty line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tintrix hides a secret row of coloured pegs. Fill a row of holes from the
colour bar and press the check button: a black peg answers every peg of the
right colour in the right hole, a grey peg every further peg of a right colour
in another hole.
.
Thirty-six levels make a tournament, with more holes, more colours and
repeated colours as you go; in the second half only the latest row keeps its
answer. The five best scores enter the high score table. Four board styles,
sound effects and music, and play by mouse or keyboard.")
# Libraries come from dpkg-shlibdeps, for the program and its sound module (the Qt Multimedia
# back ends ship in libqt6multimedia6, which it finds). Beyond them the game needs a General
# MIDI SoundFont for its music and the fonts its windows are laid out for.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "timgm6mb-soundfont | fluid-soundfont-gm, fonts-liberation2, fonts-dejavu-core")
# Effects and music play through a PulseAudio server, PipeWire's or PulseAudio's own.
# Qt's own translations give its standard buttons and dialogs the player's language; on a
# Wayland desktop the game runs there natively with Qt's Wayland platform plugin.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pipewire-pulse | pulseaudio, qt6-translations-l10n, qt6-wayland")

set(CPACK_GENERATOR "DEB")
include(CPack)
