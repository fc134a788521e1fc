// SPDX-License-Identifier: GPL-3.0-or-later
/* The floor for a join: the pieces copied by the kernel, one after the other, into a new file, with no checks,
 * no temporary name and no checksums. Against cp it shows what reading many pieces costs beside reading one
 * file.
 *
 *   bare_join OUTPUT PREFIX       joins PREFIX.001, PREFIX.002, ... up to the first that is missing
 */
#define _GNU_SOURCE
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: %s OUTPUT PREFIX\n", argv[0]);
        return 2;
    }
    const int out = open(argv[1], O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (out < 0) {
        perror(argv[1]);
        return 1;
    }
    char name[4096];
    for (long long number = 1;; ++number) {
        snprintf(name, sizeof name, "%s.%03lld", argv[2], number);
        const int piece = open(name, O_RDONLY);
        if (piece < 0 && errno == ENOENT && number > 1) {
            break;
        }
        if (piece < 0) {
            perror(name);
            return 1;
        }
        ssize_t copied;
        while ((copied = copy_file_range(piece, NULL, out, NULL, (size_t)1 << 30, 0)) > 0) {
        }
        if (copied < 0) {
            perror(name);
            return 1;
        }
        close(piece);
    }
    if (close(out) != 0) {
        perror(argv[1]);
        return 1;
    }
    return 0;
}
