#include "files/ziparchive.h"

#include <QIODevice>
#include <climits>
#include <unzip.h>

namespace
{

// minizip's file functions over a QIODevice: the device is the stream, never opened or closed
// here.
QIODevice &deviceOf(voidpf stream)
{
    return *static_cast<QIODevice *>(stream);
}

voidpf openDevice(voidpf opaque, const void *, int)
{
    return opaque;
}

uLong readDevice(voidpf, voidpf stream, void *buffer, uLong size)
{
    const qint64 read = deviceOf(stream).read(static_cast<char *>(buffer), qint64(size));
    return read < 0 ? 0 : uLong(read);
}

uLong writeNothing(voidpf, voidpf, const void *, uLong)
{
    return 0;
}

ZPOS64_T tellDevice(voidpf, voidpf stream)
{
    return ZPOS64_T(deviceOf(stream).pos());
}

long seekDevice(voidpf, voidpf stream, ZPOS64_T offset, int origin)
{
    QIODevice &device = deviceOf(stream);
    const qint64 base = origin == ZLIB_FILEFUNC_SEEK_CUR   ? device.pos()
                        : origin == ZLIB_FILEFUNC_SEEK_END ? device.size()
                                                           : 0;
    return device.seek(base + qint64(offset)) ? 0 : -1;
}

int closeNothing(voidpf, voidpf)
{
    return 0;
}

int noError(voidpf, voidpf)
{
    return 0;
}

unzFile openArchive(QIODevice &device)
{
    zlib_filefunc64_def functions{openDevice, readDevice,   writeNothing, tellDevice,
                                  seekDevice, closeNothing, noError,      &device};
    return unzOpen2_64("workbook", &functions);
}

// More files than this is no workbook, and listing them would only take time.
constexpr ZPOS64_T MostEntries = 100'000;

} // namespace

ZipArchive::ZipArchive(QIODevice &device) : m_device(device)
{
    const unzFile zip = openArchive(device);
    if (!zip) {
        m_failure = QStringLiteral("it is not a whole zip file");
        return;
    }
    unz_global_info64 global{};
    if (unzGetGlobalInfo64(zip, &global) != UNZ_OK || global.number_entry > MostEntries) {
        m_failure = QStringLiteral("its directory is damaged or lists too many files");
        unzClose(zip);
        return;
    }
    int result = unzGoToFirstFile(zip);
    for (; result == UNZ_OK; result = unzGoToNextFile(zip)) {
        char name[1024];
        unz_file_info64 info{};
        unz64_file_pos place{};
        if (unzGetCurrentFileInfo64(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0) !=
                UNZ_OK ||
            unzGetFilePos64(zip, &place) != UNZ_OK)
            break;
        m_entries.append({QString::fromUtf8(name), place.pos_in_zip_directory, place.num_of_file});
    }
    if (result != UNZ_END_OF_LIST_OF_FILE)
        m_failure = QStringLiteral("its directory is damaged");
    unzClose(zip);
}

const ZipEntry *ZipArchive::find(const QString &name, Qt::CaseSensitivity sensitivity) const
{
    for (const ZipEntry &entry : m_entries)
        if (entry.name.compare(name, sensitivity) == 0)
            return &entry;
    return nullptr;
}

ZipEntryReader::ZipEntryReader(QIODevice &device, const ZipEntry &entry)
    : m_name(entry.name), m_zip(openArchive(device))
{
    unz64_file_pos place{entry.directoryAt, entry.number};
    unz_file_info64 info{};
    if (!m_zip || unzGoToFilePos64(m_zip, &place) != UNZ_OK ||
        unzGetCurrentFileInfo64(m_zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
        fail(QStringLiteral("the archive has no part %1 where its directory says").arg(m_name));
    } else if (info.flag & 1) {
        fail(QStringLiteral("its part %1 is encrypted").arg(m_name));
    } else if (info.compression_method != 0 && info.compression_method != Z_DEFLATED) {
        fail(QStringLiteral("its part %1 is compressed by method %2, which is not read")
                 .arg(m_name)
                 .arg(info.compression_method));
    } else if (unzOpenCurrentFile(m_zip) != UNZ_OK) {
        fail(QStringLiteral("its part %1 is damaged").arg(m_name));
    } else {
        m_open = true;
    }
}

ZipEntryReader::~ZipEntryReader()
{
    if (m_open)
        unzCloseCurrentFile(m_zip);
    if (m_zip)
        unzClose(m_zip);
}

QByteArray ZipEntryReader::fail(const QString &why)
{
    if (m_failure.isEmpty())
        m_failure = why;
    m_atEnd = true;
    return {};
}

QByteArray ZipEntryReader::read(qsizetype most)
{
    if (m_atEnd || most <= 0)
        return {};
    QByteArray out(std::min<qsizetype>(most, INT_MAX), Qt::Uninitialized);
    const int read = unzReadCurrentFile(m_zip, out.data(), unsigned(out.size()));
    if (read < 0)
        return fail(QStringLiteral("its part %1 is damaged or cut off").arg(m_name));
    if (read == 0) {
        m_atEnd = true;
        m_open = false;
        // Closing checks the part's checksum against what was inflated.
        if (unzCloseCurrentFile(m_zip) != UNZ_OK)
            return fail(QStringLiteral("its part %1 is damaged").arg(m_name));
        return {};
    }
    out.truncate(read);
    return out;
}
