# The Debian package made by `cpack` (see scripts/package): everything `cmake --install` puts under
# /usr, with the libraries it needs found by dpkg-shlibdeps from the binaries themselves.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wavora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "ripple tank simulator for teaching waves")
set(CPACK_PACKAGE_DESCRIPTION "Wavora simulates waves on a water surface seen from above. Teachers build
lessons as slideshows of experiments (mirrors, lenses, slits, an optical fibre, the Earth, tsunami
maps); students drag the objects and measure the waves with a ruler, protractor, stopwatch,
cross-section, intensity, spectrometer, level meter and paper-tape logger. Comes with example
lessons and offline help.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "Wavora maintainers <maintainers@users.noreply.c-seed-1a7645e8.example>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Text on tank images and tool panels asks fontconfig for "Arial": Liberation Sans matches it, DejaVu
# Sans stands in. Fonts are found at run time, so no binary names them.
# The window's icons are SVG, read through Qt's SVG image and icon plugins, which the binary does not
# link.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2 | fonts-dejavu-core, libqt6svg6")
include(CPack)
