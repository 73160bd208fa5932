#include "sales/seccariu.h"

#include "login/datasetutils.h"
#include "platform/dataset/clientdataset.h"
#include "platform/dataset/dataseterror.h"
#include "platform/dsclient/servercallerror.h"
#include "platform/grid/datagrid.h"
#include "platform/format/formatfloat.h"
#include "platform/os/processend.h"
#include "platform/widgets/messagedialog.h"
#include "platform/widgets/uppercasevalidator.h"
#include "sales/customergrid.h"
#include "server/callframe.h"
#include "server/proxim.h"
#include "server/reconnect.h"

#include <QApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <limits>

namespace {

// Captions and value labels of the details group, top to bottom.
struct DetailRow {
    const char* caption;
    std::initializer_list<const char*> labels;
};

const DetailRow kDetailRows[] = {
    {"CariKod:", {"carikod"}},      {"Cari Adı:", {"cariadi"}},   {"Yetkili:", {"yetkili"}},
    {"Özel Kod:", {"ozelkod"}},     {"Ana Grup:", {"anagrup"}},   {"Alt Grup:", {"altgrup"}},
    {"Adres:", {"adres1", "adres2", "ilce"}}, {"Telefon:", {"telefon1", "telefon2"}},
    {"Fax:", {"fax1", "fax2"}},     {"Gsm:", {"gsm"}},            {"Vergi D.:", {"vergi"}},
    {"E-mail:", {"email"}},         {"Bakiye:", {"bakiye"}},      {"İndirim %:", {"indirim"}},
    {"Vade (Gün):", {"vade"}},
};

// The customer's text of a field on the dataset's current row; empty for null
// or when the packet lacks the field.
QString currentText(const ClientDataSet& ds, const char* name)
{
    const auto* f = ds.findField(QString::fromLatin1(name));
    return f ? f->asString() : QString();
}

} // namespace

Tseccari::Tseccari(dsclient::DSConnection& bag, TSonucBilgisi& bilgim, QWidget* parent)
    : QDialog(parent), bag(bag), bilgim(bilgim)
{
    setObjectName("Tseccari");
    setWindowTitle(QStringLiteral("Cari Seçimi"));
    CARILER_ = new ClientDataSet(this);
    CARILER_->setObjectName("CARILER");
    buildLayout();
}

Tseccari::~Tseccari() = default;

QToolButton* Tseccari::makeStateButton(const char* name, const QString& hint)
{
    auto* b = new QToolButton(this);
    b->setObjectName(name);
    b->setToolTip(hint);
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setIconSize(QSize(32, 32));
    b->setFixedSize(64, 60);
    b->setAutoRaise(true);
    return b;
}

