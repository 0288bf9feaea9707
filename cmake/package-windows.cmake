# Windows installer: `cpack -G NSIS` in a configured and built windows-preset folder (makensis
# from Debian's nsis package). It installs Quarnest.exe per machine into Program Files, adds
# Start-menu shortcuts under the program's Chinese name and for the two-pin locating design, an
# entry in the installed-programs list, and writes an uninstaller that removes all of it.

set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_NAME "${PROJECT_NAME}")
set(CPACK_PACKAGE_VENDOR "${QUARNEST_ORGANIZATION}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_FILE_NAME "${PROJECT_NAME}-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "${PROJECT_NAME}")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "${PROJECT_NAME}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_EXECUTABLES "${PROJECT_NAME};${QUARNEST_CHINESE_NAME}")

# NSIS reads these lines after CPack has configured them twice: hence the doubled backslashes.
set(CPACK_NSIS_CREATE_ICONS_EXTRA "CreateShortCut '$SMPROGRAMS\\\\$STARTMENU_FOLDER\\\\${QUARNEST_TWO_PIN_NAME}.lnk' '$INSTDIR\\\\${PROJECT_NAME}.exe' '--two-pin'")
set(CPACK_NSIS_DELETE_ICONS_EXTRA "Delete '$SMPROGRAMS\\\\$MUI_TEMP\\\\${QUARNEST_TWO_PIN_NAME}.lnk'")

set(CPACK_NSIS_DISPLAY_NAME "${QUARNEST_CHINESE_NAME} (${PROJECT_NAME})")
set(CPACK_NSIS_PACKAGE_NAME "${QUARNEST_CHINESE_NAME}")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_INSTALLED_ICON_NAME "${PROJECT_NAME}.exe")
set(CPACK_NSIS_MUI_ICON "${PROJECT_SOURCE_DIR}/res/icons/quarnest.ico")
set(CPACK_NSIS_MUI_UNIICON "${PROJECT_SOURCE_DIR}/res/icons/quarnest.ico")
set(CPACK_NSIS_URL_INFO_ABOUT "${PROJECT_HOMEPAGE_URL}")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# A 64-bit, Unicode installer: the program is 64-bit and its names are Chinese.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")

include(CPack)
