# The help pages as the program shows and installs them. A page in assets/help holds only its body;
# the build wraps it in the one header and footer every page shares, with the page's first <h1> as
# its title, and copies the pictures and the style sheet as they are.
#
# Included by the build, it makes the pages in WAVORA_HELP_DIR (target help_pages; by default the
# build's help folder). Run as a script
# (cmake -DSOURCE=<file> -DOUTPUT=<file> -P help_pages.cmake), it makes one of them.

if(CMAKE_SCRIPT_MODE_FILE)
  get_filename_component(folder ${OUTPUT} DIRECTORY)
  file(MAKE_DIRECTORY ${folder})
  if(NOT SOURCE MATCHES "\\.html$")
    file(COPY_FILE ${SOURCE} ${OUTPUT} ONLY_IF_DIFFERENT)
    return()
  endif()
  file(READ ${SOURCE} body)
  if(NOT body MATCHES "<h1>([^<]+)</h1>")
    message(FATAL_ERROR "${SOURCE}: no <h1> to take the page's title from")
  endif()
  set(title "${CMAKE_MATCH_1}")
  file(WRITE ${OUTPUT} "<!DOCTYPE html>
<html lang=\"en\">
<head>
<meta charset=\"utf-8\">
<title>${title}</title>
<link rel=\"stylesheet\" href=\"help.css\">
</head>
<body>
${body}</body>
</html>
")
  return()
endif()

if(NOT WAVORA_HELP_DIR)
  set(WAVORA_HELP_DIR ${PROJECT_BINARY_DIR}/help)
endif()
file(GLOB help_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/assets/help/*)
set(help_pages)
foreach(source IN LISTS help_sources)
  get_filename_component(name ${source} NAME)
  set(page ${WAVORA_HELP_DIR}/${name})
  add_custom_command(OUTPUT ${page}
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${source} -DOUTPUT=${page} -P ${CMAKE_CURRENT_LIST_FILE}
    DEPENDS ${source} ${CMAKE_CURRENT_LIST_FILE}
    VERBATIM)
  list(APPEND help_pages ${page})
endforeach()
add_custom_target(help_pages ALL DEPENDS ${help_pages})
