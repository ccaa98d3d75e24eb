# cmake --install: the program with its folders beside it, a desktop entry and an icon.
include(GNUInstallDirs)
set(MIRVEL_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/mirvel)
install(TARGETS mirvel RUNTIME DESTINATION ${MIRVEL_INSTALL_DIR})
install(DIRECTORY ${MIRVEL_PROGRAM_DIR}/Zvuky ${MIRVEL_PROGRAM_DIR}/Emotikony ${MIRVEL_PROGRAM_DIR}/Pomoc
  DESTINATION ${MIRVEL_INSTALL_DIR})
install(FILES ${CMAKE_BINARY_DIR}/db/config.fdb ${CMAKE_BINARY_DIR}/db/data.fdb
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mirvel)
install(PROGRAMS ${CMAKE_SOURCE_DIR}/tools/mirvel-setup-data DESTINATION ${CMAKE_INSTALL_SBINDIR})
install(CODE "file(MAKE_DIRECTORY \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR})
  file(CREATE_LINK ../${MIRVEL_INSTALL_DIR}/mirvel \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/mirvel SYMBOLIC)")
install(FILES ${CMAKE_SOURCE_DIR}/assets/mirvel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
if(EXISTS ${MIRVEL_PROGRAM_DIR}/mirvel.png)
  install(FILES ${MIRVEL_PROGRAM_DIR}/mirvel.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
endif()
