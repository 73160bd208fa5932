#include "login/girisformu.h"

#include "login/externalip.h"
#include "login/loginfetch.h"
#include "login/utils.h"
#include "platform/os/inifile.h"
#include "platform/os/processend.h"
#include "platform/widgets/busypicture.h"
#include "platform/widgets/uppercasevalidator.h"
#include "requests/dosyaindiru.h"
#include "requests/formistekyeniu.h"
#include "sales/seccariu.h"
#include "server/baglantiu.h"
#include "server/beklesinu.h"
#include "server/deployment.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

const QString kSection = QStringLiteral("kullanici");
const QString kNameKey = QStringLiteral("isim");
const QString kPasswordKey = QStringLiteral("sifre");
const QString kRememberKey = QStringLiteral("hatırla");

const QString kCaptionLogin = QStringLiteral("Giriş");
const QString kCaptionConnecting = QStringLiteral("Bağlanıyor...");
const QString kCaptionSecondStage = QStringLiteral("Giriş!");

const QString kWrongCredentials = QStringLiteral("Kullanıcı Adı ve Şifre Hatalı Lütfen Tekrar Deneyiniz !");

QLabel* BoxCaption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("background-color:#c8102e; color:white; font-weight:bold; padding:4px;"));
    return label;
}

QLabel* ContactLine(const QString& symbol, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(symbol + QStringLiteral("  ") + text, parent);
    label->setStyleSheet(QStringLiteral("color:white;"));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// The toolkit's own warning box, as the Enter checks use it.
void ShowStandardWarning(QWidget* owner, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok, owner);
    box.setObjectName(QStringLiteral("StandardWarning"));
    box.exec();
}

} // namespace

Tgirisform::Tgirisform(dsclient::DSConnection& bagim, TSonucBilgisi& Bilgim, QWidget* parent)
    : QDialog(parent), bagim(bagim), Bilgim(Bilgim)
{
    setObjectName(QStringLiteral("girisform"));
    buildLayout();
    FormCreate();
}

Tgirisform::~Tgirisform()
{
    closing_->store(true);
}

QString Tgirisform::SettingsFile()
{
    return QDir(GetAppDataFolder()).filePath(QStringLiteral("ayar.ini"));
}

void Tgirisform::buildLayout()
{
    setWindowTitle(kCaptionLogin);
    // A window of its own (with a task-bar button), fixed in size.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    setFixedSize(368, 550);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(24, 12, 24, 16);
    column->setSpacing(10);

    RxGIFAnimator1 = new BusyPicture(this);
    RxGIFAnimator1->setObjectName(QStringLiteral("RxGIFAnimator1"));
    auto* top = new QHBoxLayout;
    top->addStretch(1);
    top->addWidget(RxGIFAnimator1);
    column->addLayout(top);
    column->addStretch(1);

    benihatirla = new QCheckBox(QStringLiteral("Beni hatırla"), this);
    benihatirla->setObjectName(QStringLiteral("benihatirla"));
    benihatirla->setChecked(true);
    benihatirla->setStyleSheet(QStringLiteral("color:white; font-weight:bold;"));
    column->addWidget(benihatirla);

    auto* boxes = new QGridLayout;
    boxes->setHorizontalSpacing(0);
    boxes->setVerticalSpacing(8);
    adi = new QLineEdit(this);
    adi->setObjectName(QStringLiteral("adi"));
    adi->setValidator(new UpperCaseValidator(adi));
    sifre = new QLineEdit(this);
    sifre->setObjectName(QStringLiteral("sifre"));
    sifre->setValidator(new UpperCaseValidator(sifre));
    sifre->setEchoMode(QLineEdit::Password);
    boxes->addWidget(BoxCaption(QStringLiteral(" Kullanıcı Adı:"), this), 0, 0);
    boxes->addWidget(adi, 0, 1);
    boxes->addWidget(BoxCaption(QStringLiteral(" Şifre:"), this), 1, 0);
    boxes->addWidget(sifre, 1, 1);
    column->addLayout(boxes);

    Button1 = new QPushButton(kCaptionLogin, this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("Vazgeç"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {Button1, Button2}) {
        // Enter belongs to the boxes' own handling, never to a default button.
        button->setAutoDefault(false);
        button->setDefault(false);
        button->setMinimumHeight(32);
        buttons->addWidget(button);
    }
    column->addLayout(buttons);
    column->addSpacing(24);

    const DeploymentValues& deployment = Deployment();
    column->addWidget(ContactLine(QStringLiteral("☎"), deployment.supportTelephone, this));
    column->addWidget(ContactLine(QStringLiteral("✉"),
                                  deployment.supportMail1 + QStringLiteral("\n     ") + deployment.supportMail2, this));

    connect(Button1, &QPushButton::clicked, this, &Tgirisform::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Tgirisform::Button2Click);
    adi->installEventFilter(this);
    sifre->installEventFilter(this);
    adi->setFocus();

    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void Tgirisform::paintEvent(QPaintEvent*)
{
    // The background picture: the distributor's red fading into a dark band.
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0.0, QColor(0x8b, 0x0a, 0x1f));
    gradient.setColorAt(0.45, QColor(0xc8, 0x10, 0x2e));
    gradient.setColorAt(1.0, QColor(0x2b, 0x2b, 0x2b));
    painter.fillRect(rect(), gradient);
    painter.setPen(Qt::white);
    QFont title = font();
    title.setPixelSize(30);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QRect(0, 60, width(), 60), Qt::AlignCenter, QStringLiteral("Velkora B2B"));
}

