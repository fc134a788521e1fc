#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

namespace parvola {

// The small window a split shows while it copies: caption "Parvola", the label Label1 and the bar PBar.
class frmProgress : public QDialog {
    Q_OBJECT
public:
    explicit frmProgress(QWidget* owner);

    // Sets the bar (0 to 100) and paints the window at once: the split runs on the window's own thread,
    // so no event loop would paint it otherwise.
    void setValue(int value);
    int value() const;

protected:
    // Esc would only hide the window while the split goes on.
    void reject() override {}

private:
    QLabel* m_label;
    QProgressBar* m_bar;
};

} // namespace parvola
