#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The suite's text files: Windows-1252, lines ended by CR LF.
namespace os {

inline constexpr char kCrLf[] = "\r\n";

QByteArray toAnsi(const QString& text);  // characters outside the code page become "?"
QString fromAnsi(const QByteArray& bytes);
// UTF-8 (a byte order mark skipped), or Windows-1252 when the bytes are not valid UTF-8.
QString fromUtf8OrAnsi(const QByteArray& bytes);

// The whole file; nothing when it cannot be read.
std::optional<QString> readAnsiFile(const QString& path);
// The file's lines without their ends (CR LF, LF or CR alone).
std::optional<QStringList> readAnsiLines(const QString& path);
// The lines of one of the program's own files: UTF-8 (a byte order mark
// skipped), or Windows-1252 when the bytes are not valid UTF-8.
std::optional<QStringList> readUtf8OrAnsiLines(const QString& path);
// Who may read a file we write: a file that holds a password is its owner's
// alone (0600), also when it was there before with wider rights.
enum class Readers { Everyone, OwnerOnly };

// Appends the text as it is (the caller writes its own line ends); creates the file.
bool appendAnsiText(const QString& path, const QString& text, Readers readers = Readers::Everyone);
// Replaces the file's content.
bool writeAnsiFile(const QString& path, const QString& text);

}  // namespace os
