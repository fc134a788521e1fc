// The help window with the pages compiled into the program: every page of the index loads, no link between
// pages leads nowhere, and the window is reused.
#include "ui/help_window.h"

#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QtTest>

using parvola::HelpWindow;

class HelpWindowTest : public QObject {
    Q_OBJECT
private slots:
    void everyIndexedPageLoadsAndItsLinksResolve() {
        HelpWindow window;
        auto* index = window.findChild<QListWidget*>();
        auto* browser = window.findChild<QTextBrowser*>();
        QVERIFY(index && browser);
        QVERIFY(index->count() >= 7);

        static const QRegularExpression links(QStringLiteral("(?:href|src)=\"([^\"#]*)[^\"]*\""));
        for (int row = 0; row < index->count(); ++row) {
            index->setCurrentRow(row);
            const QString page = window.currentPage();
            QVERIFY2(page.startsWith("qrc:/help/") && page.endsWith(".html"), qPrintable(page));
            QVERIFY2(!browser->document()->isEmpty(), qPrintable(page));
            // The title the page gives itself is the one the index shows.
            QCOMPARE(browser->documentTitle(), index->item(row)->text());

            QFile file(":" + QUrl(page).path());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(file.readAll());
            for (auto match = links.globalMatch(html); match.hasNext();) {
                const QUrl target = QUrl(page).resolved(QUrl(match.next().captured(1)));
                if (target.scheme() == "qrc") {
                    QVERIFY2(QFile::exists(":" + target.path()),
                             qPrintable(page + " -> " + target.toString()));
                }
            }
        }
        QVERIFY(!QImage(":/help/main_window.png").isNull());
    }

    void showHelpOpensOnTheFirstPageAndReusesTheWindow() {
        HelpWindow window;
        window.findChild<QListWidget*>()->setCurrentRow(2);
        window.showHelp();
        QVERIFY(window.isVisible());
        QVERIFY(window.isWindow());
        QCOMPARE(window.currentPage(), QStringLiteral("qrc:/help/index.html"));

        // Shown already: the page the user went to stays.
        window.findChild<QListWidget*>()->setCurrentRow(1);
        const QString page = window.currentPage();
        window.showHelp();
        QVERIFY(window.isVisible());
        QCOMPARE(window.currentPage(), page);
        QCOMPARE(QApplication::topLevelWidgets().count(&window), 1);
    }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
