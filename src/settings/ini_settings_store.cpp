#include "settings/ini_settings_store.h"

#include <QDir>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

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

IniSettingsStore::IniSettingsStore(std::string path) : m_path(std::move(path)) {}

std::optional<std::string> IniSettingsStore::ReadSetting(const std::string& name) {
    if (m_path.empty()) {
        return std::nullopt;
    }
    const QSettings file(QString::fromStdString(m_path), QSettings::IniFormat);
    const QVariant value = file.value(QString::fromStdString(name));
    if (!value.isValid()) {
        return std::nullopt;
    }
    // A hand-edited value with a comma reads back as a list; the text is what the user wrote.
    if (value.userType() == QMetaType::QStringList) {
        return value.toStringList().join(QLatin1Char(',')).toStdString();
    }
    return value.toString().toStdString();
}

void IniSettingsStore::WriteSetting(const std::string& name, const std::string& text) {
    if (m_path.empty()) {
        return;
    }
    QSettings file(QString::fromStdString(m_path), QSettings::IniFormat);
    file.setValue(QString::fromStdString(name), QString::fromStdString(text));
    // A file that cannot be written leaves the old value in place; nobody is told.
    file.sync();
}

} // namespace parvola
