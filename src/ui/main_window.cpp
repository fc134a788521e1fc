// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window.h"
#include "ui/main_window_parts.h"

#include "forms/dropped_path.h"
#include "ui/about_box.h"
#include "ui/file_list.h"
#include "ui/focus_frame.h"
#include "ui/folder_tree.h"
#include "ui/help_window.h"
#include "ui/options_dialog.h"
#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>

#include <algorithm>

namespace parvola {

namespace {

bool IsInput(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}

// Takes only digits, one decimal point and backspace of what is typed; keys that type nothing (arrows,
// Home, Delete) work as usual. Enter and Esc go on to the window, which presses its buttons with them.
class NumberEdit final : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const int key = event->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            return event->ignore();
        }
        const QString text = event->text();
        const bool digit = text.size() == 1 && text[0] >= QChar('0') && text[0] <= QChar('9');
        const bool point = text == "." && !this->text().contains('.');
        if (text.isEmpty() || digit || point || key == Qt::Key_Backspace || key == Qt::Key_Delete) {
            return QLineEdit::keyPressEvent(event);
        }
        event->accept(); // letters, signs, and control characters such as the paste key
    }
};

} // namespace

frmMain::frmMain(SettingsStore& settings, Platform& platform, Shell& shell, WindowDialogs* dialogs,
                 std::function<void()> endProgram)
    : m_settings(settings), m_platform(platform), m_shell(shell),
      m_ownDialogs(dialogs ? nullptr : std::make_unique<QtDialogs>(this)),
      m_dialogs(dialogs ? *dialogs : *m_ownDialogs), m_endProgram(std::move(endProgram)),
      m_layout(DesignLayout()) {
    if (!m_endProgram) {
        m_endProgram = [] { QCoreApplication::exit(0); };
    }
    qApp->installEventFilter(this);
    setObjectName("frmMain");
    setWindowTitle(kAppTitle);
    buildMenus();
    buildControls();
    setAcceptDrops(true);

    // Both lists start in the home folder, so that they agree before the first folder choice.
    const QString home = QDir::homePath();
    m_dir->setSelectedPath(home);
    m_destDir->setSelectedPath(home);
    m_file1->setPath(home);

    const double dpiX = logicalDpiX();
    const double dpiY = logicalDpiY();
    resize(qRound(TwipsToPixels(kClientWidth, dpiX)),
           qRound(TwipsToPixels(kClientHeight, dpiY)) + menuBar()->sizeHint().height());
}

frmMain::~frmMain() {
    qApp->removeEventFilter(this);
}

void frmMain::buildMenus() {
    auto* mnuFile = menuBar()->addMenu("&File");
    mnuFile->setObjectName("mnuFile");
    auto* join = mnuFile->addAction("&Join Pieces...");
    join->setObjectName("mnuFileJoin");
    connect(join, &QAction::triggered, this, &frmMain::mnuFileJoin_Click);
    auto* options = mnuFile->addAction("&Options...");
    options->setObjectName("mnuFileOptions");
    connect(options, &QAction::triggered, this, &frmMain::mnuFileOptions_Click);
    mnuFile->addSeparator()->setObjectName("mnuFileSep1");
    auto* exitAction = mnuFile->addAction("&Exit");
    exitAction->setObjectName("mnuFileExit");
    connect(exitAction, &QAction::triggered, this, &frmMain::mnuFileExit_Click);

    auto* mnuHelp = menuBar()->addMenu("&Help");
    mnuHelp->setObjectName("mnuHelp");
    auto* index = mnuHelp->addAction("&Index...");
    index->setObjectName("mnuHelpIndex");
    connect(index, &QAction::triggered, this, &frmMain::mnuHelpIndex_Click);
    mnuHelp->addSeparator()->setObjectName("mnuHelpSep1");
    auto* about = mnuHelp->addAction("&About...");
    about->setObjectName("mnuHelpAbout");
    connect(about, &QAction::triggered, this, &frmMain::mnuHelpAbout_Click);

    m_mnuPopUp = new QMenu(this);
    m_mnuPopUp->setObjectName("mnuPopUp");
    auto* explore = m_mnuPopUp->addAction("&Explore");
    explore->setObjectName("mnuPopUpExplore");
    connect(explore, &QAction::triggered, this, &frmMain::mnuPopUpExplore_Click);
}

