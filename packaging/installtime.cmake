# Helpers for the install rules in this folder: they run at install time
# (cmake --install), never at configure time.
#
# Every install leaves a list of what it put under the prefix in the
# application folder, one line each: "<sha256>  <path under the prefix>",
# "symlink  <path>" for a launcher, "folder  <path>" for a folder inside the
# application folder. With it a reinstall tells a shipped file the user has
# changed from one it may update, and packaging/uninstall.sh removes exactly
# what was installed and still unchanged.

# Install scripts start with the oldest policies; these functions keep the
# ones in force here.
cmake_policy(VERSION 3.21)

set(LUNIPO_INSTALL_LIST .lunipo-instalado)

# Where files really land: the prefix under DESTDIR, as file(INSTALL) does.
function(lunipo_install_root out)
    set(${out} "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}" PARENT_SCOPE)
endfunction()

# The last install's list, as text led by a newline so that every line can be
# looked for as "\n<line>\n"; just a newline on a first install.
function(lunipo_read_install_list appdir out)
    lunipo_install_root(root)
    set(text "\n")
    if(EXISTS "${root}/${appdir}/${LUNIPO_INSTALL_LIST}")
        file(READ "${root}/${appdir}/${LUNIPO_INSTALL_LIST}" text)
        set(text "\n${text}")
    endif()
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Installs the given data folders of `source` into the application folder.
# A file already there that differs from the new one is updated only when the
# last install put it there and it is unchanged since: an edited language file
# or sample activity stays the user's, and is left out of the new list.
function(lunipo_install_data source appdir)
    lunipo_install_root(root)
    lunipo_read_install_list(${appdir} previous)
    foreach(folder ${ARGN})
        file(GLOB_RECURSE files RELATIVE "${source}" "${source}/${folder}/*")
        # One file(INSTALL) per folder: the files come sorted, each folder's
        # together, and a call per file made an install of the library slow.
        set(batchFolder "")
        set(batch "")
        foreach(file ${files} "")
            get_filename_component(folderOfFile "${file}" DIRECTORY)
            if(batch AND NOT folderOfFile STREQUAL batchFolder)
                file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${appdir}/${batchFolder}"
                     TYPE FILE FILES ${batch})
                set(batch "")
            endif()
            if(file STREQUAL "")
                break()
            endif()
            set(batchFolder "${folderOfFile}")
            set(target "${root}/${appdir}/${file}")
            if(EXISTS "${target}" AND NOT IS_DIRECTORY "${target}")
                file(SHA256 "${target}" present)
                file(SHA256 "${source}/${file}" shipped)
                string(FIND "${previous}" "\n${present}  ${appdir}/${file}\n" ours)
                if(NOT present STREQUAL shipped AND ours EQUAL -1)
                    message(STATUS "Kept (changed by the user): ${target}")
                    continue()
                endif()
            endif()
            list(APPEND batch "${source}/${file}")
        endforeach()
    endforeach()
    # file(INSTALL) records into this variable in the current scope only.
    set(CMAKE_INSTALL_MANIFEST_FILES "${CMAKE_INSTALL_MANIFEST_FILES}" PARENT_SCOPE)
endfunction()

# The Exec value for a program path, quoted and escaped as menu entries want
# it, so that a home folder with spaces or a dollar sign still works.
function(lunipo_exec_value path out)
    string(REPLACE "\\" "\\\\" value "${path}")
    string(REPLACE "\"" "\\\"" value "${value}")
    string(REPLACE "`" "\\`" value "${value}")
    string(REPLACE "$" "\\$" value "${value}")
    string(REPLACE "%" "%%" value "${value}")
    # Then the escaping of every string value in the file.
    string(REPLACE "\\" "\\\\" value "\"${value}\"")
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

# Writes a menu entry from its template, starting the program at its place
# under this install's prefix, and installs it.
function(lunipo_install_menu_entry template workdir program)
    set(path "${CMAKE_INSTALL_PREFIX}/${program}")
    lunipo_exec_value("${path}" LUNIPO_EXEC)
    string(REPLACE "\\" "\\\\" LUNIPO_TRYEXEC "${path}")
    get_filename_component(name "${template}" NAME_WLE)
    configure_file("${template}" "${workdir}/${name}" @ONLY)
    file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications" TYPE FILE
         FILES "${workdir}/${name}")
    set(CMAKE_INSTALL_MANIFEST_FILES "${CMAKE_INSTALL_MANIFEST_FILES}" PARENT_SCOPE)
endfunction()

# Writes this install's list into the application folder, after removing what
# the last install put there, this one did not, and nobody changed since
# (a sample activity dropped from a theme, for one).
function(lunipo_write_install_list appdir)
    lunipo_install_root(root)
    set(text "")
    set(installed "")
    set(folders "${appdir}" "${appdir}/dibujosrealizados")
    foreach(file ${CMAKE_INSTALL_MANIFEST_FILES})
        # Entries name the install's paths, without DESTDIR.
        file(RELATIVE_PATH relative "${CMAKE_INSTALL_PREFIX}" "${file}")
        list(APPEND installed "${relative}")
        if(IS_SYMLINK "${root}/${relative}")
            string(APPEND text "symlink  ${relative}\n")
        else()
            file(SHA256 "${root}/${relative}" sum)
            string(APPEND text "${sum}  ${relative}\n")
        endif()
        get_filename_component(folder "${relative}" DIRECTORY)
        string(FIND "${folder}/" "${appdir}/" at)
        while(at EQUAL 0 AND NOT folder STREQUAL appdir)
            list(APPEND folders "${folder}")
            get_filename_component(folder "${folder}" DIRECTORY)
            string(FIND "${folder}/" "${appdir}/" at)
        endwhile()
    endforeach()

    if(EXISTS "${root}/${appdir}/${LUNIPO_INSTALL_LIST}")
        file(STRINGS "${root}/${appdir}/${LUNIPO_INSTALL_LIST}" previous ENCODING UTF-8)
        foreach(line ${previous})
            if(NOT line MATCHES "^([^ ]+)  (.+)$" OR CMAKE_MATCH_1 STREQUAL "folder")
                continue()
            endif()
            set(sum "${CMAKE_MATCH_1}")
            set(relative "${CMAKE_MATCH_2}")
            if("${relative}" IN_LIST installed OR NOT EXISTS "${root}/${relative}")
                continue()
            endif()
            if(sum STREQUAL "symlink")
                set(unchanged TRUE)
            else()
                file(SHA256 "${root}/${relative}" present)
                string(COMPARE EQUAL "${present}" "${sum}" unchanged)
            endif()
            if(unchanged)
                message(STATUS "Removing (no longer shipped): ${root}/${relative}")
                file(REMOVE "${root}/${relative}")
            endif()
        endforeach()
    endif()

    list(REMOVE_DUPLICATES folders)
    foreach(folder ${folders})
        string(APPEND text "folder  ${folder}\n")
    endforeach()
    file(WRITE "${root}/${appdir}/${LUNIPO_INSTALL_LIST}" "${text}")
endfunction()
