// The help window with the pages compiled into the program.
#include "ui/help_window.h"

#include <QtTest>
#include <QtWidgets>

class HelpWindowTest : public QObject {
    Q_OBJECT
private slots:
    // Every page of the index loads under the title the index shows and no link between pages leads nowhere;
    // showHelp opens on the first page, and once shown only raises the window as it is.
    void pagesAndShowHelp() {
        parvola::HelpWindow window;
        auto* index = window.findChild<QListWidget*>();
        auto* browser = window.findChild<QTextBrowser*>();
        QVERIFY(index && browser && index->count() >= 7);
        index->setCurrentRow(2);
        window.showHelp();
        QVERIFY(window.isVisible() && window.isWindow());
        QCOMPARE(window.currentPage(), "qrc:/help/index.html");

        static const QRegularExpression links("(?:href|src)=\"([^\"#]*)[^\"]*\"");
        for (int row = 0; row < index->count(); ++row) {
            index->setCurrentRow(row);
            const QUrl page(window.currentPage());
            QFile file(":" + page.path());
            QVERIFY2(page.scheme() == "qrc" && file.open(QIODevice::ReadOnly), qPrintable(page.toString()));
            QCOMPARE(browser->documentTitle(), index->item(row)->text());
            for (auto match = links.globalMatch(QString::fromUtf8(file.readAll())); match.hasNext();) {
                const QUrl target = page.resolved(QUrl(match.next().captured(1)));
                QVERIFY2(target.scheme() != "qrc" || QFile::exists(":" + target.path()),
                         qPrintable(page.toString() + " -> " + target.toString()));
            }
        }
        QVERIFY(!QImage(":/help/main_window.png").isNull());

        const QString page = window.currentPage();
        window.showHelp();
        QCOMPARE(window.currentPage(), page);
        QCOMPARE(QApplication::topLevelWidgets(), QWidgetList{&window});
    }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
