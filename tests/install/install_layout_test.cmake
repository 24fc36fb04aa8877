# Installs the build into an empty prefix and checks that desktops, file managers and the programs
# find what they look for there. Run by ctest with BUILD_DIR, SOURCE_DIR and PREFIX set.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  OUTPUT_QUIET RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cmake --install failed")
endif()

set(expected
  bin/wavora-cli
  share/applications/wavora.desktop
  share/mime/packages/wavora.xml
  share/icons/hicolor/scalable/apps/wavora.svg
  share/icons/hicolor/scalable/mimetypes/application-x-wavora-slideshow.svg)
if(EXISTS ${BUILD_DIR}/src/app/wavora)
  list(APPEND expected bin/wavora)
endif()
foreach(size 16 22 24 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/wavora.png)
endforeach()
file(GLOB lessons RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/examples/*.wvr)
file(GLOB_RECURSE pages RELATIVE ${SOURCE_DIR}/assets ${SOURCE_DIR}/assets/help/*)
foreach(lesson IN LISTS lessons)
  list(APPEND expected share/wavora/${lesson})
endforeach()
foreach(page IN LISTS pages)
  list(APPEND expected share/wavora/${page})
endforeach()
foreach(path IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${path})
    message(SEND_ERROR "not installed: ${path}")
  endif()
endforeach()

# The installed runner reads an installed lesson without a note.
list(GET lessons 0 lesson)
execute_process(COMMAND ${PREFIX}/bin/wavora-cli info ${PREFIX}/share/wavora/${lesson}
  OUTPUT_QUIET ERROR_VARIABLE notes RESULT_VARIABLE failed)
if(failed OR NOT notes STREQUAL "")
  message(SEND_ERROR "installed wavora-cli could not read ${lesson}: ${notes}")
endif()

# The desktop entry and the file type pass the freedesktop tools where they are installed.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${PREFIX}/share/applications/wavora.desktop
    OUTPUT_VARIABLE complaints ERROR_VARIABLE complaints RESULT_VARIABLE failed)
  if(failed OR NOT complaints STREQUAL "")
    message(SEND_ERROR "desktop-file-validate: ${complaints}")
  endif()
endif()
find_program(UPDATE_MIME_DATABASE update-mime-database)
if(UPDATE_MIME_DATABASE)
  execute_process(COMMAND ${UPDATE_MIME_DATABASE} ${PREFIX}/share/mime
    OUTPUT_QUIET ERROR_QUIET RESULT_VARIABLE failed)
  file(STRINGS ${PREFIX}/share/mime/globs2 globs REGEX "x-wavora-slideshow:\\*\\.wvr$")
  if(failed OR NOT globs)
    message(SEND_ERROR "update-mime-database did not take the .wvr type")
  endif()
endif()
