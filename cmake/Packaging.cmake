# A Debian package of the installed program: `cpack -G DEB` in a build folder configured with
# -DCMAKE_INSTALL_PREFIX=/usr (the README has the whole command). Its dependencies are the
# Debian packages the program needs: the shared libraries found by dpkg-shlibdeps, plus what
# it loads or uses without linking to it.
set(CPACK_PACKAGE_NAME scoreink)
set(CPACK_PACKAGE_VENDOR "The ScoreInk developers")
set(CPACK_PACKAGE_CONTACT "The ScoreInk developers <scoreink@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Write sheet music by hand onto a picture of a score")
set(CPACK_PACKAGE_DESCRIPTION
    "Start from a blank page of grand-staff systems or open a scan or a score (BMP, JPEG,\n\
PNG, TIFF or a PDF page), stamp note heads, rests and other symbols from a palette, draw\n\
lines and ties, set key signatures, move or copy your own ink, undo and redo, save and\n\
print.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window face, and Qt's own texts in Japanese.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, qt6-translations-l10n")
include(CPack)
