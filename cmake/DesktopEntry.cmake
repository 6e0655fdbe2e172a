# cmake -DTEMPLATE=selvadoro.desktop.in -DFOLDER=DIR -DTO=FILE -P DesktopEntry.cmake
# Writes the desktop entry of the program installed in FOLDER: @EXEC@ becomes
# the program's path as an Exec key wants it (quoted, with the characters
# that quoting reserves escaped), @FOLDER@ the folder itself, @ICON@ the
# icon's path in it.
# Without FOLDER, the entry of the program installed in the system: the
# program and its icon by name (found in PATH and in the icon theme), no
# working folder.
cmake_minimum_required(VERSION 3.25)

file(READ "${TEMPLATE}" entry)

if(NOT FOLDER)
    string(REGEX REPLACE "Path=@FOLDER@\n" "" entry "${entry}")
    string(REPLACE "@EXEC@" "selvadoro" entry "${entry}")
    string(REPLACE "@ICON@" "selvadoro" entry "${entry}")
    file(WRITE "${TO}" "${entry}")
    return()
endif()

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
string(REPLACE "@ICON@" "${folder}/selvadoro.svg" entry "${entry}")
file(WRITE "${TO}" "${entry}")
file(CHMOD "${TO}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
     WORLD_READ WORLD_EXECUTE)
