#include "OrderPadWindow.h"

#include <QAction>
#include <QDir>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>

#include "OrderPadTexts.h"
#include "TransferDocument.h"

namespace orderpad {

namespace {

constexpr int kStatusMessageMs = 10000;
constexpr int kDescriptionCharacters = 50;

}  // namespace

OrderPadWindow::OrderPadWindow(OrderList& list, QWidget* parent)
    : QMainWindow(parent), m_list(list), m_model(list) {
    setObjectName(QStringLiteral("orderPadWindow"));
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("orderTable"));
    m_table->setModel(&m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    setCentralWidget(m_table);

    m_removeSelected = new QAction(this);
    m_removeSelected->setObjectName(QStringLiteral("removeSelectedAction"));
    m_removeSelected->setShortcut(QKeySequence::Delete);
    m_removeAll = new QAction(this);
    m_removeAll->setObjectName(QStringLiteral("removeAllAction"));
    m_close = new QAction(this);
    m_close->setObjectName(QStringLiteral("closeAction"));
    m_close->setShortcut(QKeySequence::Close);
    m_orderMenu = menuBar()->addMenu(QString());
    m_orderMenu->addAction(m_removeSelected);
    m_orderMenu->addAction(m_removeAll);
    m_orderMenu->addSeparator();
    m_orderMenu->addAction(m_close);
    QToolBar* tools = addToolBar(QStringLiteral("order"));
    tools->setObjectName(QStringLiteral("orderToolBar"));
    tools->setMovable(false);
    tools->addAction(m_removeSelected);
    tools->addAction(m_removeAll);
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("partCount"));
    statusBar()->addPermanentWidget(m_count);

    connect(m_removeSelected, &QAction::triggered, this, &OrderPadWindow::RemoveSelected);
    connect(m_removeAll, &QAction::triggered, this, &OrderPadWindow::RemoveAll);
    connect(m_close, &QAction::triggered, this, &QWidget::close);
    connect(&m_model, &OrderListModel::changeRefused, this, &OrderPadWindow::ShowMessage);
    connect(&m_model, &QAbstractItemModel::modelReset, this, &OrderPadWindow::UpdateState);
    connect(&m_model, &QAbstractItemModel::modelReset, this, &OrderPadWindow::FitColumns);
    // Parts that arrive later widen the columns too: a part number is never cut.
    connect(&m_model, &QAbstractItemModel::rowsInserted, this, &OrderPadWindow::FitColumns);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &OrderPadWindow::UpdateState);

    Retranslate();
    FitColumns();
    resize(900, 420);
}

void OrderPadWindow::FitColumns() {
    m_table->resizeColumnsToContents();
    // A long description keeps the columns after it in view; its tool tip shows it whole.
    const int widest = fontMetrics().averageCharWidth() * kDescriptionCharacters;
    if (m_table->columnWidth(OrderListModel::Description) > widest) {
        m_table->setColumnWidth(OrderListModel::Description, widest);
    }
}

void OrderPadWindow::Retranslate() {
    setWindowTitle(Texts::Get(kWindowTitle));
    m_orderMenu->setTitle(Texts::Get(kMenuOrder));
    m_removeSelected->setText(Texts::Get(kRemoveSelected));
    m_removeAll->setText(Texts::Get(kRemoveAll));
    m_close->setText(Texts::Get(kClose));
    m_model.Retranslate();
    UpdateState();
}

void OrderPadWindow::FollowLanguage() {
    if (Texts::Reload()) {
        Retranslate();
    }
}

void OrderPadWindow::UpdateState() {
    const int parts = m_model.rowCount();
    m_count->setText(parts == 0 ? Texts::Get(kListEmpty) : Texts::Get(kPartsInList).arg(parts));
    m_removeSelected->setEnabled(m_table->selectionModel()->hasSelection());
    m_removeAll->setEnabled(parts > 0);
}

void OrderPadWindow::ShowWindow() {
    FollowLanguage();
    if (isMinimized()) {
        showNormal();
    } else {
        show();
    }
    raise();
    activateWindow();
}

OrderPadServer::Reply OrderPadWindow::TakeDocument(const QByteArray& bytes) {
    FollowLanguage();
    const TransferDocument document = TransferDocument::Read(bytes);
    if (!document.Ok()) {
        return {veritom::orderpad::Status::Refused, 0, document.error};
    }
    QList<OrderLine> lines = document.parts;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (OrderLine& line : lines) {
        line.received = now;
    }
    const int first = m_model.rowCount();
    if (!m_model.Append(lines)) {
        return {veritom::orderpad::Status::NotSaved, 0, m_list.Error()};
    }
    const int taken = static_cast<int>(lines.size());
    m_table->selectionModel()->select(
        QItemSelection(m_model.index(first, 0),
                       m_model.index(first + taken - 1, OrderListModel::ColumnCount - 1)),
        QItemSelectionModel::ClearAndSelect);
    m_table->scrollToBottom();
    statusBar()->showMessage(Texts::Get(kPartsReceived).arg(taken).arg(document.sender),
                             kStatusMessageMs);
    return {veritom::orderpad::Status::Done, taken, {}};
}

void OrderPadWindow::RemoveSelected() {
    QList<int> rows;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows()) {
        rows.append(index.row());
    }
    if (!rows.isEmpty()) {
        m_model.Remove(rows);
    }
}

void OrderPadWindow::RemoveAll() {
    // Parts that arrive while the question is open were not seen, so they stay.
    QList<int> rows;
    for (int row = 0; row < m_model.rowCount(); ++row) {
        rows.append(row);
    }
    if (QMessageBox::question(this, Texts::Get(kWindowTitle), Texts::Get(kConfirmRemoveAll)) ==
        QMessageBox::Yes) {
        m_model.Remove(rows);
    }
}

void OrderPadWindow::ReportLoad(OrderList::LoadResult result) {
    const QString path = QDir::toNativeSeparators(m_list.Path());
    switch (result) {
        case OrderList::LoadResult::Damaged:
            ShowMessage(
                Texts::Get(kListDamaged).arg(path, QDir::toNativeSeparators(m_list.KeptAs())));
            break;
        case OrderList::LoadResult::Unreadable:
            ShowMessage(Texts::Get(kListNotRead).arg(path, m_list.Error()));
            break;
        case OrderList::LoadResult::Loaded:
        case OrderList::LoadResult::Missing:
            break;
    }
    UpdateState();
}

void OrderPadWindow::ShowMessage(const QString& text) {
    if (!m_message) {
        m_message =
            new QMessageBox(QMessageBox::Warning, QString(), QString(), QMessageBox::Ok, this);
        m_message->setObjectName(QStringLiteral("orderPadMessage"));
        m_message->setWindowModality(Qt::NonModal);
    }
    m_message->setWindowTitle(Texts::Get(kWindowTitle));
    m_message->setText(text);
    m_message->show();
}

}  // namespace orderpad
