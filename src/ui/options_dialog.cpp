// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/options_dialog.h"

#include "engine/setting_values.h"
#include "forms/shown_options.h"
#include "ui/file_list.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include <string>

namespace parvola {

namespace {

// One group of options: its stored name, the captions of its buttons, and the option that shows what the
// split will do with the stored value.
struct OptionGroup {
    const char* name;
    int count;
    std::array<const char*, 3> captions;
    int (*shown)(SettingsStore&);
};

constexpr std::array<OptionGroup, 3> kGroups = {{
    {SettingName::OptClean,
     3,
     {"&Automatically delete the source file", "&Prompt me to delete the source file",
      "Do&n't delete the source file"},
     [](SettingsStore& settings) { return ShownCleanupIndex(settings); }},
    {SettingName::OptReadme,
     2,
     {"&Include the Readme file", "Do&n't include the Readme file"},
     [](SettingsStore& settings) { return ReadReadmeWanted(settings, false) ? 0 : 1; }},
    {SettingName::OptLabel,
     2,
     {"&Label them", "D&on't label them"},
     [](SettingsStore& settings) { return ReadLabelWanted(settings) ? 0 : 1; }},
}};

QLabel* Note(const char* name, const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setWordWrap(true);
    return label;
}

// A tab page: the picture at the top left, the frame beside it.
QGroupBox* AddPage(QTabWidget* tab, const char* title, const char* frame, QStyle::StandardPixmap picture) {
    auto* page = new QWidget(tab);
    auto* layout = new QHBoxLayout(page);
    auto* image = new QLabel(page);
    const int size = page->style()->pixelMetric(QStyle::PM_LargeIconSize);
    image->setPixmap(page->style()->standardIcon(picture).pixmap(size, size));
    layout->addWidget(image, 0, Qt::AlignTop);
    auto* box = new QGroupBox(QString::fromUtf8(frame), page);
    layout->addWidget(box, 1);
    tab->addTab(page, QString::fromUtf8(title));
    return box;
}

} // namespace

frmOptions::frmOptions(SettingsStore& settings, FileList& fileList, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      m_settings(settings), m_fileList(fileList), m_tab(new QTabWidget(this)) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Parvola Options"));
    m_tab->setObjectName(QStringLiteral("Tab"));

    QGroupBox* general = AddPage(m_tab, "&General", "General", QStyle::SP_FileDialogDetailedView);
    auto* label1 = new QLabel(QStringLiteral("File &Mask:"), general);
    label1->setObjectName(QStringLiteral("Label1"));
    m_txtNewMask = new QLineEdit(QStringLiteral("*.*"), general);
    m_txtNewMask->setObjectName(QStringLiteral("txtNewMask"));
    label1->setBuddy(m_txtNewMask);
    auto* cmdReset = new QPushButton(QStringLiteral("R&eset"), general);
    cmdReset->setObjectName(QStringLiteral("cmdReset"));
    m_chkSaveDestDir = new QCheckBox(QStringLiteral("&Save Destination Directory"), general);
    m_chkSaveDestDir->setObjectName(QStringLiteral("chkSaveDestDir"));
    m_chkEightdotThree = new QCheckBox(QStringLiteral("&Use 8.3 file names"), general);
    m_chkEightdotThree->setObjectName(QStringLiteral("chkEightdotThree"));
    m_chkChecksum = new QCheckBox(QStringLiteral("Write SHA-256 chec&ksums"), general);
    m_chkChecksum->setObjectName(QStringLiteral("chkChecksum"));
    auto* maskRow = new QHBoxLayout;
    maskRow->addWidget(label1);
    maskRow->addWidget(m_txtNewMask, 1);
    maskRow->addWidget(cmdReset);
    auto* generalLayout = new QVBoxLayout(general);
    generalLayout->addLayout(maskRow);
    generalLayout->addWidget(m_chkSaveDestDir);
    generalLayout->addWidget(m_chkEightdotThree);
    generalLayout->addWidget(m_chkChecksum);
    generalLayout->addStretch();

    const std::array<QGroupBox*, 3> frames = {
        AddPage(m_tab, "C&leanup", "Cleanup", QStyle::SP_TrashIcon),
        AddPage(m_tab, "&Readme", "Readme", QStyle::SP_FileIcon),
        AddPage(m_tab, "&Disk Labels", "Disk Labels", QStyle::SP_DriveFDIcon),
    };
    const std::array<QLabel*, 3> notes = {
        Note("Label2",
             "After splitting a file, the following action will be taken on the source file:", frames[0]),
        Note("Label3", "A Readme file is included on the disks to make rejoining them easier.", frames[1]),
        Note("Label4", "Parvola can automatically label disks for you if you are splitting to disks.",
             frames[2]),
    };
    for (std::size_t g = 0; g < kGroups.size(); ++g) {
        const OptionGroup& group = kGroups[g];
        auto* layout = new QVBoxLayout(frames[g]);
        layout->addWidget(notes[g]);
        m_groups[g] = new QButtonGroup(this);
        m_groups[g]->setObjectName(QString::fromUtf8(group.name));
        for (int index = 0; index < group.count; ++index) {
            auto* option = new QRadioButton(QString::fromUtf8(group.captions[index]), frames[g]);
            option->setObjectName(QString::fromUtf8(group.name) + QString::number(index));
            m_groups[g]->addButton(option, index);
            layout->addWidget(option);
        }
        layout->addStretch();
        const int chosen = group.shown(m_settings);
        m_groups[g]->button(chosen)->setChecked(true);
        m_pending[g] = chosen;
        // Arrow keys move the choice too, so follow the check rather than clicks.
        connect(m_groups[g], &QButtonGroup::idToggled, this, [this, g](int id, bool checked) {
            if (checked) {
                m_pending[g] = id;
            }
        });
    }

    auto* cmdHelp = new QPushButton(QStringLiteral("&Help"), this);
    cmdHelp->setObjectName(QStringLiteral("cmdHelp"));
    auto* cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    auto* cmdCancel = new QPushButton(QStringLiteral("Can&cel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdHelp);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tab);
    layout->addLayout(buttons);

    m_chkSaveDestDir->setChecked(ReadCheck(m_settings, SettingName::ChkSaveDestDir));
    m_chkEightdotThree->setChecked(ReadCheck(m_settings, SettingName::Chk83));
    m_chkChecksum->setChecked(ReadChecksumWanted(m_settings));
    m_txtNewMask->setText(m_fileList.pattern());

    connect(cmdReset, &QPushButton::clicked, this, [this] { m_txtNewMask->setText(QStringLiteral("*.*")); });
    connect(cmdHelp, &QPushButton::clicked, this, &frmOptions::helpRequested);
    connect(cmdOK, &QPushButton::clicked, this, &frmOptions::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::hide);

    setFixedSize(sizeHint());
}

void frmOptions::closeEvent(QCloseEvent* event) {
    // QDialog would ask reject(), which does nothing here, and keep the dialog open.
    m_discarded = true;
    event->accept();
}

void frmOptions::cmdOK_Click() {
    // The pattern applies to this session's list only; an empty box keeps the one in use.
    if (!m_txtNewMask->text().isEmpty()) {
        m_fileList.setPattern(m_txtNewMask->text());
    }
    m_settings.WriteSetting(SettingName::ChkSaveDestDir, m_chkSaveDestDir->isChecked() ? "1" : "0");
    m_settings.WriteSetting(SettingName::Chk83, m_chkEightdotThree->isChecked() ? "1" : "0");
    m_settings.WriteSetting(SettingName::OptChecksum, m_chkChecksum->isChecked() ? "1" : "0");
    for (std::size_t g = 0; g < kGroups.size(); ++g) {
        m_settings.WriteSetting(kGroups[g].name, std::to_string(m_pending[g]));
    }
    hide();
}

} // namespace parvola
