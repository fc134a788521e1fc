// parvola-split: the split job on the command line, with the settings of the windowed program.
#include "app/console_ui.h"
#include "app/interrupts.h"
#include "app/split_options.h"
#include "engine/split_job.h"
#include "platform/linux/linux_checksums.h"
#include "platform/linux/linux_code_pages.h"
#include "platform/linux/linux_drives.h"
#include "platform/linux/linux_file_system.h"
#include "platform/linux/linux_paths.h"
#include "settings/ini_settings_store.h"

#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <iostream>

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    using namespace parvola;
    // A file size limit then fails the write, which the split reports and cleans up after, instead of
    // killing the program halfway through a piece.
    std::signal(SIGXFSZ, SIG_IGN);
    const volatile std::sig_atomic_t* interrupted = CatchInterrupts();

    const auto parsed = ParseSplitArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.options) {
        std::cerr << "parvola-split: " << TerminalSafe(parsed.error) << "\n" << SplitUsage();
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
    ConsoleUi ui(std::cin, std::cerr, canAsk, ::isatty(STDERR_FILENO), interrupted);
    LinuxPaths paths;
    const std::string source = paths.Absolute(options.file);
    std::error_code error;
    if (!fs::is_regular_file(source, error)) {
        ui.ShowMessage("Cannot split " + source + ": " +
                           (fs::exists(source, error) ? "not a file." : "no such file."),
                       MessageIcon::Critical);
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
    LinuxFileSystem files;
    LinuxDrives drives;
    LinuxCodePages codePages;
    LinuxChecksums checksums;
    Platform platform{files, drives, paths, codePages, checksums};
    // Nobody is asked whether to delete the source: it goes only when the command line says so.
    SplitRequest request{source, paths.Absolute(options.dest.empty() ? "." : options.dest),
                         options.size.bytes, options.checksum,
                         options.deleteSource ? SourceAfterSplit::Delete : SourceAfterSplit::Keep};
    // An interrupt after the last block leaves a complete split, which counts as one.
    if (SplitFile(request, ui, settings, platform) == SplitOutcome::Completed) {
        if (options.deleteSource) {
            ui.ShowMessage("Deleted " + source + ".", MessageIcon::Information);
        }
        return 0;
    }
    return *interrupted ? 130 : 1;
}
