#include "widgets/RecoveryStore.h"

#include "widgets/CaseFileReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QStandardPaths>
#include <QUuid>
#include <algorithm>

namespace zarn {
namespace {

const QString kDocumentSuffix = QStringLiteral(".zarn");
const QString kRecordSuffix = QStringLiteral(".json");
const QString kLockSuffix = QStringLiteral(".lock");

// The keys of the side record.
const QString kPathKey = QStringLiteral("arquivo");
const QString kNameKey = QStringLiteral("nome");

QString PathOf(const QString& id, const QString& suffix) {
    return RecoveryStore::Folder() + QLatin1Char('/') + id + suffix;
}

// The copies hold a person's case: the folder is the user's alone.
bool MakeFolder() {
    const QString folder = RecoveryStore::Folder();
    return QDir().mkpath(folder) &&
           QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QByteArray RecordOf(const QString& filePath, const QString& name) {
    const QJsonObject record{{kPathKey, filePath}, {kNameKey, name}};
    return QJsonDocument(record).toJson(QJsonDocument::Indented);
}

} // namespace

RecoveryStore::RecoveryStore(QObject* parent)
    : QObject(parent) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryStore::Flush);
}

// The locks go, the copies stay: a session that ends without Discard leaves them.
RecoveryStore::~RecoveryStore() = default;

QString RecoveryStore::Folder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/recuperacao");
}

QString RecoveryStore::Track() {
    QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    m_locks[id] = TryLock(id);
    return id;
}

bool RecoveryStore::Adopt(const QString& id) {
    if (Tracks(id)) {
        return true;
    }
    auto lock = TryLock(id);
    if (!lock) {
        return false;
    }
    m_locks[id] = std::move(lock);
    return true;
}

std::unique_ptr<QLockFile> RecoveryStore::TryLock(const QString& id) {
    if (!MakeFolder()) {
        return nullptr;
    }
    auto lock = std::make_unique<QLockFile>(PathOf(id, kLockSuffix));
    // Only a lock whose process has died is stale, however long the case stays open.
    lock->setStaleLockTime(0);
    if (!lock->tryLock()) {
        return nullptr;
    }
    return lock;
}

void RecoveryStore::Record(const QString& id, const QByteArray& document, const QString& filePath,
                           const QString& name) {
    std::unique_ptr<QLockFile>& lock = m_locks[id];
    if (!lock) {
        lock = TryLock(id);
    }
    m_waiting[id] = Change{document, filePath, name};
    // Not restarted by later changes: steady typing still reaches the disk within Delay.
    if (!m_timer.isActive()) {
        m_timer.start(m_delay);
    }
}

void RecoveryStore::Flush() {
    m_timer.stop();
    std::map<QString, Change> waiting;
    waiting.swap(m_waiting);
    for (const auto& [id, change] : waiting) {
        const FileOutcome outcome = WriteCopy(id, change);
        if (!outcome.Ok()) {
            emit CopyFailed(outcome.Message);
        }
    }
}

FileOutcome RecoveryStore::WriteCopy(const QString& id, const Change& change) const {
    MakeFolder();
    // The document first: a copy without its record is still the user's work.
    FileOutcome outcome = m_writer.Write(PathOf(id, kDocumentSuffix), change.Document);
    if (outcome.Ok()) {
        outcome = m_writer.Write(PathOf(id, kRecordSuffix), RecordOf(change.FilePath, change.Name));
    }
    return outcome;
}

void RecoveryStore::Discard(const QString& id) {
    m_waiting.erase(id);
    QFile::remove(PathOf(id, kDocumentSuffix));
    QFile::remove(PathOf(id, kRecordSuffix));
    // The lock last, so that no other session takes the copy while it goes.
    m_locks.erase(id);
}

std::optional<RecoveredCase> RecoveryStore::ReadCopy(const QString& id) const {
    const CaseFileContents document = CaseFileReader().Read(PathOf(id, kDocumentSuffix));
    if (!document.Ok()) {
        return std::nullopt;
    }
    RecoveredCase copy{
        id, document.Bytes, {}, {}, QFileInfo(PathOf(id, kDocumentSuffix)).lastModified()};
    // A record lost or spoilt leaves the document, which is what matters, without a name.
    const CaseFileContents record = CaseFileReader().Read(PathOf(id, kRecordSuffix));
    const QJsonObject fields = QJsonDocument::fromJson(record.Bytes).object();
    copy.FilePath = fields.value(kPathKey).toString();
    copy.Name = fields.value(kNameKey).toString();
    return copy;
}

std::vector<RecoveredCase> RecoveryStore::Pending() const {
    std::vector<RecoveredCase> copies;
    const QStringList documents =
        QDir(Folder()).entryList({QLatin1Char('*') + kDocumentSuffix}, QDir::Files);
    for (const QString& document : documents) {
        const QString id = document.chopped(kDocumentSuffix.size());
        if (Tracks(id)) {
            continue;
        }
        QLockFile lock(PathOf(id, kLockSuffix));
        lock.setStaleLockTime(0);
        if (!lock.tryLock()) {
            continue; // another session, alive, writes it
        }
        if (auto copy = ReadCopy(id)) {
            copies.push_back(std::move(*copy));
        }
    }
    std::sort(copies.begin(), copies.end(),
              [](const RecoveredCase& a, const RecoveredCase& b) { return a.Changed > b.Changed; });
    return copies;
}

} // namespace zarn
