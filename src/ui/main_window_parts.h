// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string>

namespace parvola {

// What the main window's source files share.

// Shown as the file list's pattern for a folder that cannot be listed: no file can match it.
inline const QString kEmptyListPattern =
    QStringLiteral("~~~xxx~~~\u0153\u201c\u00ff.\u00ff\u201c\u0153~~~xxx~~~");

inline std::string Std(const QString& text) {
    return text.toStdString();
}

} // namespace parvola
