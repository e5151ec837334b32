# SPDX-FileCopyrightText: 2026 The Spelldeck developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package: `cpack -G DEB` in a build folder configured with -DCMAKE_BUILD_TYPE=Release.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME spelldeck)
set(CPACK_PACKAGE_VENDOR "The Spelldeck developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "practise spelling from spoken words")
set(CPACK_PACKAGE_DESCRIPTION
    "Spelldeck keeps word lists with a recording of each word. In a test it plays\n\
each word, the learner types what was heard, and it shows the right spelling\n\
after every miss, then offers the missed words again. Teachers and parents\n\
create, edit and reorder the lists.")
set(CPACK_PACKAGE_CONTACT "The Spelldeck developers <spelldeck@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries the executables link come from dpkg-shlibdeps; what is loaded at run time does not show up
# there and is named by hand: the SQLite driver (without it the database cannot be opened), and the
# libraries opened when they are first used (sound, speech, MP3 encoding, CSV files, .spelldeck packages).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6sql6-sqlite, libsdl2-2.0-0, libsdl2-mixer-2.0-0, libespeak-ng1, espeak-ng-data, libmp3lame0, libcsv3, libzip4")
# Opening the user guide from the About box goes through the desktop's opener; Qt's own translations
# give the standard buttons of the boxes the language of the program's; Flite's English voices are
# clearer than espeak-ng's, which speak English without it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, fonts-dejavu-core, qt6-translations-l10n, libflite1")

include(CPack)
