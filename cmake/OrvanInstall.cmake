# What `cmake --install` (and `make install`) puts in place: the program in a
# folder of its own, its pictures in the data folder, a command on the PATH,
# the program's icon in the hicolor theme, a desktop entry, the AppStream
# metainfo, the manual pages, an autostart entry that starts the monitor in
# the tray at login, and the folder of the system configuration file. The
# stand-in port libraries install only when asked for: an installed monitor
# uses the makers' libraries. `make uninstall` removes it all again.
option(ORVAN_INSTALL_STAND_IN_LIBRARIES
       "Install the stand-in port libraries and orvan-sim with the program" OFF)
set(ORVAN_AUTOSTART_DIR /etc/xdg/autostart CACHE PATH
    "Where the autostart entry goes (read by desktop sessions at login)")

set(ORVAN_PROGRAM_DIR ${CMAKE_INSTALL_LIBDIR}/orvan-status-monitor)
set(ORVAN_DATA_DIR ${CMAKE_INSTALL_DATADIR}/orvan-status-monitor)
set(ORVAN_ICON_THEME_DIR ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
set(ORVAN_USER_UNIT_DIR ${CMAKE_INSTALL_PREFIX}/lib/systemd/user)

# The folders the install puts files in, below the prefix or absolute. Those
# that are not there yet are recorded, before anything is installed, in
# install_folders.txt beside CMake's install_manifest.txt, and like its files
# without the DESTDIR: `make uninstall` removes them again when they are left
# empty. Folders recorded by an earlier install stay recorded while they exist.
set(orvan_install_folders
    ${ORVAN_PROGRAM_DIR} ${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_LIBDIR}
    ${ORVAN_DATA_DIR}/monitoring ${CMAKE_INSTALL_DATADIR}/applications
    ${CMAKE_INSTALL_DATADIR}/metainfo ${CMAKE_INSTALL_MANDIR}/man1
    ${ORVAN_ICON_THEME_DIR}/scalable/apps ${ORVAN_USER_UNIT_DIR} ${ORVAN_AUTOSTART_DIR}
    ${ORVAN_SYSTEM_CONFIG_DIR})
foreach(size ${ORVAN_ICON_SIZES})
    list(APPEND orvan_install_folders ${ORVAN_ICON_THEME_DIR}/${size}x${size}/apps)
endforeach()
install(CODE "
    set(record \"${CMAKE_BINARY_DIR}/install_folders.txt\")
    set(created)
    if(EXISTS \"\${record}\")
        file(STRINGS \"\${record}\" earlier)
        foreach(folder IN LISTS earlier)
            if(IS_DIRECTORY \"\$ENV{DESTDIR}\${folder}\")
                list(APPEND created \"\${folder}\")
            endif()
        endforeach()
    endif()
    foreach(folder ${orvan_install_folders})
        if(NOT IS_ABSOLUTE \"\${folder}\")
            set(folder \"\${CMAKE_INSTALL_PREFIX}/\${folder}\")
        endif()
        while(NOT folder STREQUAL \"/\" AND NOT EXISTS \"\$ENV{DESTDIR}\${folder}\")
            list(APPEND created \"\${folder}\")
            get_filename_component(folder \"\${folder}\" DIRECTORY)
        endwhile()
    endforeach()
    list(REMOVE_DUPLICATES created)
    string(REPLACE \";\" \"\\n\" content \"\${created}\")
    file(WRITE \"\${record}\" \"\${content}\")
" ALL_COMPONENTS)

set(ORVAN_COMMAND orvan-status-monitor)
set(ORVAN_INSTALLED_COMMAND ${CMAKE_INSTALL_FULL_BINDIR}/${ORVAN_COMMAND})
set(ORVAN_INSTALLED_STATUS ${CMAKE_INSTALL_FULL_BINDIR}/orvan-status)

set(ORVAN_DESKTOP_ENTRY ${CMAKE_BINARY_DIR}/orvan-status-monitor.desktop)
set(ORVAN_AUTOSTART_ENTRY ${CMAKE_BINARY_DIR}/autostart/orvan-status-monitor.desktop)
configure_file(${PROJECT_SOURCE_DIR}/assets/orvan-status-monitor.desktop.in
               ${ORVAN_DESKTOP_ENTRY} @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/assets/orvan-status-monitor-autostart.desktop.in
               ${ORVAN_AUTOSTART_ENTRY} @ONLY)

# Beside the program it tells that this copy is installed: its configuration
# then lives in the user's folder and the rights in the system file.
set(ORVAN_INSTALLED_MARKER ${CMAKE_BINARY_DIR}/OrvanStatusMonitor.installed)
file(WRITE ${ORVAN_INSTALLED_MARKER}
     "Installed monitor: per-user values in $XDG_CONFIG_HOME/OrvanStatusMonitor.ini,\n"
     "rights of non-administrators in ${ORVAN_SYSTEM_CONFIG_DIR}/OrvanStatusMonitor.ini\n")

if(TARGET OrvanStatusMonitor)
    install(TARGETS OrvanStatusMonitor RUNTIME DESTINATION ${ORVAN_PROGRAM_DIR})
    install(FILES ${ORVAN_INSTALLED_MARKER} DESTINATION ${ORVAN_PROGRAM_DIR})
    # The pictures are the same on every machine: the data folder, where the
    # program looks when they are not beside it.
    file(GLOB orvan_install_pictures CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/assets/*.gif
         ${PROJECT_SOURCE_DIR}/assets/*.png)
    install(FILES ${orvan_install_pictures} DESTINATION ${ORVAN_DATA_DIR})
    install(FILES ${PROJECT_SOURCE_DIR}/assets/orvan-status-monitor.svg
            DESTINATION ${ORVAN_ICON_THEME_DIR}/scalable/apps)
    foreach(size ${ORVAN_ICON_SIZES})
        install(FILES ${ORVAN_ICON_DIR}/${size}x${size}/apps/orvan-status-monitor.png
                DESTINATION ${ORVAN_ICON_THEME_DIR}/${size}x${size}/apps)
    endforeach()
    install(FILES ${ORVAN_DESKTOP_ENTRY} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${PROJECT_SOURCE_DIR}/assets/io.github.orvan.StatusMonitor.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES ${ORVAN_AUTOSTART_ENTRY} DESTINATION ${ORVAN_AUTOSTART_DIR})
    foreach(page ${ORVAN_MAN_PAGES})
        install(FILES ${ORVAN_MAN_DIR}/${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    endforeach()

    # The command is a relative link, so the tree can be staged (DESTDIR) or
    # moved whole; the program finds its pictures through its real path. Links
    # made here go into the install manifest like the files.
    file(RELATIVE_PATH orvan_link_target ${CMAKE_INSTALL_FULL_BINDIR}
         ${CMAKE_INSTALL_FULL_LIBDIR}/orvan-status-monitor/OrvanStatusMonitor)
    install(CODE "
        set(bindir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
        file(MAKE_DIRECTORY \"\${bindir}\")
        message(STATUS \"Installing: \${bindir}/${ORVAN_COMMAND}\")
        file(CREATE_LINK \"${orvan_link_target}\" \"\${bindir}/${ORVAN_COMMAND}\" SYMBOLIC)
        list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${ORVAN_COMMAND}\")
    ")

    # orvan-status and orvan-settings live beside the monitor, so that they
    # read the same per-user configuration, each with a link of its own on
    # the PATH; the monitoring files and the systemd user units go where
    # their tools look.
    foreach(tool orvan-status orvan-settings)
        install(TARGETS ${tool} RUNTIME DESTINATION ${ORVAN_PROGRAM_DIR})
        file(RELATIVE_PATH orvan_tool_link_target ${CMAKE_INSTALL_FULL_BINDIR}
             ${CMAKE_INSTALL_FULL_LIBDIR}/orvan-status-monitor/${tool})
        install(CODE "
            set(bindir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
            message(STATUS \"Installing: \${bindir}/${tool}\")
            file(CREATE_LINK \"${orvan_tool_link_target}\" \"\${bindir}/${tool}\" SYMBOLIC)
            list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${tool}\")
        ")
    endforeach()
    install(FILES ${PROJECT_SOURCE_DIR}/monitoring/orvan-status.schema.json
                  ${PROJECT_SOURCE_DIR}/monitoring/orvan-settings.schema.json
                  ${PROJECT_SOURCE_DIR}/monitoring/prometheus/orvan-alerts.yml
                  ${PROJECT_SOURCE_DIR}/monitoring/prometheus/scrape-config.yml
            DESTINATION ${ORVAN_DATA_DIR}/monitoring)
    foreach(unit orvan-status-serve.service orvan-status-textfile.service
                 orvan-status-textfile.timer)
        configure_file(${PROJECT_SOURCE_DIR}/monitoring/systemd/${unit}.in
                       ${CMAKE_BINARY_DIR}/systemd/${unit} @ONLY)
        install(FILES ${CMAKE_BINARY_DIR}/systemd/${unit}
                DESTINATION ${ORVAN_USER_UNIT_DIR})
    endforeach()

    # The system configuration folder: only administrators may change the
    # rights kept there. On a real install by root it belongs to the printer
    # administrators' group (setgid, so files saved there stay in it); a
    # staged install leaves that to the package's own set-up.
    install(CODE "
        set(dir \"\$ENV{DESTDIR}${ORVAN_SYSTEM_CONFIG_DIR}\")
        message(STATUS \"Installing: \${dir}\")
        file(MAKE_DIRECTORY \"\${dir}\")
        set(mode 755)
        if(\"\$ENV{DESTDIR}\" STREQUAL \"\")
            execute_process(COMMAND id -u OUTPUT_VARIABLE uid OUTPUT_STRIP_TRAILING_WHITESPACE)
            execute_process(COMMAND getent group lpadmin RESULT_VARIABLE no_group OUTPUT_QUIET)
            if(uid STREQUAL \"0\" AND no_group EQUAL 0)
                execute_process(COMMAND chgrp lpadmin \"\${dir}\")
                set(mode 2775)
            endif()
        endif()
        execute_process(COMMAND chmod \${mode} \"\${dir}\")
    ")
endif()

# The stand-in libraries and their control command; `cmake --install <build>
# --component StandIns` installs them into any tree without the option.
if(ORVAN_INSTALL_STAND_IN_LIBRARIES)
    set(orvan_stand_ins_excluded)
else()
    set(orvan_stand_ins_excluded EXCLUDE_FROM_ALL)
endif()
install(TARGETS LNKCMD LNKSET LNKCOM HueAdvisor LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT StandIns
        ${orvan_stand_ins_excluded})
install(TARGETS orvan-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT StandIns
        ${orvan_stand_ins_excluded})

# `make uninstall` (or the uninstall target): removes every file and link of
# the install manifests, then the folders the install created that are left
# empty; below $DESTDIR when the install was staged.
add_custom_target(uninstall
    COMMAND ${CMAKE_COMMAND} -DORVAN_BUILD_DIR=${CMAKE_BINARY_DIR}
            -P ${PROJECT_SOURCE_DIR}/cmake/OrvanUninstall.cmake
    COMMENT "Removing the installed files"
    VERBATIM)
