// SPDX-License-Identifier: GPL-3.0-or-later
// parvola: the windowed program.
#include "app/command_line.h"
#include "app/window_ends.h"
#include "platform/linux/linux_checksums.h"
#include "platform/linux/linux_code_pages.h"
#include "platform/linux/linux_drives.h"
#include "platform/linux/linux_file_system.h"
#include "platform/linux/linux_paths.h"
#include "platform/linux/linux_shell.h"
#include "settings/ini_settings_store.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QIcon>

#include <csignal>
#include <cstdlib>
#include <iostream>
#include <string>

namespace {

const char* const kUsage =
    "Usage: parvola [FILE]\n"
    "Opens the window that cuts a file into numbered pieces (FILE.001, FILE.002, ...) and writes the batch\n"
    "file FILE.bat that joins them again. FILE, when given, is chosen already.\n"
    "\n"
    "  -h, --help     show this help\n"
    "      --version  show the version\n"
    "\n"
    "A file named like an option is given as ./-h. Without a window, parvola-split cuts a file and\n"
    "parvola-join joins the pieces. Manual pages: man parvola, man parvola-split, man parvola-join.\n";

} // namespace

int main(int argc, char** argv) {
    using namespace parvola;
    // A file size limit then fails the write, which the split reports and cleans up after, instead of
    // killing the program halfway through a piece.
    std::signal(SIGXFSZ, SIG_IGN);
    // A closed output fails the write instead of ending the program (the window ignores it from its start).
    std::signal(SIGPIPE, SIG_IGN);

    // Answered before the window system is reached, so that they work without a display.
    const std::string only = argc == 2 ? argv[1] : "";
    if (only == "--help" || only == "-h") {
        return PrintToOutput("parvola", kUsage);
    }
    if (only == "--version") {
        return PrintToOutput("parvola", std::string("parvola ") + PARVOLA_VERSION + "\n");
    }

    // Qt would abort without a display; the command-line programs need none.
    const auto given = [](const char* name) { return std::getenv(name) && *std::getenv(name); };
    if (!given("DISPLAY") && !given("WAYLAND_DISPLAY") && !given("QT_QPA_PLATFORM")) {
        std::cerr
            << "parvola: no graphical display (neither DISPLAY nor WAYLAND_DISPLAY is set); parvola-split "
               "and parvola-join work without one.\n";
        return 1;
    }

    QApplication app(argc, argv);
    // exit(), not quit(): the window refuses to close while its job runs, which would refuse the quit too.
    EndJobsWithTheProcess(app, [] { QCoreApplication::exit(1); });
    QApplication::setApplicationName("Parvola");
    QApplication::setApplicationVersion(PARVOLA_VERSION);
    // The id names the desktop entry and the icon, so the desktop matches the window to both.
    QApplication::setDesktopFileName("io.github.parvola.Parvola");
    QApplication::setWindowIcon(
        QIcon::fromTheme("io.github.parvola.Parvola", QIcon(":/io.github.parvola.Parvola.svg")));

    IniSettingsStore settings(DefaultSettingsPath(UserHomeFolder()));
    LinuxFileSystem files;
    LinuxDrives drives;
    LinuxPaths paths;
    LinuxShell shell;
    LinuxCodePages codePages;
    LinuxChecksums checksums;
    Platform platform{files, drives, paths, codePages, checksums};

    frmMain window(settings, platform, shell);
    // One path of a file; the desktop passes it as one argument, spaces included.
    const QStringList args = QApplication::arguments();
    window.Form_Load(args.size() > 1 ? args.at(1) : QString());
    window.show();
    return QApplication::exec();
}
