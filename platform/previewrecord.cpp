// SPDX-License-Identifier: MIT
#include "previewrecord.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace std::chrono;

namespace {

constexpr int formatVersion = 1;
// A note is a few hundred bytes; anything much larger was not written by this program.
constexpr qint64 largestNote = 4096;
// The largest numbers a note may hold: microseconds up to the end of the year 9999, and a boot
// clock of a hundred years. Anything beyond would overflow the arithmetic of the true time.
constexpr qint64 largestWallClockUsec = 253'402'300'799'999'999;
constexpr qint64 largestBootClockNsec = 100LL * 365 * 24 * 3600 * 1'000'000'000;

void syncFolder(const QString& folder)
{
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// What lies at a path, in words, for a note that is not one. (The words follow "there is" in a
// notice: translators see them in the PreviewRecord context.)
QString kindOf(const struct stat& info)
{
    if (S_ISLNK(info.st_mode))
        return QCoreApplication::translate("PreviewRecord", "a symbolic link");
    if (S_ISDIR(info.st_mode))
        return QCoreApplication::translate("PreviewRecord", "a folder");
    if (S_ISFIFO(info.st_mode))
        return QCoreApplication::translate("PreviewRecord", "a named pipe");
    if (S_ISSOCK(info.st_mode))
        return QCoreApplication::translate("PreviewRecord", "a socket");
    if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode))
        return QCoreApplication::translate("PreviewRecord", "a device");
    return QCoreApplication::translate("PreviewRecord", "a file");
}

// A decimal number in a JSON string, within 0 and the largest.
bool readNumber(const QJsonObject& json, const char* key, qint64 largest, qint64& number)
{
    bool ok = false;
    number = json.value(QLatin1String(key)).toString().toLongLong(&ok);
    return ok && number >= 0 && number <= largest;
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
        return QCoreApplication::translate("PreviewRecord", "cannot create %1").arg(m_folder);
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
        return QCoreApplication::translate("PreviewRecord", "cannot write %1").arg(m_path);
    }
    if (!file.commit())
        return file.errorString();
    syncFolder(m_folder);
    return {};
}

PreviewRecord::Reading PreviewRecord::read() const
{
    const QByteArray path = QFile::encodeName(m_path);
    const auto damaged = [](const QString& what) {
        return Reading{Reading::Kind::Damaged, {}, what};
    };
    struct stat found
    {
    };
    if (::lstat(path.constData(), &found) != 0) {
        if (errno == ENOENT)
            return {};
        return damaged(
            QCoreApplication::translate("PreviewRecord", "something that cannot be examined (%1)")
                .arg(errorText(errno)));
    }
    if (!S_ISREG(found.st_mode))
        return damaged(kindOf(found));

    // Never through a link put there meanwhile, and never waiting for a writer.
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return damaged(
            QCoreApplication::translate("PreviewRecord", "a file that cannot be read (%1)")
                .arg(errorText(errno)));
    struct stat opened
    {
    };
    QByteArray text;
    QString problem;
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode))
        problem =
            QCoreApplication::translate("PreviewRecord", "a file that changed while it was read");
    else if (opened.st_uid != ::geteuid())
        problem =
            QCoreApplication::translate("PreviewRecord", "a file that belongs to another user");
    else if (opened.st_size > largestNote)
        problem = QCoreApplication::translate(
            "PreviewRecord", "a file of %1 bytes, far larger than a note")
                      .arg(opened.st_size);
    if (problem.isEmpty()) {
        text.resize(largestNote + 1);
        qsizetype length = 0;
        while (length < text.size()) {
            const ssize_t got = ::read(fd, text.data() + length, size_t(text.size() - length));
            if (got <= 0)
                break;
            length += got;
        }
        text.truncate(length);
        if (length > largestNote)
            problem = QCoreApplication::translate("PreviewRecord", "a file far larger than a note");
    }
    ::close(fd);
    if (!problem.isEmpty())
        return damaged(problem);

    const QJsonObject json = QJsonDocument::fromJson(text).object();
    qint64 wallUsec = 0, bootNsec = 0, writtenNsec = 0;
    if (json.value(QStringLiteral("version")).toInt() != formatVersion
        || json.value(QStringLiteral("way")).toString() != m_way
        || !readNumber(json, "trueWallClockUsec", largestWallClockUsec, wallUsec)
        || !readNumber(json, "bootClockNsec", largestBootClockNsec, bootNsec)
        || !readNumber(json, "writtenAtBootClockNsec", largestBootClockNsec, writtenNsec))
        return damaged(QCoreApplication::translate(
            "PreviewRecord", "a file whose contents are not a note of the true time"));
    Reading reading;
    reading.kind = Reading::Kind::Note;
    reading.contents.anchor.wallClock = WallTime{microseconds{wallUsec}};
    reading.contents.anchor.bootClock = nanoseconds{bootNsec};
    reading.contents.anchor.bootId = json.value(QStringLiteral("bootId")).toString().left(64);
    reading.contents.writtenAt = nanoseconds{writtenNsec};
    return reading;
}

QString PreviewRecord::remove() const
{
    const QByteArray path = QFile::encodeName(m_path);
    struct stat found
    {
    };
    if (::lstat(path.constData(), &found) != 0)
        return errno == ENOENT ? QString() : errorText(errno);
    const int removed =
        S_ISDIR(found.st_mode) ? ::rmdir(path.constData()) : ::unlink(path.constData());
    if (removed != 0)
        return errorText(errno);
    syncFolder(m_folder);
    return {};
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
