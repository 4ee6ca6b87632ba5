#pragma once

#include "platform/Variant.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

namespace db {

class Dialect;
class TokenList;

// One statement for the engine: its text with "?" markers and their values.
struct BoundStatement {
    QString text;
    QVector<Variant> parameters;
    // The same statement with its values written back as the literals they came from.
    QString spelled;
};

// Translations of T-SQL batches kept by their shape: the text with the
// literals compared or assigned by "=", "<>", "<", ">"..., and those of a
// VALUES list, taken out. Batches
// that differ only in those literals are translated once and run as the same
// statement with other values bound, so the engine can reuse its prepared
// statement. A literal whose translation depends on its value (one with
// trailing blanks, or one a rewrite changes) stays part of the shape, and so
// does a number with more digits than a bound double would keep.
class StatementCache {
public:
    // The statements of `batch` for `dialect`; throws what the dialect throws.
    QVector<BoundStatement> translate(const Dialect& dialect, const QString& batch, const QString& database);
    // One statement that holds its own "?" markers, translated once and kept
    // by its text: its values never pass through the translator.
    QString translateMarked(const Dialect& dialect, const QString& statement, const QString& database);
    void clear()
    {
        shapes_.clear();
        marked_.clear();
    }

private:
    // A translated statement cut at its markers; each marker names a literal of the batch.
    struct Template {
        QStringList pieces;
        QVector<int> literals;
        QString text;  // the pieces joined by markers, as the engine runs it
    };
    struct Shape {
        QVector<Template> statements;
    };

    static std::optional<Shape> shapeOf(const Dialect& dialect, const TokenList& tokens, const QVector<int>& parameters,
                                        const QString& database);
    static QVector<BoundStatement> bind(const Shape& shape, const TokenList& tokens, const QVector<int>& parameters);

    QHash<QString, std::optional<Shape>> shapes_;
    QHash<QString, QString> marked_;
};

}  // namespace db
