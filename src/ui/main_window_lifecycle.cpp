// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's start-up and its three ways of ending.
#include "engine/setting_values.h"
#include "forms/main_choices.h"
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
    const MainChoices stored = ReadMainChoices(m_settings);
    m_file1->setPattern(QString::fromStdString(stored.pattern));
    if (!stored.number.empty()) {
        m_txtNum->setText(QString::fromStdString(stored.number));
    }
    m_sizeIndex = stored.sizeIndex;
    m_optFSize[m_sizeIndex]->setChecked(true);
    if (m_sizeIndex >= 6) {
        m_lastUnitIndex = m_sizeIndex;
    }
    if (!stored.destination.empty()) {
        m_destDir->setSelectedPath(QString::fromStdString(stored.destination)); // one it cannot show stays
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
    SaveAndEnd(true);
}

void frmMain::mnuFileExit_Click() {
    SaveAndEnd(false);
}

void frmMain::storePlace() {
    WriteWindowPlace(m_settings, {x(), y(), width(), height()});
}

void frmMain::SaveAndEnd(bool withPattern) {
    storePlace();
    // The mark of an unlistable folder is no pattern of the user's: the one it replaced is stored.
    const QString pattern = m_file1->pattern();
    StoreMainChoices(m_settings,
                     {Std(pattern == kEmptyListPattern ? m_patternBeforeMark : pattern),
                      Std(m_txtNum->text()), m_sizeIndex, Std(m_destDir->selectedPath())},
                     withPattern);
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
