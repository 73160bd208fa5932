#include "app/visualstyle.h"

#include "platform/widgets/messagedialog.h"

#include <QApplication>
#include <QFile>
#include <QStyleFactory>

QFont VelkoraFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Liberation Sans")});
    font.setPixelSize(13);
    font.setBold(true);
    return font;
}

bool ApplyVisualStyle(const QString& name)
{
    QFile sheet(QStringLiteral(":/styles/%1.qss").arg(name));
    if (!sheet.open(QIODevice::ReadOnly | QIODevice::Text)) {
        ShowMessageDialog(QStringLiteral("\"%1\" görünüm stili bulunamadı.").arg(name),
                          MsgDlgType::Error, mbOK, mbOK);
        return false;
    }
    // The sheet is written against Fusion so it looks the same on every desktop.
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    // Under a style sheet a font set on a window no longer reaches the widgets
    // inside styled panels, so the style's font is the application's.
    QApplication::setFont(VelkoraFont());
    qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
    return true;
}
