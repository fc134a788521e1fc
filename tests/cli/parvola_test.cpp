// SPDX-License-Identifier: GPL-3.0-or-later
// parvola, the windowed program, where it has no window to show.
#include "support/temp_tree.h"

#include <gtest/gtest.h>

namespace parvola::test {

// Qt would abort with a core dump; the program says why and where to turn instead.
TEST(Parvola, WithoutADisplaySaysSoAndEndsWithExitCode1) {
    TempTree tree;
    std::filesystem::create_directories(tree / "pieces");
    std::string said;
    EXPECT_EQ(RunInPieces(tree,
                          "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " PARVOLA_FOLDER "/parvola",
                          said),
              1);
    EXPECT_EQ(said,
              "parvola: no graphical display (neither DISPLAY nor WAYLAND_DISPLAY is set); parvola-split and "
              "parvola-join work without one.\n");
}

} // namespace parvola::test
