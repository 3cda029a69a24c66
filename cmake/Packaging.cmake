# A Debian package built by CPack: make package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME plane-figures)
set(CPACK_PACKAGE_VENDOR "The plane-figures developers")
set(CPACK_PACKAGE_CONTACT "The plane-figures developers <developers@plane-figures.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "plane-geometry teaching program: figures among points on a grid")
# CPack starts every line of the long description with a blank; lintian wants
# each at most 80 characters, so a line here holds at most 79.
set(CPACK_PACKAGE_DESCRIPTION [[
A pupil marks up to 15 points on a grid; the program finds the isosceles,
right and isosceles-right triangles and the squares, rectangles,
parallelograms and rhombi among them, reports and counts each kind and
outlines the quadrilaterals. Point sets open from and save to .pfig files.
Its interface is in Bulgarian.]])
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PLANE_FIGURES_WEBSITE}")
# the libraries the binary links, found by dpkg-shlibdeps; besides them Qt's
# platform plug-ins (to open a window at all) and the font with Cyrillic letters
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
# Qt's own dialogs in Bulgarian; without it they are in English
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
