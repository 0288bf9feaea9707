# Installs the build into a scratch staging folder, as a package would, and checks that the desktop
# integration lands where desktop environments look for it, validates as a whole and carries the
# program's identity.
#
# cmake -DBUILD_DIR=... -DSTAGE_DIR=... -DEXPECT_EXECUTABLE=ON|OFF -DAPP_ID=... -DNAME=...
#       -DVERSION=... -DEXECUTABLE=... -DORGANIZATION=... -P check_install_tree.cmake

file(REMOVE_RECURSE "${STAGE_DIR}")
set(ENV{DESTDIR} "${STAGE_DIR}")
execute_process(
    COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix /usr
    OUTPUT_QUIET
    COMMAND_ERROR_IS_FATAL ANY)

set(app_id ${APP_ID})
set(expected
    usr/share/applications/${app_id}.desktop
    usr/share/applications/${app_id}.TwoPin.desktop
    usr/share/metainfo/${app_id}.metainfo.xml
    usr/share/icons/hicolor/scalable/apps/${app_id}.svg)
foreach(size 16 32 48 128)
    list(APPEND expected usr/share/icons/hicolor/${size}x${size}/apps/${app_id}.png)
endforeach()
if(EXPECT_EXECUTABLE)
    list(APPEND expected usr/bin/quarnest)
endif()

foreach(file IN LISTS expected)
    if(NOT EXISTS "${STAGE_DIR}/${file}")
        message(FATAL_ERROR "not installed: /${file}")
    endif()
endforeach()

execute_process(
    COMMAND appstreamcli validate-tree --no-net --strict "${STAGE_DIR}"
    COMMAND_ERROR_IS_FATAL ANY)

# Each identity value, as the installed files carry it.
file(READ "${STAGE_DIR}/usr/share/applications/${app_id}.desktop" desktop_entry)
file(READ "${STAGE_DIR}/usr/share/applications/${app_id}.TwoPin.desktop" two_pin_entry)
file(READ "${STAGE_DIR}/usr/share/metainfo/${app_id}.metainfo.xml" metainfo)
foreach(pair
        "desktop_entry|\nName=${NAME}\n" "desktop_entry|\nExec=${EXECUTABLE}\n"
        "desktop_entry|\nIcon=${app_id}\n" "desktop_entry|\nExec=${EXECUTABLE} --two-pin\n"
        "two_pin_entry|\nExec=${EXECUTABLE} --two-pin\n" "metainfo|<id>${app_id}</id>"
        "metainfo|<name>${NAME}</name>" "metainfo|<binary>${EXECUTABLE}</binary>"
        "metainfo|<developer_name>${ORGANIZATION}</developer_name>"
        "metainfo|<release version=\"${VERSION}\"")
    string(REPLACE "|" ";" pair "${pair}")
    list(GET pair 0 file_var)
    list(GET pair 1 expected_text)
    string(FIND "${${file_var}}" "${expected_text}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the installed ${file_var} lacks: ${expected_text}")
    endif()
endforeach()
