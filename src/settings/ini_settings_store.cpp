// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ini_settings_store.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace parvola {

std::string DefaultSettingsPath(const std::string& home) {
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    // Relative values are to be ignored, as if unset.
    if (configHome.isEmpty() || QDir::isRelativePath(configHome)) {
        if (home.empty()) {
            return {};
        }
        configHome = QString::fromStdString(home) + QStringLiteral("/.config");
    }
    return (configHome + QStringLiteral("/Orvane/Parvola.conf")).toStdString();
}

namespace {

// Whether QSettings may read and replace path: a regular file, or nothing yet. Opened without blocking and
// then looked at, since a FIFO there would hold open() until a writer came, and a device is no settings file.
bool UsableSettingsFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return errno == ENOENT;
    }
    struct stat info {};
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    ::close(fd);
    return regular;
}

// The text after "name=" on the line of the general section that sets name, without the spaces around it.
std::optional<std::string> RawValue(const std::string& path, const std::string& name) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return std::nullopt;
    }
    bool general = true;
    std::optional<std::string> found;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            general = line == QStringLiteral("[General]");
            continue;
        }
        const auto equals = line.indexOf(QLatin1Char('='));
        if (general && equals > 0 && line.left(equals).trimmed() == QString::fromStdString(name)) {
            found = line.mid(equals + 1).trimmed().toStdString(); // the last one wins, as in QSettings
        }
    }
    return found;
}

} // namespace

IniSettingsStore::IniSettingsStore(std::string path) : m_path(std::move(path)) {}

std::optional<std::string> IniSettingsStore::ReadSetting(const std::string& name) {
    if (m_path.empty() || !UsableSettingsFile(m_path)) {
        return std::nullopt;
    }
    const QSettings file(QString::fromStdString(m_path), QSettings::IniFormat);
    const QVariant value = file.value(QString::fromStdString(name));
    if (!value.isValid()) {
        return std::nullopt;
    }
    // A hand-edited value with a comma reads back as a list of its parts, trimmed; the text is what the user
    // wrote on the line.
    if (value.userType() == QMetaType::QStringList) {
        return RawValue(m_path, name).value_or(value.toStringList().join(QLatin1Char(',')).toStdString());
    }
    return value.toString().toStdString();
}

void IniSettingsStore::WriteSetting(const std::string& name, const std::string& text) {
    // Something other than a settings file there is the user's: it is neither read nor replaced.
    if (m_path.empty() || !UsableSettingsFile(m_path)) {
        return;
    }
    QSettings file(QString::fromStdString(m_path), QSettings::IniFormat);
    file.setValue(QString::fromStdString(name), QString::fromStdString(text));
    // A file that cannot be written leaves the old value in place; nobody is told.
    file.sync();
}

} // namespace parvola
