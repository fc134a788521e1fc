// SPDX-License-Identifier: GPL-3.0-or-later
// parvola-split: the split job on the command line, with the settings of the windowed program.
#include "app/console_ui.h"
#include "app/interrupts.h"
#include "app/split_options.h"
#include "engine/watched_file_system.h"
#include "engine/split_job.h"
#include "platform/linux/linux_checksums.h"
#include "platform/linux/linux_code_pages.h"
#include "platform/linux/linux_drives.h"
#include "platform/linux/linux_file_system.h"
#include "platform/linux/linux_paths.h"
#include "settings/ini_settings_store.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstring>
#include <iostream>

int main(int argc, char** argv) {
    using namespace parvola;
    // A file size limit then fails the write, which the split reports and cleans up after, instead of
    // killing the program halfway through a piece.
    std::signal(SIGXFSZ, SIG_IGN);
    const volatile std::sig_atomic_t* interrupted = CatchInterrupts();

    const auto parsed = ParseSplitArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.options) {
        std::cerr << UsageError("parvola-split", TerminalSafe(parsed.error));
        return 2;
    }
    const SplitOptions& options = *parsed.options;
    if (options.help) {
        return PrintToOutput("parvola-split", SplitUsage());
    }
    if (options.version) {
        return PrintToOutput("parvola-split", std::string("parvola-split ") + PARVOLA_VERSION + "\n");
    }

    const bool canAsk = ::isatty(STDIN_FILENO);
    ConsoleUi ui("parvola-split", std::cin, std::cerr, canAsk, ::isatty(STDERR_FILENO), interrupted);
    LinuxPaths paths;
    const std::string source = paths.Absolute(options.file);
    // The file and its size are known before anything is asked, so that neither question nor split
    // starts on something that cannot be split.
    struct stat status {};
    const int statError = ::stat(source.c_str(), &status) == 0 ? 0 : errno;
    if (statError != 0 || !S_ISREG(status.st_mode)) {
        std::cerr << "parvola-split: cannot split " << TerminalSafe(source) << ": "
                  << (statError != 0            ? std::strerror(statError)
                      : S_ISDIR(status.st_mode) ? std::strerror(EISDIR)
                                                : "not a regular file")
                  << "\n";
        return 1;
    }
    const auto length = static_cast<double>(status.st_size);
    if (length < options.size.bytes) {
        std::cerr << "parvola-split: cannot split " << TerminalSafe(source) << " into pieces of "
                  << static_cast<long long>(options.size.bytes) << " bytes: it holds only " << status.st_size
                  << (status.st_size == 1 ? " byte\n" : " bytes\n");
        return 1;
    }

    if (!options.yes && !ui.AskYesNo(options.size.question, MessageIcon::Information, DefaultAnswer::Yes)) {
        if (*interrupted) {
            return 130;
        }
        if (!canAsk) {
            std::cerr << "parvola-split: give --yes to split without a terminal to confirm on\n";
        }
        return 1;
    }

    IniSettingsStore settings(DefaultSettingsPath(UserHomeFolder()));
    LinuxFileSystem systemFiles;
    FailureLog failures;
    WatchedFileSystem files(systemFiles, failures);
    ui.NameFailuresFrom(failures);
    // The closing line is the program's own, below.
    ui.HoldClosingMessage([](const std::string& text, MessageIcon) { return text == kCompletedMessage; });
    LinuxDrives drives;
    LinuxCodePages codePages;
    LinuxChecksums checksums;
    Platform platform{files, drives, paths, codePages, checksums};
    const std::string dest = paths.Absolute(options.dest.empty() ? "." : options.dest);
    // Nobody is asked whether to delete the source: it goes only when the command line says so.
    SplitRequest request{source, dest, options.size.bytes, options.checksum,
                         options.deleteSource ? SourceAfterSplit::Delete : SourceAfterSplit::Keep};
    // An interrupt after the last block leaves a complete split, which counts as one.
    if (SplitFile(request, ui, settings, platform) != SplitOutcome::Completed) {
        return *interrupted ? 130 : 1;
    }
    // Success is told to a person watching; a script has the exit code.
    if (::isatty(STDOUT_FILENO)) {
        const auto pieces = static_cast<long long>(std::ceil(length / options.size.bytes));
        const std::string name = source.substr(source.find_last_of('/') + 1);
        std::cout << "Split " << TerminalSafe(name) << " into " << pieces
                  << (pieces == 1 ? " piece" : " pieces") << " in " << TerminalSafe(dest)
                  << (options.deleteSource ? ", and deleted it." : ".") << std::endl;
    }
    return 0;
}
