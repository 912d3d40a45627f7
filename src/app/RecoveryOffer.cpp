#include "app/RecoveryOffer.h"

#include "forms/Unit1.h"
#include "widgets/QtText.h"
#include "widgets/RecoveryStore.h"

#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <string_view>

namespace zarn {
namespace {

constexpr std::string_view kCaption = "Recuperar caso";
constexpr std::string_view kOffer =
    "O Zarn n\xE3o foi fechado normalmente. Ficou uma c\xF3pia de recupera\xE7\xE3o do caso "
    "\"%1\", de %2.";
constexpr std::string_view kSavedAt = "O arquivo do caso \xE9 %1; a c\xF3pia tem o que foi "
                                      "digitado depois da \xFAltima vez que ele foi salvo.";
constexpr std::string_view kNeverSaved = "O caso nunca foi salvo.";
constexpr std::string_view kChoices =
    "Recuperar abre a c\xF3pia, com as altera\xE7\xF5"
    "es ainda por salvar; Descartar apaga a c\xF3pia; Depois a guarda para o pr\xF3ximo "
    "in\xED"
    "cio.";
constexpr std::string_view kUnnamed = "Novo caso";
constexpr std::string_view kRecoverButton = "&Recuperar";
constexpr std::string_view kDiscardButton = "&Descartar";
constexpr std::string_view kLaterButton = "De&pois";
constexpr std::string_view kWhen = "dd/MM/yyyy '\xE0s' HH:mm";

enum class Choice { Recover, Discard, Later };

Choice Ask(const RecoveredCase& copy, QWidget* over) {
    const QString name = copy.Name.isEmpty() ? ToQString(kUnnamed) : copy.Name;
    QMessageBox box(QMessageBox::Question, ToQString(kCaption),
                    ToQString(kOffer).arg(name, copy.Changed.toString(ToQString(kWhen))),
                    QMessageBox::NoButton, over);
    const QString file = copy.FilePath.isEmpty()
                             ? ToQString(kNeverSaved)
                             : ToQString(kSavedAt).arg(QDir::toNativeSeparators(copy.FilePath));
    box.setInformativeText(file + QLatin1Char(' ') + ToQString(kChoices));
    QPushButton* recover = box.addButton(ToQString(kRecoverButton), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(ToQString(kDiscardButton), QMessageBox::DestructiveRole);
    QPushButton* later = box.addButton(ToQString(kLaterButton), QMessageBox::RejectRole);
    recover->setObjectName(QStringLiteral("RecoverButton"));
    discard->setObjectName(QStringLiteral("DiscardButton"));
    later->setObjectName(QStringLiteral("LaterButton"));
    box.setDefaultButton(recover);
    box.setEscapeButton(later);
    box.exec();
    if (box.clickedButton() == recover) {
        return Choice::Recover;
    }
    return box.clickedButton() == discard ? Choice::Discard : Choice::Later;
}

} // namespace

void OfferRecovery(RecoveryStore& store, TForm1& window) {
    for (const RecoveredCase& copy : store.Pending()) {
        switch (Ask(copy, &window)) {
        case Choice::Recover:
            if (const FileOutcome outcome = window.Case().Recover(copy); !outcome.Ok()) {
                QMessageBox::warning(&window, ToQString(kCaption), outcome.Message);
                continue;
            }
            window.ShowCaseWindows();
            return;
        case Choice::Discard:
            store.Discard(copy.Id);
            break;
        case Choice::Later:
            break;
        }
    }
}

} // namespace zarn
