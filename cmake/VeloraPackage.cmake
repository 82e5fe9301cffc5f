# `cpack` makes the Debian package from what `cmake --install` puts in place.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veloramac)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${VELORA_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "${VELORA_SUMMARY}\n${VELORA_DESCRIPTION}")
# The libraries come from the linked objects; what the program runs or draws with comes here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "unzip, espeak-ng-data, fonts-jetbrains-mono, fonts-noto-core, fonts-noto-cjk")
# Only legacy .doc files need antiword, and scanned PDFs language data for text recognition;
# Qt's own dialogs speak the desktop's language with qt6-translations-l10n; mbrola and the desktop
# speech service add voices; hyphenation patterns time and split words by syllable, a length rule
# stands in without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "antiword, tesseract-ocr-eng, qt6-translations-l10n, fonts-opendyslexic, hyphen-en-us")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "mbrola, speech-dispatcher")

include(CPack)
