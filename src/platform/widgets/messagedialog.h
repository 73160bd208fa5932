#pragma once

#include <QFlags>
#include <QList>
#include <QString>

#include <functional>

class QMessageBox;
class QWidget;

// The one message box of the program. Kinds, buttons and results follow the
// classic message-dialog model the callers were written against.
enum class MsgDlgType { Warning, Error, Information, Confirmation, Custom };

enum MsgDlgBtn {
    mbYes = 0x001,
    mbNo = 0x002,
    mbOK = 0x004,
    mbCancel = 0x008,
    mbAbort = 0x010,
    mbRetry = 0x020,
    mbIgnore = 0x040,
    mbAll = 0x080,
    mbNoToAll = 0x100,
    mbYesToAll = 0x200,
    mbHelp = 0x400,
};
Q_DECLARE_FLAGS(MsgDlgButtons, MsgDlgBtn)
Q_DECLARE_OPERATORS_FOR_FLAGS(MsgDlgButtons)

enum ModalResult {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
    mrAll = 8,
    mrNoToAll = 9,
    mrYesToAll = 10,
    mrHelp = 11,
};

// Shows the box modally on the main thread and returns the pressed button.
// Callable from any thread: a worker hands the box to the main thread and waits.
int ShowMessageDialog(const QString& text, MsgDlgType type, MsgDlgButtons buttons,
                      MsgDlgBtn defaultButton, int helpContext = 0);

namespace messagedialog {

// What one call asked for, as the tests read it back.
struct ShownDialog {
    QString text;
    MsgDlgType type;
    MsgDlgButtons buttons;
    MsgDlgBtn defaultButton;
};

// Builds the real box (caption, icon, Turkish button texts, default button first
// in the tab order) without showing it; ShowMessageDialog execs what this builds.
QMessageBox* BuildMessageBox(const QString& text, MsgDlgType type, MsgDlgButtons buttons,
                             MsgDlgBtn defaultButton, QWidget* owner = nullptr);

// The modal result that pressing the given button gives.
int ResultOfButton(MsgDlgBtn button);

// Test seam: with a responder installed no box is shown; the responder gets the
// request and answers with a modal result. An empty responder restores the real box.
using Responder = std::function<int(const ShownDialog&)>;
void SetResponder(Responder responder);

} // namespace messagedialog
