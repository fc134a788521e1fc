// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/name_order.h"

#include <QCollatorSortKey>

#include <algorithm>
#include <numeric>
#include <vector>

namespace parvola {

QCollator NameCollator() {
    // Collation for the C locale compares code points and ignores both settings: borrow English rules.
    QLocale locale;
    if (locale.language() == QLocale::C) {
        locale = QLocale(QLocale::English);
    }
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    return collator;
}

int CompareNames(const QCollator& collator, const QString& a, const QString& b) {
    const int order = collator.compare(a, b);
    return order != 0 ? order : a.compare(b);
}

void SortNames(QStringList& names) {
    const QCollator collator = NameCollator();
    std::vector<QCollatorSortKey> keys;
    keys.reserve(names.size());
    for (const QString& name : names) {
        keys.push_back(collator.sortKey(name));
    }
    std::vector<int> order(names.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        const int byKey = keys[a].compare(keys[b]);
        return byKey != 0 ? byKey < 0 : names[a].compare(names[b]) < 0;
    });
    QStringList sorted;
    sorted.reserve(names.size());
    for (const int index : order) {
        sorted.push_back(names[index]);
    }
    names = std::move(sorted);
}

} // namespace parvola