void Tgirisform::FormCreate()
{
    idsi = GetMachineId();
    LoadLoginSettings();
}

void Tgirisform::LoadLoginSettings()
{
    const IniFile ini(SettingsFile());
    if (!ini.exists())
        return; // the design defaults: empty boxes, box checked
    benihatirla->setChecked(ini.readBool(kSection, kRememberKey, true));
    if (benihatirla->isChecked()) {
        adi->setText(ini.readString(kSection, kNameKey));
        sifre->setText(ini.readString(kSection, kPasswordKey));
    }
}

void Tgirisform::SaveLoginSettings()
{
    // Name and password are written either way; the check box only decides
    // whether they are filled in next time.
    IniFile ini(SettingsFile());
    const bool written = ini.writeString(kSection, kNameKey, adi->text())
        && ini.writeString(kSection, kPasswordKey, sifre->text())
        && ini.writeBool(kSection, kRememberKey, benihatirla->isChecked());
    QString error;
    if (!written)
        error = QStringLiteral("geçersiz karakter");
    else if (ini.save(&error))
        return;
    // Not remembering costs the user nothing but typing; say so and go on.
    ShowMessageDialog(QStringLiteral("Giriş bilgileri kaydedilemedi: ") + error, MsgDlgType::Warning, mbOK, mbOK);
}

bool Tgirisform::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && (watched == adi || watched == sifre)) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == adi)
            adiKeyDown(key);
        else
            sifreKeyDown(key);
        return key->isAccepted();
    }
    return QDialog::eventFilter(watched, event);
}

bool Tgirisform::enterIn(QLineEdit* box, const QString& emptyWarning, QKeyEvent* event)
{
    event->ignore();
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    event->accept();
    if (box->text().trimmed().isEmpty()) {
        QApplication::beep();
        ShowStandardWarning(this, emptyWarning);
        box->selectAll();
        box->setFocus();
        return true;
    }
    return false;
}

void Tgirisform::adiKeyDown(QKeyEvent* event)
{
    if (enterIn(adi, QStringLiteral("Lütfen kullanıcı adını giriniz !"), event) || !event->isAccepted())
        return;
    sifre->selectAll();
    sifre->setFocus();
}

void Tgirisform::sifreKeyDown(QKeyEvent* event)
{
    if (enterIn(sifre, QStringLiteral("Lütfen kullanıcı şifresini giriniz !"), event) || !event->isAccepted())
        return;
    // While a stage runs "Giriş" is disabled; Enter must not start a second login beside it.
    if (Button1->isEnabled())
        Button1Click();
}

