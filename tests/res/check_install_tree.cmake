# Installs the build into a scratch staging folder, as a package would, and checks that the desktop
# integration lands where desktop environments look for it and validates as a whole.
#
# cmake -DBUILD_DIR=... -DSTAGE_DIR=... -DEXPECT_EXECUTABLE=ON|OFF -P check_install_tree.cmake

file(REMOVE_RECURSE "${STAGE_DIR}")
set(ENV{DESTDIR} "${STAGE_DIR}")
execute_process(
    COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix /usr
    OUTPUT_QUIET
    COMMAND_ERROR_IS_FATAL ANY)

set(app_id com.kestrow.Quarnest)
set(expected
    usr/share/applications/${app_id}.desktop
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
