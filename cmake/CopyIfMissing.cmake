# cmake -DFROM=FILE -DTO=FILE -P CopyIfMissing.cmake
# Copies FROM to TO unless TO exists already: a file the user may have
# changed since (the password file) is never replaced.
cmake_minimum_required(VERSION 3.25)

if(NOT EXISTS "${TO}")
    get_filename_component(folder "${TO}" DIRECTORY)
    file(MAKE_DIRECTORY "${folder}")
    file(COPY_FILE "${FROM}" "${TO}")
endif()
