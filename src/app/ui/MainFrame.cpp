#include "app/ui/MainFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <algorithm>

#include "app/AppConfiguration.h"
#include "app/AppStrings.h"
#include "app/CommandIds.h"
#include "app/VeritomObject.h"
#include "app/ui/CommandRouter.h"
#include "app/ui/DocumentCommands.h"
#include "app/ui/VeritomApp.h"
#include "app/ui/VeritomView.h"
#include "base/MessageSink.h"
#include "base/StringTable.h"

namespace veritom {

namespace {

constexpr int kMinimumWidth = 640;
constexpr int kMinimumHeight = 480;
constexpr QSize kInitialSize(800, 600);

QString Text(int id) {
    return QString::fromStdString(LoadString(id));
}

QString ActionName(const char* prefix, int commandId) {
    return QLatin1String(prefix) + QString::number(commandId);
}

bool IsCheckable(int commandId) {
    return commandId == cmd::kViewToolbar || commandId == cmd::kViewStatusBar ||
           commandId == cmd::kViewSelectionCompleteOptions ||
           (commandId >= cmd::kLanguageFirst && commandId <= cmd::kLanguageLast);
}

QKeySequence ShortcutOf(int commandId) {
    switch (commandId) {
        case cmd::kFileNew:
            return QKeySequence::New;
        case cmd::kFileOpen:
            return QKeySequence::Open;
        case cmd::kFileSave:
            return QKeySequence::Save;
        case cmd::kFilePrintSelection:
            return QKeySequence::Print;
        default:
            break;
    }
    return {};
}

// A toolbar button shows the menu text without its mnemonic and ellipsis.
QString ToolTipOf(int textId) {
    QString text = Text(textId);
    text.remove(QLatin1Char('&'));
    if (text.endsWith(QStringLiteral("..."))) {
        text.chop(3);
    }
    return text;
}

}  // namespace

CMainFrame::CMainFrame(CVeritomApp& app, std::unique_ptr<CVeritomView> view)
    : m_app(app), m_view(view.release()) {
    setObjectName(QStringLiteral("mainFrame"));
    setCentralWidget(m_view);
    setMinimumSize(kMinimumWidth, kMinimumHeight - style()->pixelMetric(QStyle::PM_TitleBarHeight));
    BuildMenuBar();
    BuildToolBar();
    BuildStatusBar();

    // F1 and the other help requests show the help contents of the selection object.
    auto* help = new QAction(this);
    help->setShortcut(QKeySequence::HelpContents);
    connect(help, &QAction::triggered, this, [this] { m_app.SendCommand(cmd::kHelp); });
    addAction(help);
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::SetTitles(const std::string& frameTitle, const std::string& documentTitle) {
    if (!frameTitle.empty()) {
        m_frameTitle = frameTitle;
    }
    const std::string title =
        m_frameTitle.empty() ? documentTitle : m_frameTitle + " - " + documentTitle;
    setWindowTitle(QString::fromStdString(title));
}

QAction* CMainFrame::CreateCommandAction(int textId, int commandId, QObject* parent) {
    return CreateCommandAction(Text(textId), commandId, parent);
}

QAction* CMainFrame::CreateCommandAction(const QString& text, int commandId, QObject* parent) {
    auto* action = new QAction(text, parent);
    action->setObjectName(ActionName("command", commandId));
    action->setData(commandId);
    action->setCheckable(IsCheckable(commandId));
    if (commandId == 0) {
        action->setEnabled(false);
    } else {
        connect(action, &QAction::triggered, this,
                [this, commandId] { m_app.SendCommand(commandId); });
    }
    return action;
}

QMenu* CMainFrame::BuildMenu(const CMenuItem& popup, QWidget* parent) {
    auto* menu = new QMenu(Text(popup.textId), parent);
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        for (QAction* action : menu->actions()) {
            UpdateAction(action);
        }
    });
    for (const CMenuItem& item : popup.items) {
        switch (item.kind) {
            case CMenuItem::Kind::Separator:
                menu->addSeparator();
                break;
            case CMenuItem::Kind::Popup:
                menu->addMenu(BuildMenu(item, menu));
                break;
            case CMenuItem::Kind::RecentFiles:
                m_fileMenu = menu;
                m_recentPlaceholder = CreateCommandAction(item.textId, 0, menu);
                menu->addAction(m_recentPlaceholder);
                break;
            case CMenuItem::Kind::Command: {
                QAction* action = CreateCommandAction(item.textId, item.commandId, menu);
                action->setShortcut(ShortcutOf(item.commandId));
                menu->addAction(action);
                break;
            }
        }
    }
    return menu;
}

