// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/progress_window.h"

#include "engine/split_ui.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace parvola {

frmProgress::frmProgress(QWidget* owner)
    // No close button: closing the window could not stop the split, only hide its progress.
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_label(new QLabel(QStringLiteral("Processing - Please wait..."), this)), m_bar(new QProgressBar(this)),
      m_cancel(new QPushButton(QStringLiteral("Cancel"), this)) {
    setObjectName(QStringLiteral("frmProgress"));
    setWindowTitle(QString::fromUtf8(kAppTitle));
    setModal(false);

    m_label->setObjectName(QStringLiteral("Label1"));
    m_bar->setObjectName(QStringLiteral("PBar"));
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setTextVisible(true);

    m_cancel->setObjectName(QStringLiteral("cmdCancel"));
    m_cancel->setAutoDefault(false);
    connect(m_cancel, &QPushButton::clicked, this, &frmProgress::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_bar);
    layout->addWidget(m_cancel, 0, Qt::AlignRight);
    setFixedSize(layout->sizeHint().expandedTo(QSize(320, 0)));
}

void frmProgress::restart() {
    m_bar->setValue(0);
    m_cancel->setEnabled(true);
}

void frmProgress::reject() {
    // Once is enough; the split stops at its next block and then hides the window.
    if (m_cancel->isEnabled()) {
        m_cancel->setEnabled(false);
        emit cancelRequested();
    }
}

void frmProgress::setValue(int value) {
    // QProgressBar ignores a value out of its range, which would leave a stale one showing.
    value = std::clamp(value, 0, 100);
    if (value == m_bar->value()) {
        return;
    }
    m_bar->setValue(value);
}

int frmProgress::value() const {
    return m_bar->value();
}

} // namespace parvola
