// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/split_ui.h"

#include <QDialog>

#include <string>

namespace parvola {

// Asks what to do when the removable destination has too little room left: insert a new disk, format it,
// or cancel. The choice it writes belongs to the caller and outlives the dialog.
class frmDisk : public QDialog {
    Q_OBJECT
public:
    frmDisk(DiskChoice& diskChoice, QWidget* owner);

    // True once the close box hid the dialog; the owner then makes a fresh one for the next showing.
    bool discarded() const { return m_discarded; }

public slots:
    // Cancel and Esc.
    void reject() override;

protected:
    // The close box would otherwise go through reject() and change the choice.
    void closeEvent(QCloseEvent* event) override;

private:
    DiskChoice& m_diskChoice;
    bool m_discarded = false;
};

} // namespace parvola