void Tseccari::buildLayout()
{
    QStyle* st = style();
    sBitBtn2 = makeStateButton("sBitBtn2", QStringLiteral("Tüm Carileri Listeler"));
    sBitBtn2->setIcon(st->standardIcon(QStyle::SP_FileDialogDetailedView));
    sBitBtn2->setToolButtonStyle(Qt::ToolButtonIconOnly);
    sepettus = makeStateButton("sepettus", QStringLiteral("Sipariş sepetinde \r\nstok olan carileri listeler."));
    sepettus->setIcon(st->standardIcon(QStyle::SP_DriveHDIcon));
    alinditus = makeStateButton("alinditus", QStringLiteral("Yeni Alınan \r\nSiparişleri Listeler"));
    alinditus->setIcon(st->standardIcon(QStyle::SP_FileDialogNewFolder));
    onaylanditus = makeStateButton("onaylanditus", QStringLiteral("Onaylanan Siparişler"));
    onaylanditus->setIcon(st->standardIcon(QStyle::SP_DialogApplyButton));
    goruldutus = makeStateButton("goruldutus", QStringLiteral("Görülen Siparişler"));
    goruldutus->setIcon(st->standardIcon(QStyle::SP_FileDialogContentsView));
    parcalihazirlandi = makeStateButton("parcalihazirlandi", QStringLiteral("Eksik Hazırlanan siparişler"));
    parcalihazirlandi->setIcon(st->standardIcon(QStyle::SP_MessageBoxWarning));
    hazirlanditus = makeStateButton("hazirlanditus", QStringLiteral("Hazırlanan Siparişler"));
    hazirlanditus->setIcon(st->standardIcon(QStyle::SP_DialogSaveButton));
    sevktus = makeStateButton("sevktus", QStringLiteral("Sevk Edilen Siparişler"));
    sevktus->setIcon(st->standardIcon(QStyle::SP_ArrowForward));

    connect(sBitBtn2, &QToolButton::clicked, this, &Tseccari::sBitBtn2Click);
    connect(sepettus, &QToolButton::clicked, this, &Tseccari::sepettusClick);
    connect(alinditus, &QToolButton::clicked, this, &Tseccari::alinditusClick);
    connect(onaylanditus, &QToolButton::clicked, this, &Tseccari::onaylanditusClick);
    connect(goruldutus, &QToolButton::clicked, this, &Tseccari::goruldutusClick);
    connect(parcalihazirlandi, &QToolButton::clicked, this, &Tseccari::parcalihazirlandiClick);
    connect(hazirlanditus, &QToolButton::clicked, this, &Tseccari::hazirlanditusClick);
    connect(sevktus, &QToolButton::clicked, this, &Tseccari::sevktusClick);

    auto* picture = new QLabel(this);
    picture->setPixmap(st->standardIcon(QStyle::SP_FileDialogContentsView).pixmap(24, 24));

    NEdit1 = new QLineEdit(this);
    NEdit1->setObjectName("NEdit1");
    NEdit1->setMinimumWidth(260);
    NEdit1->installEventFilter(this);
    NEdit1->setValidator(new UpperCaseValidator(NEdit1));

    auto* top = new QHBoxLayout;
    top->addWidget(sBitBtn2);
    for (QToolButton* b : {sepettus, alinditus, onaylanditus, goruldutus, parcalihazirlandi, hazirlanditus, sevktus})
        top->addWidget(b);
    top->addStretch();
    top->addWidget(picture);
    top->addWidget(NEdit1);

    cxGrid1DBTableView1 = CreateCustomerGrid(this);
    cxGrid1DBTableView1->setObjectName("cxGrid1DBTableView1");
    cxGrid1DBTableView1->setDataSet(CARILER_);
    connect(cxGrid1DBTableView1, &DataGrid::focusedRowChanged, this,
            &Tseccari::cxGrid1DBTableView1FocusedRecordChanged);
    connect(cxGrid1DBTableView1, &DataGrid::rowDoubleClicked, this, &Tseccari::cxGrid1DBTableView1DblClick);

    gridMenu = new QMenu(this);
    gridMenu->setObjectName("gridMenu");
    // Their screens come with the order balances and the reports.
    const std::pair<const char*, const char*> entries[] = {
        {"B1", "Bakiyelerini Göster"}, {nullptr, nullptr}, {"C1", "Cari Özeti Göster"},
        {"CariAlSatTablosuSatcl1", "Cari Alış Satış Tablosu (Satıcılı)"},
        {"CariTopluAlacakVadeleri1", "Cari Toplu Alacak Vadeleri"}};
    for (const auto& [name, caption] : entries) {
        if (!name) {
            gridMenu->addSeparator();
            continue;
        }
        QAction* a = gridMenu->addAction(QString::fromUtf8(caption));
        a->setObjectName(name);
        a->setEnabled(false);
    }
    QTableView* view = cxGrid1DBTableView1->view();
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view, &QWidget::customContextMenuRequested, this,
            [this, view](const QPoint& pos) { gridMenu->popup(view->viewport()->mapToGlobal(pos)); });

    cariBilgileri = new QGroupBox(QStringLiteral("Cari Bilgileri"), this);
    cariBilgileri->setObjectName("cariBilgileri");
    auto* form = new QFormLayout(cariBilgileri);
    for (const DetailRow& row : kDetailRows) {
        auto* values = new QVBoxLayout;
        for (const char* name : row.labels) {
            auto* value = new QLabel(cariBilgileri);
            value->setObjectName(name);
            value->setTextInteractionFlags(Qt::TextSelectableByMouse);
            value->setWordWrap(true);
            values->addWidget(value);
        }
        form->addRow(QString::fromUtf8(row.caption), values);
    }
    cariBilgileri->hide();

    splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName("splitter");
    splitter->addWidget(cxGrid1DBTableView1);
    splitter->addWidget(cariBilgileri);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);

    Button1 = new QPushButton(QStringLiteral("Seç"), this);
    Button1->setObjectName("Button1");
    Button2 = new QPushButton(QStringLiteral("Vazgeç"), this);
    Button2->setObjectName("Button2");
    for (QPushButton* b : {Button1, Button2}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(131);
    }
    connect(Button1, &QPushButton::clicked, this, &Tseccari::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Tseccari::Button2Click);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Button1);
    bottom->addStretch();
    bottom->addWidget(Button2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(splitter, 1);
    layout->addLayout(bottom);
}

