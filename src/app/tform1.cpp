#include "app/tform1.h"

#include "app/headerlogo.h"
#include "app/legendstrip.h"
#include "app/shellicons.h"
#include "app/visualstyle.h"
#include "basket/baskettab.h"
#include "catalogue/campaignproductstab.h"
#include "catalogue/newproductstab.h"
#include "catalogue/stocklisttab.h"
#include "content/announcementstab.h"
#include "content/virtualpostab.h"
#include "history/balancestab.h"
#include "history/previousorderstab.h"
#include "history/statementtab.h"
#include "platform/dsclient/callbackchannel.h"
#include "platform/dsclient/dsconnection.h"
#include "platform/os/processend.h"
#include "server/baglantiu.h"
#include "platform/widgets/busypicture.h"
#include "platform/widgets/messagedialog.h"
#include "platform/widgets/uppercasevalidator.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLabel* NamedLabel(const QString& name, QWidget* parent, const QString& text = {})
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

BusyPicture* NamedBusyPicture(const QString& name, QWidget* parent)
{
    auto* picture = new BusyPicture(parent);
    picture->setObjectName(name);
    return picture;
}

QFrame* Panel(const QString& name, int height, QWidget* parent)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFixedHeight(height);
    return panel;
}

} // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setFont(VelkoraFont());

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(BuildHeader());
    column->addWidget(BuildSearchBar());
    RxGIFAnimator2 = NamedLabel(QStringLiteral("RxGIFAnimator2"), central);
    RxGIFAnimator2->setAlignment(Qt::AlignCenter);
    RxGIFAnimator2->setFixedHeight(0); // no height until a banner arrives
    column->addWidget(RxGIFAnimator2);
    column->addWidget(BuildTabs(), 1);
    column->addWidget(CreateLegendStrip(central));
    column->addWidget(BuildBottomPanel());
    setCentralWidget(central);
    BuildGeneralMenu();

    // Maximised; the restored size fills the screen too, for desktops that do
    // not maximise on request.
    if (QScreen* screen = this->screen())
        setGeometry(screen->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);

    // The start-up sequence (FormCreate) configures and fills these.
    bagc = std::make_unique<dsclient::DSConnection>();
    sbilgi = std::make_unique<TSonucBilgisi>();

    stockListTab->attach({araedit, SpeedButton1, SpeedButton2, gifstokara, sPageControl1, this,
                          [this] { return bagc.get(); }, [this] { return sbilgi.get(); }});
}

TForm1::~TForm1() = default;

QWidget* TForm1::BuildHeader()
{
    QFrame* header = Panel(QStringLiteral("headerPanel"), 100, this);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(10, 6, 10, 6);
    row->setSpacing(16);

    row->addWidget(new HeaderLogo(header));

    auto* labels = new QGridLayout;
    labels->setHorizontalSpacing(4);
    labels->setVerticalSpacing(4);
    const QString captions[] = {QStringLiteral("Kullanıcı: "), QStringLiteral("Firma: "),
                                QStringLiteral("Temsilci: ")};
    kullanicilbl = NamedLabel(QStringLiteral("kullanicilbl"), header);
    cariadilbl = NamedLabel(QStringLiteral("cariadilbl"), header);
    saticilbl = NamedLabel(QStringLiteral("saticilbl"), header);
    QLabel* values[] = {kullanicilbl, cariadilbl, saticilbl};
    for (int i = 0; i < 3; ++i) {
        QLabel* caption = NamedLabel(QStringLiteral("caption%1").arg(i + 1), header, captions[i]);
        caption->setProperty("role", QStringLiteral("caption"));
        labels->addWidget(caption, i, 0, Qt::AlignRight | Qt::AlignVCenter);
        labels->addWidget(values[i], i, 1, Qt::AlignLeft | Qt::AlignVCenter);
    }
    labels->setColumnStretch(1, 1);
    row->addLayout(labels, 1);

    GifResim1 = NamedLabel(QStringLiteral("GifResim1"), header);
    GifResim1->setAlignment(Qt::AlignCenter);
    GifResim1->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    row->addWidget(GifResim1, 1);

    // A picture-only split button: its arrow opens the general menu, the
    // button itself does nothing.
    Genelmenubutton = new QToolButton(header);
    Genelmenubutton->setObjectName(QStringLiteral("Genelmenubutton"));
    Genelmenubutton->setToolButtonStyle(Qt::ToolButtonIconOnly);
    Genelmenubutton->setPopupMode(QToolButton::MenuButtonPopup);
    Genelmenubutton->setIcon(MenuButtonIcon());
    Genelmenubutton->setIconSize(QSize(40, 40));
    row->addWidget(Genelmenubutton, 0, Qt::AlignVCenter);
    return header;
}

