# cmake --install: the programs in bin/, the delivered files in share/kv9/ (the program folder
# of an installed wkv9), the desktop entry with the MIME type of data files, the icon and the
# man page.
include(GNUInstallDirs)
install(TARGETS wkv9 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET wkv9-desktop)
  install(TARGETS wkv9-desktop RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/kv9)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/kv9.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/kv9-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME kv9.xml)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/kv9.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/kv9.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes
        RENAME application-x-kv9.svg)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/wkv9.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
