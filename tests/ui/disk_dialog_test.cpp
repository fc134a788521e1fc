// The disk dialog as the split job meets it: through QtDialogs::ShowDiskDialog(), answered from the event
// loop of its exec().
#include "ui/disk_dialog.h"
#include "ui/qt_dialogs.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>
#include <utility>

using parvola::frmDisk;
using parvola::QtDialogs;

class DiskDialogTest : public QObject {
    Q_OBJECT

    // Shows the dialog and hands it to answer; a dialog the answer left open is hidden, so the test fails
    // instead of hanging.
    QString Show(QtDialogs& dialogs, const std::function<void(frmDisk&)>& answer) {
        m_shown = nullptr;
        QTimer::singleShot(0, this, [this, answer] {
            QWidget* modal = QApplication::activeModalWidget();
            m_shown = qobject_cast<frmDisk*>(modal);
            if (m_shown) {
                answer(*m_shown);
            }
            if (modal && modal->isVisible()) {
                modal->hide();
                QFAIL("the dialog stayed open");
            }
        });
        const std::string choice = dialogs.ShowDiskDialog();
        return QString::fromStdString(choice);
    }

    static QRadioButton* Option(frmDisk& dialog, int index) {
        return dialog.findChild<QRadioButton*>(QStringLiteral("opt%1").arg(index));
    }

    static QPushButton* Button(frmDisk& dialog, const QString& name) {
        return dialog.findChild<QPushButton*>(name);
    }

    static bool NoneChecked(frmDisk& dialog) { return !dialog.findChild<QButtonGroup*>()->checkedButton(); }

private slots:
    void texts() {
        QtDialogs dialogs(&m_owner);
        Show(dialogs, [this](frmDisk& dialog) {
            QCOMPARE(dialog.objectName(), QStringLiteral("frmDisk"));
            QCOMPARE(dialog.parentWidget(), &m_owner);
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Insufficient space on removable media"));
            QVERIFY(dialog.isModal());
            QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
            QVERIFY(!(dialog.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
            auto* image = dialog.findChild<QLabel*>(QStringLiteral("Image1"));
            QVERIFY(image && image->pixmap().width() >= 32);
            const std::pair<const char*, const char*> texts[] = {
                {"Label1",
                 "The removable media you have chosen for the destination does not have enough space "
                 "left on it to support the split file size you have selected."},
                {"Label2", "Please choose one of the following options:"},
                {"opt0", "Insert a new disk and try again"},
                {"opt1", "Format the disk and try again"},
                {"opt2", "Select a smaller size per partition"},
                {"opt3", "Cancel the operation all together"},
                {"cmdCancel", "&Cancel"},
                {"cmdOK", "&OK"}};
            for (const auto& [name, text] : texts) {
                QWidget* widget = dialog.findChild<QWidget*>(name);
                QVERIFY2(widget && widget->isVisible(), name);
                QCOMPARE(widget->property("text").toString(), QString::fromLatin1(text));
            }
            QVERIFY(NoneChecked(dialog));
            QVERIFY(Button(dialog, "cmdOK")->isDefault());
            dialog.accept();
        });
        QVERIFY(m_shown);
    }

    void answers_data() {
        QTest::addColumn<QString>("leave"); // a button to click, else a key to press
        QTest::addColumn<int>("option");    // -1 for none
        QTest::addColumn<QString>("choice");

        QTest::newRow("no choice + OK") << "cmdOK" << -1 << "";
        QTest::newRow("opt0 + OK") << "cmdOK" << 0 << "new";
        QTest::newRow("opt1 + OK") << "cmdOK" << 1 << "format";
        QTest::newRow("opt2 + OK") << "cmdOK" << 2 << "cancel";
        QTest::newRow("opt3 + OK") << "cmdOK" << 3 << "cancel";
        QTest::newRow("opt1 + Enter") << "Return" << 1 << "format";
        QTest::newRow("opt0 + Cancel") << "cmdCancel" << 0 << "cancel";
        QTest::newRow("opt0 + Esc") << "Escape" << 0 << "cancel";
    }

    void answers() {
        QFETCH(int, option);
        QFETCH(QString, leave);
        QFETCH(QString, choice);

        QtDialogs dialogs(&m_owner);
        const QString result = Show(dialogs, [&](frmDisk& dialog) {
            if (option >= 0) {
                Option(dialog, option)->click();
            }
            if (QPushButton* button = Button(dialog, leave)) {
                button->click();
            } else {
                QTest::keyClick(&dialog, leave == "Return" ? Qt::Key_Return : Qt::Key_Escape);
            }
        });
        QVERIFY(m_shown);
        QCOMPARE(result, choice);
    }

    void keptBetweenShowings() {
        QtDialogs dialogs(&m_owner);
        QCOMPARE(Show(dialogs, [](frmDisk& dialog) { Option(dialog, 0)->click(), dialog.accept(); }), "new");
        const QPointer<frmDisk> first = m_shown;
        QCOMPARE(Show(dialogs,
                      [](frmDisk& dialog) {
                          QVERIFY(Option(dialog, 0)->isChecked());
                          Button(dialog, "cmdOK")->click();
                      }),
                 "new");
        QVERIFY(first && m_shown == first);
    }

    void closeBoxDiscards() {
        QtDialogs dialogs(&m_owner);
        QCOMPARE(Show(dialogs, [](frmDisk& dialog) { Option(dialog, 1)->click(), dialog.close(); }),
                 "format");
        QVERIFY(!m_shown); // deleted
        QCOMPARE(Show(dialogs,
                      [](frmDisk& dialog) {
                          QVERIFY(NoneChecked(dialog));
                          Button(dialog, "cmdOK")->click();
                      }),
                 "format");
        QVERIFY(m_shown);
    }

private:
    QWidget m_owner;
    QPointer<frmDisk> m_shown;
};

QTEST_MAIN(DiskDialogTest)
#include "disk_dialog_test.moc"