void Tseccari::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
    NEdit1->setFocus();
}

void Tseccari::FormShow()
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    setGeometry(area.left() + 50, area.top() + 50, qMax(area.width() - 100, 200), qMax(area.height() - 100, 200));
}

bool Tseccari::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == NEdit1 && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            NEdit1KeyDown(key);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool Tseccari::callServer(const std::function<void(TServerMethods1Client&)>& call)
{
    try {
        if (CallOnWindowConnection(bag, WindowOpen::Plain, call))
            return true;
        ShowConnectionFailureMessage();
    } catch (const dsclient::ServerCallError& e) {
        if (e.kind() == dsclient::ServerCallError::Kind::ServerError)
            ShowMessageDialog(e.serverText(), MsgDlgType::Error, mbOK, mbOK);
        else
            ShowConnectionFailureMessage();
    } catch (const std::exception& e) {
        // A packet the dataset cannot take, or a malformed record.
        ShowMessageDialog(QString::fromUtf8(e.what()), MsgDlgType::Error, mbOK, mbOK);
    }
    return false;
}

bool Tseccari::SepetSayisiYaz()
{
    qint32 count = 0;
    if (!callServer([&](TServerMethods1Client& proxy) { count = proxy.SepetSayisi(CopyLoginRecord(bilgim)); }))
        return false;
    sepettus->setText(count < 1 ? QString() : QString::number(count));
    return true;
}

bool Tseccari::TusSonuclari()
{
    TTusSonuclari counters;
    if (!callServer([&](TServerMethods1Client& proxy) {
            if (const auto answer = proxy.TusSonuclariVer(CopyLoginRecord(bilgim)))
                counters.Kopyala(*answer);
        }))
        return false;
    alinditus->setText(QString::number(counters.Alindi()));
    onaylanditus->setText(QString::number(counters.Onaylandi()));
    goruldutus->setText(QString::number(counters.Goruldu()));
    parcalihazirlandi->setText(QString::number(counters.ParcaliHazirlandi()));
    hazirlanditus->setText(QString::number(counters.Hazirlandi()));
    sevktus->setText(QString::number(counters.SevkEdildi()));
    return true;
}

QString Tseccari::ReplaceDotlessI(const QString& text)
{
    QString out = text;
    return out.replace(QChar(0x0131), QLatin1Char('i'));
}

