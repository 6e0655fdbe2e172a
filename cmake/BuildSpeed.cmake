# What makes the build quicker, where the machine has it: a compiler cache,
# a fast linker, and each target's most used headers compiled once.

# ccache, when installed, caches every compilation (a fresh build folder of
# an unchanged tree compiles nothing). Precompiled headers are cached only
# with the two relaxations below.
find_program(SELVADORO_CCACHE ccache)
if(SELVADORO_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
    set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env
        CCACHE_SLOPPINESS=pch_defines,time_macros ${SELVADORO_CCACHE})
endif()

# mold, else lld, else the system's linker.
include(CheckLinkerFlag)
foreach(linker IN ITEMS mold lld)
    check_linker_flag(CXX -fuse-ld=${linker} SELVADORO_HAS_LINKER_${linker})
    if(SELVADORO_HAS_LINKER_${linker})
        target_link_options(selvadoro_flags INTERFACE -fuse-ld=${linker})
        break()
    endif()
endforeach()

# Precompiled headers: the Qt, standard and test headers most sources of a
# target include. A source that forgets an include of these still compiles
# with them; -DSELVADORO_PCH=OFF builds without, to find it.
option(SELVADORO_PCH "Precompile each target's common headers" ON)
set(SELVADORO_PCH_CORE
    <QByteArray> <QDate> <QDateTime> <QDir> <QFile> <QFileInfo> <QHash> <QList>
    <QString> <QStringList> <QTextStream> <algorithm> <functional> <memory> <optional> <vector>)
set(SELVADORO_PCH_WIDGETS
    <QCheckBox> <QComboBox> <QDialog> <QFrame> <QHBoxLayout> <QLabel> <QLineEdit>
    <QPushButton> <QToolButton> <QVBoxLayout> <QWidget>)
set(SELVADORO_PCH_TESTS <gtest/gtest.h> <QTemporaryDir>)

function(selvadoro_precompile target)
    if(SELVADORO_PCH)
        target_precompile_headers(${target} PRIVATE ${ARGN})
    endif()
endfunction()
