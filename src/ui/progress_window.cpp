// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/progress_window.h"

#include "engine/split_ui.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace parvola {

frmProgress::frmProgress(QWidget* owner, ProgressClock* clock)
    // No close button: closing the window could not stop the split, only hide its progress.
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_clock(clock ? *clock : m_steadyClock), m_figures(std::make_unique<ProgressFigures>(m_clock, 0, 0)),
      m_label(new QLabel(QStringLiteral("Processing - Please wait..."), this)), m_file(new QLabel(this)),
      m_piece(new QLabel(this)), m_speed(new QLabel(this)), m_tick(new QTimer(this)),
      m_bar(new QProgressBar(this)), m_cancel(new QPushButton(QStringLiteral("Cancel"), this)) {
    setObjectName(QStringLiteral("frmProgress"));
    setWindowTitle(QString::fromUtf8(kAppTitle));
    setModal(false);

    m_label->setObjectName(QStringLiteral("Label1"));
    m_bar->setObjectName(QStringLiteral("PBar"));
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setTextVisible(true);

    for (auto [label, name] : {std::pair{m_file, "lblFile"}, {m_piece, "lblPiece"}, {m_speed, "lblSpeed"}}) {
        label->setObjectName(QString::fromLatin1(name));
        label->setTextFormat(Qt::PlainText);
    }
    m_tick->setInterval(1000);
    connect(m_tick, &QTimer::timeout, this, &frmProgress::showFigures);

    m_cancel->setObjectName(QStringLiteral("cmdCancel"));
    m_cancel->setAutoDefault(false);
    connect(m_cancel, &QPushButton::clicked, this, &frmProgress::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_file);
    layout->addWidget(m_bar);
    auto* figures = new QHBoxLayout;
    figures->addWidget(m_piece);
    figures->addStretch();
    figures->addWidget(m_speed);
    layout->addLayout(figures);
    layout->addWidget(m_cancel, 0, Qt::AlignRight);
    // Wide enough for the figures at their longest; a long file name is cut in the middle instead.
    m_piece->setText(QStringLiteral("piece 00000 of 00000"));
    m_speed->setText(QStringLiteral("000 MB/s - 00 min 00 s left"));
    setFixedSize(layout->sizeHint().expandedTo(QSize(360, 0)));
    m_piece->clear();
    m_speed->clear();
}

frmProgress::~frmProgress() = default;

void frmProgress::describe(const std::string& fileName, std::int64_t length, double pieceBytes) {
    m_figures = std::make_unique<ProgressFigures>(m_clock, fileName.empty() ? 0 : length, pieceBytes);
    const QString name = QString::fromStdString(fileName);
    m_file->setText(m_file->fontMetrics().elidedText(name, Qt::ElideMiddle, width() - 24));
    m_file->setToolTip(name);
}

void frmProgress::restart() {
    m_bar->setValue(0);
    m_cancel->setEnabled(true);
    m_figures->Start();
    setWindowTitle(QString::fromUtf8(kAppTitle));
    showFigures();
    m_tick->start();
}

void frmProgress::hideEvent(QHideEvent* event) {
    m_tick->stop();
    QDialog::hideEvent(event);
}

void frmProgress::showFigures() {
    m_piece->setText(QString::fromStdString(m_figures->PieceText()));
    m_speed->setText(QString::fromStdString(m_figures->SpeedText()));
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
    m_figures->Update(value);
    // The taskbar shows the title: the percentage first, where a narrow entry still shows it.
    setWindowTitle(QString::fromStdString(m_figures->Title(kAppTitle)));
    showFigures();
}

int frmProgress::value() const {
    return m_bar->value();
}

} // namespace parvola
