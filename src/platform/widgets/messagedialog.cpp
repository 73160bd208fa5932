#include "platform/widgets/messagedialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QMetaObject>
#include <QPointer>
#include <QPushButton>
#include <QThread>

#include <array>

namespace {

const char* const kModalResultProperty = "modalResult";

// The buttons in their classic order, with the Turkish texts the users know.
struct ButtonSpec {
    MsgDlgBtn flag;
    QMessageBox::StandardButton standard; // NoButton: no standard counterpart
    const char* text;
    ModalResult result;
};

const std::array<ButtonSpec, 11> kButtons{{
    {mbYes, QMessageBox::Yes, "Evet", mrYes},
    {mbNo, QMessageBox::No, "Hayır", mrNo},
    {mbOK, QMessageBox::Ok, "Tamam", mrOk},
    {mbCancel, QMessageBox::Cancel, "Vazgeç", mrCancel},
    {mbAbort, QMessageBox::Abort, "İptal", mrAbort},
    {mbRetry, QMessageBox::Retry, "Tekrar", mrRetry},
    {mbIgnore, QMessageBox::Ignore, "Atla", mrIgnore},
    {mbAll, QMessageBox::NoButton, "Tümü", mrAll},
    {mbNoToAll, QMessageBox::NoToAll, "Tümüne Hayır", mrNoToAll},
    {mbYesToAll, QMessageBox::YesToAll, "Tümüne Evet", mrYesToAll},
    {mbHelp, QMessageBox::Help, "Yardım", mrHelp},
}};

messagedialog::Responder& CurrentResponder()
{
    static messagedialog::Responder responder;
    return responder;
}

void ApplyKind(QMessageBox* box, MsgDlgType type)
{
    switch (type) {
    case MsgDlgType::Warning:
        box->setWindowTitle(QStringLiteral("Uyarı"));
        box->setIcon(QMessageBox::Warning);
        break;
    case MsgDlgType::Error:
        box->setWindowTitle(QStringLiteral("Hata"));
        box->setIcon(QMessageBox::Critical);
        break;
    case MsgDlgType::Information:
        box->setWindowTitle(QStringLiteral("Bilgi"));
        box->setIcon(QMessageBox::Information);
        break;
    case MsgDlgType::Confirmation:
        box->setWindowTitle(QStringLiteral("Soru"));
        box->setIcon(QMessageBox::Question);
        break;
    case MsgDlgType::Custom:
        box->setWindowTitle(QGuiApplication::applicationDisplayName());
        box->setIcon(QMessageBox::NoIcon);
        break;
    }
}

int ResultOf(const QMessageBox* box)
{
    const QAbstractButton* clicked = box->clickedButton();
    if (!clicked)
        return mrCancel; // closed without a button, as a closed window reports it
    const QVariant result = clicked->property(kModalResultProperty);
    return result.isValid() ? result.toInt() : mrCancel;
}

int ShowOnThisThread(const QString& text, MsgDlgType type, MsgDlgButtons buttons,
                     MsgDlgBtn defaultButton)
{
    if (const auto& responder = CurrentResponder())
        return responder({text, type, buttons, defaultButton});
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return mrCancel; // no windowing: nobody could answer

    QMessageBox* box = messagedialog::BuildMessageBox(text, type, buttons, defaultButton,
                                                      QApplication::activeWindow());
    QPointer<QMessageBox> guard(box);
    if (type != MsgDlgType::Custom)
        QApplication::beep();
    box->exec();
    const int result = guard ? ResultOf(box) : int(mrCancel);
    delete guard.data();
    return result;
}

} // namespace

namespace messagedialog {

QMessageBox* BuildMessageBox(const QString& text, MsgDlgType type, MsgDlgButtons buttons,
                             MsgDlgBtn defaultButton, QWidget* owner)
{
    auto* box = new QMessageBox(owner);
    box->setObjectName(QStringLiteral("MessageDialog"));
    box->setText(text);
    box->setTextFormat(Qt::PlainText);
    box->setWindowModality(Qt::ApplicationModal);
    ApplyKind(box, type);

    if (!buttons)
        buttons = mbOK; // a box without any button could never be closed

    QList<QAbstractButton*> created;
    QAbstractButton* defaultWidget = nullptr;
    for (const ButtonSpec& spec : kButtons) {
        if (!buttons.testFlag(spec.flag))
            continue;
        QAbstractButton* button = nullptr;
        if (spec.standard != QMessageBox::NoButton) {
            button = box->addButton(spec.standard);
            button->setText(QString::fromUtf8(spec.text));
        } else {
            button = box->addButton(QString::fromUtf8(spec.text), QMessageBox::AcceptRole);
        }
        button->setProperty(kModalResultProperty, int(spec.result));
        created.append(button);
        if (spec.flag == defaultButton)
            defaultWidget = button;
    }
    if (!defaultWidget)
        defaultWidget = created.first();

    if (auto* push = qobject_cast<QPushButton*>(defaultWidget))
        box->setDefaultButton(push);
    // The default button leads the tab order, so it holds the focus when the box opens.
    QWidget* previous = defaultWidget;
    for (QAbstractButton* button : created) {
        if (button == defaultWidget)
            continue;
        QWidget::setTabOrder(previous, button);
        previous = button;
    }
    defaultWidget->setFocus();
    return box;
}

int ResultOfButton(MsgDlgBtn button)
{
    for (const ButtonSpec& spec : kButtons) {
        if (spec.flag == button)
            return spec.result;
    }
    return mrNone;
}

void SetResponder(Responder responder)
{
    CurrentResponder() = std::move(responder);
}

} // namespace messagedialog

int ShowMessageDialog(const QString& text, MsgDlgType type, MsgDlgButtons buttons,
                      MsgDlgBtn defaultButton, int /*helpContext*/)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread())
        return ShowOnThisThread(text, type, buttons, defaultButton);

    // A worker hands the box to the main thread and waits for the answer.
    int result = mrCancel;
    QMetaObject::invokeMethod(
        app, [&] { result = ShowOnThisThread(text, type, buttons, defaultButton); },
        Qt::BlockingQueuedConnection);
    return result;
}
