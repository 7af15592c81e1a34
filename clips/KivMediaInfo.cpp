// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kiv File Size Calculator project

#include "KivMediaInfo.h"

#include "calc/KivFileName.h"

#include <MediaInfoDLL/MediaInfoDLL.h>
#include <QFile>
#include <QMutex>
#include <algorithm>
#include <clocale>
#include <cmath>
#include <dlfcn.h>
#include <fcntl.h>
#include <limits>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The few entry points used, resolved by hand rather than by the header's
// MediaInfoDLL_Load: that one takes its file name at compile time only and,
// when the library is missing, tries ./libmediainfo.so.0 from the current
// folder, which would run whatever library a folder of clips carries.
struct MediaInfoApi
{
    MEDIAINFO_New create = nullptr;
    MEDIAINFO_Delete destroy = nullptr;
    MEDIAINFO_Open open = nullptr;
    MEDIAINFO_Close close = nullptr;
    MEDIAINFO_Get get = nullptr;
    MEDIAINFO_Count_Get count = nullptr;
    MEDIAINFO_Option option = nullptr;
};

MediaInfoApi api;
bool apiOpen = false;
QMutex apiLock;

template <typename Function> bool resolve(void *module, const char *name, Function &function)
{
    void *symbol = dlsym(module, name);
    function = reinterpret_cast<Function>(symbol);
    return symbol != nullptr;
}

// A clip of more than a month comes from a damaged header, not a recorder.
constexpr double longestSeconds = 31.0 * 24 * 3600;

class OpenFile
{
public:
    OpenFile(void *handle, const QString &path) : handle(handle)
    {
        const std::wstring name = path.toStdWString();
        opened = api.open(handle, name.c_str()) != 0;
    }
    ~OpenFile() { api.close(handle); }
    OpenFile(const OpenFile &) = delete;
    OpenFile &operator=(const OpenFile &) = delete;

    bool opened = false;

    QString text(MediaInfo_stream_C kind, size_t number, const wchar_t *field) const
    {
        const wchar_t *value =
            api.get(handle, kind, number, field, MediaInfo_Info_Text, MediaInfo_Info_Name);
        return value != nullptr ? QString::fromWCharArray(value) : QString();
    }

    // A positive finite number, or none.
    std::optional<double> number(MediaInfo_stream_C kind, size_t number, const wchar_t *field) const
    {
        bool ok = false;
        const double value = text(kind, number, field).toDouble(&ok);
        if (!ok || !std::isfinite(value) || value <= 0) {
            return std::nullopt;
        }
        return value;
    }

    int tracks(MediaInfo_stream_C kind) const
    {
        const size_t count = api.count(handle, kind, static_cast<size_t>(-1));
        return static_cast<int>(std::min<size_t>(count, std::numeric_limits<int>::max()));
    }

    // Sum of a bit rate over `count` tracks of `kind`, in Mbit/s; none if a
    // track lacks it.
    std::optional<double> mbps(MediaInfo_stream_C kind, int count) const
    {
        double bits = 0;
        for (int i = 0; i < count; ++i) {
            const std::optional<double> rate = number(kind, i, L"BitRate");
            if (!rate) {
                return std::nullopt;
            }
            bits += *rate;
        }
        return count > 0 ? std::optional<double>(bits / 1e6) : std::nullopt;
    }

private:
    void *handle;
};

KivClipReading notClip(KivClipReason reason)
{
    return {std::nullopt, reason};
}

// A file descriptor closed when it goes.
class Descriptor
{
public:
    explicit Descriptor(int fd) : fd(fd) {}
    ~Descriptor()
    {
        if (fd >= 0) {
            close(fd);
        }
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    const int fd;
};

} // namespace

bool kivOpenMediaInfo(const QString &library)
{
    QMutexLocker locker(&apiLock);
    if (apiOpen) {
        return true;
    }
    void *module = dlopen(QFile::encodeName(library).constData(), RTLD_LAZY | RTLD_LOCAL);
    if (module == nullptr) {
        return false;
    }
    MediaInfoApi found;
    const bool complete = resolve(module, "MediaInfo" MEDIAINFO_Ansi "_New", found.create) &&
                          resolve(module, "MediaInfo" MEDIAINFO_Ansi "_Delete", found.destroy) &&
                          resolve(module, "MediaInfo" MEDIAINFO_Ansi "_Open", found.open) &&
                          resolve(module, "MediaInfo" MEDIAINFO_Ansi "_Close", found.close) &&
                          resolve(module, "MediaInfo" MEDIAINFO_Ansi "_Get", found.get) &&
                          resolve(module, "MediaInfo" MEDIAINFO_Ansi "_Count_Get", found.count) &&
                          resolve(module, "MediaInfo" MEDIAINFO_Ansi "_Option", found.option);
    if (!complete) {
        dlclose(module);
        return false;
    }
    // Left open for the life of the process: MediaInfoLib keeps its tables
    // in static storage that an unload would have to rebuild.
    api = found;
    apiOpen = true;
    // Its own switch for going online; references that playlists name are
    // followed all the same, hence kivForbidNetworkInThisThread.
    api.option(nullptr, L"Internet", L"No");
    // Raw values only: no "2 s 0 ms" beside each figure, a third of the time.
    api.option(nullptr, L"ReadByHuman", L"0");
    return true;
}

