#pragma once

#include "platform/widgets/filedialogs.h"

#include <QList>
#include <QString>

#include <deque>

// Answers the save and open file dialogs without showing them while it lives:
// queued names are given in order; with none queued the dialog is cancelled.
class ScriptedFileDialogs {
public:
    ScriptedFileDialogs()
    {
        filedialogs::SetResponder([this](const filedialogs::FileDialogRequest& request) {
            m_requests.append(request);
            if (m_names.empty())
                return QString();
            QString name = m_names.front();
            m_names.pop_front();
            return name;
        });
    }
    ~ScriptedFileDialogs() { filedialogs::SetResponder({}); }
    ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
    ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

    // The next dialog returns this name; an empty name cancels it.
    void answer(const QString& fileName) { m_names.push_back(fileName); }

    const QList<filedialogs::FileDialogRequest>& requests() const { return m_requests; }

private:
    QList<filedialogs::FileDialogRequest> m_requests;
    std::deque<QString> m_names;
};
