#include "OrderList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <optional>

namespace orderpad {

namespace {

constexpr int kFormat = 1;

QJsonObject ToJson(const OrderLine& line) {
    return {{QStringLiteral("partNumber"), line.partNumber},
            {QStringLiteral("quantity"), line.quantity},
            {QStringLiteral("division"), line.division},
            {QStringLiteral("description"), line.description},
            {QStringLiteral("modification"), line.modification},
            {QStringLiteral("customerNotes"), line.customerNotes},
            {QStringLiteral("sender"), line.sender},
            {QStringLiteral("received"), line.received.toUTC().toString(Qt::ISODateWithMs)}};
}

std::optional<OrderLine> FromJson(const QJsonValue& value) {
    if (!value.isObject()) {
        return std::nullopt;
    }
    const QJsonObject object = value.toObject();
    const QString keys[] = {QStringLiteral("partNumber"),   QStringLiteral("quantity"),
                            QStringLiteral("division"),     QStringLiteral("description"),
                            QStringLiteral("modification"), QStringLiteral("customerNotes"),
                            QStringLiteral("sender"),       QStringLiteral("received")};
    for (const QString& key : keys) {
        if (!object.value(key).isString()) {
            return std::nullopt;
        }
    }
    return OrderLine{object.value(keys[0]).toString(),
                     object.value(keys[1]).toString(),
                     object.value(keys[2]).toString(),
                     object.value(keys[3]).toString(),
                     object.value(keys[4]).toString(),
                     object.value(keys[5]).toString(),
                     object.value(keys[6]).toString(),
                     QDateTime::fromString(object.value(keys[7]).toString(), Qt::ISODateWithMs)};
}

std::optional<QList<OrderLine>> ParseList(const QByteArray& bytes) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    const QJsonObject root = document.object();
    if (error.error != QJsonParseError::NoError || !document.isObject() ||
        root.value(QStringLiteral("format")).toInt() != kFormat ||
        !root.value(QStringLiteral("lines")).isArray()) {
        return std::nullopt;
    }
    QList<OrderLine> lines;
    for (const QJsonValue& value : root.value(QStringLiteral("lines")).toArray()) {
        auto line = FromJson(value);
        if (!line) {
            return std::nullopt;
        }
        lines.append(*line);
    }
    return lines;
}

// A name beside path that no file has yet.
QString FreeNameBeside(const QString& path) {
    QString candidate = path + QStringLiteral(".damaged");
    for (int n = 2; QFileInfo::exists(candidate); ++n) {
        candidate = path + QStringLiteral(".damaged-%1").arg(n);
    }
    return candidate;
}

}  // namespace

OrderList::OrderList(QString path) : m_path(std::move(path)) {}

QString OrderList::DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/orderlist.json");
}

OrderList::LoadResult OrderList::Load() {
    m_lines.clear();
    m_error.clear();
    m_keptAs.clear();
    m_writable = true;
    QFile file(m_path);
    if (!file.exists()) {
        return LoadResult::Missing;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = file.errorString();
        m_writable = false;
        return LoadResult::Unreadable;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    if (auto lines = ParseList(bytes)) {
        m_lines = *lines;
        return LoadResult::Loaded;
    }
    const QString keptAs = FreeNameBeside(m_path);
    if (!file.rename(keptAs)) {
        // Writing over it would lose it: the list stays read-only for this run.
        m_error = file.errorString();
        m_writable = false;
        return LoadResult::Unreadable;
    }
    m_keptAs = keptAs;
    return LoadResult::Damaged;
}

bool OrderList::Save(const QList<OrderLine>& lines, const std::function<void()>& aboutToChange) {
    if (!m_writable) {
        return false;
    }
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QJsonArray array;
    for (const OrderLine& line : lines) {
        array.append(ToJson(line));
    }
    const QJsonObject root{{QStringLiteral("format"), kFormat}, {QStringLiteral("lines"), array}};
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(root).toJson()) < 0 ||
        !file.commit()) {
        m_error = file.errorString();
        return false;
    }
    m_error.clear();
    if (aboutToChange) {
        aboutToChange();
    }
    m_lines = lines;
    return true;
}

bool OrderList::Append(const QList<OrderLine>& lines, const std::function<void()>& aboutToAppend) {
    return Save(m_lines + lines, aboutToAppend);
}

bool OrderList::IsValidQuantity(const QString& quantity) {
    bool ok = false;
    const qlonglong value = quantity.trimmed().toLongLong(&ok);
    return ok && value > 0;
}

bool OrderList::SetQuantity(int row, const QString& quantity) {
    if (row < 0 || row >= m_lines.size() || !IsValidQuantity(quantity)) {
        return false;
    }
    QList<OrderLine> lines = m_lines;
    lines[row].quantity = QString::number(quantity.trimmed().toLongLong());
    return Save(lines);
}

bool OrderList::Remove(QList<int> rows) {
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    QList<OrderLine> lines = m_lines;
    for (int row : rows) {
        if (row >= 0 && row < lines.size()) {
            lines.removeAt(row);
        }
    }
    return Save(lines);
}

}  // namespace orderpad
