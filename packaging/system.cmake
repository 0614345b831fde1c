# The system-wide layout, as a Debian package wants it: the programs in
# bin/, their read-only data in share/lunipo (found there through
# $XDG_DATA_DIRS), menu entries, icons, manual pages, the AppStream file and
# the lab's examples in share/. It is the install component "system", left
# out of a plain `cmake --install`, so the per-user install stays as it is;
# debian/rules makes the two Debian packages from it:
#   cmake --install build --component system --prefix /usr   (DESTDIR honoured)

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

# The manual pages are in Spanish, the programs' own language, and in English
# (share/man/en). They go as written: the package's tools compress them.
foreach(program ${LUNIPO_PROGRAMS})
    install(FILES man/${program}.1 DESTINATION share/man/man1 ${system})
    install(FILES man/en/${program}.1 DESTINATION share/man/en/man1 ${system})
endforeach()
# The layout of the records' folder on the school's server, for the admin to
# run there by hand, and a lab's lunipo.conf: examples, not something the
# package does or reads.
install(FILES examples/lunipo-carpetas.sh examples/lunipo.conf
        DESTINATION share/doc/lunipo/examples ${system})
