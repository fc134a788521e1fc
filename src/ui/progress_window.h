// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace parvola {

// The small window a split shows while it copies: caption "Parvola", the label Label1, the bar PBar and the
// button cmdCancel, which Esc presses too.
class frmProgress : public QDialog {
    Q_OBJECT
public:
    explicit frmProgress(QWidget* owner);

    // Sets the bar (0 to 100) and paints the window at once.
    void setValue(int value);
    int value() const;
    // Ready for a new split: the bar at 0 and Cancel pressable again.
    void restart();

signals:
    // Cancel was pressed: the split is to stop at its next block.
    void cancelRequested();

public slots:
    // Esc: as Cancel, since hiding the window would not stop the split.
    void reject() override;

private:
    QLabel* m_label;
    QProgressBar* m_bar;
    QPushButton* m_cancel;
};

} // namespace parvola
