#include "OrderPadTexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QResource>
#include <QSettings>
#include <QStandardPaths>

namespace orderpad {

namespace {

const QString kUserKey = QStringLiteral("Software/Veldor Kastrel/Veritom/OrderPad/1.0");
const QString kBundleRoot = QStringLiteral("/orderpad-language");

struct State {
    QHash<int, QString> english;
    QHash<int, QString> language;
    QString code = QStringLiteral("EN");
    QString bundle;
    QString bundleDirectory;
};

State& Current() {
    static State state;
    if (state.english.isEmpty()) {
        QFile file(QStringLiteral(":/orderpad/strings.txt"));
        if (file.open(QIODevice::ReadOnly)) {
            state.english = Texts::Parse(QString::fromUtf8(file.readAll()));
        }
    }
    return state;
}

QString Unescape(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size()) {
            const QChar next = text[++i];
            out += next == u'n' ? QChar(u'\n') : next == u't' ? QChar(u'\t') : next;
        } else {
            out += text[i];
        }
    }
    return out;
}

QHash<int, QString> LoadBundle(const QString& directory, const QString& fileName) {
    const QString path = QDir(directory).filePath(fileName);
    QHash<int, QString> table;
    if (!QResource::registerResource(path, kBundleRoot)) {
        return table;
    }
    QFile file(QLatin1Char(':') + kBundleRoot + QStringLiteral("/strings.txt"));
    if (file.open(QIODevice::ReadOnly)) {
        table = Texts::Parse(QString::fromUtf8(file.readAll()));
    }
    file.close();
    QResource::unregisterResource(path, kBundleRoot);
    return table;
}

}  // namespace

QHash<int, QString> Texts::Parse(const QString& source) {
    QHash<int, QString> table;
    for (QString line : source.split(u'\n')) {
        if (line.endsWith(u'\r')) {
            line.chop(1);
        }
        if (line.isEmpty() || line.startsWith(u'#')) {
            continue;
        }
        const qsizetype tab = line.indexOf(u'\t');
        bool isNumber = false;
        const int id = line.left(tab).toInt(&isNumber);
        if (tab > 0 && isNumber) {
            table.insert(id, Unescape(line.mid(tab + 1)));
        }
    }
    return table;
}

QString Texts::UserStorePath() {
    if (const QString path = qEnvironmentVariable("VERITOM_USER_STORE"); !path.isEmpty()) {
        return path;
    }
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/veritom/user.ini");
}

bool Texts::Reload() {
    QSettings store(UserStorePath(), QSettings::IniFormat);
    store.beginGroup(kUserKey);
    QString code = store.value(QStringLiteral("Code")).toString().toUpper();
    const QString bundle = store.value(QStringLiteral("ResDll")).toString();
    if (code.isEmpty()) {
        code = QStringLiteral("EN");
    }
    State& state = Current();
    if (code == state.code && bundle == state.bundle) {
        return false;
    }
    state.code = code;
    state.bundle = bundle;
    const QString directory = state.bundleDirectory.isEmpty()
                                  ? QCoreApplication::applicationDirPath()
                                  : state.bundleDirectory;
    state.language = bundle.isEmpty() ? QHash<int, QString>() : LoadBundle(directory, bundle);
    return true;
}

void Texts::SetBundleDirectory(const QString& directory) {
    Current().bundleDirectory = directory;
}

QString Texts::Language() {
    return Current().code;
}

QString Texts::Get(int id) {
    const State& state = Current();
    if (const auto it = state.language.constFind(id); it != state.language.constEnd()) {
        return *it;
    }
    return state.english.value(id);
}

}  // namespace orderpad
