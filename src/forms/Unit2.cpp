#include "forms/Unit2.h"

#include "desktop/ProgramIcon.h"
#include "desktop/SystemUrlOpener.h"
#include "help/HelpContext.h"
#include "widgets/BevelPanel.h"
#include "widgets/FormFonts.h"
#include "widgets/Scaling.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QUrl>
#include <algorithm>

namespace zarn {
namespace {

const QString kCaption = QStringLiteral("Sobre...");
const QString kProductName = QStringLiteral("Programa para cálculo de penas criminais");
const QString kVersionPrefix = QStringLiteral("Versão ");
const QString kPlatforms = QStringLiteral("(para Linux, Windows e macOS)");
const QString kNotice = QStringLiteral("© 2026 Equipe Zarn, Brasília (DF)");
const QString kSiteCaption = QStringLiteral("Site do Autor");
const QString kSiteHint = QStringLiteral("Visite o Site do Autor na Internet");
const QString kMailHint = QStringLiteral("Envie e-mail ao Autor...");
const QString kOkCaption = QStringLiteral("OK");
const QString kActionCategory = QStringLiteral("Internet");
// A mailto: address without a recipient opens a blank message; the user types the rest.
const QString kBlankMessage = QStringLiteral("mailto:");
const QString kMailErrorCaption = QStringLiteral("Error");
const QString kMailErrorText = QStringLiteral("Error sending mail");
// When the desktop's launcher started but found no program to open the address with.
const QString kNoBrowserText =
    QStringLiteral("Não foi possível abrir um navegador para o site do autor. Abra o "
                   "endereço %1 no seu navegador.");
const QString kNoMailProgramText =
    QStringLiteral("Não foi possível abrir um programa de e-mail. Escreva ao autor, pelo seu "
                   "programa de e-mail, para o endereço %1.");
// Names for screen readers of the two controls that show no text.
const QString kPanelName = QStringLiteral("Sobre o programa");
const QString kIconName = QStringLiteral("Ícone do Zarn");

// Layout, in pixels at 120 pixels per inch.
struct Box {
    int left, top, width, height;
};
constexpr int kClientWidth = 377;
constexpr int kClientHeight = 262;
constexpr int kFontHeight = 14;
constexpr int kIconBitmapSize = 32;
constexpr Box kPanelBox{9, 10, 360, 198};
constexpr Box kIconBox{10, 34, 39, 39};
constexpr Box kProductNameBox{76, 28, 253, 16};
constexpr Box kVersionBox{148, 57, 74, 16};
constexpr Box kPlatformBox{57, 89, 265, 16};
constexpr Box kNoticeBox{66, 114, 253, 16};
constexpr Box kSiteButtonBox{128, 137, 89, 24};
constexpr Box kMailButtonBox{73, 169, 208, 24};
constexpr Box kOkButtonBox{137, 222, 92, 30};
// Room kept between the icon and a text beside it, and inside the panel's bevels.
constexpr int kGap = 6;
// Room above and below a line of text inside its control.
constexpr int kTextPadding = 4;

QRect ScaledBox(const QWidget* w, const Box& b) {
    return {Scaled(w, b.left), Scaled(w, b.top), Scaled(w, b.width), Scaled(w, b.height)};
}

// Places a control at its layout position, widened when its text needs more room than
// the layout gives: it then grows about its centre and is kept inside [minLeft, maxRight]
// of its parent, so a wider font never clips the text. The height stays the layout's
// unless the font is too tall for it.
void FitInto(QWidget* control, const QRect& layout, int minLeft, int maxRight) {
    const QSize hint = control->sizeHint();
    const int width = std::min(std::max(layout.width(), hint.width()), maxRight - minLeft);
    const int height = std::max(layout.height(), control->fontMetrics().height() + kTextPadding);
    int left = layout.center().x() - width / 2;
    if (width == layout.width()) {
        left = layout.left();
    }
    left = std::clamp(left, minLeft, maxRight - width);
    control->setGeometry(left, layout.top(), width, height);
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent)
    , m_systemOpener(std::make_unique<SystemUrlOpener>())
    , m_opener(m_systemOpener.get()) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(kCaption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFont(LayoutFont(this, kFontHeight, false));
    setFixedSize(Scaled(this, kClientWidth), Scaled(this, kClientHeight));

    CreateComponents();
    PlaceComponents();
    // The first opening starts on the site button, the first control that takes the
    // keyboard; later openings return to wherever the focus was when the box closed.
    Button1->setFocus(Qt::TabFocusReason);
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::SetUrlOpener(UrlOpener* opener) {
    m_opener = opener ? opener : m_systemOpener.get();
    m_mailChecked = false;
}

QString TAboutBox::AuthorSite() {
    return QStringLiteral(ZARN_AUTHOR_SITE);
}

QString TAboutBox::AuthorEmail() {
    return QStringLiteral(ZARN_AUTHOR_EMAIL);
}

void TAboutBox::CreateComponents() {
    Panel1 = new BevelPanel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));

    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setPixmap(ProgramIconPixmap(kIconBitmapSize));
    ProgramIcon->setScaledContents(true);
    Panel1->setAccessibleName(kPanelName);
    ProgramIcon->setAccessibleName(kIconName);

