#pragma once

#include <QLabel>

// A label of a control array that describes an entry field: its DataField
// names the field's column and its Tag the column of the description shown.
// What it shows comes from the database, so it is never read as markup.
class BoundLabel : public QLabel {
    Q_OBJECT
public:
    BoundLabel(int index, QWidget* parent = nullptr) : QLabel(parent), index_(index) { setTextFormat(Qt::PlainText); }

    int index() const { return index_; }
    QString dataField() const { return dataField_; }
    void setDataField(const QString& column) { dataField_ = column; }
    QString tag() const { return tag_; }
    void setTag(const QString& column) { tag_ = column; }

private:
    int index_;
    QString dataField_;
    QString tag_;
};
