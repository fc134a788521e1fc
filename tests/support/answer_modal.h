// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <memory>

namespace parvola::test {

// Hands the next modal widget, as a T, to answer from the event loop of its exec(); the flag it gives is set
// once answer ran. A widget the answer leaves open is hidden and fails the test, which would otherwise hang.
template <typename T, typename Answer> std::shared_ptr<const bool> AnswerModal(Answer answer) {
    auto answered = std::make_shared<bool>(false);
    QTimer::singleShot(0, [answer, answered] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        if (T* widget = qobject_cast<T*>(modal)) {
            *answered = true;
            answer(*widget);
        }
        if (modal->isVisible()) {
            modal->hide();
            QFAIL("the modal widget stayed open");
        }
    });
    return answered;
}

} // namespace parvola::test
