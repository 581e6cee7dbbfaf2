#pragma once

#include <QList>
#include <QString>
#include <functional>

#include "OrderLine.h"

namespace orderpad {

// The order list and the file it lives in (JSON, written whole and atomically, so a crash
// or a full disk leaves the previous list in place). Every change is saved at once; a change
// that cannot be saved is taken back, so what the window shows is what the file holds.
class OrderList {
public:
    enum class LoadResult { Loaded, Missing, Damaged, Unreadable };

    explicit OrderList(QString path);

    // The order list in the user's data folder.
    static QString DefaultPath();

    // Reads the file. A damaged file is kept under another name (KeptAs) and the list starts
    // empty; an unreadable one leaves the list empty and is never written over.
    LoadResult Load();
    const QString& Path() const { return m_path; }
    const QString& KeptAs() const { return m_keptAs; }
    // Why the last load or save failed.
    const QString& Error() const { return m_error; }

    const QList<OrderLine>& Lines() const { return m_lines; }
    // aboutToAppend runs once the file holds the new lines, just before the list does.
    bool Append(const QList<OrderLine>& lines, const std::function<void()>& aboutToAppend = {});
    bool SetQuantity(int row, const QString& quantity);
    // rows in any order; out-of-range rows are ignored.
    bool Remove(QList<int> rows);

    // Whether quantity is a whole number greater than zero.
    static bool IsValidQuantity(const QString& quantity);

private:
    bool Save(const QList<OrderLine>& lines, const std::function<void()>& aboutToChange = {});

    QString m_path;
    QString m_keptAs;
    QString m_error;
    bool m_writable = true;
    QList<OrderLine> m_lines;
};

}  // namespace orderpad
