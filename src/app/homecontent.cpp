// The home content of the main window: the loads that run at start-up and
// again after every server notification, listed once, in their fixed order.
#include "app/tform1.h"
#include "server/baglantiu.h"
#include "server/beklesinu.h"

#include <QLabel>
#include <QPointer>

void TForm1::LoadHomeContent()
{
    AnaBilgiAl();
    // The scrolling text, the three banners, the opening-advertisement count
    // and the tab badges follow here, in this order, as each of them is built.
}

void TForm1::AnaBilgiAl()
{
    RunOnMainThreadSync([this] {
        kullanicilbl->setText(sbilgi->ADI());
        cariadilbl->setText(sbilgi->CariAdi());
        saticilbl->setText(sbilgi->SaticiAdi() + QStringLiteral(" Telefonu: ") + sbilgi->SaticiTelefon()
                           + QStringLiteral(" email: ") + sbilgi->SaticiMail());
    });
}

void TForm1::GeriBildirimAlQue()
{
    // Called on the channel's thread; the reload runs later on the main thread,
    // only while the window still exists. Notifications are never merged.
    QPointer<TForm1> form(this);
    RunOnMainThreadQueued([form] {
        if (form)
            form->LoadHomeContent();
    });
}
