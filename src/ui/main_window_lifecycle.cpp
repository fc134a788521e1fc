// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's start-up and its three ways of ending.
#include "engine/setting_values.h"
#include "forms/window_place.h"
#include "platform/path_text.h"
#include "ui/file_list.h"
#include "ui/folder_tree.h"
#include "ui/main_window.h"
#include "ui/main_window_parts.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>

namespace parvola {

void frmMain::Form_Load(const QString& commandLine) {
    m_lblSize->setText("0 KB");
    m_file1->setPattern(QString::fromStdString(m_settings.ReadSetting(SettingName::FMask).value_or("")));
    const auto number = m_settings.ReadSetting(SettingName::TxtNum).value_or("");
    if (!number.empty()) {
        m_txtNum->setText(QString::fromStdString(number));
    }

    // A stored index that is no option of the window chooses 1.44 M like a missing one.
    m_sizeIndex = ReadSizeIndex(m_settings);
    m_optFSize[m_sizeIndex]->setChecked(true);
    if (m_sizeIndex >= 6) {
        m_lastUnitIndex = m_sizeIndex;
    }

    if (ReadCheck(m_settings, SettingName::ChkSaveDestDir)) {
        const auto destDir = m_settings.ReadSetting(SettingName::DestDir).value_or("");
        if (!destDir.empty()) {
            m_destDir->setSelectedPath(QString::fromStdString(destDir)); // one it cannot show is left alone
        }
    }

    std::vector<WindowPlace> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        screens.push_back({area.x(), area.y(), area.width(), area.height()});
    }
    // No smaller than a quarter of the designed size, where the controls still show.
    if (const auto place = ReadWindowPlace(m_settings, screens, width() / 4, height() / 4)) {
        move(place->left, place->top);
        resize(place->width, place->height);
    }

    showPlan();
    if (!commandLine.isEmpty()) {
        chooseFile(commandLine);
    }
}

void frmMain::chooseFile(const QString& given) {
    const std::string file = m_platform.paths.ShortPathName(m_platform.paths.Absolute(Std(given)));
    if (file.empty()) {
        return; // no such file: everything stays as it is
    }
    const QString folder = QString::fromStdString(ParentFolder(file));
    m_dir->setSelectedPath(folder);
    m_destDir->setSelectedPath(folder);
    m_file1->setPath(folder);
    m_file1->refresh();
    QCoreApplication::processEvents();

    // Names are compared as they are: on Linux two entries may differ only in case.
    const QString wanted = QString::fromStdString(LastName(file));
    for (int i = 0; i < m_file1->entryCount(); ++i) {
        if (m_file1->entry(i) == wanted) {
            return m_file1->choose(i);
        }
    }
}

void frmMain::cmdCancel_Click() {
    const QString pattern = m_file1->pattern();
    m_settings.WriteSetting(SettingName::FMask,
                            Std(pattern == kEmptyListPattern ? m_patternBeforeMark : pattern));
    SaveAndEnd();
}

void frmMain::mnuFileExit_Click() {
    SaveAndEnd();
}

void frmMain::storePlace() {
    WriteWindowPlace(m_settings, {x(), y(), width(), height()});
}

void frmMain::SaveAndEnd() {
    storePlace();
    if (!m_txtNum->text().isEmpty()) {
        m_settings.WriteSetting(SettingName::TxtNum, Std(m_txtNum->text()));
    }
    if (ReadCheck(m_settings, SettingName::ChkSaveDestDir)) {
        m_settings.WriteSetting(SettingName::DestDir, Std(m_destDir->selectedPath()));
    }
    m_endProgram();
}

void frmMain::closeEvent(QCloseEvent* event) {
    // Ending the program halfway through a split would leave half of its pieces behind, and a join its
    // hidden file.
    if (m_jobRunning) {
        return event->ignore();
    }
    // The close box stores none of the choices, but ends the program like the other two ways; where the
    // window was is kept whichever way it ends.
    storePlace();
    event->accept();
    m_endProgram();
}

} // namespace parvola
