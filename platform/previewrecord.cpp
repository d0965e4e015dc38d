// SPDX-License-Identifier: MIT
#include "previewrecord.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <fcntl.h>
#include <unistd.h>

using namespace std::chrono;

namespace {

constexpr int formatVersion = 1;

void syncFolder(const QString& folder)
{
    const int fd
        = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

PreviewRecord::PreviewRecord(QString folder, const QString& way)
    : m_folder(std::move(folder))
    , m_way(way)
    , m_path(m_folder + QStringLiteral("/unfinished-preview-%1.json").arg(way))
{ }

QString PreviewRecord::write(const Contents& contents) const
{
    if (!QDir().mkpath(m_folder))
        return QStringLiteral("cannot create %1").arg(m_folder);
    const QJsonObject json{
        {QStringLiteral("version"), formatVersion},
        {QStringLiteral("way"), m_way},
        {QStringLiteral("bootId"), contents.anchor.bootId},
        // Whole microseconds as text: JSON numbers are doubles and would lose them.
        {QStringLiteral("trueWallClockUsec"),
            QString::number(
                duration_cast<microseconds>(contents.anchor.wallClock.time_since_epoch()).count())},
        {QStringLiteral("bootClockNsec"), QString::number(contents.anchor.bootClock.count())},
        {QStringLiteral("writtenAtBootClockNsec"), QString::number(contents.writtenAt.count())},
    };
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    file.write(QJsonDocument(json).toJson());
    if (!file.flush() || ::fsync(file.handle()) != 0) {
        file.cancelWriting();
        return QStringLiteral("cannot write %1").arg(m_path);
    }
    if (!file.commit())
        return file.errorString();
    syncFolder(m_folder);
    return {};
}

std::optional<PreviewRecord::Found> PreviewRecord::read() const
{
    QFile file(m_path);
    if (!file.exists())
        return std::nullopt;
    if (!file.open(QIODevice::ReadOnly))
        return Found{std::nullopt, file.errorString()};
    const QJsonObject json = QJsonDocument::fromJson(file.read(64 * 1024)).object();
    bool wallOk = false, bootOk = false, writtenOk = false;
    Contents contents;
    contents.anchor.wallClock = WallTime{microseconds{
        json.value(QStringLiteral("trueWallClockUsec")).toString().toLongLong(&wallOk)}};
    contents.anchor.bootClock
        = nanoseconds{json.value(QStringLiteral("bootClockNsec")).toString().toLongLong(&bootOk)};
    contents.anchor.bootId = json.value(QStringLiteral("bootId")).toString();
    contents.writtenAt = nanoseconds{
        json.value(QStringLiteral("writtenAtBootClockNsec")).toString().toLongLong(&writtenOk)};
    if (json.value(QStringLiteral("version")).toInt() != formatVersion
        || json.value(QStringLiteral("way")).toString() != m_way || !wallOk || !bootOk
        || !writtenOk)
        return Found{std::nullopt, QStringLiteral("%1 cannot be read").arg(m_path)};
    return Found{contents, {}};
}

bool PreviewRecord::remove() const
{
    if (!QFile::exists(m_path))
        return true;
    const bool removed = QFile::remove(m_path);
    syncFolder(m_folder);
    return removed;
}

QString PreviewRecord::defaultFolder()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || !QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/santa-count-down");
}

QString PreviewRecord::currentBootId()
{
    QFile file(QStringLiteral("/proc/sys/kernel/random/boot_id"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readLine().trimmed());
}
