#include "app/ui/LanguageBundle.h"

#include <QFile>
#include <QFileInfo>
#include <QResource>

#include "app/AppStrings.h"
#include "app/VeritomAppInterface.h"
#include "base/Format.h"
#include "base/MessageSink.h"
#include "base/Paths.h"
#include "base/StringTable.h"

// The program's own resources live in a static library, so their registration must be
// asked for by name; Q_INIT_RESOURCE only works outside a namespace.
static void InitProgramResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(veritom_program);
        return true;
    }();
    (void)done;
}

namespace veritom {

namespace {

const QString kProgramRoot = QStringLiteral(":/veritom");

// Each load gets its own mount point, so the old and the new bundle never overlap while
// a switch is under way.
QString NextMountRoot() {
    static int loads = 0;
    return QStringLiteral("/veritom-language/%1").arg(++loads);
}

bool ReadStringTable(const QString& root, StringMap& table) {
    QFile file(QLatin1Char(':') + root + QStringLiteral("/strings.txt"));
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray source = file.readAll();
    return ParseStringTable(std::string_view(source.constData(), source.size()), table);
}

}  // namespace

CLanguageBundle::CLanguageBundle() {
    InitProgramResources();
}

CLanguageBundle::~CLanguageBundle() {
    Unload();
}

CLanguageBundle::LoadResult CLanguageBundle::Load(const QString& bundlePath) {
    const QFileInfo info(bundlePath);
    if (!info.isFile() || !info.isReadable()) {
        return LoadResult::Missing;
    }
    const QString root = NextMountRoot();
    StringMap table;
    if (!QResource::registerResource(bundlePath, root)) {
        MessageBox(Format(LoadString(ids::kLanguageBundleDamaged), bundlePath.toStdString()),
                   MsgButtons::Ok, MsgIcon::Warning);
        return LoadResult::Damaged;
    }
    if (!ReadStringTable(root, table)) {
        QResource::unregisterResource(bundlePath, root);
        MessageBox(Format(LoadString(ids::kLanguageBundleDamaged), bundlePath.toStdString()),
                   MsgButtons::Ok, MsgIcon::Warning);
        return LoadResult::Damaged;
    }
    Unload();
    InstallLanguageTable(std::move(table));
    m_path = bundlePath;
    m_root = root;
    return LoadResult::Loaded;
}

CLanguageBundle::LoadResult CLanguageBundle::Load(const std::string& netPath,
                                                  const LanguageInfo& language) {
    return Load(BundlePathFor(netPath, language));
}

void CLanguageBundle::Unload() {
    if (!m_root.isEmpty()) {
        QResource::unregisterResource(m_path, m_root);
    }
    InstallLanguageTable({});
    m_path.clear();
    m_root.clear();
}

QImage CLanguageBundle::Bitmap(int id) const {
    if (IsLoaded()) {
        if (QImage image = BitmapUnder(QLatin1Char(':') + m_root, id); !image.isNull()) {
            return image;
        }
    }
    return ProgramBitmap(id);
}

QString CLanguageBundle::Text(int id) const {
    if (IsLoaded()) {
        if (QString text = TextUnder(QLatin1Char(':') + m_root, id); !text.isEmpty()) {
            return text;
        }
    }
    return ProgramText(id);
}

QImage CLanguageBundle::ProgramBitmap(int id) {
    InitProgramResources();
    return BitmapUnder(kProgramRoot, id);
}

QString CLanguageBundle::ProgramText(int id) {
    InitProgramResources();
    return TextUnder(kProgramRoot, id);
}

QString CLanguageBundle::BundlePathFor(const std::string& netPath, const LanguageInfo& language) {
    return QString::fromStdString(JoinPath(netPath, language.dll));
}

QImage CLanguageBundle::BitmapUnder(const QString& root, int id) {
    const QString path = QStringLiteral("%1/bitmaps/%2.bmp").arg(root).arg(id);
    return QFile::exists(path) ? QImage(path) : QImage();
}

QString CLanguageBundle::TextUnder(const QString& root, int id) {
    QFile file(QStringLiteral("%1/text/%2.html").arg(root).arg(id));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

}  // namespace veritom
