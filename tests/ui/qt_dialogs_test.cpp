#include "ui/progress_window.h"
#include "ui/qt_dialogs.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>

using parvola::MessageIcon;

Q_DECLARE_METATYPE(MessageIcon)

// Hands the next modal box, from the event loop its exec() runs, to answer; then closes it if still open,
// so a box the answer did not expect fails the test instead of hanging it.
static void AnswerNextBox(const std::function<void(QWidget&)>& answer) {
    QTimer::singleShot(0, [answer] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            answer(*box);
            box->close();
        }
    });
}

class QtDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void messageBoxes_data() {
        QTest::addColumn<MessageIcon>("icon");
        QTest::addColumn<int>("answer"); // a button to click, else a key to press
        QTest::addColumn<int>("boxIcon");
        QTest::addColumn<bool>("yes");

        using B = QMessageBox;
        QTest::newRow("critical") << MessageIcon::Critical << int(B::Ok) << int(B::Critical) << false;
        QTest::newRow("exclamation") << MessageIcon::Exclamation << int(B::Ok) << int(B::Warning) << false;
        QTest::newRow("information") << MessageIcon::Information << int(B::Ok) << int(B::Information)
                                     << false;
        QTest::newRow("Yes") << MessageIcon::Question << int(B::Yes) << int(B::Question) << true;
        QTest::newRow("No") << MessageIcon::Question << int(B::No) << int(B::Question) << false;
        QTest::newRow("Enter") << MessageIcon::Exclamation << int(Qt::Key_Return) << int(B::Warning) << true;
        QTest::newRow("Esc") << MessageIcon::Question << int(Qt::Key_Escape) << int(B::Question) << false;
    }

    void messageBoxes() {
        QFETCH(MessageIcon, icon);
        QFETCH(int, answer);
        QFETCH(int, boxIcon);
        QFETCH(bool, yes);
        const bool ask = answer != QMessageBox::Ok;

        QMessageBox* box = nullptr;
        AnswerNextBox([&](QWidget& widget) {
            QVERIFY((box = qobject_cast<QMessageBox*>(&widget)));
            QCOMPARE(box->windowTitle(), QStringLiteral("Parvola"));
            QCOMPARE(box->parentWidget(), &m_owner);
            QCOMPARE(box->text(), QStringLiteral("\u00c4pfel <b>1</b>.bin\nThe file was not split."));
            QCOMPARE(box->textFormat(), Qt::PlainText);
            QCOMPARE(int(box->icon()), boxIcon);
            QCOMPARE(box->standardButtons(), ask ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
            QAbstractButton* button = box->button(QMessageBox::StandardButton(answer));
            button ? button->click() : QTest::keyClick(box, Qt::Key(answer));
        });
        // A file name in UTF-8 that looks like markup, and the job's CR LF.
        const std::string text = "\xc3\x84pfel <b>1</b>.bin\r\nThe file was not split.";
        const bool result = ask ? m_dialogs.AskYesNo(text, icon) : (m_dialogs.ShowMessage(text, icon), false);
        QVERIFY(box);
        QCOMPARE(result, yes);
    }

    void inputBox() {
        for (const bool accept : {true, false}) {
            QInputDialog* dialog = nullptr;
            AnswerNextBox([&](QWidget& widget) {
                auto* field = widget.findChild<QLineEdit*>();
                auto* buttons = widget.findChild<QDialogButtonBox*>();
                QVERIFY((dialog = qobject_cast<QInputDialog*>(&widget)) && field && buttons);
                QCOMPARE(dialog->windowTitle(), QStringLiteral("Parvola"));
                QCOMPARE(dialog->labelText(), QStringLiteral("New folder:\n(under the destination)"));
                QCOMPARE(field->text(), QString());
                QTest::keyClicks(field, QStringLiteral("\u00c4pfel 2"));
                buttons->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
            });
            const std::string result = m_dialogs.InputBox("New folder:\r\n(under the destination)");
            QVERIFY(dialog);
            QCOMPARE(QByteArray::fromStdString(result), accept ? QByteArray("\xc3\x84pfel 2") : QByteArray());
        }
    }

    void progressWindow() {
        m_dialogs.ShowProgress();
        parvola::frmProgress* window = m_dialogs.progressWindow();
        QVERIFY(window && window->isVisible() && !window->isModal());
        QCOMPARE(window->parentWidget(), &m_owner);
        QCOMPARE(window->windowTitle(), QStringLiteral("Parvola"));
        auto* label = window->findChild<QLabel*>(QStringLiteral("Label1"));
        auto* bar = window->findChild<QProgressBar*>(QStringLiteral("PBar"));
        QVERIFY(label && bar);

        // The split keeps the thread busy, so SetProgress must paint the whole window; the bar alone would
        // repaint itself.
        label->installEventFilter(this);
        m_dialogs.SetProgress(100);
        QVERIFY(m_paints > 0);
        QCOMPARE(bar->value(), 100);
        m_dialogs.HideProgress();
        QVERIFY(!window->isVisible());

        m_dialogs.ShowProgress();
        QCOMPARE(m_dialogs.progressWindow(), window);
        QVERIFY(window->isVisible());
        QCOMPARE(bar->value(), 0);
    }

    void copyProgress() {
        m_dialogs.ShowCopyProgress("a <b>1</b>.001", 0);
        auto* dialog = m_owner.findChild<QProgressDialog*>();
        QVERIFY(dialog && !dialog->isVisible());
        // Past the minimum duration at once, as a long copy would be.
        dialog->setMinimumDuration(0);
        m_dialogs.ShowCopyProgress("a <b>1</b>.001", 50);
        QVERIFY(dialog->isVisible() && dialog->isModal());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Parvola"));
        QCOMPARE(dialog->labelText(), QStringLiteral("Copying a <b>1</b>.001 to the disk..."));
        QCOMPARE(dialog->value(), 50);
        QVERIFY(!dialog->findChild<QPushButton*>());

        m_dialogs.ShowCopyProgress("a <b>1</b>.001", 100);
        QVERIFY(!dialog->isVisible());
    }

private:
    // Counts the paints of the widgets it watches.
    bool eventFilter(QObject*, QEvent* event) override {
        m_paints += event->type() == QEvent::Paint;
        return false;
    }

    QWidget m_owner;
    parvola::QtDialogs m_dialogs{&m_owner};
    int m_paints = 0;
};

QTEST_MAIN(QtDialogsTest)
#include "qt_dialogs_test.moc"
