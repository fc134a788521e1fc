// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/file_system.h"

#include <QListWidget>
#include <QString>

#include <memory>

namespace parvola {

// The files of one folder that match a pattern; those whose names begin with a dot only for a pattern that
// begins with a dot.
class FileList : public QListWidget {
    Q_OBJECT
public:
    // The list reads folders through files; through the system's own when it is null.
    explicit FileList(QWidget* parent = nullptr, FileSystem* files = nullptr);

    QString path() const { return m_path; }
    // Lists that folder; false, and the previous folder still listed, when it cannot be listed.
    bool setPath(const QString& folder);
    QString pattern() const { return m_pattern; }
    // Wildcard patterns separated by ";", matched without regard to case; "*.*" and the empty text match
    // every file. Relists the folder.
    void setPattern(const QString& pattern);
    // The chosen entry's name without its folder; empty when none is chosen.
    QString fileName() const;
    // Reads the folder again.
    void refresh();
    int entryCount() const { return count(); }
    QString entry(int index) const;
    int chosenIndex() const { return currentRow(); }
    // Chooses the entry and scrolls it into view; raises Click when the choice changed.
    void choose(int index);

signals:
    // The chosen entry changed.
    void Click();

private:
    void fill();

    std::unique_ptr<FileSystem> m_ownFiles;
    FileSystem& m_files;
    QString m_path;
    QString m_pattern;
    // Set while the list is refilled, which drops the choice without a Click.
    bool m_relisting = false;
};

} // namespace parvola
