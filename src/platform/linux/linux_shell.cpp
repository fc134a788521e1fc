// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/linux_shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QStandardPaths>
#include <QUrl>

namespace parvola {

std::string LinuxShell::DesktopFolder() {
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    // Desktops without a desktop folder show the home folder in its place.
    return (QDir(desktop).exists() ? desktop : QDir::homePath()).toStdString();
}

bool LinuxShell::OpenFolder(const std::string& folder) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(folder)));
}

bool LinuxShell::OpenUrl(const std::string& url) {
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

} // namespace parvola