void frmMain::buildControls() {
    auto* client = new QWidget(this);
    setCentralWidget(client);
    FolderTreeRoots roots{QString::fromStdString(m_shell.DesktopFolder()),
                          QString::fromStdString(m_platform.paths.HomeFolder()),
                          {}};
    for (const std::string& volume : m_platform.drives.Volumes()) {
        roots.volumes.push_back(QString::fromStdString(volume));
    }

    auto named = [](auto* widget, const char* name) {
        widget->setObjectName(name);
        return widget;
    };
    m_line1 = named(new QFrame(client), "Line1");
    m_line1->setStyleSheet("background: rgb(128, 128, 128)");
    m_line2 = named(new QFrame(client), "Line2");
    m_line2->setStyleSheet("background: white");

    m_fraSource = named(new QGroupBox("Source File:", client), "fraSource");
    m_dir = named(new FolderTree(roots, m_fraSource, &m_platform.files), "Dir");
    m_file1 = named(new FileList(m_fraSource, &m_platform.files), "File1");
    m_label1 = named(new QLabel("File Size:", m_fraSource), "Label1");
    m_lblSize = named(new QLabel("0 KB", m_fraSource), "lblSize");

    m_fraFSize = named(new QGroupBox("File Size:", client), "fraFSize");
    const double dpiX = logicalDpiX();
    const double dpiY = logicalDpiY();
    for (int i = 0; i < 8; ++i) {
        m_optFSize[i] = new QRadioButton(SizeCaption(i), m_fraFSize);
        m_optFSize[i]->setObjectName(QString("optFSize%1").arg(i));
        // The places are fixed; a caption wider than its box in this font widens the box instead of being
        // cut.
        QRect place = ToPixels(kSizeControls[i], dpiX, dpiY);
        place.setWidth(std::max(place.width(), m_optFSize[i]->sizeHint().width()));
        m_optFSize[i]->setGeometry(place);
        connect(m_optFSize[i], &QRadioButton::clicked, this, [this, i] { optFSize_Click(i); });
        // Tab stops at the chosen size only; the arrow keys move between the sizes.
        m_optFSize[i]->setFocusPolicy(Qt::ClickFocus);
        connect(m_optFSize[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            m_optFSize[i]->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
            showPlan();
        });
    }
    m_txtNum = named(new NumberEdit(m_fraFSize), "txtNum");
    m_txtNum->setGeometry(ToPixels(kSizeControls[8], dpiX, dpiY));
    m_lblPlan = named(new QLabel(m_fraFSize), "lblPlan");
    m_lblPlan->setWordWrap(true);
    m_lblPlan->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblPlan->setTextFormat(Qt::PlainText);

    m_fraDest = named(new QGroupBox("Destination Directory:", client), "fraDest");
    m_destDir = named(new FolderTree(roots, m_fraDest, &m_platform.files), "DestDir");
    m_cmdNewDir = named(new QPushButton("Make New Folder", m_fraDest), "cmdNewDir");

    m_cmdSplit = named(new QPushButton("&Split Now", client), "cmdSplit");
    m_cmdCancel = named(new QPushButton("&Close", client), "cmdCancel");

    // The design's widths suit a narrower font than this desktop's: widen what would cut its caption, and
    // start the size after the caption "File Size:" rather than on top of it.
    const double twipsPerPixel = kTwipsPerInch / dpiX;
    for (auto [button, rect] :
         {std::pair{m_cmdNewDir, &m_layout.cmdNewDir}, std::pair{m_cmdSplit, &m_layout.cmdSplit},
          std::pair{m_cmdCancel, &m_layout.cmdCancel}}) {
        rect->width = std::max(rect->width, button->sizeHint().width() * twipsPerPixel);
    }
    const int captionWidth = m_label1->fontMetrics().horizontalAdvance(m_label1->text());
    m_layout.lblSize.left =
        std::max(m_layout.lblSize.left, m_layout.Label1.left + (captionWidth + 6) * twipsPerPixel);

    for (QAbstractItemView* view : std::initializer_list<QAbstractItemView*>{m_dir, m_destDir, m_file1}) {
        ShowFocusFrame(*view);
    }

    // Names a screen reader reads out; the number box would otherwise take its frame's caption.
    m_dir->setAccessibleName("Source folder");
    m_destDir->setAccessibleName("Destination folder");
    m_file1->setAccessibleName("Source file");
    m_txtNum->setAccessibleName("Custom size");
    m_optFSize[6]->setAccessibleName("Millions of bytes (M)");
    m_optFSize[7]->setAccessibleName("Thousands of bytes (K)");

    connect(m_dir, &FolderTree::FolderClick, this, &frmMain::Dir_FolderClick);
    connect(m_file1, &FileList::Click, this, &frmMain::File1_Click);
    connect(m_txtNum, &QLineEdit::textEdited, this, &frmMain::txtNum_Change);
    // With the plan line as context: the trees drop their choice as the window is taken apart.
    connect(m_txtNum, &QLineEdit::textChanged, m_lblPlan, [this] { showPlan(); });
    connect(m_destDir->selectionModel(), &QItemSelectionModel::currentChanged, m_lblPlan,
            [this] { showPlan(); });
    for (FolderTree* tree : {m_dir, m_destDir}) {
        connect(tree, &FolderTree::MouseUp, this, [this](int button) {
            if (button == 2) {
                showPopUp();
            }
        });
        connect(tree, &FolderTree::KeyUp, this, [this](int keyCode) {
            if (keyCode == kContextMenuKey) {
                showPopUp();
            }
        });
    }
    connect(m_cmdNewDir, &QPushButton::clicked, this, &frmMain::cmdNewDir_Click);
    connect(m_cmdSplit, &QPushButton::clicked, this, &frmMain::cmdSplit_Click);
    connect(m_cmdCancel, &QPushButton::clicked, this, &frmMain::cmdCancel_Click);
}

