// Select Part Number on the offscreen platform: the user's paths through the dialog by mouse
// and by keyboard, on records as the earlier steps leave them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <filesystem>

#include "DialogDriver.h"
#include "MessageRecorder.h"
#include "SampleRecords.h"
#include "base/DialogResult.h"
#include "data/Database.h"
#include "data/InformationPages.h"
#include "data/LanguageSource.h"
#include "wizard/partnumber/ui/PartNumberDialog.h"

namespace veritom {
namespace {

namespace fs = std::filesystem;
using test::CDialogDriver;
using test::ClickButton;
using test::MessageRecorder;
using C = CColumnTable;

const std::string kShare = VERITOM_STAGE_DIR "/share/veritom";

class English : public ILanguageSource {
public:
    std::string GetLanguageCode() const override { return "EN"; }
};

class Locations : public IPageLocations {
public:
    std::string GetNetPath() const override { return kShare; }
    std::string GetReferenceDir() const override { return kShare + "/Reference/EN"; }
};

// Lets the queued slots of the dialog run.
void Settle() {
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
    }
}

template <typename T>
T* Child(QDialog& dialog, const char* name) {
    auto* child = dialog.findChild<T*>(QLatin1String(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

void Click(QWidget* widget, QPoint at) {
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
    Settle();
}

void Key(QWidget* widget, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
    Settle();
}

// The model column of a table column in the dialog's list.
int SectionOf(QTableView* table, const QString& title) {
    auto* model = table->model();
    for (int section = 0; section < model->columnCount(); ++section) {
        if (model->headerData(section, Qt::Horizontal, Qt::DisplayRole).toString() == title) {
            return section;
        }
    }
    ADD_FAILURE() << "no column " << title.toStdString();
    return 0;
}

QString Cell(QTableView* table, int row, int section) {
    return table->model()->index(row, section).data().toString();
}

class PartNumberDialog : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(kShare + "/MorvaneEN.mdb")) {
            GTEST_SKIP() << "the selection database has not been built";
        }
        ASSERT_TRUE(m_db.Open(kShare, "Morvane", false, true, ""));
    }

    int Run(CProd_ValveData& record, CDialogDriver::Action action) {
        CDialogDriver driver;
        driver.Expect(QStringLiteral("partNumberDialog"), std::move(action));
        CSelection1 dialog(m_context, record,
                           [this](const CProd_ValveData& shown) { m_reported = shown; });
        const int result = dialog.Run();
        EXPECT_TRUE(driver.AllHandled());
        EXPECT_TRUE(driver.Unexpected().isEmpty());
        return result;
    }

    MessageRecorder m_messages;
    English m_language;
    IDatabase m_db{m_language};
    Locations m_locations;
    CInformationPages m_pages{m_db, m_locations};
    CDialogContext m_context{m_db, m_pages};
    std::optional<CProd_ValveData> m_reported;
};

// Catalog data with a coil chosen: a filter by mouse, Update, a sort, a row, the report, OK.
TEST_F(PartNumberDialog, MethodOneWithACoilByMouse) {
    CProd_ValveData record = test::CatalogDataWithCoil();
    QString chosen;
    const int result = Run(record, [&](QDialog& dialog) {
        auto* table = Child<QTableView>(dialog, "candidateTable");
        auto* update = Child<QPushButton>(dialog, "updateButton");
        auto* stale = Child<QLabel>(dialog, "staleIndicator");
        auto* count = Child<QLabel>(dialog, "candidateCount");
        auto* body = Child<QComboBox>(dialog, "filterCombo0");
        // Opening listed the candidates and highlighted the first.
        const int listed = table->model()->rowCount();
        ASSERT_GT(listed, 0);
        EXPECT_EQ(count->text(), QString::number(listed));
        EXPECT_FALSE(update->isEnabled());
        EXPECT_TRUE(Child<QPushButton>(dialog, "catalogButton")->isEnabled());
        EXPECT_EQ(table->selectionModel()->selectedRows().value(0).row(), 0);
        EXPECT_TRUE(Child<QComboBox>(dialog, "filterCombo8")->isEnabled());
        EXPECT_EQ(Child<QLabel>(dialog, "filterLabel9")->text(),
                  QStringLiteral("Agency Approval:"));
        EXPECT_FALSE(Child<QLineEdit>(dialog, "filterEdit4")->isVisible());
        EXPECT_EQ(Child<QWidget>(dialog, "filterHelp0")->toolTip(),
                  QStringLiteral("Body Material Information"));
        EXPECT_EQ(body->itemText(0), QStringLiteral("Undecided"));

        // A filter empties the list until Update; the indicator blinks meanwhile.
        body->setCurrentIndex(body->findText(QStringLiteral("Brass")));
        Settle();
        EXPECT_EQ(table->model()->rowCount(), 0);
        EXPECT_EQ(count->text(), QStringLiteral("0"));
        EXPECT_TRUE(update->isEnabled());
        EXPECT_FALSE(Child<QPushButton>(dialog, "reportButton")->isEnabled());
        EXPECT_FALSE(stale->isHidden());
        auto* blink = Child<QTimer>(dialog, "staleBlink");
        EXPECT_TRUE(blink->isActive());
        EXPECT_EQ(blink->interval(), 650);
        update->click();
        Settle();
        const int brass = table->model()->rowCount();
        ASSERT_GT(brass, 2);
        EXPECT_LT(brass, listed);
        EXPECT_TRUE(stale->isHidden());
        EXPECT_FALSE(blink->isActive());
        EXPECT_FALSE(update->isEnabled());
        const int bodySection = SectionOf(table, QStringLiteral("Body Material"));
        for (int row = 0; row < brass; ++row) {
            ASSERT_EQ(Cell(table, row, bodySection), QStringLiteral("Brass"));
        }

        // A click on the Max OPD header sorts descending.
        QHeaderView* header = table->horizontalHeader();
        const int mopd = SectionOf(table, QStringLiteral("Max OPD"));
        Click(header->viewport(), QPoint(header->sectionViewportPosition(mopd) + 10, 5));
        EXPECT_GE(
            Cell(table, 0, mopd).trimmed().split(QLatin1Char(' ')).front().toDouble(),
            Cell(table, brass - 1, mopd).trimmed().split(QLatin1Char(' ')).front().toDouble());
        EXPECT_EQ(header->sortIndicatorSection(), mopd);
        EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);

        // The third row by mouse; the report shows it without closing the dialog.
        const QRect third = table->visualRect(table->model()->index(2, 0));
        Click(table->viewport(), third.center());
        chosen = Cell(table, 2, 0);
        ClickButton(dialog, "reportButton");
        Settle();
        ASSERT_TRUE(m_reported);
        EXPECT_EQ(m_reported->m_PN_CompletePNVAL.Value(), chosen.toStdString());
        EXPECT_TRUE(dialog.isVisible());
        ClickButton(dialog, "okButton");
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(record.m_PN_CompletePNVAL.Value(), chosen.toStdString());
    EXPECT_EQ(record.m_PN_BodyMaterialVAL.Value(), "Brass");
    EXPECT_EQ(record.m_PNFilterLinks[0], "BR");
    EXPECT_EQ(record.m_PNListState[19], 6);  // Max OPD at display position 6
    EXPECT_FALSE(record.m_PN_PNDescriptionVAL.Value().empty());
}

// The valve size method, no coil: the keyboard alone picks the third candidate.
TEST_F(PartNumberDialog, MethodTwoWithoutACoilByKeyboard) {
    CProd_ValveData record = test::ValveSizeMethod();
    QString chosen;
    const int result = Run(record, [&](QDialog& dialog) {
        auto* table = Child<QTableView>(dialog, "candidateTable");
        ASSERT_GT(table->model()->rowCount(), 3);
        EXPECT_EQ(Child<QLabel>(dialog, "filterLabel9")->text(),
                  QStringLiteral("Control Input Signal"));
        EXPECT_FALSE(Child<QComboBox>(dialog, "filterCombo8")->isEnabled());
        EXPECT_TRUE(table->hasFocus() || QApplication::focusWidget() == nullptr);
        table->setFocus();
        Key(table, Qt::Key_Down);
        Key(table, Qt::Key_Down);
        chosen = Cell(table, 2, 0);
        EXPECT_EQ(table->selectionModel()->selectedRows().value(0).row(), 2);
        Key(table, Qt::Key_Return);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(record.m_PN_CompletePNVAL.Value(), chosen.toStdString());
    EXPECT_FALSE(record.m_PN_ControlSignalVAL.Value().empty());
}

// No to the question before 32,704 rows leaves the list empty and stale; Update asks again.
TEST_F(PartNumberDialog, DecliningTheLargeListThenUpdating) {
    CProd_ValveData record = test::CalculatedSizeWithoutCoil();
    const CProd_ValveData before = record;
    m_messages.Answer(MsgAnswer::No);
    const int result = Run(record, [&](QDialog& dialog) {
        auto* table = Child<QTableView>(dialog, "candidateTable");
        EXPECT_EQ(table->model()->rowCount(), 0);
        EXPECT_TRUE(Child<QPushButton>(dialog, "updateButton")->isEnabled());
        EXPECT_TRUE(Child<QTimer>(dialog, "staleBlink")->isActive());
        ASSERT_EQ(m_messages.boxes.size(), 2u);
        EXPECT_EQ(m_messages.boxes[1].text.rfind("No part number matches", 0), 0u);
        ClickButton(dialog, "updateButton");
        Settle();
        EXPECT_EQ(table->model()->rowCount(), 32704);
        EXPECT_EQ(Child<QLabel>(dialog, "candidateCount")->text(), QStringLiteral("32704"));
        EXPECT_EQ(m_messages.boxes.size(), 3u);
        ClickButton(dialog, "cancelButton");
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_TRUE(record == before);
}

// 150 °F against 60 °C: the minimum edit gets 140, focused and selected, and no list.
TEST_F(PartNumberDialog, AMinimumAboveTheMaximumIsRefused) {
    CProd_ValveData record = test::CatalogDataWithCoil();
    record.m_App_FluidTempVAL.Set(60, "DEG_C");
    Run(record, [&](QDialog& dialog) {
        auto* minimum = Child<QLineEdit>(dialog, "filterEdit2");
        auto* unit = Child<QComboBox>(dialog, "filterUnit2");
        EXPECT_EQ(Child<QLineEdit>(dialog, "filterEdit1")->text(), QStringLiteral("60"));
        EXPECT_EQ(unit->currentText(), QStringLiteral("°F"));
        minimum->setText(QStringLiteral("150"));
        Settle();
        auto* table = Child<QTableView>(dialog, "candidateTable");
        EXPECT_EQ(table->model()->rowCount(), 0);
        ClickButton(dialog, "updateButton");
        Settle();
        EXPECT_EQ(m_messages.Texts().back(),
                  "The Minimum temperature may not be larger than the Maximum temperature of\n"
                  "140 °F  ");
        EXPECT_EQ(minimum->text(), QStringLiteral("140"));
        EXPECT_EQ(minimum->selectedText(), QStringLiteral("140"));
        EXPECT_EQ(table->model()->rowCount(), 0);
        ClickButton(dialog, "updateButton");
        Settle();
        EXPECT_GT(table->model()->rowCount(), 0);
        ClickButton(dialog, "cancelButton");
    });
}

// A second opening shows the filters, the moved column, the sort and the part number chosen.
TEST_F(PartNumberDialog, ReopeningRestoresWhatTheUserLeft) {
    CProd_ValveData record = test::CatalogDataWithCoil();
    QString chosen;
    QStringList order;
    Run(record, [&](QDialog& dialog) {
        auto* seal = Child<QComboBox>(dialog, "filterCombo6");
        seal->setCurrentIndex(seal->findText(QStringLiteral("EPDM")));
        Settle();
        ClickButton(dialog, "updateButton");
        Settle();
        auto* table = Child<QTableView>(dialog, "candidateTable");
        QHeaderView* header = table->horizontalHeader();
        const int port = SectionOf(table, QStringLiteral("Port"));
        header->moveSection(header->visualIndex(port), 1);
        Click(header->viewport(), QPoint(header->sectionViewportPosition(port) + 10, 5));
        const QRect row = table->visualRect(table->model()->index(4, 0));
        Click(table->viewport(), row.center());
        chosen = Cell(table, 4, 0);
        for (int i = 0; i < table->model()->rowCount(); ++i) {
            order << Cell(table, i, 0);
        }
        ClickButton(dialog, "okButton");
    });
    ASSERT_FALSE(chosen.isEmpty());
    Run(record, [&](QDialog& dialog) {
        EXPECT_EQ(Child<QComboBox>(dialog, "filterCombo6")->currentText(), QStringLiteral("EPDM"));
        auto* table = Child<QTableView>(dialog, "candidateTable");
        EXPECT_EQ(table->model()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
                  QStringLiteral("Port"));
        EXPECT_EQ(table->horizontalHeader()->sortIndicatorSection(), 1);
        QStringList reopened;
        for (int i = 0; i < table->model()->rowCount(); ++i) {
            reopened << Cell(table, i, 0);
        }
        EXPECT_EQ(reopened, order);
        const QModelIndexList selected = table->selectionModel()->selectedRows();
        ASSERT_EQ(selected.size(), 1);
        EXPECT_EQ(Cell(table, selected.front().row(), 0), chosen);
        ClickButton(dialog, "cancelButton");
    });
}

}  // namespace
}  // namespace veritom
