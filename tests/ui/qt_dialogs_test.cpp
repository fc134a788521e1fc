#include "ui/progress_window.h"
#include "ui/qt_dialogs.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>
#include <memory>

using parvola::MessageIcon;

Q_DECLARE_METATYPE(MessageIcon)

namespace {

// Hands the next modal box, from the event loop its exec() runs, to answer; then closes it if still open,
// so a box the answer did not expect fails the test instead of hanging it.
void AnswerNextBox(const std::function<void(QWidget&)>& answer) {
    QTimer::singleShot(0, [answer] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            answer(*box);
            box->close();
        }
    });
}

int PaintsDuring(QWidget* widget, const std::function<void()>& action) {
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } counter;
    widget->installEventFilter(&counter);
    action();
    widget->removeEventFilter(&counter);
    return counter.paints;
}

} // namespace

class QtDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void messageBoxes_data();
    void messageBoxes();
    void inputBox_data();
    void inputBox();
    void progressWindowIsReused();
    void progressPaintsAtOnce();

private:
    std::unique_ptr<QWidget> m_owner;
    std::unique_ptr<parvola::QtDialogs> m_dialogs;
};

void QtDialogsTest::init() {
    m_dialogs.reset();
    m_owner = std::make_unique<QWidget>();
    m_dialogs = std::make_unique<parvola::QtDialogs>(m_owner.get());
}

void QtDialogsTest::messageBoxes_data() {
    QTest::addColumn<MessageIcon>("icon");
    QTest::addColumn<bool>("ask");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("boxIcon");
    QTest::addColumn<bool>("yes");

    const int ok = QMessageBox::Ok;
    QTest::newRow("critical") << MessageIcon::Critical << false << ok << int(QMessageBox::Critical) << false;
    QTest::newRow("exclamation") << MessageIcon::Exclamation << false << ok << int(QMessageBox::Warning)
                                 << false;
    QTest::newRow("information") << MessageIcon::Information << false << ok << int(QMessageBox::Information)
                                 << false;
    QTest::newRow("Yes") << MessageIcon::Question << true << int(QMessageBox::Yes)
                         << int(QMessageBox::Question) << true;
    QTest::newRow("No") << MessageIcon::Question << true << int(QMessageBox::No) << int(QMessageBox::Question)
                        << false;
    QTest::newRow("Enter takes Yes") << MessageIcon::Exclamation << true << int(Qt::Key_Return)
                                     << int(QMessageBox::Warning) << true;
    QTest::newRow("Esc is No") << MessageIcon::Question << true << int(Qt::Key_Escape)
                               << int(QMessageBox::Question) << false;
}

void QtDialogsTest::messageBoxes() {
    QFETCH(MessageIcon, icon);
    QFETCH(bool, ask);
    QFETCH(int, key);
    QFETCH(int, boxIcon);
    QFETCH(bool, yes);

    QMessageBox* seen = nullptr;
    QWidget* parent = nullptr;
    QString title, text;
    int seenIcon = -1;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::StandardButtons buttons;
    AnswerNextBox([&](QWidget& widget) {
        if ((seen = qobject_cast<QMessageBox*>(&widget))) {
            title = seen->windowTitle();
            parent = seen->parentWidget();
            text = seen->text();
            seenIcon = seen->icon();
            format = seen->textFormat();
            buttons = seen->standardButtons();
            if (QAbstractButton* button = seen->button(QMessageBox::StandardButton(key))) {
                button->click();
            } else {
                QTest::keyClick(seen, Qt::Key(key));
            }
        }
    });
    // A file name in UTF-8 that looks like markup, and the job's CR LF.
    const std::string message = "Gr\xc3\xb6\xc3\x9f"
                                "e <b>1</b>.bin\r\nThe file was not split.";
    bool result = false;
    if (ask) {
        result = m_dialogs->AskYesNo(message, icon);
    } else {
        m_dialogs->ShowMessage(message, icon);
    }

    QVERIFY(seen);
    QCOMPARE(title, QStringLiteral("Parvola"));
    QCOMPARE(parent, m_owner.get());
    QCOMPARE(text, QStringLiteral("Gr\u00f6\u00dfe <b>1</b>.bin\nThe file was not split."));
    QCOMPARE(format, Qt::PlainText);
    QCOMPARE(seenIcon, boxIcon);
    QCOMPARE(buttons, ask ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
    QCOMPARE(result, yes);
}

void QtDialogsTest::inputBox_data() {
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("OK") << true << QByteArray("\xc3\x84pfel 2");
    QTest::newRow("Cancel drops the text") << false << QByteArray();
}

void QtDialogsTest::inputBox() {
    QFETCH(bool, accept);
    QFETCH(QByteArray, expected);

    QInputDialog* seen = nullptr;
    QString title, label, initialText;
    AnswerNextBox([&](QWidget& widget) {
        seen = qobject_cast<QInputDialog*>(&widget);
        auto* field = widget.findChild<QLineEdit*>();
        auto* buttons = widget.findChild<QDialogButtonBox*>();
        if (seen && field && buttons) {
            title = seen->windowTitle();
            label = seen->labelText();
            initialText = field->text();
            QTest::keyClicks(field, QStringLiteral("\u00c4pfel 2"));
            buttons->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
        }
    });
    const std::string result = m_dialogs->InputBox("Name of the new folder:\r\n(under the destination)");

    QVERIFY(seen);
    QCOMPARE(title, QStringLiteral("Parvola"));
    QCOMPARE(label, QStringLiteral("Name of the new folder:\n(under the destination)"));
    QCOMPARE(initialText, QString());
    QCOMPARE(QByteArray::fromStdString(result), expected);
}

void QtDialogsTest::progressWindowIsReused() {
    m_dialogs->ShowProgress();
    parvola::frmProgress* window = m_dialogs->progressWindow();
    QVERIFY(window && window->isVisible() && !window->isModal());
    QCOMPARE(window->parentWidget(), m_owner.get());
    QCOMPARE(window->windowTitle(), QStringLiteral("Parvola"));
    auto* label = window->findChild<QLabel*>(QStringLiteral("Label1"));
    auto* bar = window->findChild<QProgressBar*>(QStringLiteral("PBar"));
    QVERIFY(label && bar);
    QCOMPARE(label->text(), QStringLiteral("Processing - Please wait..."));
    QVERIFY2(label->width() >= label->sizeHint().width() && label->height() >= label->sizeHint().height(),
             "the label is clipped");

    m_dialogs->SetProgress(100);
    QCOMPARE(bar->value(), 100);
    m_dialogs->HideProgress();
    QVERIFY(!window->isVisible());

    m_dialogs->ShowProgress();
    QCOMPARE(m_dialogs->progressWindow(), window);
    QVERIFY(window->isVisible());
    QCOMPARE(m_owner->findChildren<parvola::frmProgress*>().size(), 1);
    QCOMPARE(bar->value(), 0);
}

// The split keeps the thread busy, so the whole window must paint inside SetProgress, not at the next event
// loop; the bar alone would repaint itself.
void QtDialogsTest::progressPaintsAtOnce() {
    m_dialogs->ShowProgress();
    auto* label = m_dialogs->progressWindow()->findChild<QLabel*>(QStringLiteral("Label1"));
    QVERIFY(label);

    QVERIFY(PaintsDuring(label, [this] { m_dialogs->SetProgress(7); }) > 0);
    QCOMPARE(PaintsDuring(label, [this] { m_dialogs->SetProgress(7); }), 0);
}

QTEST_MAIN(QtDialogsTest)
#include "qt_dialogs_test.moc"
