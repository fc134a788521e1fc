// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/file_list.h"

#include "forms/folder_listing.h"
#include "platform/system_platform.h"

#include <QFileInfo>
#include <QScopedValueRollback>

namespace parvola {

namespace {

// Root may read anything, so a folder that exists and lets the user in and list it is listable.
bool isListable(const QString& folder) {
    const QFileInfo info(folder);
    return !folder.isEmpty() && info.isDir() && info.isReadable() && info.isExecutable();
}

} // namespace

FileList::FileList(QWidget* parent, FileSystem* files)
    : QListWidget(parent), m_ownFiles(files ? nullptr : std::make_unique<SystemFileSystem>()),
      m_files(files ? *files : *m_ownFiles) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(this, &QListWidget::currentRowChanged, this, [this] {
        if (!m_relisting) {
            emit Click();
        }
    });
}

bool FileList::setPath(const QString& folder) {
    if (!isListable(folder)) {
        return false;
    }
    m_path = folder;
    fill();
    return true;
}

void FileList::setPattern(const QString& pattern) {
    m_pattern = pattern;
    refresh();
}

QString FileList::fileName() const {
    const QListWidgetItem* chosen = currentItem();
    return chosen ? chosen->text() : QString();
}

void FileList::refresh() {
    if (!m_path.isEmpty()) {
        fill();
    }
}

QString FileList::entry(int index) const {
    const QListWidgetItem* found = item(index);
    return found ? found->text() : QString();
}

void FileList::choose(int index) {
    if (index < -1 || index >= count()) {
        return;
    }
    setCurrentRow(index, index < 0 ? QItemSelectionModel::Clear : QItemSelectionModel::ClearAndSelect);
    if (index >= 0) {
        scrollToItem(item(index));
    }
}

// A folder that went away since it was set lists nothing.
void FileList::fill() {
    QStringList names;
    if (isListable(m_path)) {
        for (const std::string& name : MatchingFiles(m_files, m_path.toStdString(), m_pattern.toStdString())
                                           .value_or(std::vector<std::string>())) {
            names.push_back(QString::fromStdString(name));
        }
    }
    const QScopedValueRollback<bool> quiet(m_relisting, true);
    clear();
    addItems(names);
    setCurrentRow(-1);
}

} // namespace parvola
