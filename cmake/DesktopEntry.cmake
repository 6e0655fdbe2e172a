# cmake -DTEMPLATE=selvadoro.desktop.in -DFOLDER=DIR -DTO=FILE -P DesktopEntry.cmake
# Writes the desktop entry of the program installed in FOLDER: @EXEC@ becomes
# the program's path as an Exec key wants it (quoted, with the characters
# that quoting reserves escaped), @FOLDER@ the folder itself.
cmake_minimum_required(VERSION 3.25)

file(READ "${TEMPLATE}" entry)

string(REPLACE "\\" "\\\\" exec "${FOLDER}/selvadoro")
string(REPLACE "\"" "\\\"" exec "${exec}")
string(REPLACE "`" "\\`" exec "${exec}")
string(REPLACE "$" "\\$" exec "${exec}")
set(exec "\"${exec}\"")
# The value is a string too, whose own escape is the backslash; and "%"
# starts a field code.
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "%" "%%" exec "${exec}")
string(REPLACE "\\" "\\\\" folder "${FOLDER}")

string(REPLACE "@EXEC@" "${exec}" entry "${entry}")
string(REPLACE "@FOLDER@" "${folder}" entry "${entry}")
file(WRITE "${TO}" "${entry}")
file(CHMOD "${TO}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
     WORLD_READ WORLD_EXECUTE)
