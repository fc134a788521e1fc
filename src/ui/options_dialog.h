// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settings_store.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QTabWidget;

namespace parvola {

class FileList;

// The options of the split and of the main window, on four tabbed pages. Loads the store when it is made;
// OK stores what it shows, Cancel only hides it, so the next opening shows the same choices again.
class frmOptions : public QDialog {
    Q_OBJECT
public:
    frmOptions(SettingsStore& settings, FileList& fileList, QWidget* owner);

    // True once the user closed the dialog with its close box: it is then to be made afresh.
    bool discarded() const { return m_discarded; }

signals:
    // The Help button: the owner opens the help as F1 would.
    void helpRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Esc answers no button of this dialog.
    void reject() override {}

private:
    void cmdOK_Click();

    SettingsStore& m_settings;
    FileList& m_fileList;
    QTabWidget* m_tab = nullptr;
    QLineEdit* m_txtNewMask = nullptr;
    QCheckBox* m_chkSaveDestDir = nullptr;
    QCheckBox* m_chkEightdotThree = nullptr;
    QCheckBox* m_chkChecksum = nullptr;
    // optClean, optReadme, optLabel, and the index each last had chosen.
    std::array<QButtonGroup*, 3> m_groups{};
    std::array<int, 3> m_pending{};
    bool m_discarded = false;
};

} // namespace parvola
