#include "requests/formistekyeniu.h"

#include "platform/os/shellopen.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#ifdef VELKORA_WITH_WEBENGINE
#include <QWebEngineView>
#endif

Tformistekyeni::Tformistekyeni(QWidget* parent) : QDialog(parent)
{
    setObjectName("Tformistekyeni");
    resize(780, 555);

#ifdef VELKORA_WITH_WEBENGINE
    sitem = new QWebEngineView(this);
#else
    // Without an embedded browser the page opens in the system's browser.
    auto* text = new QWidget(this);
    auto* textLayout = new QVBoxLayout(text);
    auto* note = new QLabel(QStringLiteral("İstek formu internet tarayıcınızda açıldı.\n"
                                           "Tarayıcı açılmadıysa aşağıdaki adresi tarayıcınıza yazınız:"),
                            text);
    note->setObjectName("note");
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignCenter);
    adres = new QLabel(text);
    adres->setObjectName("adres");
    adres->setWordWrap(true);
    adres->setAlignment(Qt::AlignCenter);
    adres->setTextInteractionFlags(Qt::TextSelectableByMouse);
    textLayout->addStretch();
    textLayout->addWidget(note);
    textLayout->addWidget(adres);
    textLayout->addStretch();
    sitem = text;
#endif
    sitem->setObjectName("sitem");

    Button1 = new QPushButton(QStringLiteral("Kapat"), this);
    Button1->setObjectName("Button1");
    Button1->setFixedWidth(131);
    connect(Button1, &QPushButton::clicked, this, &Tformistekyeni::Button1Click);

    auto* strip = new QWidget(this);
    strip->setFixedHeight(41);
    auto* stripLayout = new QHBoxLayout(strip);
    stripLayout->addWidget(Button1);
    stripLayout->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(sitem, 1);
    layout->addWidget(strip);
}

Tformistekyeni::~Tformistekyeni() = default;

void Tformistekyeni::Navigate(const QString& address)
{
    address_ = address;
    const QUrl url(address, QUrl::TolerantMode);
#ifdef VELKORA_WITH_WEBENGINE
    static_cast<QWebEngineView*>(sitem)->setUrl(url);
#else
    adres->setText(address);
    shellopen::OpenUrl(url);
#endif
}

void Tformistekyeni::Button1Click()
{
    reject();
}
