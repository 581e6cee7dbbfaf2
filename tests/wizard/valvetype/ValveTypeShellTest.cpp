// The Valve Type step in the running program, driven through its dialogs as a user would.
#include <QCoreApplication>
#include <QDialog>
#include <QListWidget>
#include <QScrollBar>

#include "ShellFixture.h"
#include "app/CommandIds.h"

namespace veritom::test {
namespace {

class ValveTypeShellTest : public ShellTest {};

// The German options are longer than the English ones; the longest was cut and needed a
// horizontal scroll bar.
TEST_F(ValveTypeShellTest, EveryOptionShowsWholeInBothLanguages) {
    Start();
    for (const char* language : {"EN", "DE"}) {
        App().SendCommand(cmd::kLanguageFirst + LanguageIndex(language));
        int options = 0;
        Dialogs().Expect(QStringLiteral("valveTypeDialog"), [](QDialog& dialog) {
            SelectRow(dialog, "functionTypeList",
                      dialog.findChild<QListWidget*>(QStringLiteral("functionTypeList"))
                          ->item(0)
                          ->text());
            QCoreApplication::processEvents();
            ClickButton(dialog, "okButton");
        });
        Dialogs().Expect(QStringLiteral("valveTypeOptionsDialog"), [&](QDialog& dialog) {
            auto* list = dialog.findChild<QListWidget*>(QStringLiteral("optionList"));
            QCoreApplication::processEvents();
            options = list->count();
            EXPECT_FALSE(list->horizontalScrollBar()->isVisible()) << language;
            for (int row = 0; row < list->count(); ++row) {
                EXPECT_LE(list->visualItemRect(list->item(row)).left() +
                              list->fontMetrics().horizontalAdvance(list->item(row)->text()),
                          list->viewport()->width())
                    << language << ": " << list->item(row)->text().toStdString();
            }
            ClickButton(dialog, "cancelButton");
        });
        Dialogs().Expect(QStringLiteral("valveTypeDialog"),
                         [](QDialog& dialog) { ClickButton(dialog, "cancelButton"); });
        Press(0);
        EXPECT_TRUE(Dialogs().AllHandled()) << language;
        EXPECT_GE(options, 3) << language;
    }
    EXPECT_TRUE(m_messages.boxes.empty());
}

}  // namespace
}  // namespace veritom::test
