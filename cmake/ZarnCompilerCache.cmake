# Build speed. ccache, when the machine has it, keeps the objects of earlier builds: a second
# clone or a second preset recompiles only what changed. The precompiled headers stay cacheable with the
# sloppiness that ccache asks for them.
find_program(ZARN_CCACHE ccache)
if(ZARN_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  set(CMAKE_CXX_COMPILER_LAUNCHER
    ${CMAKE_COMMAND} -E env
    "CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime"
    # Paths inside the clone count relative to it, so another clone hits the same entries.
    "CCACHE_BASEDIR=${PROJECT_SOURCE_DIR}" CCACHE_NOHASHDIR=1
    ${ZARN_CCACHE})
endif()

# The gold linker, where the toolchain has it, links the many test programs faster than the
# default one.
include(CheckLinkerFlag)
check_linker_flag(CXX "-fuse-ld=gold" ZARN_HAS_GOLD)
if(ZARN_HAS_GOLD)
  add_link_options(-fuse-ld=gold)
endif()
