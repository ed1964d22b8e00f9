# Removes an install: every file and link listed in the build's install
# manifests (install_manifest.txt, and install_manifest_<component>.txt for a
# component installed on its own), then the folders the install created
# (install_folders.txt) that are left empty, deepest first. Both list paths
# without the DESTDIR: a staged install is removed with the same DESTDIR set.
# usage: [DESTDIR=<stage>] cmake -DORVAN_BUILD_DIR=<build dir> -P OrvanUninstall.cmake
if(NOT ORVAN_BUILD_DIR)
    message(FATAL_ERROR "usage: cmake -DORVAN_BUILD_DIR=<build dir> -P OrvanUninstall.cmake")
endif()

file(GLOB manifests "${ORVAN_BUILD_DIR}/install_manifest*.txt")
set(folders_record "${ORVAN_BUILD_DIR}/install_folders.txt")
if(NOT manifests AND NOT EXISTS "${folders_record}")
    message(STATUS "Nothing installed from ${ORVAN_BUILD_DIR}")
    return()
endif()

set(failed)
foreach(manifest IN LISTS manifests)
    file(STRINGS "${manifest}" installed)
    foreach(path IN LISTS installed)
        set(path "$ENV{DESTDIR}${path}")
        if(IS_SYMLINK "${path}" OR EXISTS "${path}")
            message(STATUS "Removing: ${path}")
            file(REMOVE "${path}")
            if(IS_SYMLINK "${path}" OR EXISTS "${path}")
                list(APPEND failed "${path}")
            endif()
        endif()
    endforeach()
endforeach()

if(EXISTS "${folders_record}")
    file(STRINGS "${folders_record}" folders)
    # A folder sorts after the folders it is in: the reverse order empties
    # the deepest first.
    list(SORT folders ORDER DESCENDING)
    foreach(folder IN LISTS folders)
        set(folder "$ENV{DESTDIR}${folder}")
        if(NOT IS_DIRECTORY "${folder}" OR IS_SYMLINK "${folder}")
            continue()
        endif()
        file(GLOB left LIST_DIRECTORIES true "${folder}/*" "${folder}/.*")
        if(left)
            message(STATUS "Keeping: ${folder} (not empty)")
        else()
            message(STATUS "Removing: ${folder}")
            file(REMOVE_RECURSE "${folder}")
        endif()
    endforeach()
endif()

if(failed)
    string(REPLACE ";" "\n  " failed "${failed}")
    message(FATAL_ERROR "Could not remove:\n  ${failed}")
endif()
file(REMOVE ${manifests} "${folders_record}")
