#pragma once

// The case the analysis windows share: one document (caso/CaseDocument.h), the file it was
// read from or saved to, its name, whether it changed since, and its recovery copy. The
// windows write their parts into it as the user types (Change) and show it whole when
// another case takes its place (Replaced) or the values they share when another window
// changed them (Changed). Nothing here asks the user anything: the Caso menu's commands
// do, and call these.
//
// A case file is read with the keys as written (ReadCaseDocumentAsWritten), so that a case
// still being filled in reopens; a file that cannot be read is refused with its place and
// never written over, by Save as by anything else. A document is saved only when it reads
// back: what a window holds that the document cannot hold yet is named instead.
//
// While the case has changes not saved, each change also goes to a recovery copy
// (RecoveryStore), when start-up gave the session a store; a save, a case replaced or a
// clean close removes the copy.

#include "caso/CaseDocument.h"
#include "widgets/FileOutcome.h"

#include <QObject>
#include <QString>
#include <optional>

namespace zarn {

class RecoveryStore;
class SaveFileOperations;
struct RecoveredCase;

// A case file read, not yet shown: its document, or the message that refuses it.
struct CaseOpening {
    std::optional<CaseDocument> Document;
    QString Path;
    QString Message;

    bool Ok() const { return Document.has_value(); }
};

class CaseSession : public QObject {
    Q_OBJECT
public:
    explicit CaseSession(QObject* parent = nullptr);
    // The recovery copy stays: only a clean close (CloseCleanly) removes it.
    ~CaseSession() override;

    const CaseDocument& Document() const { return m_document; }
    // Empty for a case never saved.
    const QString& FilePath() const { return m_path; }
    // The document's name; where it has none, the file's name without its extension; a case
    // without either is "Novo caso".
    QString Name() const;
    bool Modified() const { return m_modified; }
    // The id of the recovery copy this session writes; empty without a store.
    const QString& RecoveryId() const { return m_recoveryId; }

    // From now on the changes go to recovery copies in the store, which outlives the session.
    void SetRecovery(RecoveryStore* store);
    // Saves through other operations; a test makes one step fail so.
    void SetSaveOperations(SaveFileOperations* operations) { m_operations = operations; }

    // A window changed its part of the case: `document` is the whole case as it now is.
    void Change(CaseDocument document, QObject* source);

    // A new case, empty and unsaved, in place of this one.
    void StartNew();
    // Reads a case file without touching the session or the file.
    static CaseOpening Read(const QString& path);
    // The case read takes the place of this one.
    void Replace(const CaseOpening& opening);
    // A copy a crashed session left (the store adopted it already) takes the place of this
    // case, with its changes not saved; false with the message when it cannot be read.
    FileOutcome Recover(const RecoveredCase& copy);
    // The case as it was last saved (or opened), or empty when it never was.
    void Revert();

    // Saves to the file the case has; false without one.
    FileOutcome Save();
    // Saves to another file, which the case takes from then on. A case without a name takes
    // the file's name.
    FileOutcome SaveAs(const QString& path);

    // The case is closed with nothing left to keep: its recovery copy goes.
    void CloseCleanly();

signals:
    // Another case took the place of this one: every window shows it whole.
    void Replaced();
    // A window changed the case: the others show what they share of it.
    void Changed(QObject* source);
    // The name, the file or the modified state may have changed.
    void StateChanged();

private:
    // The bytes of the document, which must read back the same; the message otherwise.
    FileOutcome Serialise(const CaseDocument& document, QByteArray& bytes) const;
    // An existing file other than this case's own may be replaced only by a case: one that
    // reads.
    static FileOutcome MayReplace(const QString& path);
    FileOutcome WriteTo(const QString& path, CaseDocument document);
    void Take(CaseDocument document, QString path, bool modified);
    void RecordChange();
    void ForgetCopy();

    CaseDocument m_document;
    CaseDocument m_saved; // what Revert goes back to
    QString m_path;
    bool m_modified = false;
    RecoveryStore* m_recovery = nullptr;
    QString m_recoveryId;
    SaveFileOperations* m_operations = nullptr;
};

} // namespace zarn
