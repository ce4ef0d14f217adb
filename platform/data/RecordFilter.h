#pragma once

#include "platform/data/FieldValue.h"

#include <QList>
#include <QString>
#include <memory>
#include <vector>

namespace zav {

// A recordset Filter text read once and then tested against rows:
// comparisons `Field op value` (op = <> < > <= >= LIKE; value 'text', a number,
// #date# or Null) joined by AND / OR, with parentheses. LIKE takes * or % as
// wildcards. Text compares as the company database does (fieldvalue::compare),
// and LIKE too leaves a text's trailing blanks unmatched. An empty text lets every
// row through. A text it cannot read, or a field it does not know, raises
// errors::InvalidArgument.
class RecordFilter {
public:
    RecordFilter() = default;
    static RecordFilter parse(const QString& text, const QList<FieldInfo>& fields);

    bool isEmpty() const { return !root_; }
    bool matches(const std::vector<QVariant>& row) const;

    struct Node;

private:
    std::shared_ptr<const Node> root_;
};

// A recordset Sort text: "Field[ ASC|DESC][, Field ...]". Text sorts as the
// company database does (fieldvalue::compare), Null first.
class RecordSort {
public:
    RecordSort() = default;
    static RecordSort parse(const QString& text, const QList<FieldInfo>& fields);

    bool isEmpty() const { return keys_.empty(); }
    bool less(const std::vector<QVariant>& a, const std::vector<QVariant>& b) const;

private:
    struct Key {
        int field;
        FieldType type;
        bool descending;
    };
    std::vector<Key> keys_;
};

} // namespace zav
