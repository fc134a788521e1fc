// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QListWidget;
class QTextBrowser;

namespace parvola {

// The program's manual: pages compiled into the program, an index of them on the left, the page on the
// right. A window of its own, so that it stays usable while a modal dialog is open.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow();

    // Shows the window with the index's first page, or raises it as it is.
    void showHelp();
    // The page shown, as its resource path ("qrc:/help/index.html").
    QString currentPage() const;

private:
    QListWidget* m_index;
    QTextBrowser* m_page;
};

} // namespace parvola
