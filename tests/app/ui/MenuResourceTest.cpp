#include <gtest/gtest.h>

#include <set>

#include "app/AppStrings.h"
#include "app/CommandIds.h"
#include "app/MenuResource.h"
#include "base/StringTable.h"

namespace veritom {
namespace {

void CollectCommands(const std::vector<CMenuItem>& items, std::vector<int>& commands) {
    for (const CMenuItem& item : items) {
        if (item.kind == CMenuItem::Kind::Command && item.commandId != 0) {
            commands.push_back(item.commandId);
        }
        CollectCommands(item.items, commands);
    }
}

void CollectTextIds(const std::vector<CMenuItem>& items, std::vector<int>& ids) {
    for (const CMenuItem& item : items) {
        if (item.kind != CMenuItem::Kind::Separator) {
            ids.push_back(item.textId);
        }
        CollectTextIds(item.items, ids);
    }
}

// The application adds and replaces items by position, so the positions it relies on must
// hold what it expects.
TEST(MenuResourceTest, PositionsTheApplicationReliesOn) {
    const auto& menu = MainMenuResource();
    ASSERT_EQ(menu.size(), 6u);
    const CMenuItem& file = menu[menu::kFile];
    EXPECT_EQ(file.items.at(menu::kFileSavePosition).kind, CMenuItem::Kind::Popup);
    EXPECT_EQ(file.items.at(menu::kFileSavePosition).items.at(0).commandId, cmd::kFileSave);
    EXPECT_EQ(file.items.at(menu::kFilePrintPosition).items.at(0).commandId,
              cmd::kFilePrintSelection);

    const CMenuItem& language = menu[menu::kView].items.at(menu::kViewLanguagePosition);
    EXPECT_EQ(language.kind, CMenuItem::Kind::Popup);
    ASSERT_EQ(language.items.size(), 1u);
    EXPECT_EQ(language.items[0].commandId, 0);  // the placeholder replaced by the languages

    EXPECT_EQ(LoadString(menu[menu::kTools].textId), "&Tools");
    EXPECT_EQ(LoadString(menu[menu::kReference].textId), "&Reference");
    EXPECT_EQ(LoadString(menu[menu::kHelp].textId), "&Help");
    EXPECT_NE(FindMenuCommand(menu[menu::kHelp].items, cmd::kVeritomUpdates), nullptr);
    EXPECT_EQ(FindMenuCommand(menu, 4242), nullptr);
}

TEST(MenuResourceTest, EveryCommandOnceAndEveryTextInTheStringTable) {
    std::vector<int> commands;
    CollectCommands(MainMenuResource(), commands);
    EXPECT_EQ(std::set<int>(commands.begin(), commands.end()).size(), commands.size());

    std::vector<int> textIds;
    CollectTextIds(MainMenuResource(), textIds);
    for (int id : textIds) {
        EXPECT_FALSE(LoadString(id).empty()) << id;
    }
}

}  // namespace
}  // namespace veritom
