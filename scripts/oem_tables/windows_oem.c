// SPDX-License-Identifier: GPL-3.0-or-later
/* Prints how Windows encodes every BMP character in each code page named on the command line, best fit
 * off, as the command interpreter's batch files must be written: one line per character,
 * "PAGE CODE BYTES" in hex, or "PAGE CODE -" where the page lacks the character (Windows would only give
 * a look-alike or its default character). Surrogates are left out: alone they are no character.
 * Build: x86_64-w64-mingw32-gcc -O2 -o windows_oem.exe windows_oem.c; run under wine. */
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv) {
    for (int a = 1; a < argc; ++a) {
        const UINT page = (UINT)atoi(argv[a]);
        CPINFO info;
        if (!GetCPInfo(page, &info)) {
            fprintf(stderr, "code page %u unknown\n", page);
            return 1;
        }
        for (unsigned code = 0; code <= 0xffff; ++code) {
            if (code >= 0xd800 && code <= 0xdfff) {
                continue;
            }
            const WCHAR wide = (WCHAR)code;
            unsigned char bytes[8];
            BOOL usedDefault = FALSE;
            const int length = WideCharToMultiByte(page, WC_NO_BEST_FIT_CHARS, &wide, 1, (char*)bytes,
                                                   sizeof bytes, NULL, &usedDefault);
            printf("%u %04X ", page, code);
            if (length <= 0 || usedDefault) {
                printf("-\n");
                continue;
            }
            for (int i = 0; i < length; ++i) {
                printf("%02X", bytes[i]);
            }
            printf("\n");
        }
    }
    return 0;
}
