#include "platform/ErrorVB.h"
#include "platform/os/SpreadsheetReader.h"
#include "platform/os/SpreadsheetWriter.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Rows = QVector<QStringList>;

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

TEST(SpreadsheetWriter, WhatItWritesReadsBackUnchangedInBothFormats)
{
    const Rows refused{{"Artículo", "Unidad", "Coeficiente", "Motivo"},
                       {"A;1", "K\"G\"", "2,5", "línea 1\nlínea 2"},
                       {},
                       {"", "\tÑandú", "1E-05", "sin \"unidad\""}};
    // One column whose first cell has a comma: the first line must not look comma-separated.
    const Rows oneColumn{{"1,5"}, {"x"}};
    QTemporaryDir dir;
    for (const QString name : {"rechazadas.xlsx", "rechazadas.CSV"}) {
        for (const Rows& rows : {refused, oneColumn}) {
            const QString path = dir.filePath(name);
            os::SpreadsheetWriter::write(path, rows);
            EXPECT_EQ(os::SpreadsheetReader::read(path), rows) << name.toStdString();
        }
    }
}

TEST(SpreadsheetWriter, CsvIsUtf8WithBomSemicolonsCrLfAndQuotesOnlyWhereNeeded)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("r.csv");
    os::SpreadsheetWriter::write(path, {{"Ñandú", "KG", "a\"b"}, {"x y", "2,5"}});
    EXPECT_EQ(bytesOf(path), QByteArray("\xEF\xBB\xBF\xC3\x91" "and\xC3\xBA;KG;\"a\"\"b\"\r\nx y;\"2,5\"\r\n"));
}

TEST(SpreadsheetWriter, AFileThatCannotBeWrittenIsAnErrorVBNamingIt)
{
    QTemporaryDir dir;
    for (const QString name : {"falta/r.xlsx", "falta/r.csv", "r.txt"}) {
        const QString path = dir.filePath(name);
        try {
            os::SpreadsheetWriter::write(path, {{"a"}});
            ADD_FAILURE() << "wrote " << path.toStdString();
        } catch (const ErrorVB& error) {
            EXPECT_TRUE(error.descripcion.startsWith("No se puede escribir el archivo " + path + ": "))
                << error.descripcion.toStdString();
        }
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("r.txt")));
}
