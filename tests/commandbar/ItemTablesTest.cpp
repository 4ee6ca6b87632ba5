#include "commandbar/BuiltinPictures.h"
#include "commandbar/CommandProperties.h"
#include "commandbar/ItemSets.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// Pixels that are not fully transparent.
int InkedPixels(const QImage& image)
{
    int inked = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) inked += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    }
    return inked;
}

QImage Drawn(int number, bool* drawn = nullptr)
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const bool result = BuiltinPictures::Draw(painter, number, QRectF(0, 0, 32, 32));
    if (drawn) *drawn = result;
    return image;
}

}  // namespace

TEST(BuiltinPictures, KeysMapToTheirPictureAndAliasesShareOne)
{
    EXPECT_EQ(BuiltinPictures::NumberOf("NUEVO"), 0);
    EXPECT_EQ(BuiltinPictures::NumberOf(" grabar "), 6);
    EXPECT_EQ(BuiltinPictures::NumberOf("CAJERO"), 11);
    EXPECT_EQ(BuiltinPictures::NumberOf("caja"), 11);
    EXPECT_EQ(BuiltinPictures::NumberOf("Unidad de Negocio"), 12);
    EXPECT_EQ(BuiltinPictures::NumberOf("CHANGE"), 12);
    EXPECT_EQ(BuiltinPictures::NumberOf("CAMBIAR"), 12);
    EXPECT_EQ(BuiltinPictures::NumberOf("Procesar con I.A."), 14);
    EXPECT_EQ(BuiltinPictures::NumberOf("PROCESAR IA"), 14);
    EXPECT_EQ(BuiltinPictures::NumberOf("AJUSTES"), 18);
    EXPECT_EQ(BuiltinPictures::NumberOf("verificar"), 19);
    EXPECT_EQ(BuiltinPictures::NumberOf("CAUS"), -1);
    EXPECT_EQ(BuiltinPictures::NumberOf("FILES"), -1);
    EXPECT_EQ(BuiltinPictures::NumberOf(""), -1);
}

TEST(BuiltinPictures, DefaultItemsArePicturedInTheirOwnOrder)
{
    const QList<ItemSets::Definition>& items = ItemSets::DefaultItems();
    ASSERT_EQ(items.size(), BuiltinPictures::kDefaultItems);
    for (int i = 0; i < items.size(); ++i) EXPECT_EQ(BuiltinPictures::NumberOf(items[i].key), i);
}

TEST(BuiltinPictures, EveryPictureDrawsAndDiffersFromTheOthers)
{
    QList<QImage> pictures;
    for (int i = 0; i < BuiltinPictures::kCount; ++i) {
        bool drawn = false;
        const QImage image = Drawn(i, &drawn);
        EXPECT_TRUE(drawn) << i;
        EXPECT_GT(InkedPixels(image), 40) << i;
        EXPECT_FALSE(pictures.contains(image)) << i;
        pictures << image;
    }
}

TEST(BuiltinPictures, NumbersOutsideTheTableDrawNothing)
{
    bool drawn = true;
    EXPECT_EQ(InkedPixels(Drawn(-1, &drawn)), 0);
    EXPECT_FALSE(drawn);
    EXPECT_EQ(InkedPixels(Drawn(BuiltinPictures::kCount, &drawn)), 0);
    EXPECT_FALSE(drawn);
}

TEST(ItemSets, TheSevenStandardKeysAreThoseShownByDefault)
{
    for (const QString key : {"NUEVO", "BORRAR", "REPORTE", "CONSULTAR", "CANCELAR", "GRABAR", "CERRAR"}) {
        EXPECT_TRUE(ItemSets::IsStandardKey(key)) << key.toStdString();
    }
    EXPECT_TRUE(ItemSets::IsStandardKey(" grabar "));
    EXPECT_FALSE(ItemSets::IsStandardKey("PLANILLA"));
    EXPECT_FALSE(ItemSets::IsStandardKey("AJUSTES"));
}

TEST(CommandProperties, EachNameAddressesOneKey)
{
    EXPECT_EQ(CommandProperties::KeyOf("Nuevo"), std::optional<QString>("NUEVO"));
    EXPECT_EQ(CommandProperties::KeyOf("Consulta"), std::optional<QString>("CONSULTAR"));
    EXPECT_EQ(CommandProperties::KeyOf("consultar"), std::optional<QString>("CONSULTAR"));
    EXPECT_EQ(CommandProperties::KeyOf("Caja"), std::optional<QString>("CAJA"));
    EXPECT_EQ(CommandProperties::KeyOf("Cajero"), std::optional<QString>("CAJERO"));
    EXPECT_EQ(CommandProperties::KeyOf("UnidadNegocio"), std::optional<QString>("UNIDADNEGOCIO"));
    EXPECT_EQ(CommandProperties::KeyOf("ProcesarIA"), std::optional<QString>("PROCESARIA"));
    EXPECT_EQ(CommandProperties::KeyOf("Caus"), std::optional<QString>("CAUS"));
    EXPECT_EQ(CommandProperties::KeyOf("GRABAR"), std::optional<QString>("GRABAR"));
    EXPECT_FALSE(CommandProperties::KeyOf("Exportar").has_value());
    EXPECT_FALSE(CommandProperties::KeyOf("").has_value());
}
