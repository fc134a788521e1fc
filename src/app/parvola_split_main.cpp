// SPDX-License-Identifier: GPL-3.0-or-later
// parvola-split: the split job on the command line, with the settings of the windowed program.
#include "app/command_line.h"
#include "app/console_ui.h"
#include "app/interrupts.h"
#include "app/split_options.h"
#include "engine/split_job.h"
#include "engine/watched_file_system.h"
#include "platform/path_text.h"
#include "platform/system_platform.h"

#ifdef _WIN32
#include "settings/registry_settings_store.h"
#else
#include "settings/ini_settings_store.h"
#endif

#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    using namespace parvola;
    // A file size limit then fails the write, which the split reports and cleans up after, instead of
    // killing the program halfway through a piece.
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
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

    const bool canAsk = IsTerminal(0);
    ConsoleUi ui("parvola-split", std::cin, std::cerr, canAsk, IsTerminal(2), interrupted);
    SystemPaths paths;
    const std::string source = paths.Absolute(options.file);
    // The file and its size are known before anything is asked, so that neither question nor split
    // starts on something that cannot be split.
    std::error_code statError;
    const std::filesystem::path sourcePath = std::filesystem::u8path(source);
    const auto status = std::filesystem::status(sourcePath, statError);
    if (statError || !std::filesystem::is_regular_file(status)) {
        std::cerr << "parvola-split: cannot split " << TerminalSafe(source) << ": "
                  << (statError                               ? statError.message()
                      : std::filesystem::is_directory(status) ? std::string(std::strerror(EISDIR))
                                                              : std::string("not a regular file"))
                  << "\n";
        return 1;
    }
    const auto size = static_cast<std::int64_t>(std::filesystem::file_size(sourcePath, statError));
    const auto length = static_cast<double>(size);
    if (length < options.size.bytes) {
        std::cerr << "parvola-split: cannot split " << TerminalSafe(source) << " into pieces of "
                  << static_cast<long long>(options.size.bytes) << " bytes: it holds only " << size
                  << (size == 1 ? " byte\n" : " bytes\n");
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

#ifdef _WIN32
    RegistrySettingsStore settings;
#else
    IniSettingsStore settings(DefaultSettingsPath(UserHomeFolder()));
#endif
    SystemFileSystem systemFiles;
    FailureLog failures;
    WatchedFileSystem files(systemFiles, failures);
    ui.NameFailuresFrom(failures);
    // The closing line is the program's own, below.
    ui.HoldClosingMessage([](const std::string& text, MessageIcon) { return text == kCompletedMessage; });
    SystemDrives drives;
    SystemCodePages codePages;
    SystemChecksums checksums;
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
    if (IsTerminal(1)) {
        const auto pieces = static_cast<long long>(std::ceil(length / options.size.bytes));
        const std::string name = LastName(source);
        std::cout << "Split " << TerminalSafe(name) << " into " << pieces
                  << (pieces == 1 ? " piece" : " pieces") << " in " << TerminalSafe(dest)
                  << (options.deleteSource ? ", and deleted it." : ".") << std::endl;
    }
    return 0;
}