    const auto makeLabel = [this](const char* name, const QString& text) {
        auto* label = new QLabel(text, Panel1);
        label->setObjectName(QString::fromLatin1(name));
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        return label;
    };
    ProductName = makeLabel("ProductName", kProductName);
    Version = makeLabel("Version", kVersionPrefix + QStringLiteral(ZARN_VERSION));
    Label1 = makeLabel("Label1", kPlatforms);
    Copyright = makeLabel("Copyright", kNotice);

    BrowseURL1 = new QAction(kSiteCaption, this);
    BrowseURL1->setObjectName(QStringLiteral("BrowseURL1"));
    BrowseURL1->setToolTip(kSiteHint);
    BrowseURL1->setProperty("category", kActionCategory);
    BrowseURL1->setEnabled(!AuthorSite().isEmpty());
    connect(BrowseURL1, &QAction::triggered, this, &TAboutBox::BrowseURL1Execute);

    SendMail1 = new QAction(AuthorEmail(), this);
    SendMail1->setObjectName(QStringLiteral("SendMail1"));
    SendMail1->setToolTip(kMailHint);
    SendMail1->setProperty("category", kActionCategory);
    connect(SendMail1, &QAction::triggered, this, &TAboutBox::SendMail1Execute);

    Button1 = new QPushButton(Panel1);
    Button1->setObjectName(QStringLiteral("Button1"));
    LinkButton(Button1, BrowseURL1);

    Button2 = new QPushButton(Panel1);
    Button2->setObjectName(QStringLiteral("Button2"));
    LinkButton(Button2, SendMail1);
    Button2->setToolTip(kMailHint); // only this button shows its hint
    SetHelpContext(Button2, 1);

    OKButton = new QPushButton(kOkCaption, this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    setTabOrder(Button1, Button2);
    setTabOrder(Button2, OKButton);
}

// A button shows its action's caption, follows its enabled state and runs it when pressed.
void TAboutBox::LinkButton(QPushButton* button, QAction* action) {
    const auto update = [button, action] {
        button->setText(action->text());
        button->setEnabled(action->isEnabled());
    };
    update();
    connect(action, &QAction::changed, button, update);
    connect(button, &QPushButton::clicked, action, &QAction::trigger);
}

void TAboutBox::PlaceComponents() {
    const QRect panel = ScaledBox(this, kPanelBox);
    Panel1->setGeometry(panel);
    const QRect icon = ScaledBox(this, kIconBox);
    ProgramIcon->setGeometry(icon);

    const int innerLeft = BevelPanel::kBevelWidth + kGap;
    const int innerRight = panel.width() - BevelPanel::kBevelWidth - kGap;
    const auto besideIcon = [&](const QRect& box) {
        const bool sharesRows = box.top() < icon.bottom() && box.bottom() > icon.top();
        return sharesRows ? icon.right() + 1 + kGap : innerLeft;
    };
    const auto fit = [&](QWidget* control, const Box& layout) {
        const QRect box = ScaledBox(this, layout);
        FitInto(control, box, besideIcon(box), innerRight);
    };
    fit(ProductName, kProductNameBox);
    fit(Version, kVersionBox);
    fit(Label1, kPlatformBox);
    fit(Copyright, kNoticeBox);
    fit(Button1, kSiteButtonBox);
    fit(Button2, kMailButtonBox);

    const QRect ok = ScaledBox(this, kOkButtonBox);
    FitInto(OKButton, ok, 0, width());
}

void TAboutBox::BrowseURL1Execute() {
    const QString site = AuthorSite();
    if (site.isEmpty()) {
        return;
    }
    const QString noBrowser = kNoBrowserText.arg(site);
    if (!m_opener->OpenUrl(QUrl(site), LaunchFailure(noBrowser))) {
        ShowLaunchFailure(noBrowser);
    }
}

// A mail program that cannot be reached, or cannot be started, is the "Error sending mail"
// of the e-mail button; a launcher that started and then found no mail program says so
// in Portuguese, as the site button does.
void TAboutBox::SendMail1Execute() {
    if (!MailHandlerAvailable() ||
        !m_opener->OpenUrl(QUrl(kBlankMessage),
                           LaunchFailure(kNoMailProgramText.arg(AuthorEmail())))) {
        ShowMailError();
    }
}

UrlOpener::GaveUp TAboutBox::LaunchFailure(const QString& text) {
    return [box = QPointer<TAboutBox>(this), text] {
        if (box) {
            box->ShowLaunchFailure(text);
        }
    };
}

void TAboutBox::ShowLaunchFailure(const QString& text) {
    QMessageBox box(QMessageBox::Warning, QGuiApplication::applicationDisplayName(), text,
                    QMessageBox::Ok, this);
    box.exec();
}

// The desktop is asked once; its answer holds for the rest of the process.
bool TAboutBox::MailHandlerAvailable() {
    if (!m_mailChecked) {
        m_mailAvailable = m_opener->MailHandlerRegistered();
        m_mailChecked = true;
    }
    return m_mailAvailable;
}

void TAboutBox::ShowMailError() {
    QMessageBox box(QMessageBox::Critical, kMailErrorCaption, kMailErrorText, QMessageBox::Ok,
                    this);
    box.exec();
}

void TAboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        CentreOnScreen();
    }
}

void TAboutBox::CentreOnScreen() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

// The box has no cancel button: Escape does nothing. Everything else is the dialog's,
// so Enter presses the focused button, or OK.
void TAboutBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace zarn
