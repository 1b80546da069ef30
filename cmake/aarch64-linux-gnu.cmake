# Cross-compiling for aarch64 Linux with Debian's g++-aarch64-linux-gnu; the
# tests run under Debian's qemu-aarch64 (qemu-user) on the build machine.
# QUORVANE_AARCH64_PREFIX: where the target's GoogleTest is installed.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)

set(QUORVANE_AARCH64_SYSROOT /usr/aarch64-linux-gnu)
set(CMAKE_FIND_ROOT_PATH ${QUORVANE_AARCH64_SYSROOT} ${QUORVANE_AARCH64_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# ctest and the test discovery run the target's programs through the emulator.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64 -L ${QUORVANE_AARCH64_SYSROOT})
