# Debian package of the Linux program: `cpack -G DEB` in a configured and built Qt build folder.
# It holds what `cmake --install` places: the executable, the desktop entry, the AppStream
# metainfo and the icons.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${QUARNEST_LINUX_EXECUTABLE})
set(CPACK_PACKAGE_VENDOR "${QUARNEST_ORGANIZATION}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "${QUARNEST_ORGANIZATION} <info@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "dimensions of the relieved locating pin for a locating hole")
set(CPACK_PACKAGE_DESCRIPTION
    "${PROJECT_NAME} helps designers of machine-tool fixtures. Given the diameter D2 of a locating hole, \
from 3 to 50 mm, it gives the reference dimensions of the relieved (diamond) locating pin that \
fits it: b, the width of the two narrow lands, and B, the width across the corners. The user \
interface is in Simplified Chinese.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Chinese texts need a CJK font, which no library dependency brings in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk | fonts-arphic-uming")
# AR PL UMing sets the Chinese of the calculation sheet's PDF so that it searches as typed.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, fonts-arphic-uming, qt6-wayland")

include(CPack)
