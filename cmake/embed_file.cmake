# Compiles a data file into the program, so that nothing is looked up on disk at run time: a source
# generated in the build directory defines `std::string_view <function>()`, the file's bytes.
#
# Included, this file defines wavora_embed_file(<target> <file> <function>). Run as a script
# (cmake -DINPUT=<file> -DOUTPUT=<source> -DFUNCTION=<name> -P embed_file.cmake) it writes the source.

if(CMAKE_SCRIPT_MODE_FILE)
  file(READ "${INPUT}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  # Twelve bytes to a line.
  string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n    " bytes
         "${bytes}")
  get_filename_component(name "${INPUT}" NAME)
  file(WRITE "${OUTPUT}.tmp"
       "// Generated from ${name} by embed_file.cmake.\n"
       "#include <string_view>\n\n"
       "namespace wavora {\n\n"
       "std::string_view ${FUNCTION}() {\n"
       "  static const unsigned char kBytes[] = {\n    ${bytes}\n  };\n"
       "  return {reinterpret_cast<const char*>(kBytes), sizeof kBytes};\n"
       "}\n\n"
       "}  // namespace wavora\n")
  file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
  return()
endif()

set(WAVORA_EMBED_SCRIPT "${CMAKE_CURRENT_LIST_FILE}")

function(wavora_embed_file target input function)
  get_filename_component(name "${input}" NAME)
  set(output "${CMAKE_CURRENT_BINARY_DIR}/embedded/${name}.cpp")
  add_custom_command(
    OUTPUT "${output}"
    COMMAND "${CMAKE_COMMAND}" -DINPUT=${input} -DOUTPUT=${output} -DFUNCTION=${function}
            -P "${WAVORA_EMBED_SCRIPT}"
    DEPENDS "${input}" "${WAVORA_EMBED_SCRIPT}"
    COMMENT "Compiling ${name} into the program"
    VERBATIM)
  target_sources(${target} PRIVATE "${output}")
endfunction()
