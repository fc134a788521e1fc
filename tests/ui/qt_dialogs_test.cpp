#include "support/answer_modal.h"
#include "ui/progress_window.h"
#include "ui/qt_dialogs.h"

#include <QtTest>
#include <QtWidgets>

using parvola::MessageIcon;
using parvola::test::AnswerModal;

class QtDialogsTest : public QObject {
    Q_OBJECT
    QWidget m_owner;
    parvola::QtDialogs m_dialogs{&m_owner};

private slots:
    void messageBoxes() {
        using B = QMessageBox;
        // The icon asked for, the button to click or else the key to press, the icon shown and the answer.
        const std::tuple<const char*, MessageIcon, int, B::Icon, bool> rows[] = {
            {"critical", MessageIcon::Critical, B::Ok, B::Critical, false},
            {"exclamation", MessageIcon::Exclamation, B::Ok, B::Warning, false},
            {"information", MessageIcon::Information, B::Ok, B::Information, false},
            {"Yes", MessageIcon::Question, B::Yes, B::Question, true},
            {"No", MessageIcon::Question, B::No, B::Question, false},
            {"Enter", MessageIcon::Exclamation, Qt::Key_Return, B::Warning, true},
            {"Esc", MessageIcon::Question, Qt::Key_Escape, B::Question, false}};
        // A file name in UTF-8 that looks like markup, and the job's CR LF.
        const std::string text = "\xc3\x84pfel <b>1</b>.bin\r\nThe file was not split.";
        for (const auto& [name, icon, answer, boxIcon, expected] : rows) {
            const bool ask = answer != B::Ok;
            const auto answered = AnswerModal<B>([&, answer = answer, boxIcon = boxIcon](B& box) {
                QVERIFY(box.parentWidget() == &m_owner && box.textFormat() == Qt::PlainText);
                QCOMPARE(box.windowTitle(), "Parvola");
                QCOMPARE(box.text(), "\u00c4pfel <b>1</b>.bin\nThe file was not split.");
                QCOMPARE(box.icon(), boxIcon);
                QCOMPARE(box.standardButtons(), ask ? B::Yes | B::No : B::Ok);
                QAbstractButton* button = box.button(B::StandardButton(answer));
                button ? button->click() : QTest::keyClick(&box, Qt::Key(answer));
            });
            const bool yes =
                ask ? m_dialogs.AskYesNo(text, icon) : (m_dialogs.ShowMessage(text, icon), false);
            QVERIFY2(*answered && yes == expected, name);
        }
    }

    void inputBox() {
        for (const bool accept : {true, false}) {
            const auto answered = AnswerModal<QInputDialog>([&](QInputDialog& dialog) {
                QVERIFY(dialog.windowTitle() == "Parvola" && dialog.textValue().isEmpty());
                QCOMPARE(dialog.labelText(), "New folder:\n(under the destination)");
                QTest::keyClicks(dialog.findChild<QLineEdit*>(), "\u00c4pfel 2");
                auto* buttons = dialog.findChild<QDialogButtonBox*>();
                buttons->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
            });
            const std::string result = m_dialogs.InputBox("New folder:\r\n(under the destination)");
            QVERIFY(*answered);
            QCOMPARE(QByteArray::fromStdString(result), accept ? QByteArray("\xc3\x84pfel 2") : QByteArray());
        }
    }

    // Cancel, or Esc, asks the split to stop, once; a new split starts with neither pressed.
    void progressWindowAndCopyProgressCanStopTheSplit() {
        m_dialogs.ShowProgress();
        parvola::frmProgress* window = m_dialogs.progressWindow();
        QVERIFY(window && window->isVisible() && !window->isModal() && window->parentWidget() == &m_owner);
        auto* bar = window->findChild<QProgressBar*>("PBar");
        auto* cancel = window->findChild<QPushButton*>("cmdCancel");
        QVERIFY(bar && cancel);
        m_dialogs.SetProgress(100);
        QCOMPARE(bar->value(), 100);
        QVERIFY(!m_dialogs.CancelRequested());
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(m_dialogs.CancelRequested() && window->isVisible() && !cancel->isEnabled());
        m_dialogs.HideProgress();
        QVERIFY(!window->isVisible());
        m_dialogs.ShowProgress();
        QVERIFY(m_dialogs.progressWindow() == window && window->isVisible() && bar->value() == 0);
        QVERIFY(!m_dialogs.CancelRequested() && cancel->isEnabled());

        m_dialogs.ShowCopyProgress("a <b>1</b>.001", 0);
        auto* dialog = m_owner.findChild<QProgressDialog*>();
        QVERIFY(dialog && !dialog->isVisible());
        // Past the minimum duration at once, as a long copy would be.
        dialog->setMinimumDuration(0);
        m_dialogs.ShowCopyProgress("a <b>1</b>.001", 50);
        QVERIFY(dialog->isVisible() && !dialog->isModal());
        QCOMPARE(dialog->windowTitle(), "Parvola");
        QCOMPARE(dialog->labelText(), "Copying a <b>1</b>.001 to the disk...");
        QCOMPARE(dialog->value(), 50);
        dialog->findChild<QPushButton*>()->click();
        QVERIFY(m_dialogs.CancelRequested());
        m_dialogs.ShowCopyProgress("a <b>1</b>.001", 100);
        QVERIFY(!dialog->isVisible());
    }
};

QTEST_MAIN(QtDialogsTest)
#include "qt_dialogs_test.moc"
