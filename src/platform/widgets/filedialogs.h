#pragma once

#include <QString>

#include <functional>

class QWidget;

// The save and open file dialogs of the program. An empty result means the
// user cancelled.
namespace filedialogs {

QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& suggestedName,
                        const QString& filter);
QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& suggestedName,
                        const QString& filter);

enum class DialogKind { Save, Open };

// What one call asked for, as the tests read it back.
struct FileDialogRequest {
    DialogKind kind;
    QString caption;
    QString suggestedName;
    QString filter;
};

// Test seam: with a responder installed no dialog is shown; the responder
// answers with the chosen file name (empty = cancelled). An empty responder
// restores the real dialogs.
using Responder = std::function<QString(const FileDialogRequest&)>;
void SetResponder(Responder responder);

} // namespace filedialogs
