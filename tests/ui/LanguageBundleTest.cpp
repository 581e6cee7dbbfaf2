#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "MessageRecorder.h"
#include "app/ui/LanguageBundle.h"
#include "base/StringTable.h"

namespace veritom {
namespace {

const QString kBundles = QStringLiteral(VERITOM_TEST_BUNDLE_DIR);
const QString kBundleA = kBundles + QStringLiteral("/bundleA.rcc");
const QString kBundleB = kBundles + QStringLiteral("/bundleB.rcc");

constexpr int kIndicatorBitmap = 121;
constexpr int kDisclaimerText = 298;

TEST(LanguageBundle, ServesTheStringsBitmapsAndTextsOfTheLoadedBundle) {
    test::MessageRecorder messages;
    CLanguageBundle bundle;
    ASSERT_EQ(bundle.Load(kBundleA), CLanguageBundle::LoadResult::Loaded);
    EXPECT_TRUE(bundle.IsLoaded());
    EXPECT_EQ(bundle.BundlePath(), kBundleA);
    EXPECT_EQ(LoadString(990001), "bundle A text");
    // Bundle A carries a 16x16 picture as its indicator; the program's own is 35x16.
    EXPECT_EQ(bundle.Bitmap(kIndicatorBitmap).size(), QSize(16, 16));
    EXPECT_TRUE(bundle.Text(kDisclaimerText).contains(QStringLiteral("bundle A")));
    // Ids the bundle lacks come from the program.
    EXPECT_EQ(LoadString(24503), "Read error");
    EXPECT_EQ(bundle.Bitmap(104).size(), CLanguageBundle::ProgramBitmap(104).size());
    EXPECT_TRUE(messages.boxes.empty());
}

TEST(LanguageBundle, ASwitchReplacesTheWholeTableAndFallsBackForMissingIds) {
    CLanguageBundle bundle;
    ASSERT_EQ(bundle.Load(kBundleA), CLanguageBundle::LoadResult::Loaded);
    ASSERT_EQ(bundle.Load(kBundleB), CLanguageBundle::LoadResult::Loaded);
    EXPECT_EQ(LoadString(990001), "bundle B text");
    EXPECT_EQ(LoadString(990002), "only in bundle B");
    EXPECT_EQ(LoadString(990003), "");  // bundle A's own id left with it
    EXPECT_EQ(bundle.Bitmap(kIndicatorBitmap).size(), QSize(35, 16));
    EXPECT_EQ(bundle.Text(kDisclaimerText), CLanguageBundle::ProgramText(kDisclaimerText));
    EXPECT_TRUE(bundle.Bitmap(999).isNull());
    EXPECT_TRUE(bundle.Text(999).isEmpty());
}

TEST(LanguageBundle, AFailedSwitchKeepsTheOldLanguageWhole) {
    QTemporaryDir dir;
    const QString garbage = dir.filePath(QStringLiteral("MorvaneXX.rcc"));
    {
        QFile file(garbage);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("this is not a resource bundle");
    }
    struct Case {
        const char* name;
        QString path;
        CLanguageBundle::LoadResult expected;
        std::size_t boxes;
    };
    const Case cases[] = {
        {"missing file", dir.filePath(QStringLiteral("MorvaneFR.rcc")),
         CLanguageBundle::LoadResult::Missing, 0},
        {"a folder", dir.path(), CLanguageBundle::LoadResult::Missing, 0},
        {"not a bundle", garbage, CLanguageBundle::LoadResult::Damaged, 1},
        {"string table that does not parse", kBundles + QStringLiteral("/broken.rcc"),
         CLanguageBundle::LoadResult::Damaged, 1},
    };
    for (const Case& c : cases) {
        test::MessageRecorder messages;
        CLanguageBundle bundle;
        ASSERT_EQ(bundle.Load(kBundleA), CLanguageBundle::LoadResult::Loaded);
        EXPECT_EQ(bundle.Load(c.path), c.expected) << c.name;
        EXPECT_EQ(messages.boxes.size(), c.boxes) << c.name;
        if (c.boxes > 0) {
            EXPECT_NE(messages.boxes[0].text.find(c.path.toStdString()), std::string::npos);
        }
        EXPECT_EQ(bundle.BundlePath(), kBundleA) << c.name;
        EXPECT_EQ(LoadString(990001), "bundle A text") << c.name;
        EXPECT_EQ(bundle.Bitmap(kIndicatorBitmap).size(), QSize(16, 16)) << c.name;
    }
}

TEST(LanguageBundle, WithoutABundleTheProgramsOwnResourcesServe) {
    {
        CLanguageBundle bundle;
        EXPECT_EQ(bundle.Load(kBundles + QStringLiteral("/none.rcc")),
                  CLanguageBundle::LoadResult::Missing);
        EXPECT_FALSE(bundle.IsLoaded());
        EXPECT_EQ(LoadString(24503), "Read error");
        for (const int id : {104, 121, 122, 293, 307}) {
            EXPECT_FALSE(bundle.Bitmap(id).isNull()) << id;
        }
        EXPECT_TRUE(bundle.Text(kDisclaimerText).contains(QStringLiteral("Accept")));

        ASSERT_EQ(bundle.Load(kBundleB), CLanguageBundle::LoadResult::Loaded);
        bundle.Unload();
        EXPECT_EQ(LoadString(990001), "");
    }
    {
        CLanguageBundle bundle;
        ASSERT_EQ(bundle.Load(kBundleB), CLanguageBundle::LoadResult::Loaded);
    }
    // Destroying the bundle object takes its table with it.
    EXPECT_EQ(LoadString(990001), "");
}

TEST(LanguageBundle, FindsALanguagesBundleInTheSharedDataDirectory) {
    LanguageInfo language;
    language.dll = "bundleB.rcc";
    const std::string dir = kBundles.toStdString();
    EXPECT_EQ(CLanguageBundle::BundlePathFor(dir, language), kBundleB);
    EXPECT_EQ(CLanguageBundle::BundlePathFor(dir + "/", language), kBundleB);
    CLanguageBundle bundle;
    EXPECT_EQ(bundle.Load(dir, language), CLanguageBundle::LoadResult::Loaded);
    EXPECT_EQ(LoadString(990002), "only in bundle B");
}

}  // namespace
}  // namespace veritom