void Tgirisform::Button1Click()
{
    Button1->setText(kCaptionConnecting);
    Button1->setEnabled(false);

    auto state = NewLoadState(this);
    QPointer<BusyPicture> busy = RxGIFAnimator1;
    auto closing = closing_;
    Async([state, busy, closing] {
        RunOnMainThreadQueued([busy] {
            if (busy)
                busy->start();
        });
        state->veri = ::GetExternalIp(*closing);
    })->Await([this, state] {
        if (closing_->load())
            return;
        Button1->setText(kCaptionSecondStage);
        RxGIFAnimator1->stop();
        const QString* ip = std::any_cast<QString>(&state->veri);
        Devamet(ip ? *ip : QString());
    }, state);
}

QString Tgirisform::GetExternalIp() const
{
    return ::GetExternalIp(*closing_);
}

void Tgirisform::Devamet(const QString& ip)
{
    if (ip.trimmed().isEmpty()) {
        ShowMessageDialog(QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyiniz !"), MsgDlgType::Error, mbOK,
                          mbOK);
        Button1->setEnabled(true);
        return;
    }
    Bilgim.setDisip(ip);

    // The worker keeps to the connection, the record and the identifier: the
    // window may be gone before it ends.
    auto state = NewLoadState(this);
    auto closing = closing_;
    dsclient::DSConnection* connection = &bagim;
    TSonucBilgisi* record = &Bilgim;
    const QString machineId = idsi;
    Async([state, closing, connection, record, machineId] {
        state->veri = FetchLoginRecordFor(*connection, machineId, *record, *closing);
    })->Await([this, state] {
        if (closing_->load())
            return;
        const bool* fetched = std::any_cast<bool>(&state->veri);
        CheckLoginRecord(fetched && *fetched && !state->hata);
    }, state);
}

bool Tgirisform::FetchLoginRecord()
{
    return FetchLoginRecordFor(bagim, idsi, Bilgim, *closing_);
}

void Tgirisform::CheckLoginRecord(bool fetched)
{
    RxGIFAnimator1->stop();
    if (!fetched) {
        ShowMessageDialog(QStringLiteral("Bağlantı Kurulamadı !"), MsgDlgType::Error, mbOK, mbOK);
        backToIdle();
        return;
    }
    if (Bilgim.Version() != kProgramVersion)
        StartUpdateDownload(); // ends the process once the set-up has started
    if (!Bilgim.Varmi()) {
        // An unknown machine goes to the registration request, whatever was typed.
        OpenRequestForm(Deployment().webSite);
        processend::EndProcessNow(0);
        return;
    }
    if (adi->text() != Bilgim.ADI() || sifre->text() != Bilgim.SIFRE()) {
        rejectCredentials();
        return;
    }
    SaveLoginSettings();
    if (Bilgim.AKTIF() != 1) {
        rejectCredentials();
        return;
    }
    if ((Bilgim.MusteriTipi() == 1 || Bilgim.MusteriTipi() == 2) && !OpenCustomerSelection())
        return;
    accept();
}

void Tgirisform::rejectCredentials()
{
    ShowMessageDialog(kWrongCredentials, MsgDlgType::Warning, mbOK, mbOK);
    backToIdle();
}

void Tgirisform::backToIdle()
{
    Button1->setEnabled(true);
    adi->selectAll();
    adi->setFocus();
}

void Tgirisform::StartUpdateDownload()
{
    Tdosyaindir window(Bilgim.Version(), this);
    window.bag = &bagim;
    window.exec();
}

void Tgirisform::OpenRequestForm(const QString& webAddress)
{
    Tformistekyeni window(this);
    window.setWindowTitle(QStringLiteral("Velkora B2B Programı İstek Formu"));
    window.Navigate(webAddress + QStringLiteral("formmailgonder.aspx?carino=0&kullanici= &id=") + idsi);
    window.exec();
}

bool Tgirisform::OpenCustomerSelection()
{
    Tseccari window(bagim, Bilgim, this);
    window.SepetSayisiYaz();
    window.TusSonuclari();
    if (window.exec() != QDialog::Accepted) {
        processend::EndProcessNow(0);
        return false;
    }
    return true;
}

void Tgirisform::Button2Click()
{
    closing_->store(true);
    processend::EndProcessNow(0);
}
