# The WebAssembly build, configured with emcmake (scripts/web): the core and the command-line runner
# for Node.js, with the help pages and the example lessons beside them in WAVORA_WEB_DIR.
set(WAVORA_WEB_DIR ${PROJECT_BINARY_DIR}/web CACHE PATH "Where the WebAssembly build puts what it makes")
set(WAVORA_HELP_DIR ${WAVORA_WEB_DIR}/help)
# GoogleTest and Google Benchmark are native; the comparison with the native runner is the test
# (scripts/web-compare).
set(WAVORA_TESTS OFF)
set(WAVORA_BENCHMARKS OFF)

# The reader's errors travel as C++ exceptions, which Emscripten leaves uncaught unless told.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)

file(GLOB example_lessons CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/examples/*.wvr)
add_custom_target(web_examples ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${WAVORA_WEB_DIR}/examples
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${example_lessons} ${WAVORA_WEB_DIR}/examples
  COMMENT "Copying the example lessons"
  VERBATIM)