KivMediaInfoReader::KivMediaInfoReader()
    : handle(api.create()), utf8(newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr)),
      previous(utf8 != nullptr ? uselocale(utf8) : nullptr)
{
    // Read headers and indexes only; no continuous file names (image
    // sequences, numbered parts) and no folder layouts (P2, XDCAM): one file
    // is one clip.
    api.option(handle, L"File_ParseSpeed", L"0");
    api.option(handle, L"File_TestContinuousFileNames", L"0");
    api.option(handle, L"File_TestDirectory", L"0");
}

KivMediaInfoReader::~KivMediaInfoReader()
{
    api.destroy(handle);
    if (utf8 != nullptr) {
        uselocale(previous);
        freelocale(utf8);
    }
}

KivClipReading KivMediaInfoReader::read(const QString &path)
{
    // Opened by the bytes the folder gave, and held open while MediaInfoLib
    // reads, which takes a name it can convert: the path itself where it is
    // UTF-8, else this descriptor's name under /proc.
    const QByteArray bytes = kivEncodeFileName(path);
    const Descriptor opened(open(bytes.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    struct stat info = {};
    if (opened.fd < 0 || fstat(opened.fd, &info) != 0) {
        return notClip(KivClipReason::Unreadable);
    }
    if (!S_ISREG(info.st_mode)) {
        return notClip(KivClipReason::NotRegular);
    }
    if (info.st_size == 0) {
        return notClip(KivClipReason::EmptyFile);
    }
    QString name = path;
    if (kivHasRawBytes(path)) {
        name = QStringLiteral("/proc/self/fd/%1").arg(opened.fd);
        if (access(QFile::encodeName(name).constData(), R_OK) != 0) {
            return notClip(KivClipReason::UnnamedFile);
        }
    }
    bool untimed = false;
    KivClipReading reading = measure(name, path, info.st_size, untimed);
    if (untimed) {
        // Once more at MediaInfoLib's default depth, which finds what only a
        // footer or the data holds; files that measure at once never come here.
        api.option(handle, L"File_ParseSpeed", L"0.5");
        reading = measure(name, path, info.st_size, untimed);
        api.option(handle, L"File_ParseSpeed", L"0");
    }
    return reading;
}

KivClipReading KivMediaInfoReader::measure(const QString &name, const QString &path, qint64 size,
                                           bool &untimed)
{
    untimed = false;
    const OpenFile file(handle, name);
    if (!file.opened) {
        return notClip(KivClipReason::NoMedia);
    }
    KivClip clip;
    clip.path = path;
    clip.bytes = size;
    clip.videoTracks = file.tracks(MediaInfo_Stream_Video);
    clip.audioTracks = file.tracks(MediaInfo_Stream_Audio);
    if (file.text(MediaInfo_Stream_General, 0, L"IsTruncated") == QLatin1String("Yes")) {
        return notClip(KivClipReason::Truncated);
    }
    if (clip.videoTracks == 0 && clip.audioTracks == 0) {
        return notClip(KivClipReason::NoMedia);
    }
    // A sidecar or reference file reads as the media it names: its tracks
    // come from another file, and the size is that file's (or the sum).
    bool ok = false;
    const qint64 bytesRead = file.text(MediaInfo_Stream_General, 0, L"FileSize").toLongLong(&ok);
    if (!ok || bytesRead != clip.bytes) {
        return notClip(KivClipReason::Reference);
    }
    // MPEG-TS reports the span of its clock references, which ends before the
    // last frames; the longest track does not.
    double milliseconds = file.number(MediaInfo_Stream_General, 0, L"Duration").value_or(0);
    for (const MediaInfo_stream_C kind : {MediaInfo_Stream_Video, MediaInfo_Stream_Audio}) {
        const int count = kind == MediaInfo_Stream_Video ? clip.videoTracks : clip.audioTracks;
        for (int i = 0; i < count; ++i) {
            if (!file.text(kind, i, L"Source").isEmpty()) {
                return notClip(KivClipReason::Reference);
            }
            milliseconds = std::max(milliseconds, file.number(kind, i, L"Duration").value_or(0));
        }
    }
    clip.seconds = milliseconds / 1000;
    untimed = !(clip.seconds > 0);
    if (untimed || clip.seconds > longestSeconds) {
        return notClip(KivClipReason::BadDuration);
    }
    if (clip.videoTracks > 0) {
        const QString format = file.text(MediaInfo_Stream_Video, 0, L"Format");
        if (!format.isEmpty()) {
            clip.videoFormat = format;
        }
        const std::optional<double> width = file.number(MediaInfo_Stream_Video, 0, L"Width");
        const std::optional<double> height = file.number(MediaInfo_Stream_Video, 0, L"Height");
        if (width && height && *width <= 1e6 && *height <= 1e6) {
            clip.frameSize = QSize(static_cast<int>(*width), static_cast<int>(*height));
        }
        clip.frameRate = file.number(MediaInfo_Stream_Video, 0, L"FrameRate");
    }
    clip.videoMbps = file.mbps(MediaInfo_Stream_Video, clip.videoTracks);
    clip.audioMbps = file.mbps(MediaInfo_Stream_Audio, clip.audioTracks);
    return {clip, KivClipReason::NoMedia};
}
