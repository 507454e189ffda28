# Cross-compiling the 64-bit Windows programs with MinGW-w64.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Each EXE must run alone, without MinGW's runtime DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# GCC's interprocedural register allocation trusts that every copy of an inline function
# clobbers the same registers; on PE targets the linker may keep a copy from another unit that
# was inlined differently, and callers then lose a volatile register (seen as a crash in the
# calculator's key entry). Turn the assumption off; as a compile option rather than an initial
# flag, so that build folders configured before this line pick it up too.
add_compile_options(-fno-ipa-ra)
