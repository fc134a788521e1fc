#include "ui/progress_window.h"

#include "engine/split_ui.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include <algorithm>

namespace parvola {

frmProgress::frmProgress(QWidget* owner)
    // No close button: closing the window could not stop the split, only hide its progress.
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_label(new QLabel(QStringLiteral("Processing - Please wait..."), this)),
      m_bar(new QProgressBar(this)) {
    setObjectName(QStringLiteral("frmProgress"));
    setWindowTitle(QString::fromUtf8(kAppTitle));
    setModal(false);

    m_label->setObjectName(QStringLiteral("Label1"));
    m_bar->setObjectName(QStringLiteral("PBar"));
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setTextVisible(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_bar);
    setFixedSize(320, 90);
}

void frmProgress::setValue(int value) {
    // QProgressBar ignores a value out of its range, which would leave a stale one showing.
    value = std::clamp(value, 0, 100);
    if (value == m_bar->value()) {
        return;
    }
    m_bar->setValue(value);
    repaint();
}

int frmProgress::value() const {
    return m_bar->value();
}

} // namespace parvola
