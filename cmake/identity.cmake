# The program's identity, in one place. project() gives the description (the project's name,
# also the Windows executable's) and the version; the cache values below give the rest. The
# identity header, the Windows version block and the Linux desktop files are generated from them.
set(QUARNEST_TITLE "Tovrel" CACHE STRING
    "Application title: product name, caption of the program's message boxes")
set(QUARNEST_ORGANIZATION "Kestrow" CACHE STRING "Publisher of the program")
set(QUARNEST_APP_ID "com.kestrow.Quarnest" CACHE STRING
    "Reverse-DNS application id: desktop entry, metainfo and icon names")
set(QUARNEST_CHINESE_NAME "定位削边销尺寸计算" CACHE STRING
    "The program's Chinese name: Start-menu shortcut, desktop entry")
set(QUARNEST_TWO_PIN_NAME "两销定位设计" CACHE STRING
    "Chinese name of the two-pin locating design: its shortcut and desktop entry")
set(QUARNEST_RELEASE_DATE "2026-12-06" CACHE STRING "Date of this version's release")

# Linux programs are named in lower case; Windows keeps the project's spelling (Quarnest.exe).
string(TOLOWER "${PROJECT_NAME}" QUARNEST_LINUX_EXECUTABLE)
# The version block's strings show major.minor with the minor in two digits: "1.00".
string(LENGTH "${PROJECT_VERSION_MINOR}" minor_digits)
if(minor_digits LESS 2)
    set(QUARNEST_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.0${PROJECT_VERSION_MINOR}")
else()
    set(QUARNEST_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
endif()

set(QUARNEST_GENERATED_DIR "${PROJECT_BINARY_DIR}/generated")
configure_file("${PROJECT_SOURCE_DIR}/app/identity.h.in"
    "${QUARNEST_GENERATED_DIR}/app/identity.h" @ONLY)
add_library(identity INTERFACE)
target_include_directories(identity INTERFACE "${QUARNEST_GENERATED_DIR}")
