// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt_dialogs.h"

#include "ui/progress_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QSystemTrayIcon>

namespace parvola {

namespace {

// The job's texts break lines with CR LF, as its files do; a Qt label would show the CR.
QString DisplayText(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        break;
    }
    return QMessageBox::Information;
}

void PrepareBox(QMessageBox& box, const std::string& text, MessageIcon icon) {
    box.setWindowTitle(QString::fromUtf8(kAppTitle));
    box.setIcon(BoxIcon(icon));
    // Texts hold file names, which may look like markup; they must show as typed.
    box.setTextFormat(Qt::PlainText);
    box.setText(DisplayText(text));
}

} // namespace

QtDialogs::QtDialogs(QWidget* owner) : m_owner(owner) {}

QtDialogs::~QtDialogs() {
    // With an owner the window goes with it; without one nobody else would free it.
    if (m_progress && !m_progress->parent()) {
        delete m_progress;
    }
    if (m_copyProgress && !m_copyProgress->parent()) {
        delete m_copyProgress;
    }
    // It writes to m_diskChoice, which goes with this object even where the owner window stays.
    delete m_disk;
}

void QtDialogs::ShowMessage(const std::string& text, MessageIcon icon) {
    QMessageBox box(m_owner);
    PrepareBox(box, text, icon);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

bool QtDialogs::AskYesNo(const std::string& text, MessageIcon icon, DefaultAnswer defaultAnswer) {
    QMessageBox box(m_owner);
    PrepareBox(box, text, icon);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(defaultAnswer == DefaultAnswer::Yes ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    box.exec();
    // Esc and the close box end on No, or on no button at all.
    return box.clickedButton() == box.button(QMessageBox::Yes);
}

bool QtDialogs::ShowResult(const std::string& text) {
    QMessageBox box(m_owner);
    PrepareBox(box, text, MessageIcon::Information);
    box.setStandardButtons(QMessageBox::Ok);
    QPushButton* open = box.addButton(QStringLiteral("Open Folder"), QMessageBox::ActionRole);
    open->setObjectName(QStringLiteral("cmdOpenFolder"));
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
    return box.clickedButton() == open;
}

void QtDialogs::Notify(const std::string& text) {
    if (!QSystemTrayIcon::isSystemTrayAvailable() || !QSystemTrayIcon::supportsMessages()) {
        // No tray to speak through: the taskbar entry asks for attention instead.
        QApplication::alert(m_owner ? m_owner->window() : nullptr);
        return;
    }
    if (!m_tray) {
        m_tray = new QSystemTrayIcon(QApplication::windowIcon(), m_owner);
    }
    m_tray->show();
    m_tray->showMessage(QString::fromUtf8(kAppTitle), DisplayText(text), QSystemTrayIcon::Information);
}

frmProgress& QtDialogs::progress() {
    if (!m_progress) {
        m_progress = new frmProgress(m_owner);
        QObject::connect(m_progress, &frmProgress::cancelRequested, m_progress,
                         [this] { m_cancelRequested = true; });
    }
    return *m_progress;
}

void QtDialogs::DescribeJob(const std::string& fileName, std::int64_t length, double pieceBytes) {
    progress().describe(fileName, length, pieceBytes);
}

void QtDialogs::ShowProgress() {
    progress();
    // A window shown again would otherwise start from where the last split ended.
    m_cancelRequested = false;
    m_progress->restart();
    m_progress->show();
    m_progress->raise();
    m_progress->repaint();
    // Once, so the window system maps the window at once.
    QCoreApplication::processEvents();
}

void QtDialogs::SetProgress(int value) {
    if (m_progress) {
        m_progress->setValue(value);
    }
}

void QtDialogs::HideProgress() {
    if (m_progress) {
        m_progress->hide();
    }
    // A copy that failed halfway never reaches 100; its window must not outlast the split.
    if (m_copyProgress) {
        m_copyProgress->reset();
    }
}

std::string QtDialogs::InputBox(const std::string& prompt) {
    QInputDialog dialog(m_owner);
    dialog.setWindowTitle(QString::fromUtf8(kAppTitle));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setLabelText(DisplayText(prompt));
    dialog.setTextValue(QString());
    if (dialog.exec() != QDialog::Accepted) {
        return std::string();
    }
    return dialog.textValue().toUtf8().toStdString();
}

std::string QtDialogs::ChooseFile(const std::string& caption, const std::string& folder,
                                  const std::string& filter) {
    const QString path =
        QFileDialog::getOpenFileName(m_owner, QString::fromStdString(caption), QString::fromStdString(folder),
                                     QString::fromStdString(filter));
    return path.toStdString();
}

std::string QtDialogs::ChooseFolder(const std::string& caption, const std::string& folder) {
    return QFileDialog::getExistingDirectory(m_owner, QString::fromStdString(caption),
                                             QString::fromStdString(folder))
        .toStdString();
}

DiskChoice QtDialogs::ShowDiskDialog() {
    if (!m_disk) {
        m_disk = new frmDisk(m_diskChoice, m_owner);
        // Modal to the main window only, so that the help window opened from it can be used.
        m_disk->setWindowModality(m_owner ? Qt::WindowModal : Qt::ApplicationModal);
    }
    m_disk->exec();
    if (m_disk && m_disk->discarded()) {
        delete m_disk;
    }
    return m_diskChoice;
}

void QtDialogs::ShowCopyProgress(const std::string& name, int percent) {
    if (!m_copyProgress) {
        // No close button: Cancel stops the split, which closing the window would not.
        m_copyProgress =
            new QProgressDialog(m_owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
        m_copyProgress->setWindowTitle(QString::fromUtf8(kAppTitle));
        auto* label = new QLabel(m_copyProgress);
        // File names may look like markup; they must show as typed.
        label->setTextFormat(Qt::PlainText);
        m_copyProgress->setLabel(label);
        m_copyProgress->setCancelButtonText(QStringLiteral("Cancel"));
        QObject::connect(m_copyProgress, &QProgressDialog::canceled, m_copyProgress,
                         [this] { m_cancelRequested = true; });
        m_copyProgress->setRange(0, 100);
        // Short copies show nothing.
        m_copyProgress->setMinimumDuration(500);
        // Modeless like the progress window, whose Cancel it must not block; the main window takes no
        // input during a split anyway.
        m_copyProgress->setWindowModality(Qt::NonModal);
        // The dialog times its showing from when it is made; only the first value of a copy should start it.
        m_copyProgress->reset();
    }
    if (percent >= 100) {
        m_copyProgress->reset();
        return;
    }
    m_copyProgress->setLabelText(
        QStringLiteral("Copying %1 to the disk...").arg(QString::fromStdString(name)));
    m_copyProgress->setValue(percent);
}

} // namespace parvola
