// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCollator>
#include <QStringList>

namespace parvola {

// Case-insensitive, with numbers compared by value so "part.9" comes before "part.10".
QCollator NameCollator();

// Names the collator holds equal ("a", "A") still get a fixed order, so they can be found again.
int CompareNames(const QCollator& collator, const QString& a, const QString& b);

// Sorts by NameCollator, with sort keys so that folders with very many entries sort quickly.
void SortNames(QStringList& names);

} // namespace parvola
