# ccache, when installed, with settings that let a fresh clone in another
# folder reuse objects (CCACHE_BASEDIR is set by the build scripts).
find_program(QX_CCACHE ccache)
if(QX_CCACHE)
  set(CMAKE_C_COMPILER_LAUNCHER ${QX_CCACHE})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${QX_CCACHE})
endif()
