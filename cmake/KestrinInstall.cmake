# Install rules and the Debian package (cpack -G DEB): the two programs, the
# desktop entry, the icon in the hicolor theme, the AppStream metainfo and a
# man page for each program.
include(GNUInstallDirs)

if(TARGET kestrin)
  install(TARGETS kestrin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/data/org.kestrin.Kestrin.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/data/org.kestrin.Kestrin.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${PROJECT_SOURCE_DIR}/data/icons/kestrin.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size IN ITEMS 16 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/data/icons/hicolor/${size}x${size}/kestrin.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
endif()
install(TARGETS kestrin-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Man pages go in compressed, as Debian's policy asks.
find_program(KESTRIN_GZIP gzip REQUIRED)
set(pages kestrin-cli)
if(TARGET kestrin)
  list(APPEND pages kestrin)
endif()
foreach(page IN LISTS pages)
  set(compressed ${CMAKE_CURRENT_BINARY_DIR}/man/${page}.1.gz)
  add_custom_command(
    OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man
    COMMAND ${KESTRIN_GZIP} -9 -n -c ${PROJECT_SOURCE_DIR}/doc/${page}.1 > ${compressed}
    DEPENDS ${PROJECT_SOURCE_DIR}/doc/${page}.1
    VERBATIM)
  list(APPEND compressed_pages ${compressed})
  install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
add_custom_target(man_pages ALL DEPENDS ${compressed_pages})

set(CPACK_PACKAGE_NAME kestrin)
set(CPACK_PACKAGE_VENDOR "Kestrin")
set(CPACK_PACKAGE_CONTACT "Kestrin developers <dev@kestrin.local>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "read-only viewer and search tool for \"Архивный Фонд\" archive bases")
set(CPACK_PACKAGE_DESCRIPTION
    "Kestrin opens the database folder of the archival accounting program \"Архивный Фонд\" (DBF tables with FPT memos and CDX indexes in Windows-1251) read-only and presents fonds, inventories, files and documents in fast grids, with search, record cards, photographs and list export. kestrin-cli gives the same core to scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://kestrin.example.org")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
include(CPack)
