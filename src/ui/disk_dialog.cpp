// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/disk_dialog.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

namespace parvola {

namespace {

struct Option {
    const char* name;
    const char* text;
    DiskChoice choice;
};

// A smaller size is chosen in the main window, so that option ends the split just as Cancel does.
constexpr Option kOptions[] = {
    {"opt0", "Insert a new disk and try again", DiskChoice::NewDisk},
    {"opt1", "Format the disk and try again", DiskChoice::Format},
    {"opt2", "Select a smaller size per partition", DiskChoice::Cancel},
    {"opt3", "Cancel the operation all together", DiskChoice::Cancel},
};

} // namespace

frmDisk::frmDisk(DiskChoice& diskChoice, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      m_diskChoice(diskChoice) {
    setObjectName(QStringLiteral("frmDisk"));
    setWindowTitle(QStringLiteral("Insufficient space on removable media"));
    setModal(true);

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(32, 32));

    auto* explanation =
        new QLabel(QStringLiteral("The removable media you have chosen for the destination does "
                                  "not have enough space left on it to support the split file "
                                  "size you have selected."),
                   this);
    explanation->setObjectName(QStringLiteral("Label1"));
    explanation->setWordWrap(true);
    // A fixed-size layout sizes a wrapped label by guesswork; fixing both sides keeps every line visible.
    const int textWidth = explanation->fontMetrics().averageCharWidth() * 56;
    explanation->setFixedSize(textWidth, explanation->heightForWidth(textWidth));

    auto* prompt = new QLabel(QStringLiteral("Please choose one of the following options:"), this);
    prompt->setObjectName(QStringLiteral("Label2"));

    auto* right = new QVBoxLayout;
    right->addWidget(explanation);
    right->addWidget(prompt);
    auto* group = new QButtonGroup(this);
    for (const Option& option : kOptions) {
        auto* button = new QRadioButton(QString::fromLatin1(option.text), this);
        button->setObjectName(QString::fromLatin1(option.name));
        group->addButton(button);
        right->addWidget(button);
        // Clicked rather than toggled: only the user's pick counts, which arrow keys make by clicking too.
        const DiskChoice choice = option.choice;
        connect(button, &QRadioButton::clicked, this, [this, choice] { m_diskChoice = choice; });
    }

    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cancel, &QPushButton::clicked, this, &frmDisk::reject);
    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    // The options already set the choice; OK only leaves.
    connect(ok, &QPushButton::clicked, this, &frmDisk::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addWidget(ok);
    right->addLayout(buttons);

    auto* layout = new QGridLayout(this);
    layout->addWidget(image, 0, 0, Qt::AlignTop);
    layout->addLayout(right, 0, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void frmDisk::reject() {
    m_diskChoice = DiskChoice::Cancel;
    QDialog::reject();
}

void frmDisk::closeEvent(QCloseEvent* event) {
    // Only a showing dialog is discarded, as only then would QDialog have rejected it.
    if (isVisible()) {
        m_discarded = true;
        done(QDialog::Rejected);
    }
    event->accept();
}

} // namespace parvola
