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

    // The options shown and the options stored, in the order OK stores them; "-" where nothing is stored.
    QString shown() {
        QStringList values{QString::number(w<QCheckBox>("chkSaveDestDir")->isChecked()),
                           QString::number(w<QCheckBox>("chkEightdotThree")->isChecked())};
        for (const char* group : {"optClean", "optReadme", "optLabel"}) {
            values << QString::number(w<QButtonGroup>(group)->checkedId());
        }
        return values.join(' ');
    }
    QString saved() {
        QStringList values;
        for (const char* name : {"chkSaveDestDir", "chk83", "optClean", "optReadme", "optLabel"}) {
            values << QString::fromStdString(m_store.ReadSetting(name).value_or("-"));
        }
        return values.join(' ');
    }

private slots:
    void init() {
        QFile::remove(m_dir.filePath("Parvola.conf"));
        m_list.setPattern("*.bin");
    }

    void loadAndOK_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown"); // and stored again by OK
        QTest::newRow("empty store") << ""
                                     << "0 0 1 0 0";
        QTest::newRow("clean 7") << "optClean=7"
                                 << "0 0 1 0 0";
        QTest::newRow("clean abc") << "optClean=abc"
                                   << "0 0 1 0 0";
        QTest::newRow("all set") << "chkSaveDestDir=1;chk83= 1 ;optClean=2;optReadme=1;optLabel=1.0"
                                 << "1 1 2 1 1";
        QTest::newRow("out of range") << "chkSaveDestDir=2;chk83=yes;optClean=0;optReadme=2;optLabel=-1"
                                      << "0 0 0 0 0";
        QTest::newRow("empty") << "chkSaveDestDir=;optClean=;optReadme=1.5;optLabel="
                               << "0 0 1 0 0";
    }
    void loadAndOK() {
        QFETCH(QString, stored);
        for (const QString& pair : stored.split(';', Qt::SkipEmptyParts)) {
            m_store.WriteSetting(pair.section('=', 0, 0).toStdString(), pair.section('=', 1).toStdString());
        }
        open();
        QTEST(shown(), "shown");
        QCOMPARE(w<QLineEdit>("txtNewMask")->text(), "*.bin");
        w("cmdOK")->click();
        QVERIFY(!m_dialog->isVisible());
        QTEST(saved(), "shown");
    }

    void cancelKeepsWhatWasShown() {
        open();
        w<QRadioButton>("optClean2")->click();
        w<QCheckBox>("chkSaveDestDir")->click();
        w("cmdReset")->click();
        w("cmdCancel")->click();
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(saved(), "- - - - -");
        QCOMPARE(m_list.pattern(), "*.bin");
        // Reopened, it shows the cancelled changes, and OK takes them.
        m_dialog->show();
        QCOMPARE(w<QLineEdit>("txtNewMask")->text(), "*.*");
        QCOMPARE(shown(), "1 0 2 0 0");
        w("cmdOK")->click();
        QCOMPARE(saved(), "1 0 2 0 0");
        QCOMPARE(m_list.pattern(), "*.*");
    }

    void closeBoxDiscards() {
        open();
        w<QCheckBox>("chkEightdotThree")->click();
        QVERIFY(!m_dialog->discarded() && m_dialog->close());
        QVERIFY(m_dialog->discarded() && !m_dialog->isVisible());
        QCOMPARE(saved(), "- - - - -");
    }

    void keysAndHelp() {
        open();
        QSignalSpy help(m_dialog.get(), &frmOptions::helpRequested);
        QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
        w("cmdHelp")->click();
        QCOMPARE(help.count(), 1);
        QVERIFY(m_dialog->isVisible());
        QCOMPARE(saved(), "- - - - -");
        // Enter presses OK; an empty mask keeps the list's pattern.
        w<QLineEdit>("txtNewMask")->clear();
        QTest::keyClick(w<QLineEdit>("txtNewMask"), Qt::Key_Return);
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(saved(), "0 0 1 0 0");
        QCOMPARE(m_list.pattern(), "*.bin");
    }
};

QTEST_MAIN(OptionsDialogTest)
#include "options_dialog_test.moc"