void CMainFrame::BuildMenuBar() {
    m_recentActions.clear();
    m_recentPlaceholder = nullptr;
    m_fileMenu = nullptr;
    for (const CMenuItem& popup : MainMenuResource()) {
        QMenu* menu = BuildMenu(popup, menuBar());
        menuBar()->addMenu(menu);
        m_menus.push_back(menu);
    }
    for (int commandId : m_removedCommands) {
        while (QAction* action = MenuAction(commandId)) {
            delete action;
        }
    }
    for (const CUserMenuItem& item : m_app.GetUserMenuItems()) {
        InsertUserMenuItem(item);
    }
    FillLanguageMenu();
    UpdateRecentFiles();
}

void CMainFrame::FillLanguageMenu() {
    QMenu* view = TopMenu(menu::kView);
    const QList<QAction*> viewItems = view ? view->actions() : QList<QAction*>();
    if (viewItems.size() <= menu::kViewLanguagePosition ||
        !viewItems[menu::kViewLanguagePosition]->menu()) {
        return;
    }
    QMenu* languages = viewItems[menu::kViewLanguagePosition]->menu();
    languages->setObjectName(QStringLiteral("languageMenu"));
    const auto& table = m_app.GetLanguages();
    const int count =
        std::min(static_cast<int>(table.size()), cmd::kLanguageLast - cmd::kLanguageFirst + 1);
    for (int i = 0; i < count; ++i) {
        QAction* action = CreateCommandAction(QString::fromStdString(CAppConfiguration::DisplayName(
                                                  table[static_cast<std::size_t>(i)])),
                                              cmd::kLanguageFirst + i, languages);
        action->setChecked(i == m_app.GetCurrentLanguageIndex());
        languages->addAction(action);
    }
    delete languages->actions().value(0);
}

void CMainFrame::RebuildMenus() {
    menuBar()->clear();
    for (QMenu* menu : m_menus) {
        delete menu;
    }
    m_menus.clear();
    BuildMenuBar();
    qDeleteAll(m_toolBar->actions());
    m_toolBar->setWindowTitle(Text(ids::kToolbarTitle));
    FillToolBar();
    statusBar()->showMessage(Text(ids::kStatusReady));
    UpdateCommandUI();
}

QMenu* CMainFrame::TopMenu(int index) const {
    return index >= 0 && index < static_cast<int>(m_menus.size())
               ? m_menus[static_cast<std::size_t>(index)]
               : nullptr;
}

QAction* CMainFrame::MenuAction(int commandId) const {
    return menuBar()->findChild<QAction*>(ActionName("command", commandId));
}

void CMainFrame::InsertUserMenuItem(const CUserMenuItem& item) {
    QMenu* menu = TopMenu(item.submenu);
    if (!menu) {
        return;
    }
    const QList<QAction*> actions = menu->actions();
    QAction* before =
        item.position >= 0 && item.position < actions.size() ? actions[item.position] : nullptr;
    menu->insertAction(before, CreateCommandAction(item.textId, item.commandId, menu));
}

bool CMainFrame::RemoveMenuCommand(int commandId) {
    if (std::find(m_removedCommands.begin(), m_removedCommands.end(), commandId) ==
        m_removedCommands.end()) {
        m_removedCommands.push_back(commandId);
    }
    bool removed = false;
    while (QAction* action = MenuAction(commandId)) {
        delete action;
        removed = true;
    }
    return removed;
}

void CMainFrame::UpdateRecentFiles() {
    if (!m_fileMenu || !m_recentPlaceholder) {
        return;
    }
    for (QAction* action : m_recentActions) {
        delete action;
    }
    m_recentActions.clear();
    const auto& entries = m_app.Documents().GetRecentFiles().Entries();
    for (std::size_t i = 0; i < entries.size() && i < cmd::kFileMruCount; ++i) {
        const int index = static_cast<int>(i);
        QAction* action = CreateCommandAction(
            QString::fromStdString(CRecentFileList::MenuText(index, entries[i])),
            cmd::kFileMruFirst + index, m_fileMenu);
        action->setStatusTip(QString::fromStdString(entries[i]));
        m_fileMenu->insertAction(m_recentPlaceholder, action);
        m_recentActions.push_back(action);
    }
    m_recentPlaceholder->setVisible(m_recentActions.empty());
}

void CMainFrame::BuildToolBar() {
    m_toolBar = new QToolBar(Text(ids::kToolbarTitle), this);
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setMovable(false);
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    FillToolBar();
}

