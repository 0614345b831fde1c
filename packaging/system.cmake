# The system-wide layout, as a Debian package wants it: the programs in
# bin/, their read-only data in share/lunipo (found there through
# $XDG_DATA_DIRS), menu entries, icons, manual pages, the AppStream file and
# the package's documents in share/. It is the install component "system",
# left out of a plain `cmake --install`, so the per-user install stays as it
# is; cpack makes the package from it, out of the objects already built:
#   cmake --install build --component system --prefix /usr   (DESTDIR honoured)
#   cd build && cpack    (lunipo_<version>_<arch>.deb)

set(system COMPONENT system EXCLUDE_FROM_ALL)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS ${LUNIPO_PROGRAMS} RUNTIME DESTINATION bin ${system})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/actividades ${CMAKE_SOURCE_DIR}/data/idioma
                  ${CMAKE_SOURCE_DIR}/data/sonidos
        DESTINATION share/lunipo ${system})

foreach(icon ${LUNIPO_ICONS})
    install(FILES icons/${icon}.svg DESTINATION share/icons/hicolor/scalable/apps ${system})
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/icons/${icon}.png
            DESTINATION share/icons/hicolor/256x256/apps ${system})
endforeach()

# The programs are on the PATH: the entries name them only.
foreach(program lunipo lunipoeditor lunipoclase)
    set(LUNIPO_EXEC ${program})
    set(LUNIPO_TRYEXEC ${program})
    configure_file(${program}.desktop.in ${CMAKE_CURRENT_BINARY_DIR}/system/${program}.desktop
                   @ONLY)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/system/${program}.desktop
            DESTINATION share/applications ${system})
endforeach()
install(FILES io.github.lunipo.Lunipo.metainfo.xml DESTINATION share/metainfo ${system})

# Manual pages and the changelog go compressed, without a time stamp, so
# that the same sources always make the same package.
# The pages are in Spanish, the programs' own language, and in English
# (share/man/en).
set(compressed "")
foreach(source man/lunipo.1 man/lunipoeditor.1 man/lunipoinstall.1 man/lunipoclase.1
               man/en/lunipo.1 man/en/lunipoeditor.1 man/en/lunipoinstall.1
               man/en/lunipoclase.1 ../debian/changelog)
    string(REPLACE "/" "-" name ${source})
    set(copy ${CMAKE_CURRENT_BINARY_DIR}/system/${name})
    add_custom_command(OUTPUT ${copy}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/${source} ${copy}
        COMMAND gzip -9nf ${copy}
        DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${source}
        VERBATIM)
    list(APPEND compressed ${copy}.gz)
endforeach()
add_custom_target(systemdocs ALL DEPENDS ${compressed})
foreach(program ${LUNIPO_PROGRAMS})
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/system/man-${program}.1.gz
            DESTINATION share/man/man1 RENAME ${program}.1.gz ${system})
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/system/man-en-${program}.1.gz
            DESTINATION share/man/en/man1 RENAME ${program}.1.gz ${system})
endforeach()
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/system/..-debian-changelog.gz
        DESTINATION share/doc/lunipo RENAME changelog.gz ${system})
install(FILES ${CMAKE_SOURCE_DIR}/debian/copyright DESTINATION share/doc/lunipo ${system})
# The layout of the records' folder on the school's server, for the admin to
# run there by hand: an example, not something the package does.
install(FILES examples/lunipo-carpetas.sh DESTINATION share/doc/lunipo/examples ${system})

set(LUNIPO_MAINTAINER "Equipo de Lunipo <lunipo@example.org>" CACHE STRING
    "The Maintainer field of the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};Lunipo;system;/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_NAME lunipo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${LUNIPO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "join-the-numbered-dots activities for young children")
set(CPACK_PACKAGE_DESCRIPTION
    "Lunipo is a small suite for young children, in Spanish. A child picks a theme,\n"
    "joins the numbered dots in order, with sounds and the numbers spoken, then\n"
    "colours the figure and saves the drawing.\n"
    "\n"
    "The package holds the player (lunipo), the editor an adult makes new\n"
    "activities with (lunipoeditor), the teachers' view of what the class\n"
    "played (lunipoclase), sample themes, and printing of the activities as\n"
    "paper worksheets.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What no library link tells: Qt's Spanish dialog texts, a font with Arial's
# measures for the dot labels, and the plugins that read SVG and WebP.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-translations-l10n, fonts-liberation, libqt6svg6, qt6-image-formats-plugins")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
