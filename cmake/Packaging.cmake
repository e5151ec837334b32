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
# Libraries the executables link come from dpkg-shlibdeps; plugins that Qt loads at run time do not show
# up there and are named by hand: the SQLite driver (without it the database cannot be opened) and the
# SVG plugins that draw the icons and pictures. So are the libraries opened on first use (LazyLibrary):
# libcsv for CSV files, libzip for .spelldeck packages.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6svg6, libcsv3, libzip4")
# Opening the user guide from the About box goes through the desktop's opener.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, fonts-dejavu-core")

include(CPack)
