#pragma once

#include "platform/widgets/messagedialog.h"

#include <QList>

#include <deque>

// Answers ShowMessageDialog without showing a box while it lives: queued
// answers are given in order; with none queued the default button is pressed.
// Every request is kept so the test can read back what the user would have seen.
class ScriptedMessages {
public:
    ScriptedMessages()
    {
        messagedialog::SetResponder([this](const messagedialog::ShownDialog& dialog) {
            m_shown.append(dialog);
            if (m_answers.empty())
                return messagedialog::ResultOfButton(dialog.defaultButton);
            const int answer = m_answers.front();
            m_answers.pop_front();
            return answer;
        });
    }
    ~ScriptedMessages() { messagedialog::SetResponder({}); }
    ScriptedMessages(const ScriptedMessages&) = delete;
    ScriptedMessages& operator=(const ScriptedMessages&) = delete;

    // The next box is answered with this modal result (mrYes, mrNo, ...).
    void answer(int modalResult) { m_answers.push_back(modalResult); }

    const QList<messagedialog::ShownDialog>& shown() const { return m_shown; }
    int count() const { return int(m_shown.size()); }
    const messagedialog::ShownDialog& last() const { return m_shown.back(); }
    void clear() { m_shown.clear(); }

private:
    QList<messagedialog::ShownDialog> m_shown;
    std::deque<int> m_answers;
};
