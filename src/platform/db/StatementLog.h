#pragma once

#include <QString>
#include <QVector>

namespace db {

// Every statement a connection sends: the text the program gave and the
// text the engine received after translation.
class StatementLog {
public:
    struct Entry {
        QString original;
        QString sent;
    };

    void record(const QString& original, const QString& sent) { entries_.append({original, sent}); }
    const QVector<Entry>& entries() const { return entries_; }
    void clear() { entries_.clear(); }

private:
    QVector<Entry> entries_;
};

}  // namespace db
