// SPDX-License-Identifier: GPL-3.0-or-later
/* The floor for a split into many pieces: nothing but an exclusive create, the kernel's copy and a close per
 * piece, with no checks, no script and no checksums.
 *
 *   bare_split SOURCE PIECE_BYTES PREFIX       writes PREFIX.001, PREFIX.002, ...
 */
#define _GNU_SOURCE
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc != 4) {
        fprintf(stderr, "usage: %s SOURCE PIECE_BYTES PREFIX\n", argv[0]);
        return 2;
    }
    const int source = open(argv[1], O_RDONLY);
    struct stat info;
    if (source < 0 || fstat(source, &info) != 0) {
        perror(argv[1]);
        return 1;
    }
    const long long piece = atoll(argv[2]);
    char name[4096];
    long long left = info.st_size;
    for (long long number = 1; left > 0; ++number) {
        snprintf(name, sizeof name, "%s.%03lld", argv[3], number);
        const int out = open(name, O_WRONLY | O_CREAT | O_EXCL, 0644);
        if (out < 0) {
            perror(name);
            return 1;
        }
        for (long long n = left < piece ? left : piece; n > 0;) {
            const ssize_t copied = copy_file_range(source, NULL, out, NULL, (size_t)n, 0);
            if (copied <= 0) {
                perror(name);
                return 1;
            }
            n -= copied;
            left -= copied;
        }
        if (close(out) != 0) {
            perror(name);
            return 1;
        }
    }
    return 0;
}
