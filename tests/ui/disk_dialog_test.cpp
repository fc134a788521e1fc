// The disk dialog as the split job meets it: through QtDialogs::ShowDiskDialog().
#include "support/answer_modal.h"
#include "ui/disk_dialog.h"
#include "ui/qt_dialogs.h"

#include <QtTest>
#include <QtWidgets>

using parvola::frmDisk;

class DiskDialogTest : public QObject {
    Q_OBJECT
    QWidget m_owner;
    parvola::QtDialogs m_dialogs{&m_owner};
    QPointer<frmDisk> m_shown;

    // Shows the dialog and clicks the named buttons in turn, "Esc" and "close" being that key and the close
    // box; gives the choice.
    QString show(const QString& steps) {
        m_shown = nullptr;
        parvola::test::AnswerModal<frmDisk>([this, steps](frmDisk& dialog) {
            m_shown = &dialog;
            for (const QString& step : steps.split(' ')) {
                step == "Esc"     ? QTest::keyClick(&dialog, Qt::Key_Escape)
                : step == "close" ? void(dialog.close())
                                  : dialog.findChild<QAbstractButton*>(step)->click();
            }
        });
        const char* const names[] = {"", "new", "format", "cancel"};
        return names[static_cast<int>(m_dialogs.ShowDiskDialog())];
    }

private slots:
    void texts() {
        const auto answered = parvola::test::AnswerModal<frmDisk>([this](frmDisk& dialog) {
            QCOMPARE(dialog.windowTitle(), "Insufficient space on removable media");
            QVERIFY(dialog.isModal() && dialog.parentWidget() == &m_owner);
            QVERIFY(dialog.minimumSize() == dialog.maximumSize());
            QVERIFY(!(dialog.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
            QVERIFY(dialog.findChild<QLabel*>("Image1")->pixmap().width() >= 32);
            QVERIFY(dialog.findChild<QPushButton*>("cmdOK")->isDefault());
            const char* const texts[][2] = {
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
                QCOMPARE(widget->property("text").toString(), text);
            }
            dialog.accept();
        });
        m_dialogs.ShowDiskDialog();
        QVERIFY(*answered);
    }

    // Showings on one QtDialogs in turn: the steps, the choice left, and the option then checked. A kept
    // dialog shows again as it was left; the close box keeps the choice but discards the dialog.
    void showings() {
        QPointer<frmDisk> kept;
        for (const QString row :
             {"cmdOK => '' none", "opt0 cmdOK => 'new' opt0", "cmdOK => 'new' opt0",
              "opt1 cmdOK => 'format' opt1", "opt2 cmdOK => 'cancel' opt2", "opt3 cmdOK => 'cancel' opt3",
              "opt0 cmdCancel => 'cancel' opt0", "opt0 Esc => 'cancel' opt0",
              "opt1 close => 'format' discarded", "cmdOK => 'format' none"}) {
            const QString steps = row.section(" => ", 0, 0);
            const QString choice = show(steps);
            QAbstractButton* option =
                m_shown ? m_shown->findChild<QButtonGroup*>()->checkedButton() : nullptr;
            const QString state = !m_shown ? "discarded" : option ? option->objectName() : "none";
            QCOMPARE(steps + " => '" + choice + "' " + state, row);
            QVERIFY2(!kept || m_shown == kept, qPrintable(row));
            kept = m_shown;
        }
    }
};

QTEST_MAIN(DiskDialogTest)
#include "disk_dialog_test.moc"
