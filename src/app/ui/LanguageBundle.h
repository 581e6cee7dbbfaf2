#pragma once

#include <QImage>
#include <QString>

#include "app/LanguageInfo.h"

namespace veritom {

// The resources of the current user-interface language: a Qt binary resource bundle (.rcc)
// named by the language's DLL value, holding the numbered string table ("strings.txt"),
// bitmaps ("bitmaps/<id>.bmp") and rich texts such as the disclaimer ("text/<id>.html")
// under the same ids as the program's own resources. Loading a bundle installs its string
// table for LoadString; a missing bundle or a missing id falls back to the program's own
// resources, which are compiled in.
//
// The string table is process-wide, so an application has one bundle object.
class CLanguageBundle {
public:
    enum class LoadResult {
        Loaded,
        Missing,  // no readable file: the caller reports it as the language not installed
        Damaged,  // not a bundle, or a bundle without a readable string table; reported here
    };

    CLanguageBundle();
    // Unloads the bundle, so the program's own resources serve again.
    ~CLanguageBundle();
    CLanguageBundle(const CLanguageBundle&) = delete;
    CLanguageBundle& operator=(const CLanguageBundle&) = delete;

    // Makes the bundle file the source of resources. The previous bundle stays in force
    // until the new one has loaded, so a failed switch keeps the old language whole.
    LoadResult Load(const QString& bundlePath);
    // The bundle of a language installed in the shared data directory netPath.
    LoadResult Load(const std::string& netPath, const LanguageInfo& language);
    // Back to the program's own resources.
    void Unload();

    bool IsLoaded() const { return !m_root.isEmpty(); }
    const QString& BundlePath() const { return m_path; }

    // The bitmap of the id from the bundle, else the program's own; null when neither has it.
    QImage Bitmap(int id) const;
    // The rich text (HTML) of the id from the bundle, else the program's own; empty when
    // neither has it.
    QString Text(int id) const;

    static QImage ProgramBitmap(int id);
    static QString ProgramText(int id);
    // Path of a language's bundle: netPath and the DLL value joined by one separator.
    static QString BundlePathFor(const std::string& netPath, const LanguageInfo& language);

private:
    static QImage BitmapUnder(const QString& root, int id);
    static QString TextUnder(const QString& root, int id);

    QString m_path;
    QString m_root;  // where the bundle is mounted in the resource tree, empty when none
};

}  // namespace veritom
