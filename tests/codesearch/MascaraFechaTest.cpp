#include "codesearch/MascaraFecha.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

// The date mask: what each key does to the text and the caret.

namespace {

constexpr int kBack = 8;
constexpr int kEnter = 13;

// Types `teclas` from an empty date field, as the text box hands each key over.
MascaraFecha::Resultado teclear(const QString& teclas, MascaraFecha::Resultado estado = {"", 0})
{
    for (QChar tecla : teclas) estado = MascaraFecha::Tecla(estado.texto, estado.cursor, 10, tecla.unicode());
    return estado;
}

}  // namespace

TEST(MascaraFecha, DigitsFillTheDateSteppingOverTheBars)
{
    EXPECT_EQ(teclear("2").texto, "2 /  /    ");
    EXPECT_EQ(teclear("2512").texto, "25/12/    ");
    const MascaraFecha::Resultado completa = teclear("25122025");
    EXPECT_EQ(completa.texto, "25/12/2025");
    EXPECT_EQ(completa.cursor, 10);
}

TEST(MascaraFecha, BackspaceBlanksBackwardsOverTheBars)
{
    const MascaraFecha::Resultado escrita = teclear("2512");
    MascaraFecha::Resultado borrada = MascaraFecha::Tecla(escrita.texto, 6, 10, kBack);
    EXPECT_EQ(borrada.texto, "25/1 /    ");
    EXPECT_EQ(borrada.cursor, 4);
    borrada = MascaraFecha::Tecla(borrada.texto, 3, 10, kBack);
    EXPECT_EQ(borrada.texto, "2 /1 /    ");
    EXPECT_EQ(borrada.cursor, 1);
}

TEST(MascaraFecha, LettersAndSignsAreSwallowed)
{
    const MascaraFecha::Resultado escrita = teclear("25");
    for (const QChar tecla : QString("a/-. ")) {
        const MascaraFecha::Resultado despues = MascaraFecha::Tecla(escrita.texto, escrita.cursor, 10, tecla.unicode());
        EXPECT_EQ(despues.texto, escrita.texto) << QString(tecla).toStdString();
        EXPECT_EQ(despues.cursor, escrita.cursor);
    }
    EXPECT_EQ(MascaraFecha::Tecla("2x/1y/20zz", 0, 10, 'q').texto, "2 /1 /20  ");
}

TEST(MascaraFecha, EnterKeepsADateAndEmptiesAnythingElse)
{
    EXPECT_EQ(MascaraFecha::Tecla("29/02/2024", 10, 10, kEnter).texto, "29/02/2024");
    EXPECT_EQ(MascaraFecha::Tecla("29/02/2025", 10, 10, kEnter).texto, "");
    EXPECT_EQ(MascaraFecha::Tecla("25/1 /    ", 4, 10, kEnter).texto, "");
}