QWidget* TForm1::BuildSearchBar()
{
    QFrame* bar = Panel(QStringLiteral("searchBar"), 35, this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(10, 4, 10, 4);
    row->setSpacing(6);

    araedit = new QLineEdit(bar);
    araedit->setObjectName(QStringLiteral("araedit"));
    araedit->setValidator(new UpperCaseValidator(araedit));
    araedit->setFixedWidth(320);
    row->addWidget(araedit);

    SpeedButton2 = new QToolButton(bar);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setText(QStringLiteral("Ara"));
    SpeedButton2->setToolTip(QStringLiteral("Ara"));
    SpeedButton2->setIcon(SearchIcon());
    SpeedButton2->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    row->addWidget(SpeedButton2);

    SpeedButton1 = new QToolButton(bar);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(QStringLiteral("Temizle"));
    SpeedButton1->setToolTip(QStringLiteral("Temizle"));
    SpeedButton1->setIcon(ClearIcon());
    SpeedButton1->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    row->addWidget(SpeedButton1);

    gifstokara = NamedBusyPicture(QStringLiteral("gifstokara"), bar);
    gifyeniler = NamedBusyPicture(QStringLiteral("gifyeniler"), bar);
    gifkampanyali = NamedBusyPicture(QStringLiteral("gifkampanyali"), bar);
    gifduyuru = NamedBusyPicture(QStringLiteral("gifduyuru"), bar);
    gifekstre = NamedBusyPicture(QStringLiteral("gifekstre"), bar);
    gifoncekiler = NamedBusyPicture(QStringLiteral("gifoncekiler"), bar);
    for (BusyPicture* picture :
         {gifstokara, gifyeniler, gifkampanyali, gifduyuru, gifekstre, gifoncekiler})
        row->addWidget(picture);
    row->addStretch(1);

    musteritus = new QPushButton(QStringLiteral("Başka Cari Seç"), bar);
    musteritus->setObjectName(QStringLiteral("musteritus"));
    musteritus->hide();
    connect(musteritus, &QPushButton::clicked, this, &TForm1::musteritusClick);
    row->addWidget(musteritus);
    return bar;
}

QWidget* TForm1::BuildTabs()
{
    sPageControl1 = new QTabWidget(this);
    sPageControl1->setObjectName(QStringLiteral("sPageControl1"));
    sPageControl1->setUsesScrollButtons(true);
    sPageControl1->setDocumentMode(false);

    stockListTab = new StockListTab(this);
    basketTab = new BasketTab(this);
    previousOrdersTab = new PreviousOrdersTab(this);
    statementTab = new StatementTab(this);
    newProductsTab = new NewProductsTab(this);
    campaignProductsTab = new CampaignProductsTab(this);
    announcementsTab = new AnnouncementsTab(this);
    balancesTab = new BalancesTab(this);
    virtualPosTab = new VirtualPosTab(this);

    const std::pair<QWidget*, QString> pages[] = {
        {stockListTab->page(), QStringLiteral("Stok Listesi")},
        {basketTab->page(), QStringLiteral("Sepet")},
        {previousOrdersTab->page(), QStringLiteral("Önceki Siparişler")},
        {statementTab->page(), QStringLiteral("Cari Ekstre")},
        {newProductsTab->page(), QStringLiteral("Yeni Stoklar")},
        {campaignProductsTab->page(), QStringLiteral("Kampanyalı Stoklar")},
        {announcementsTab->page(), QStringLiteral("Duyurular")},
        {balancesTab->page(), QStringLiteral("Bakiyeler")},
        {virtualPosTab->page(), QStringLiteral("Sanal Pos")},
    };
    for (const auto& [page, caption] : pages)
        sPageControl1->addTab(page, caption);
    sPageControl1->setCurrentIndex(0);
    return sPageControl1;
}

QWidget* TForm1::BuildBottomPanel()
{
    QFrame* bottom = Panel(QStringLiteral("bottomPanel"), 40, this);
    auto* row = new QHBoxLayout(bottom);
    row->setContentsMargins(10, 0, 10, 0);
    kayanyazi = NamedLabel(QStringLiteral("kayanyazi"), bottom);
    kayanyazi->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    row->addWidget(kayanyazi, 1);
    RealTimeMarquee1 = NamedLabel(QStringLiteral("RealTimeMarquee1"), bottom);
    RealTimeMarquee1->hide();
    row->addWidget(RealTimeMarquee1);
    return bottom;
}

void TForm1::BuildGeneralMenu()
{
    Genelmenu = new QMenu(this);
    Genelmenu->setObjectName(QStringLiteral("Genelmenu"));
    Genelmenu->setFont(font()); // a popup does not inherit the window's font

    auto entry = [this](const QString& name, const QString& text) {
        QAction* action = Genelmenu->addAction(text);
        action->setObjectName(name);
        return action;
    };
    MailMenuItem = entry(QStringLiteral("MailMenuItem"), QStringLiteral("Mail Gönder"));
    Genelmenu->addSeparator();
    SifreMenuItem =
        entry(QStringLiteral("SifreMenuItem"), QStringLiteral("Şifre Değiştirme İsteği"));
    Genelmenu->addSeparator();
    // Its caption becomes the distributor's web-site address at start-up.
    WebSiteMenuItem = entry(QStringLiteral("WebSiteMenuItem"), QString());
    Genelmenu->addSeparator();
    G1 = entry(QStringLiteral("G1"), QStringLiteral("Çıkış"));
    Genelmenu->addSeparator();
    R1 = entry(QStringLiteral("R1"), QStringLiteral("Raporlar"));
    R1->setVisible(false);

    connect(G1, &QAction::triggered, this, &TForm1::G1Click);
    Genelmenubutton->setMenu(Genelmenu);
}

bool TForm1::FormCloseQuery()
{
    const int answer = ShowMessageDialog(QStringLiteral("Programdan Çıkmak İstiyor musunuz ?"),
                                         MsgDlgType::Confirmation, mbYes | mbNo, mbYes);
    if (answer != mrYes)
        return false;
    // Ends at once: the connection stays open and the callback registered.
    processend::EndProcessNow(0);
    return true;
}

void TForm1::G1Click()
{
    close();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}
