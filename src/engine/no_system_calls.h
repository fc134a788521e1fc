// SPDX-License-Identifier: GPL-3.0-or-later
// Included before every source of the engine. The engine reaches the operating system only through the
// platform seam; names that only the system's headers declare are poisoned, so that including one of
// those headers (<unistd.h>, <fcntl.h>, <sys/stat.h> …) here fails to compile.
#pragma GCC poison fork fsync isatty fcntl lstat fchmod mmap
// mingw's standard headers bring in <process.h>, which declares getpid.
#ifndef _WIN32
#pragma GCC poison getpid
#endif
