// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

class QAbstractItemView;

namespace parvola {

// Draws the items as usual and a frame around the current one while its view has the focus: some styles
// (Fusion among them) draw no focus rectangle in item views, which leaves a keyboard user lost.
class FocusFrameDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

// Gives the view the delegate, owned by the view.
void ShowFocusFrame(QAbstractItemView& view);

} // namespace parvola
