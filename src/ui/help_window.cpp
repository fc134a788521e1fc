// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help_window.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>

// The pages are compiled into this static library; nothing else refers to them, so the linker would drop
// them unless they are pulled in by hand. Outside the namespace, as the macro requires.
static void InitHelpResources() {
    Q_INIT_RESOURCE(help);
}

namespace parvola {

namespace {

struct HelpPage {
    const char* file;
    const char* title;
};

// The index's order; the first page is the one the window opens on.
const HelpPage kPages[] = {
    {"index.html", "Welcome to Parvola"},
    {"splitting.html", "Splitting a File"},
    {"sizes.html", "Piece Sizes"},
    {"disks.html", "Removable Disks"},
    {"rejoining.html", "Joining the Pieces"},
    {"joining.html", "Joining with Parvola"},
    {"options.html", "Options"},
    {"messages.html", "Messages"},
};

QUrl PageUrl(const char* file) {
    return QUrl(QStringLiteral("qrc:/help/") + QLatin1String(file));
}

} // namespace

HelpWindow::HelpWindow() : m_index(new QListWidget), m_page(new QTextBrowser) {
    InitHelpResources();
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Parvola Help"));

    m_index->setObjectName(QStringLiteral("HelpIndex"));
    for (const auto& page : kPages) {
        auto* item = new QListWidgetItem(QString::fromUtf8(page.title), m_index);
        item->setData(Qt::UserRole, PageUrl(page.file));
    }
    m_page->setObjectName(QStringLiteral("HelpPage"));
    m_page->setOpenExternalLinks(true);
    // The rich-text headings are sized for posters; these suit a page some 600 pixels wide.
    m_page->document()->setDefaultStyleSheet(
        QStringLiteral("h1 { font-size: x-large; } h2 { font-size: large; } "
                       "pre { margin-left: 12px; } dt { margin-top: 8px; }"));

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(m_index);
    splitter->addWidget(m_page);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);
    // The index as wide as its longest title, so the page keeps room for the screenshot.
    const int indexWidth = m_index->sizeHintForColumn(0) + 2 * m_index->frameWidth() + 12;
    splitter->setSizes({indexWidth, 760 - indexWidth});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(splitter);
    resize(760, 520);

    connect(m_index, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item) {
            m_page->setSource(item->data(Qt::UserRole).toUrl());
        }
    });
    // A link followed in the page selects that page in the index, so the two never disagree.
    connect(m_page, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
        const QUrl page = url.adjusted(QUrl::RemoveFragment);
        const QSignalBlocker blocker(m_index);
        m_index->clearSelection();
        m_index->setCurrentItem(nullptr);
        for (int row = 0; row < m_index->count(); ++row) {
            if (m_index->item(row)->data(Qt::UserRole).toUrl() == page) {
                m_index->setCurrentRow(row);
                break;
            }
        }
    });
    m_index->setCurrentRow(0);
}

void HelpWindow::showHelp() {
    if (!isVisible()) {
        m_page->setSource(PageUrl(kPages[0].file));
        m_page->clearHistory();
        show();
    }
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

QString HelpWindow::currentPage() const {
    return m_page->source().toString();
}

} // namespace parvola
