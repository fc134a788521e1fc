// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/focus_frame.h"

#include <QAbstractItemView>
#include <QPainter>

namespace parvola {

void FocusFrameDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    if (!(option.state & QStyle::State_HasFocus)) {
        return;
    }
    // The text colour shows on any background the style gives the row, selected or not; two pixels
    // wide, so that it still shows at twice the scale.
    const bool selected = option.state & QStyle::State_Selected;
    QPen pen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text), 2);
    pen.setStyle(Qt::DotLine);
    painter->save();
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
    painter->restore();
}

void ShowFocusFrame(QAbstractItemView& view) {
    view.setItemDelegate(new FocusFrameDelegate(&view));
}

} // namespace parvola
