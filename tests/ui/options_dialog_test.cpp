// The options dialog with real widgets, the real settings file and a real file list.
#include "settings/ini_settings_store.h"
#include "ui/file_list.h"
#include "ui/options_dialog.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

using namespace parvola;

class OptionsDialogTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    IniSettingsStore m_store{m_dir.filePath("Parvola.conf").toStdString()};
    FileList m_list;
    std::unique_ptr<frmOptions> m_dialog;

    void open() {
        m_dialog = std::make_unique<frmOptions>(m_store, m_list, nullptr);
        m_dialog->show();
    }
    template <typename T = QPushButton> T* w(const char* name) { return m_dialog->findChild<T*>(name); }

    // The mask and the options shown, in the order OK stores them.
    QString shown() {
        QStringList values{w<QLineEdit>("txtNewMask")->text(),
                           QString::number(w<QCheckBox>("chkSaveDestDir")->isChecked()),
                           QString::number(w<QCheckBox>("chkEightdotThree")->isChecked())};
        for (const char* group : {"optClean", "optReadme", "optLabel"}) {
            values << QString::number(w<QButtonGroup>(group)->checkedId());
        }
        return values.join(' ');
    }
    // Whether the dialog shows, the options stored ("-" where none) and the list's pattern.
    QString state() {
        QStringList values{m_dialog->isVisible() ? "shown" : "hidden"};
        for (const char* name : {"chkSaveDestDir", "chk83", "optClean", "optReadme", "optLabel"}) {
            values << QString::fromStdString(m_store.ReadSetting(name).value_or("-"));
        }
        return values.join(' ') + ' ' + m_list.pattern();
    }

private slots:
    void init() {
        QFile::remove(m_dir.filePath("Parvola.conf"));
        m_list.setPattern("*.bin");
    }

    // An optClean naming no option shows as asking, as a missing one does.
    void badCleanAndOK() {
        m_store.WriteSetting("optClean", "7");
        open();
        QCOMPARE(shown(), "*.bin 0 0 1 0 0");
        w("cmdOK")->click();
        QCOMPARE(state(), "hidden 0 0 1 0 0 *.bin");
    }

    void keysButtonsAndCloseBox() {
        open();
        QCOMPARE(shown(), "*.bin 0 0 1 0 0");
        QSignalSpy help(m_dialog.get(), &frmOptions::helpRequested);
        QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
        w("cmdHelp")->click();
        QCOMPARE(help.count(), 1);
        QCOMPARE(state(), "shown - - - - - *.bin");
        // Cancel only hides: the next opening shows what was left.
        for (const char* name :
             {"chkSaveDestDir", "chkEightdotThree", "optClean2", "optReadme1", "optLabel1"}) {
            w<QAbstractButton>(name)->click();
        }
        w("cmdReset")->click();
        w("cmdCancel")->click();
        QCOMPARE(state(), "hidden - - - - - *.bin");
        m_dialog->show();
        QCOMPARE(shown(), "*.* 1 1 2 1 1");
        // Enter presses OK; an empty mask keeps the list's pattern.
        w<QLineEdit>("txtNewMask")->clear();
        QTest::keyClick(w<QLineEdit>("txtNewMask"), Qt::Key_Return);
        QCOMPARE(state(), "hidden 1 1 2 1 1 *.bin");
        // A new dialog loads what OK stored; its close box discards it and stores nothing.
        open();
        QCOMPARE(shown(), "*.bin 1 1 2 1 1");
        w<QCheckBox>("chkEightdotThree")->click();
        QVERIFY(!m_dialog->discarded() && m_dialog->close() && m_dialog->discarded());
        QCOMPARE(state(), "hidden 1 1 2 1 1 *.bin");
    }
};

QTEST_MAIN(OptionsDialogTest)
#include "options_dialog_test.moc"
