# Writes a header that holds files as byte arrays, so that a page's HTML, CSS and JavaScript
# stay files of their own and reach the program unchanged (no character set conversion).
#   cmake -DOUTPUT=header.h -DNAMESPACE=ns -DFILES=a.html|b.css -P EmbedFiles.cmake
string(REPLACE "|" ";" files "${FILES}")
set(text "#pragma once\n\n#include <string_view>\n\n// Generated from the files of the same names.\nnamespace ${NAMESPACE} {\n")
foreach(file IN LISTS files)
    get_filename_component(name "${file}" NAME)
    string(MAKE_C_IDENTIFIER "${name}" identifier)
    file(READ "${file}" hex HEX)
    string(LENGTH "${hex}" length)
    math(EXPR size "${length} / 2")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
    string(APPEND text "inline constexpr char ${identifier}_bytes[] = {${bytes}0};\n")
    string(APPEND text "inline constexpr std::string_view ${identifier}(${identifier}_bytes, ${size});\n")
endforeach()
string(APPEND text "}  // namespace ${NAMESPACE}\n")
file(WRITE "${OUTPUT}" "${text}")
