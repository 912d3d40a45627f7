#pragma once

// Recovery copies of the open cases, so that a crash loses at most the last two seconds of
// typing. Each open case has a copy in the user's data folder (recuperacao/ under
// QStandardPaths::AppDataLocation): "<id>.zarn" holds the document's bytes as they were at
// the last change, "<id>.json" the path of the case's file (empty for a case never saved)
// and its name, and "<id>.lock" is held while the session that writes the copy lives. A
// change is written within Delay of its first call (later changes in that time join it),
// never to the case's own file: only the user's save writes there.
//
// At start, Pending lists the copies that no living session holds: those a crashed
// session left. The window offers them; Adopt takes one over (its later changes go to the
// same copy), Discard removes it. A clean close Discards each open case's copy; a session
// that ends without it (the crash) leaves its copies to the next.

#include "widgets/CaseFileWriter.h"
#include "widgets/FileOutcome.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QLockFile;

namespace zarn {

// A copy left by an earlier session.
struct RecoveredCase {
    QString Id;
    QByteArray Document;
    QString FilePath; // empty for a case never saved
    QString Name;
    QDateTime Changed; // when the copy was last written
};

class RecoveryStore : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kDelay{2000};

    explicit RecoveryStore(QObject* parent = nullptr);
    ~RecoveryStore() override;

    // recuperacao/ in the user's data folder.
    static QString Folder();

    // A new open case; its copy is written at its first change.
    QString Track();
    // Takes over a copy that Pending listed; false when another session has it already.
    bool Adopt(const QString& id);
    // The case changed: its copy is written within Delay.
    void Record(const QString& id, const QByteArray& document, const QString& filePath,
                const QString& name);
    // Writes every change waiting for the timer now.
    void Flush();
    // Removes the copy (the case was closed cleanly, or the user declined the copy), and
    // any change of it waiting to be written; the id is no longer tracked.
    void Discard(const QString& id);

    // The copies no living session holds, this one's excepted; newest first.
    std::vector<RecoveredCase> Pending() const;

    bool Tracks(const QString& id) const { return m_locks.contains(id); }

    std::chrono::milliseconds Delay() const { return m_delay; }
    void SetDelay(std::chrono::milliseconds delay) { m_delay = delay; }

signals:
    // A copy could not be written; the message names the file and the cause.
    void CopyFailed(const QString& message);

private:
    struct Change {
        QByteArray Document;
        QString FilePath;
        QString Name;
    };

    // The copy's lock, or null when another session holds it or the folder cannot be made.
    static std::unique_ptr<QLockFile> TryLock(const QString& id);
    FileOutcome WriteCopy(const QString& id, const Change& change) const;
    std::optional<RecoveredCase> ReadCopy(const QString& id) const;

    // Every tracked case, with its lock (null until it can be taken).
    std::map<QString, std::unique_ptr<QLockFile>> m_locks;
    std::map<QString, Change> m_waiting;
    QTimer m_timer;
    std::chrono::milliseconds m_delay = kDelay;
    CaseFileWriter m_writer;
};

} // namespace zarn
