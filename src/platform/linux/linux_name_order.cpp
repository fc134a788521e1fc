// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/name_order.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QLocale>
#include <QString>

#include <algorithm>
#include <numeric>

namespace parvola {

namespace {

// One per thread: a collator may not be shared between threads, and making one for each comparison is slow.
const QCollator& Collator() {
    thread_local const QCollator collator = [] {
        // Collation for the C locale compares code points and ignores both settings: borrow English rules.
        QLocale locale;
        if (locale.language() == QLocale::C) {
            locale = QLocale(QLocale::English);
        }
        QCollator made(locale);
        made.setCaseSensitivity(Qt::CaseInsensitive);
        made.setNumericMode(true);
        return made;
    }();
    return collator;
}

int Sign(int value) {
    return (value > 0) - (value < 0);
}

} // namespace

int CompareNames(const std::string& a, const std::string& b) {
    const int order = Collator().compare(QString::fromStdString(a), QString::fromStdString(b));
    return order != 0 ? Sign(order) : Sign(a.compare(b));
}

void SortNames(std::vector<std::string>& names) {
    const QCollator& collator = Collator();
    std::vector<QCollatorSortKey> keys;
    keys.reserve(names.size());
    for (const std::string& name : names) {
        keys.push_back(collator.sortKey(QString::fromStdString(name)));
    }
    std::vector<std::size_t> order(names.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int byKey = keys[a].compare(keys[b]);
        return byKey != 0 ? byKey < 0 : names[a] < names[b];
    });
    std::vector<std::string> sorted;
    sorted.reserve(names.size());
    for (const std::size_t index : order) {
        sorted.push_back(std::move(names[index]));
    }
    names = std::move(sorted);
}

} // namespace parvola
