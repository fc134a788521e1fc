// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/shell.h"

#include <QDialog>

namespace parvola {

// The program's name and version, and the maker's web page and e-mail address as links.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout(Shell& shell, QWidget* owner);
};

} // namespace parvola
