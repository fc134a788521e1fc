// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_win32/result_ui.h"

#include "engine/split_job.h"
#include "forms/error_details.h"
#include "forms/result_text.h"

namespace parvola {

void ResultUi::ShowMessage(const std::string& text, MessageIcon icon) {
    if (text != kCompletedMessage) {
        return m_boxes.ShowMessage(WithFailureNamed(text, m_failures), icon);
    }
    const std::string result = text + "\r\n" + m_resultLine;
    NotifyIfAway(result);
    if (m_boxes.ShowResult(result)) {
        m_openFolder();
    }
}

bool ResultUi::AskYesNo(const std::string& text, MessageIcon icon, DefaultAnswer defaultAnswer) {
    return m_boxes.AskYesNo(WithFailureNamed(text, m_failures), icon, defaultAnswer);
}

void ResultUi::NotifyIfAway(const std::string& text) {
    if (NotifiesAtEnd(m_windowActive(), std::chrono::steady_clock::now() - m_start)) {
        m_boxes.Notify(text);
    }
}

} // namespace parvola
