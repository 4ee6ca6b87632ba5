#pragma once

#include <QHash>
#include <QString>

namespace db {

// The keys of an OLE DB style connection text ("PROVIDER=SQLOLEDB;Server=S;
// Database =D;UId=U;Pwd=P;"): names compared without case or surrounding blanks.
class ConnectionString {
public:
    explicit ConnectionString(const QString& text);

    QString value(const QString& key) const;
    QString provider() const { return value("provider"); }
    QString server() const;
    QString database() const;
    QString user() const;
    QString password() const;
    QString dataSource() const { return value("data source"); }
    int connectTimeout() const;  // 0 when not given

    bool isOracle() const;
    bool isAccess() const;

private:
    QHash<QString, QString> values_;
};

}  // namespace db
