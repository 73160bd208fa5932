#include "app/geribildirim.h"

#include "app/tform1.h"

TGeriBildirim::TGeriBildirim(const QString& name, TForm1* form) : NamedCallback(name), form_(form) {}

QJsonValue TGeriBildirim::Execute(const QJsonValue&)
{
    form_->GeriBildirimAlQue();
    return QJsonValue(true);
}
