# Where `cmake --install` puts the programs and what they carry. The programs look for their examples
# and help pages in share/wavora beside their bin folder (src/ui/data_folder.cpp), so both follow
# GNUInstallDirs' default layout.
include(GNUInstallDirs)

set(WAVORA_DATA_DIR ${CMAKE_INSTALL_DATADIR}/wavora)
set(WAVORA_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/assets/desktop)
set(WAVORA_ICONS_DIR ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

install(TARGETS wavora-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET wavora)
  install(TARGETS wavora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# Whatever lessons the tree holds when installing, and the help pages as the build made them.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${WAVORA_DATA_DIR}/examples
  FILES_MATCHING PATTERN "*.wvr")
install(DIRECTORY ${WAVORA_HELP_DIR}/ DESTINATION ${WAVORA_DATA_DIR}/help)

# The desktop entry, the .wvr file type and their icons, where desktops and file managers look.
install(FILES ${WAVORA_DESKTOP_DIR}/wavora.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${WAVORA_DESKTOP_DIR}/wavora.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${WAVORA_DESKTOP_DIR}/wavora.svg DESTINATION ${WAVORA_ICONS_DIR}/scalable/apps)
install(FILES ${WAVORA_DESKTOP_DIR}/application-x-wavora-slideshow.svg
  DESTINATION ${WAVORA_ICONS_DIR}/scalable/mimetypes)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${WAVORA_DESKTOP_DIR}/png/wavora-${size}.png
    DESTINATION ${WAVORA_ICONS_DIR}/${size}x${size}/apps RENAME wavora.png)
endforeach()
