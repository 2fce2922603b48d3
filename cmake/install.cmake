# Installing: the program, its desktop entry and AppStream metainfo, the icon the kit draws at the
# usual theme sizes, the manual page, and the changelog and copyright the Debian package carries.
include(GNUInstallDirs)
set(VEMRA_METAINFO_ID org.vemra.vemra)

set(icons)
foreach(size 48 64 128 256)
  set(icon ${CMAKE_BINARY_DIR}/icons/${size}/vemra.png)
  add_custom_command(OUTPUT ${icon} COMMAND vemra-kit icon ${icon} ${size}
    DEPENDS vemra-kit COMMENT "Drawing the icon at ${size} pixels")
  install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  list(APPEND icons ${icon})
endforeach()
add_custom_target(vemra_icon ALL DEPENDS ${icons})

# gzip -n leaves out the name and time, so that the same sources compress to the same bytes.
set(compressed)
foreach(doc vemra.1 changelog)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${doc}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/install/${doc} ${CMAKE_BINARY_DIR}/${doc}
    COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/${doc}
    DEPENDS ${CMAKE_SOURCE_DIR}/install/${doc} COMMENT "Compressing ${doc}")
  list(APPEND compressed ${CMAKE_BINARY_DIR}/${doc}.gz)
endforeach()
add_custom_target(vemra_docs ALL DEPENDS ${compressed})

install(TARGETS vemra RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES install/vemra.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES install/${VEMRA_METAINFO_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_BINARY_DIR}/vemra.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz install/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
