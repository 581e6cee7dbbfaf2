#include <gtest/gtest.h>
#include <sqlite3.h>

#include "MessageRecorder.h"
#include "TestDatabase.h"
#include "data/CatalogueMessage.h"
#include "data/DaoException.h"
#include "data/Database.h"
#include "data/MsgStoredProc.h"
#include "data/StoredImage.h"

using namespace veritom;
using veritom::test::FixedLanguage;
using veritom::test::TempDir;

namespace {

class MessageCatalogue : public ::testing::Test {
protected:
    void SetUp() override {
        test::WriteSampleDatabase(m_dir.File("TestEN.mdb"));
        ASSERT_TRUE(m_db.Open(m_dir.Path().string(), "Test", false, true, ""));
    }

    TempDir m_dir;
    FixedLanguage m_language{"EN"};
    test::MessageRecorder m_messages;
    IDatabase m_db{m_language};
};

}  // namespace

TEST_F(MessageCatalogue, MessagesByIdentifierAndByNumber) {
    CIMsgStoredProc catalogue(m_db);
    EXPECT_EQ(catalogue.GetMessage("Hello"), "Hello, engineer.");
    EXPECT_EQ(catalogue.GetMessage(7), "Hello, engineer.");
    EXPECT_EQ(catalogue.GetMessage("Absent%s"), "Message not found: Absent%s");
    EXPECT_EQ(catalogue.GetMessage(-8), "Message not found: -8");
    EXPECT_TRUE(m_messages.boxes.empty());
}

TEST_F(MessageCatalogue, MessageConventionYieldsOnlyNonEmptyTexts) {
    EXPECT_EQ(LookupCatalogueMessage(m_db, "NoRecordSel"), "No valve matches the selection.");
    EXPECT_EQ(LookupCatalogueMessage(m_db, "Blank"), std::nullopt);
    EXPECT_EQ(LookupCatalogueMessage(m_db, "Nothing"), std::nullopt);
    EXPECT_EQ(LookupCatalogueMessage(m_db, "NoSuchCode"), std::nullopt);

    EXPECT_FALSE(ShowCatalogueMessage(m_db, "Blank"));
    EXPECT_FALSE(ShowCatalogueMessage(m_db, "NoSuchCode"));
    EXPECT_TRUE(m_messages.boxes.empty());
    EXPECT_TRUE(ShowCatalogueMessage(m_db, "NoRecordSel", MsgIcon::Warning));
    ASSERT_EQ(m_messages.boxes.size(), 1u);
    EXPECT_EQ(m_messages.boxes[0].text, "No valve matches the selection.");
    EXPECT_EQ(m_messages.boxes[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(m_messages.boxes[0].icon, MsgIcon::Warning);
}

TEST_F(MessageCatalogue, StoredImagesComeBackAsTheirBytes) {
    EXPECT_EQ(FetchStoredImage(m_db, "Coil.png"),
              (ByteArray{0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A}));
    EXPECT_EQ(FetchStoredImage(m_db, "Absent.png"), std::nullopt);
    EXPECT_EQ(FetchStoredImage(m_db, "Empty.png"), std::nullopt);
    EXPECT_EQ(FetchStoredImage(m_db, "NotBytes.png"), std::nullopt);
}

TEST_F(MessageCatalogue, EmptyImageNameAsksTheDatabaseNothing) {
    // Without a database every query fails, so only a lookup that runs none can succeed.
    m_db.Close();
    EXPECT_EQ(FetchStoredImage(m_db, ""), std::nullopt);
    EXPECT_THROW(FetchStoredImage(m_db, "Coil.png"), CDaoException);
}

TEST_F(MessageCatalogue, MissingCatalogueQueryIsAnEngineFailure) {
    test::RunScript(m_dir.File("TestEN.mdb"), "DELETE FROM StoredQueries WHERE Name = 'qMsgInt'");
    CIMsgStoredProc catalogue(m_db);
    try {
        catalogue.GetMessage(7);
        FAIL() << "no engine failure";
    } catch (const CDaoException& e) {
        EXPECT_EQ(e.Number(), SQLITE_NOTFOUND);
        EXPECT_EQ(e.Source(), "qMsgInt");
    }
}