void CMainFrame::FillToolBar() {
    struct Button {
        int commandId;
        int textId;
        QStyle::StandardPixmap icon;
    };
    static constexpr Button kButtons[] = {
        {cmd::kFileNew, ids::kMenuNew, QStyle::SP_FileIcon},
        {cmd::kFileOpen, ids::kMenuOpen, QStyle::SP_DialogOpenButton},
        {cmd::kFileSave, ids::kMenuSave, QStyle::SP_DialogSaveButton},
        {0, 0, QStyle::SP_CustomBase},
        {cmd::kFilePrintSelection, ids::kMenuPrint, QStyle::SP_FileDialogDetailedView},
        {cmd::kViewSelectionReport, ids::kMenuSelectionReport, QStyle::SP_FileDialogContentsView},
        {0, 0, QStyle::SP_CustomBase},
        {cmd::kHelpContents, ids::kMenuHelpContents, QStyle::SP_DialogHelpButton},
        {cmd::kAppAbout, ids::kMenuAbout, QStyle::SP_MessageBoxInformation},
    };
    for (const Button& button : kButtons) {
        if (button.commandId == 0) {
            m_toolBar->addSeparator();
            continue;
        }
        QAction* action =
            CreateCommandAction(ToolTipOf(button.textId), button.commandId, m_toolBar);
        action->setObjectName(ActionName("toolbar", button.commandId));
        action->setIcon(style()->standardIcon(button.icon));
        m_toolBar->addAction(action);
    }
}

void CMainFrame::BuildStatusBar() {
    statusBar()->setObjectName(QStringLiteral("statusBar"));
    statusBar()->showMessage(Text(ids::kStatusReady));
}

void CMainFrame::UpdateAction(QAction* action) {
    const int commandId = action->data().toInt();
    if (commandId == 0) {
        return;
    }
    CCmdUI cmdUI;
    if (!OnUpdateFrameCommand(commandId, cmdUI) &&
        !m_app.Router().OnUpdateCommand(commandId, cmdUI)) {
        return;
    }
    action->setEnabled(cmdUI.enabled);
    if (action->isCheckable()) {
        action->setChecked(cmdUI.checked);
    }
}

void CMainFrame::UpdateCommandUI() {
    for (QAction* action : menuBar()->findChildren<QAction*>()) {
        UpdateAction(action);
    }
    for (QAction* action : m_toolBar->actions()) {
        UpdateAction(action);
    }
}

bool CMainFrame::OnUpdateFrameCommand(int commandId, CCmdUI& cmdUI) const {
    switch (commandId) {
        case cmd::kViewToolbar:
            cmdUI.SetCheck(m_toolBar && m_toolBar->isVisible());
            return true;
        case cmd::kViewStatusBar:
            cmdUI.SetCheck(statusBar()->isVisible());
            return true;
        default:
            break;
    }
    return false;
}

bool CMainFrame::OnCmdMsg(int commandId) {
    if (m_view && m_view->OnCommand(commandId)) {
        return true;
    }
    switch (commandId) {
        case cmd::kViewToolbar:
            m_toolBar->setVisible(!m_toolBar->isVisible());
            return true;
        case cmd::kViewStatusBar:
            statusBar()->setVisible(!statusBar()->isVisible());
            return true;
        case cmd::kAppExit:
            close();
            return true;
        case cmd::kHelp:
            if (CVeritomObject* object = m_app.GetSelectionObject()) {
                object->OnInfoCommand(InfoCommand::HelpContents);
            }
            return true;
        default:
            break;
    }
    return false;
}

void CMainFrame::AfterCommand() {
    UpdateCommandUI();
    if (isActiveWindow() && m_view) {
        m_view->StopBlinking();
        m_view->StartBlinking();
        m_view->Invalidate();
    }
}

void CMainFrame::ShowCentred() {
    if (!m_centred) {
        resize(kInitialSize.expandedTo(minimumSize()));
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame(QPoint(0, 0), size());
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
        m_centred = true;
    }
    show();
    activateWindow();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    CVeritomObject* object = m_app.GetSelectionObject();
    if (object && object->IsDirty()) {
        const MsgAnswer answer =
            MessageBox(LoadString(ids::kSaveSelection), MsgButtons::YesNoCancel, MsgIcon::Question);
        // Cancel, or a save that did not happen, keeps the window and the selection.
        if (answer == MsgAnswer::Cancel ||
            (answer == MsgAnswer::Yes && !m_app.Documents().OnFileSave())) {
            event->ignore();
            return;
        }
    }
    if (m_view) {
        m_view->StopBlinking();
    }
    event->accept();
    // The program ends with its main window, even while a help window is still open.
    QCoreApplication::quit();
}

void CMainFrame::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && m_view) {
        if (isActiveWindow()) {
            m_view->StartBlinking();
        } else {
            m_view->StopBlinking();
        }
    }
    QMainWindow::changeEvent(event);
}

}  // namespace veritom
