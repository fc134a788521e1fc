// SPDX-License-Identifier: GPL-3.0-or-later
// parvola-join: joins the pieces of a split on the command line, checking them as it goes.
#include "app/command_line.h"
#include "app/console_ui.h"
#include "app/interrupts.h"
#include "app/join_options.h"
#include "engine/join_job.h"
#include "engine/watched_file_system.h"
#include "platform/system_platform.h"

#include <csignal>
#include <iostream>

int main(int argc, char** argv) {
    using namespace parvola;
    // A file size limit then fails the write, which the join reports and cleans up after.
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    const volatile std::sig_atomic_t* interrupted = CatchInterrupts();

    const auto parsed = ParseJoinArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.options) {
        std::cerr << UsageError("parvola-join", TerminalSafe(parsed.error));
        return 2;
    }
    const JoinOptions& options = *parsed.options;
    if (options.help) {
        return PrintToOutput("parvola-join", JoinUsage());
    }
    if (options.version) {
        return PrintToOutput("parvola-join", std::string("parvola-join ") + PARVOLA_VERSION + "\n");
    }

    // The join asks nothing: a name there is replaced only with --force.
    ConsoleUi ui("parvola-join", std::cin, std::cerr, false, IsTerminal(2), interrupted);
    SystemFileSystem systemFiles;
    FailureLog failures;
    WatchedFileSystem files(systemFiles, failures);
    ui.NameFailuresFrom(failures);
    // The join's only information is that it worked: told to a person watching; a script has the exit code.
    ui.HoldClosingMessage(
        [](const std::string&, MessageIcon icon) { return icon == MessageIcon::Information; });
    SystemDrives drives;
    SystemPaths paths;
    SystemCodePages codePages;
    SystemChecksums checksums;
    Platform platform{files, drives, paths, codePages, checksums};
    const JoinRequest request{paths.Absolute(options.piece),
                              options.dest.empty() ? std::string() : paths.Absolute(options.dest),
                              options.force ? ReplaceExisting::Always : ReplaceExisting::Never,
                              options.deletePieces,
                              options.check,
                              options.unchecked ? UncheckedJoin::Allow : UncheckedJoin::Refuse};
    const JoinOutcome outcome = JoinPieces(request, ui, platform);
    // An interrupt after the last block leaves a complete join, which counts as one.
    if (outcome == JoinOutcome::Joined || outcome == JoinOutcome::Verified) {
        if (IsTerminal(1) && !ui.closingMessage().empty()) {
            std::cout << ui.closingMessage() << std::endl;
        }
        return 0;
    }
    return *interrupted ? 130 : 1;
}
