# `make package`: a Debian package of what cmake/QuorKitInstall.cmake installs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorkit)
set(CPACK_PACKAGE_VENDOR quorkit.example)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "QuorKit maintainers <maintainers@quorkit.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "toolbox of calculators and code generators for firmware engineers")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.quorkit.example/)
# CPack puts the summary first as the synopsis and indents these lines itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "QuorKit is a desktop toolbox for people who write firmware for small
microcontrollers and design the circuits around them: checksums and CRCs,
Modbus RTU and telecom power-protocol frames, Intel HEX to binary, standard
resistor pairs, dividers, RC delays, power supplies, NTC tables, dot-matrix
glyphs and ASCII or GB2312 font libraries, timer reload values and more.
Its interface is Chinese.")
# Libraries (Qt 6, libcurl, the C++ runtime) come from the binaries through
# dpkg-shlibdeps. Qt loads its display plugins and its own translations (the
# Chinese texts of file dialogs and message boxes) and the program finds its fonts
# only at run time, so those are named here: AR PL UMing stands in for "宋体",
# GNU Unifont is the face the README's glyph and font library examples use.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming, fonts-unifont, qt6-qpa-plugins, qt6-translations-l10n")

include(CPack)
