#include "platform/os/AnsiFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>

#include <iconv.h>

#include <cerrno>

#include <memory>

namespace os {

namespace {

constexpr char kAnsi[] = "WINDOWS-1252";
constexpr char kUtf8[] = "UTF-8";

struct IconvCloser {
    void operator()(void* handle) const { iconv_close(static_cast<iconv_t>(handle)); }
};
using Converter = std::unique_ptr<void, IconvCloser>;

Converter openConverter(const char* to, const char* from)
{
    iconv_t handle = iconv_open(to, from);
    if (handle == reinterpret_cast<iconv_t>(-1)) return nullptr;
    return Converter(handle);
}

// Converts `input`; a sequence that has no place in the target becomes `replacement`,
// skipping `skip` input bytes (one whole UTF-8 character, or one byte).
QByteArray convert(const QByteArray& input, const char* to, const char* from, const QByteArray& replacement)
{
    Converter converter = openConverter(to, from);
    if (!converter) return input;
    auto* handle = static_cast<iconv_t>(converter.get());

    QByteArray output;
    output.reserve(input.size() * 2);
    QByteArray source = input;
    char* in = source.data();
    size_t inLeft = static_cast<size_t>(source.size());
    char buffer[4096];
    while (inLeft > 0) {
        char* out = buffer;
        size_t outLeft = sizeof buffer;
        const size_t done = iconv(handle, &in, &inLeft, &out, &outLeft);
        output.append(buffer, static_cast<qsizetype>(out - buffer));
        if (done != static_cast<size_t>(-1) || errno == E2BIG) continue;
        // Invalid or unmappable input: replace one character and go on.
        output.append(replacement);
        size_t skip = 1;
        const auto lead = static_cast<unsigned char>(*in);
        if (qstrcmp(from, kUtf8) == 0) skip = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        skip = std::min(skip, inLeft);
        in += skip;
        inLeft -= skip;
    }
    return output;
}

std::optional<QByteArray> readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return file.readAll();
}

QStringList lines(const QString& text)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    QStringList found = text.split(lineEnd);
    if (!found.isEmpty() && found.last().isEmpty()) found.removeLast();
    return found;
}

constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

bool writeBytes(const QString& path, const QByteArray& bytes, QIODevice::OpenMode mode,
                Readers readers = Readers::Everyone)
{
    QFile file(path);
    if (readers == Readers::Everyone) {
        if (!file.open(mode)) return false;
    } else {
        // Created with the owner's rights only, so that no one else can open it in between; one
        // made before with wider rights is narrowed where we may.
        if (!file.open(mode, kOwnerOnly)) return false;
        file.setPermissions(kOwnerOnly);
    }
    return file.write(bytes) == bytes.size() && file.flush();
}

}  // namespace

QByteArray toAnsi(const QString& text) { return convert(text.toUtf8(), kAnsi, kUtf8, "?"); }

QString fromAnsi(const QByteArray& bytes) { return QString::fromUtf8(convert(bytes, kUtf8, kAnsi, "\xEF\xBF\xBD")); }

QString fromUtf8OrAnsi(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? fromAnsi(bytes) : text;
}

std::optional<QString> readAnsiFile(const QString& path)
{
    const auto bytes = readBytes(path);
    if (!bytes) return std::nullopt;
    return fromAnsi(*bytes);
}

std::optional<QStringList> readAnsiLines(const QString& path)
{
    const auto text = readAnsiFile(path);
    if (!text) return std::nullopt;
    return lines(*text);
}

std::optional<QStringList> readUtf8OrAnsiLines(const QString& path)
{
    const auto bytes = readBytes(path);
    if (!bytes) return std::nullopt;
    return lines(fromUtf8OrAnsi(*bytes));
}

bool appendAnsiText(const QString& path, const QString& text, Readers readers)
{
    return writeBytes(path, toAnsi(text), QIODevice::WriteOnly | QIODevice::Append, readers);
}

bool writeAnsiFile(const QString& path, const QString& text)
{
    return writeBytes(path, toAnsi(text), QIODevice::WriteOnly | QIODevice::Truncate);
}

}  // namespace os