void Tseccari::NEdit1KeyDown(QKeyEvent* event)
{
    if (event && event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return;
    SearchCustomers();
    focusSearchBox();
}

void Tseccari::focusSearchBox()
{
    NEdit1->selectAll();
    NEdit1->setFocus();
}

void Tseccari::SearchCustomers()
{
    const QString aranan = ReplaceDotlessI(NEdit1->text()).trimmed();
    DataTable table;
    if (callServer([&](TServerMethods1Client& proxy) { table = proxy.CariAra(CopyLoginRecord(bilgim), aranan); }))
        showCustomers(std::move(table));
}

void Tseccari::ListCustomersByState(int code)
{
    DataTable table;
    if (callServer([&](TServerMethods1Client& proxy) { table = proxy.CariSepetVer(CopyLoginRecord(bilgim), code); }))
        showCustomers(std::move(table));
}

void Tseccari::showCustomers(DataTable table)
{
    try {
        CARILER_->disableControls();
        CARILER_->setData(std::move(table));
        SetFloatDisplayFormats(*CARILER_);
        CARILER_->enableControls();
    } catch (const std::exception& e) {
        CARILER_->enableControls();
        ShowMessageDialog(QString::fromUtf8(e.what()), MsgDlgType::Error, mbOK, mbOK);
        return;
    }
    cxGrid1DBTableView1->bestFit();
    if (cxGrid1DBTableView1->rowCount() > 0)
        cxGrid1DBTableView1->focusRow(cxGrid1DBTableView1->dataSetRow(0));
    cxGrid1DBTableView1FocusedRecordChanged();
}

void Tseccari::sBitBtn2Click()
{
    NEdit1->clear();
    SearchCustomers();
    focusSearchBox();
}

void Tseccari::sepettusClick()
{
    ListCustomersByState(1);
    focusSearchBox();
}

void Tseccari::alinditusClick() { ListCustomersByState(2); }
void Tseccari::onaylanditusClick() { ListCustomersByState(3); }
void Tseccari::goruldutusClick() { ListCustomersByState(4); }
void Tseccari::parcalihazirlandiClick() { ListCustomersByState(5); }
void Tseccari::hazirlanditusClick() { ListCustomersByState(6); }
void Tseccari::sevktusClick() { ListCustomersByState(7); }

int Tseccari::focusedRow() const
{
    const int row = cxGrid1DBTableView1->focusedRow();
    return row >= 0 && row < CARILER_->recordCount() && CARILER_->currentRow() == row ? row : -1;
}

QString Tseccari::focusedText(const char* field) const
{
    return currentText(*CARILER_, field);
}

void Tseccari::setDetail(const char* label, const QString& text)
{
    if (auto* l = cariBilgileri->findChild<QLabel*>(QString::fromLatin1(label)))
        l->setText(text);
}

void Tseccari::cxGrid1DBTableView1FocusedRecordChanged()
{
    if (focusedRow() < 0) {
        cariBilgileri->hide();
        return;
    }
    cariBilgileri->show();
    const auto joined = [this](const char* a, const char* b) { return focusedText(a) + '/' + focusedText(b); };
    setDetail("carikod", focusedText("CARIKOD"));
    setDetail("cariadi", focusedText("CARIADI"));
    setDetail("yetkili", focusedText("YETKILI"));
    setDetail("ozelkod", focusedText("OZELKOD"));
    setDetail("anagrup", focusedText("ANAGRUP"));
    setDetail("altgrup", focusedText("ALTGRUP"));
    setDetail("adres1", focusedText("ADRES1"));
    setDetail("adres2", focusedText("ADRES2"));
    setDetail("ilce", joined("ILCE", "IL"));
    setDetail("telefon1", focusedText("TEL1"));
    setDetail("telefon2", focusedText("TEL2"));
    setDetail("fax1", focusedText("FAX1"));
    setDetail("fax2", focusedText("FAX2"));
    setDetail("gsm", focusedText("GSM"));
    setDetail("vergi", joined("VERGIDAIRESI", "VERGINO"));
    setDetail("email", focusedText("EMAIL"));
    const auto* balance = CARILER_->findField("TLBAKIYE");
    const QString amount = balance && !balance->isNull() ? FormatFloat(kMoneyFormat, balance->asFloat()) : QString();
    setDetail("bakiye", amount + ' ' + focusedText("DURUM"));
    setDetail("indirim", focusedText("INDIRIM"));
    setDetail("vade", focusedText("VADE"));
}

void Tseccari::ChooseCustomer()
{
    const int row = focusedRow();
    if (row < 0)
        return;
    const auto* no = CARILER_->findField("CARINO");
    if (!no)
        return;
    bool ok = false;
    const qlonglong carino = no->value().toLongLong(&ok);
    if (!ok || carino <= 0 || carino > std::numeric_limits<qint32>::max())
        return;
    bilgim.setCARINO(qint32(carino));
    bilgim.setcarikod(focusedText("CARIKOD"));
    bilgim.setCariAdi(focusedText("CARIADI"));
    done(QDialog::Accepted);
}

void Tseccari::Button1Click() { ChooseCustomer(); }
void Tseccari::cxGrid1DBTableView1DblClick() { ChooseCustomer(); }

void Tseccari::Button2Click()
{
    processend::EndProcessNow(0);
}

void Tseccari::C1Click() {}
void Tseccari::CariAlSatTablosuSatcl1Click() {}
void Tseccari::CariTopluAlacakVadeleri1Click() {}
void Tseccari::B1Click() {}
