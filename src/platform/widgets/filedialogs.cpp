#include "platform/widgets/filedialogs.h"

#include <QFileDialog>

namespace filedialogs {
namespace {

Responder& CurrentResponder()
{
    static Responder responder;
    return responder;
}

} // namespace

QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& suggestedName,
                        const QString& filter)
{
    if (const auto& responder = CurrentResponder())
        return responder({DialogKind::Save, caption, suggestedName, filter});
    return QFileDialog::getSaveFileName(parent, caption, suggestedName, filter);
}

QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& suggestedName,
                        const QString& filter)
{
    if (const auto& responder = CurrentResponder())
        return responder({DialogKind::Open, caption, suggestedName, filter});
    return QFileDialog::getOpenFileName(parent, caption, suggestedName, filter);
}

void SetResponder(Responder responder)
{
    CurrentResponder() = std::move(responder);
}

} // namespace filedialogs
