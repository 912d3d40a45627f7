#include "widgets/CaseSession.h"

#include "caso/CaseDocumentJson.h"
#include "widgets/CaseFileReader.h"
#include "widgets/CaseFileWriter.h"
#include "widgets/QtText.h"
#include "widgets/RecoveryStore.h"

#include <QDir>
#include <QFileInfo>
#include <string_view>

namespace zarn {
namespace {

constexpr std::string_view kNewCaseName = "Novo caso";
constexpr std::string_view kCannotOpen = "N\xE3o foi poss\xEDvel abrir o caso %1: %2";
constexpr std::string_view kFileUntouched = " O arquivo n\xE3o foi alterado.";
constexpr std::string_view kCannotRecover =
    "N\xE3o foi poss\xEDvel recuperar a c\xF3pia do caso %1: %2";
constexpr std::string_view kCopyTaken =
    "outra sess\xE3o do Zarn, ainda aberta, j\xE1 recuperou esta c\xF3pia";
constexpr std::string_view kNotSaved = "O caso n\xE3o foi salvo: %1 Complete ou apague o que "
                                       "falta e salve de novo.";
constexpr std::string_view kNoFileYet = "O caso ainda n\xE3o tem arquivo: use Salvar como.";
constexpr std::string_view kWillNotReplace =
    "O arquivo %1 n\xE3o \xE9 um caso que este Zarn l\xEA (%2) e n\xE3o foi substitu\xED"
    "do: salve com outro nome.";

QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// A message of the document's reader as a sentence of its own.
QString Sentence(std::string_view cp1252) {
    QString text = ToQString(cp1252).trimmed();
    if (!text.endsWith(QLatin1Char('.'))) {
        text += QLatin1Char('.');
    }
    return text;
}

bool SameFile(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty()) {
        return false;
    }
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

CaseSession::CaseSession(QObject* parent)
    : QObject(parent) {}

CaseSession::~CaseSession() = default;

QString CaseSession::Name() const {
    if (!m_document.Name.empty()) {
        return ToQString(m_document.Name);
    }
    if (!m_path.isEmpty()) {
        return QFileInfo(m_path).completeBaseName();
    }
    return ToQString(kNewCaseName);
}

void CaseSession::SetRecovery(RecoveryStore* store) {
    ForgetCopy();
    m_recovery = store;
    m_recoveryId = store ? store->Track() : QString();
    RecordChange();
}

void CaseSession::Change(CaseDocument document, QObject* source) {
    if (document == m_document) {
        return;
    }
    m_document = std::move(document);
    const bool modified = m_document != m_saved;
    if (!modified && m_modified) {
        ForgetCopy(); // typed back to what was saved
    }
    m_modified = modified;
    RecordChange();
    emit Changed(source);
    emit StateChanged();
}

void CaseSession::StartNew() {
    ForgetCopy();
    m_saved = CaseDocument{};
    Take(CaseDocument{}, QString(), false);
}

CaseOpening CaseSession::Read(const QString& path) {
    const CaseFileContents contents = CaseFileReader().Read(path);
    if (!contents.Ok()) {
        return {std::nullopt, path, contents.Outcome.Message};
    }
    const CaseReading reading = ReadCaseDocumentAsWritten(std::string_view(
        contents.Bytes.constData(), static_cast<std::size_t>(contents.Bytes.size())));
    if (!reading.Ok()) {
        return {std::nullopt, path,
                ToQString(kCannotOpen).arg(Native(path), Sentence(reading.Error)) +
                    ToQString(kFileUntouched)};
    }
    return {reading.Document, path, {}};
}

void CaseSession::Replace(const CaseOpening& opening) {
    if (!opening.Ok()) {
        return;
    }
    ForgetCopy();
    m_saved = *opening.Document;
    Take(*opening.Document, QFileInfo(opening.Path).absoluteFilePath(), false);
}

FileOutcome CaseSession::Recover(const RecoveredCase& copy) {
    const CaseReading reading = ReadCaseDocumentAsWritten(std::string_view(
        copy.Document.constData(), static_cast<std::size_t>(copy.Document.size())));
    const QString name = copy.Name.isEmpty() ? ToQString(kNewCaseName) : copy.Name;
    if (!reading.Ok()) {
        return {ToQString(kCannotRecover).arg(name, Sentence(reading.Error))};
    }
    if (m_recovery && !m_recovery->Adopt(copy.Id)) {
        return {ToQString(kCannotRecover).arg(name, Sentence(kCopyTaken))};
    }
    if (m_recovery && copy.Id != m_recoveryId) {
        m_recovery->Discard(m_recoveryId);
        m_recoveryId = copy.Id;
    }
    // What Revert goes back to: the case's file as it is now, where it still reads.
    const CaseOpening file = copy.FilePath.isEmpty() ? CaseOpening{} : Read(copy.FilePath);
    m_saved = file.Ok() ? *file.Document : CaseDocument{};
    const bool modified = *reading.Document != m_saved;
    if (!modified) {
        ForgetCopy(); // the file holds it all already
    }
    Take(*reading.Document, copy.FilePath, modified);
    return {};
}

void CaseSession::Revert() {
    ForgetCopy();
    Take(m_saved, m_path, false);
}

FileOutcome CaseSession::Save() {
    if (m_path.isEmpty()) {
        return {ToQString(kNoFileYet)};
    }
    return WriteTo(m_path, m_document);
}

FileOutcome CaseSession::SaveAs(const QString& path) {
    CaseDocument document = m_document;
    if (document.Name.empty()) {
        document.Name = ToCp1252(QFileInfo(path).completeBaseName());
    }
    if (!SameFile(path, m_path)) {
        if (FileOutcome refusal = MayReplace(path); !refusal.Ok()) {
            return refusal;
        }
    }
    return WriteTo(QFileInfo(path).absoluteFilePath(), std::move(document));
}

void CaseSession::CloseCleanly() {
    if (m_recovery) {
        m_recovery->Discard(m_recoveryId);
    }
    m_recovery = nullptr;
    m_recoveryId.clear();
}

FileOutcome CaseSession::Serialise(const CaseDocument& document, QByteArray& bytes) const {
    const std::string text = WriteCaseDocument(document);
    const CaseReading reading = ReadCaseDocumentAsWritten(text);
    if (!reading.Ok()) {
        return {ToQString(kNotSaved).arg(Sentence(reading.Error))};
    }
    bytes = QByteArray(text.data(), static_cast<qsizetype>(text.size()));
    return {};
}

FileOutcome CaseSession::MayReplace(const QString& path) {
    const CaseFileContents contents = CaseFileReader().Read(path);
    if (!QFileInfo(path).isFile() || !contents.Ok()) {
        return {}; // nothing there, or something the writer will refuse with its own cause
    }
    const CaseReading reading = ReadCaseDocumentAsWritten(std::string_view(
        contents.Bytes.constData(), static_cast<std::size_t>(contents.Bytes.size())));
    if (reading.Ok()) {
        return {};
    }
    QString cause = ToQString(reading.Error).trimmed();
    if (cause.endsWith(QLatin1Char('.'))) {
        cause.chop(1);
    }
    return {ToQString(kWillNotReplace).arg(Native(path), cause)};
}

FileOutcome CaseSession::WriteTo(const QString& path, CaseDocument document) {
    QByteArray bytes;
    if (FileOutcome refusal = Serialise(document, bytes); !refusal.Ok()) {
        return refusal;
    }
    const CaseFileWriter writer = m_operations ? CaseFileWriter(*m_operations) : CaseFileWriter();
    if (FileOutcome outcome = writer.Write(path, bytes); !outcome.Ok()) {
        return outcome;
    }
    m_document = std::move(document);
    m_saved = m_document;
    m_path = path;
    m_modified = false;
    ForgetCopy();
    emit StateChanged();
    return {};
}

void CaseSession::Take(CaseDocument document, QString path, bool modified) {
    m_document = std::move(document);
    m_path = std::move(path);
    m_modified = modified;
    emit Replaced();
    emit StateChanged();
}

void CaseSession::RecordChange() {
    if (!m_recovery || !m_modified) {
        return;
    }
    const std::string text = WriteCaseDocument(m_document);
    m_recovery->Record(m_recoveryId, QByteArray(text.data(), static_cast<qsizetype>(text.size())),
                       m_path, Name());
}

// The copy of changes that are saved now, or no longer wanted: a crash from here on loses
// nothing, so none is left to offer.
void CaseSession::ForgetCopy() {
    if (!m_recovery) {
        return;
    }
    m_recovery->Discard(m_recoveryId);
    m_recoveryId = m_recovery->Track();
}

} // namespace zarn
