// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/progress_figures.h"

#include <QDialog>

#include <cstdint>
#include <memory>
#include <string>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace parvola {

// The small window a split shows while it copies: caption "Parvola" after the percentage, the label Label1,
// the file's name (lblFile), the bar PBar, which piece (lblPiece), the speed and time left (lblSpeed) and the
// button cmdCancel, which Esc presses too.
class frmProgress : public QDialog {
    Q_OBJECT
public:
    // clock: null for the real one.
    explicit frmProgress(QWidget* owner, ProgressClock* clock = nullptr);
    ~frmProgress() override;

    // The split the window shows next: the file's name, its length and the piece size; an empty name for a
    // job without pieces (a join).
    void describe(const std::string& fileName, std::int64_t length, double pieceBytes);

    // Sets the bar (0 to 100) and paints the window at once.
    void setValue(int value);
    int value() const;
    // Ready for a new split: the bar at 0 and Cancel pressable again.
    void restart();

protected:
    void hideEvent(QHideEvent* event) override;

signals:
    // Cancel was pressed: the split is to stop at its next block.
    void cancelRequested();

public slots:
    // Esc: as Cancel, since hiding the window would not stop the split.
    void reject() override;

private:
    // The figures beside the bar, also once a second while the bar stands still.
    void showFigures();

    SteadyProgressClock m_steadyClock;
    ProgressClock& m_clock;
    std::unique_ptr<ProgressFigures> m_figures;
    QLabel* m_label;
    QLabel* m_file;
    QLabel* m_piece;
    QLabel* m_speed;
    QTimer* m_tick;
    QProgressBar* m_bar;
    QPushButton* m_cancel;
};

} // namespace parvola