void frmMain::mnuFileOptions_Click() {
    if (!m_options) {
        m_options = new frmOptions(m_settings, *m_file1, this);
        connect(m_options, &frmOptions::helpRequested, this, &frmMain::mnuHelpIndex_Click);
    }
    // Modal to this window only, so that the help window opened from it can be used.
    m_options->setWindowModality(Qt::WindowModal);
    m_options->exec();
    if (m_options->discarded()) {
        m_options->deleteLater();
        m_options = nullptr;
    }
}

void frmMain::mnuHelpAbout_Click() {
    frmAbout about(m_shell, this);
    // Modal to this window only, so that the help window opened from it can be used.
    about.setWindowModality(Qt::WindowModal);
    about.exec();
}

void frmMain::mnuHelpIndex_Click() {
    QWidget* target = QApplication::activeWindow() ? QApplication::activeWindow() : this;
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier));
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        if (!m_help) {
            m_help = std::make_unique<HelpWindow>();
        }
        m_help->showHelp();
        return true;
    }
    // During a split or a join this window paints and follows the desktop but takes no input: its progress
    // window and boxes are the ones to answer.
    return m_jobRunning && IsInput(event->type()) && watched->isWidgetType() &&
           static_cast<QWidget*>(watched)->window() == this;
}

void frmMain::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        return m_cmdCancel->click();
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter presses the button that has the focus, else the default button "Split Now".
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
            return button->click();
        }
        return m_cmdSplit->click();
    default:
        QMainWindow::keyPressEvent(event);
    }
}

QString frmMain::droppedPath(const QMimeData* mime) {
    const QList<QUrl> urls = mime->urls();
    return urls.size() == 1 && urls.front().isLocalFile() ? urls.front().toLocalFile() : QString();
}

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
    if (!m_jobRunning && !droppedPath(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void frmMain::dropEvent(QDropEvent* event) {
    const QString path = droppedPath(event->mimeData());
    if (m_jobRunning || path.isEmpty()) {
        return;
    }
    const QPoint onTree = m_destDir->mapFrom(this, event->position().toPoint());
    switch (WhatADropChooses(QFileInfo(path).isDir(), m_destDir->rect().contains(onTree))) {
    case DropChoice::SourceFile:
        chooseFile(path);
        break;
    case DropChoice::Destination:
        m_destDir->setSelectedPath(QDir::cleanPath(path));
        break;
    case DropChoice::Nothing:
        return;
    }
    event->acceptProposedAction();
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    applyLayout();
}

void frmMain::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (frameGeometry().size() != m_laidOutFor) {
        applyLayout();
    }
}

void frmMain::applyLayout() {
    const double dpiX = logicalDpiX();
    const double dpiY = logicalDpiY();
    const QSize outer = frameGeometry().size();
    m_laidOutFor = outer;
    Form_Resize(m_layout, outer.width() * kTwipsPerInch / dpiX, outer.height() * kTwipsPerInch / dpiY);

    const std::pair<QWidget*, const TwipRect*> placed[] = {
        {m_fraSource, &m_layout.fraSource}, {m_fraFSize, &m_layout.fraFSize},
        {m_fraDest, &m_layout.fraDest},     {m_cmdSplit, &m_layout.cmdSplit},
        {m_cmdCancel, &m_layout.cmdCancel}, {m_dir, &m_layout.Dir},
        {m_file1, &m_layout.File1},         {m_label1, &m_layout.Label1},
        {m_lblSize, &m_layout.lblSize},     {m_destDir, &m_layout.DestDir},
        {m_cmdNewDir, &m_layout.cmdNewDir}, {m_lblPlan, &m_layout.lblPlan}};
    for (const auto& [widget, rect] : placed) {
        widget->setGeometry(ToPixels(*rect, dpiX, dpiY));
    }
    // The etched separator under the menu bar: a grey line over a white one, reaching past both edges.
    const int left = qRound(TwipsToPixels(-240, dpiX));
    m_line1->setGeometry(left, 0, qRound(TwipsToPixels(m_layout.line1X2, dpiX)) - left, 1);
    m_line2->setGeometry(left, 1, qRound(TwipsToPixels(m_layout.line2X2, dpiX)) - left, 1);
}

} // namespace parvola
