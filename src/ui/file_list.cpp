// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/file_list.h"

#include "forms/file_pattern.h"
#include "ui/name_order.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScopedValueRollback>

#include <algorithm>
#include <vector>

namespace parvola {

namespace {

// Wildcard patterns as the Windows file dialogs take them: "*" and "?", any case, and a trailing ".*"
// that also matches a name without a dot.
class NameFilter {
public:
    explicit NameFilter(const QString& patterns) {
        static const QRegularExpression separators(QStringLiteral("[;,]"));
        for (const QString& part : patterns.split(separators)) {
            const QString pattern = part.trimmed();
            if (!pattern.isEmpty()) {
                m_expressions.emplace_back(QRegularExpression::anchoredPattern(expressionFor(pattern)),
                                           QRegularExpression::CaseInsensitiveOption |
                                               QRegularExpression::DotMatchesEverythingOption);
            }
        }
    }

    bool matches(const QString& name) const {
        return m_expressions.empty() || std::any_of(m_expressions.begin(), m_expressions.end(),
                                                    [&](const QRegularExpression& expression) {
                                                        return expression.match(name).hasMatch();
                                                    });
    }

private:
    static QString expressionFor(const QString& pattern) {
        const bool anyExtension = pattern.endsWith(QStringLiteral(".*"));
        const QString stem = anyExtension ? pattern.chopped(2) : pattern;
        QString expression;
        for (const QChar c : stem) {
            if (c == '*') {
                expression += QStringLiteral(".*");
            } else if (c == '?') {
                expression += '.';
            } else {
                expression += QRegularExpression::escape(QString(c));
            }
        }
        return anyExtension ? expression + QStringLiteral("(\\..*)?") : expression;
    }

    std::vector<QRegularExpression> m_expressions;
};

// Root may read anything, so a folder that exists and lets the user in and list it is listable.
bool isListable(const QString& folder) {
    const QFileInfo info(folder);
    return !folder.isEmpty() && info.isDir() && info.isReadable() && info.isExecutable();
}

} // namespace

FileList::FileList(QWidget* parent) : QListWidget(parent) {
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
    const NameFilter filter(m_pattern);
    const bool hiddenShown = ShowsHiddenNames(m_pattern.toStdString());
    QStringList names;
    if (isListable(m_path)) {
        // Files alone: symbolic links to files count, sockets, pipes and devices do not.
        QDirIterator entries(m_path, QDir::Files | QDir::Hidden);
        while (entries.hasNext()) {
            entries.next();
            const bool hidden = entries.fileName().startsWith('.');
            if ((hiddenShown || !hidden) && filter.matches(entries.fileName())) {
                names.push_back(entries.fileName());
            }
        }
        SortNames(names);
    }
    const QScopedValueRollback<bool> quiet(m_relisting, true);
    clear();
    addItems(names);
    setCurrentRow(-1);
}

} // namespace parvola
