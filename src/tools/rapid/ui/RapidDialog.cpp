#include "tools/rapid/ui/RapidDialog.h"

#include <algorithm>

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QVBoxLayout>

#include "base/DialogResult.h"
#include "base/MessageSink.h"
#include "base/StringTable.h"
#include "data/DataStrings.h"
#include "data/InformationPages.h"
#include "data/ui/DialogExec.h"
#include "data/ui/Lead.h"
#include "tools/ToolStrings.h"
#include "units/TabStops.h"
#include "units/ui/TabComboBox.h"
#include "units/ui/TabbedText.h"

namespace veritom {

namespace {

constexpr int kColumns = 2;
constexpr QSize kPictureSize(200, 130);
constexpr int kIconSize = 16;
constexpr int kListWidth = 380;
// The code column of a segment's lines, in dialog units: room for a code of seven characters.
const std::vector<int> kCodeTabStop = {32};

using State = CRapidSelection::SegmentState;

QString Text(int id) {
    return QString::fromStdString(LoadString(id));
}

QPushButton* MakeButton(int textId, const char* name, QWidget* parent) {
    auto* button = new QPushButton(Text(textId), parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

// Segments 0-2, 6-8 and 12-14 open their drop-down at the list's own width, the others at
// twice it.
int WidthModeOf(int segment) {
    return segment % 6 < 3 ? 1 : 2;
}

// A closed list wide enough for its widest line (a coil housing, for one, names construction
// and enclosure together), so the line chosen shows whole; the grid's column and the dialog
// widen with it.
void WidenToLines(CTabComboBox& list) {
    CTabStops stops;
    stops.Set(kCodeTabStop);
    int widest = 0;
    for (int row = 0; row < list.count(); ++row) {
        widest = std::max(widest, TabbedTextWidth(list.fontMetrics(), list.itemText(row), stops));
    }
    QStyleOptionComboBox option;
    option.initFrom(&list);
    const QSize content(widest + list.fontMetrics().averageCharWidth(), list.height());
    const int needed =
        list.style()->sizeFromContents(QStyle::CT_ComboBox, &option, content, &list).width();
    list.setMinimumWidth(std::max(list.minimumWidth(), needed));
}

}  // namespace

CRapid2::CRapid2(const CDialogContext& context, const COrderPadTarget& orderPad,
                 std::string seriesLink, const QImage& stateIcons, QWidget* parent)
    : QDialog(parent),
      m_context(context),
      m_orderPad(orderPad),
      m_rapid(context.database, std::move(seriesLink)),
      m_stateIcons(stateIcons) {
    setObjectName(QStringLiteral("rapidDialog"));
    setWindowTitle(Text(ids::kRapidTitle));
    BuildControls();
    Initialize();
}

void CRapid2::BuildControls() {
    auto* types = new QGroupBox(Text(ids::kRapidBuildGroup), this);
    auto* typeLayout = new QVBoxLayout(types);
    m_typeGroup = new QButtonGroup(this);
    const int typeTexts[] = {0, ids::kRapidBuildComplete, ids::kRapidBuildValve,
                             ids::kRapidBuildSolenoid};
    const char* typeNames[] = {"", "buildComplete", "buildValve", "buildSolenoid"};
    for (int type = CRapidSelection::kComplete; type <= CRapidSelection::kSolenoidOnly; ++type) {
        m_types[static_cast<std::size_t>(type)] = new QRadioButton(Text(typeTexts[type]), types);
        m_types[static_cast<std::size_t>(type)]->setObjectName(QLatin1String(typeNames[type]));
        m_typeGroup->addButton(m_types[static_cast<std::size_t>(type)], type);
        typeLayout->addWidget(m_types[static_cast<std::size_t>(type)]);
    }
    m_picture = new CLead(this);
    m_picture->setObjectName(QStringLiteral("buildTypePicture"));
    m_picture->setFixedSize(kPictureSize);
    auto* top = new QHBoxLayout;
    top->addWidget(types, 1);
    top->addWidget(m_picture);

    m_partNumber = new QLabel(this);
    m_partNumber->setObjectName(QStringLiteral("partNumberDisplay"));
    QFont large = m_partNumber->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 1.4);
    m_partNumber->setFont(large);
    m_partNumber->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_description = new QLabel(this);
    m_description->setObjectName(QStringLiteral("descriptionDisplay"));
    m_description->setWordWrap(true);
    m_description->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                           Qt::TextSelectableByKeyboard);
    m_description->setMinimumHeight(m_description->fontMetrics().lineSpacing() * 3);
    m_description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* result = new QGridLayout;
    result->addWidget(new QLabel(Text(ids::kRapidPartNumberLabel), this), 0, 0);
    result->addWidget(m_partNumber, 0, 1);
    result->addWidget(new QLabel(Text(ids::kRapidDescriptionLabel), this), 1, 0,
                      Qt::AlignLeft | Qt::AlignTop);
    result->addWidget(m_description, 1, 1);
    result->setColumnStretch(1, 1);

    auto* main = new QVBoxLayout;
    main->addLayout(top);
    main->addWidget(BuildSegmentGrid(), 1);
    main->addLayout(result);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(main, 1);
    layout->addWidget(BuildButtonColumn());

    // Tab goes through the build types, the segments in order, the part number and the buttons.
    QWidget* previous = m_types[CRapidSelection::kSolenoidOnly];
    for (QWidget* next : m_lists) {
        setTabOrder(previous, next);
        previous = next;
    }
    setTabOrder(previous, m_partNumber);
    setTabOrder(m_partNumber, m_description);
    setTabOrder(m_description, m_add);

    connect(m_typeGroup, &QButtonGroup::idToggled, this, [this](int type, bool checked) {
        if (checked) {
            // Queued: the new type's segments are read from the database.
            QMetaObject::invokeMethod(
                this, [this, type] { OnBuildTypeChosen(type); }, Qt::QueuedConnection);
        }
    });
}

QWidget* CRapid2::BuildSegmentGrid() {
    auto* group = new QGroupBox(Text(ids::kRapidSegmentsGroup), this);
    auto* grid = new QGridLayout(group);
    for (int k = 0; k < kRapidSegmentCount; ++k) {
        const auto index = static_cast<std::size_t>(k);
        auto* heading = new QLabel(group);
        heading->setObjectName(QStringLiteral("segmentHeading%1").arg(k));
        heading->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        auto* icon = new QLabel(group);
        icon->setObjectName(QStringLiteral("segmentIcon%1").arg(k));
        icon->setFixedSize(kIconSize, kIconSize);
        auto* list = new CTabComboBox(group);
        list->setObjectName(QStringLiteral("segmentList%1").arg(k));
        list->SetTabStops(kCodeTabStop);
        list->SetWidthMode(WidthModeOf(k));
        list->setMinimumWidth(kListWidth);
        list->installEventFilter(this);
        heading->setBuddy(list);
        auto* top = new QHBoxLayout;
        top->setSpacing(4);
        top->addWidget(icon, 0, Qt::AlignBottom);
        top->addWidget(heading, 1);
        const int row = (k / kColumns) * 2;
        grid->addLayout(top, row, k % kColumns);
        grid->addWidget(list, row + 1, k % kColumns);
        m_headings[index] = heading;
        m_icons[index] = icon;
        m_lists[index] = list;
        // Only a line the user confirmed counts; queued, since it reads the database.
        connect(list, &QComboBox::activated, this, [this, k](int line) {
            QMetaObject::invokeMethod(
                this, [this, k, line] { OnLineChosen(k, line); }, Qt::QueuedConnection);
        });
    }
    return group;
}

QWidget* CRapid2::BuildButtonColumn() {
    auto* column = new QWidget(this);
    m_add = MakeButton(ids::kButtonAddToOrderPad, "addToOrderPadButton", column);
    m_done = MakeButton(ids::kButtonDone, "doneButton", column);
    m_back = MakeButton(ids::kButtonBack, "backButton", column);
    QPushButton* reference = MakeButton(ids::kButtonReference, "referenceButton", column);
    QPushButton* help = MakeButton(ids::kButtonHelp, "helpButton", column);
    // No default button: Enter in a segment's list must not end the dialog.
    for (QPushButton* button : {m_add, m_done, m_back, reference, help}) {
        button->setAutoDefault(false);
    }
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_add);
    layout->addSpacing(12);
    layout->addWidget(m_done);
    layout->addWidget(m_back);
    layout->addSpacing(12);
    layout->addWidget(reference);
    layout->addWidget(help);
    layout->addStretch();

    connect(m_add, &QPushButton::clicked, this, &CRapid2::OnAddToOrderPad);
    connect(m_done, &QPushButton::clicked, this, [this] { done(IDOK); });
    connect(m_back, &QPushButton::clicked, this, &QDialog::reject);
    CInformationPages& pages = m_context.pages;
    connect(
        reference, &QPushButton::clicked, this, [&pages] { pages.ShowReferencePage(); },
        Qt::QueuedConnection);
    connect(
        help, &QPushButton::clicked, this, [&pages] { pages.ShowDialogHelp(kTemplateId); },
        Qt::QueuedConnection);
    return column;
}

void CRapid2::Initialize() {
    const CWaitCursor wait;
    const CRapidSelection::Step first = m_rapid.Load();
    if (const auto notice = m_rapid.SkippedFieldsNotice()) {
        MessageBox(*notice, MsgButtons::Ok, MsgIcon::Warning);
    }
    for (int type = CRapidSelection::kComplete; type <= CRapidSelection::kSolenoidOnly; ++type) {
        m_types[static_cast<std::size_t>(type)]->setEnabled(m_rapid.IsBuildTypeAvailable(type));
    }
    ShowSegments();
    ShowPartNumber();
    if (m_rapid.GetBuildType() == CRapidSelection::kNoBuildType) {
        m_done->setEnabled(false);
        Messages().Beep();
        return;
    }
    {
        const QSignalBlocker blocker(m_typeGroup);
        m_types[static_cast<std::size_t>(m_rapid.GetBuildType())]->setChecked(true);
    }
    ShowPicture();
    Post(first);
}

void CRapid2::Post(CRapidSelection::Step step) {
    if (step.kind == CRapidSelection::Step::Kind::Nothing) {
        return;
    }
    QMetaObject::invokeMethod(
        this,
        [this, step, generation = m_generation] {
            if (generation == m_generation) {
                RunStep(step);
            }
        },
        Qt::QueuedConnection);
}

void CRapid2::RunStep(CRapidSelection::Step step) {
    using Kind = CRapidSelection::Step::Kind;
    switch (step.kind) {
        case Kind::Fill: {
            const CRapidSelection::Step next = m_rapid.Fill(step.segment);
            SyncLists();
            ShowPartNumber();
            if (next.kind == Kind::AwaitChoice) {
                AwaitChoice(next.segment);
            } else {
                Post(next);
            }
            break;
        }
        case Kind::Build:
            m_rapid.BuildPartNumber();
            ShowPartNumber();
            break;
        case Kind::AwaitChoice:
            AwaitChoice(step.segment);
            break;
        case Kind::Nothing:
            break;
    }
}

void CRapid2::AwaitChoice(int segment) {
    CTabComboBox* list = m_lists[static_cast<std::size_t>(segment)];
    for (int k = 0; k < kRapidSegmentCount; ++k) {
        Emphasize(k, k == segment);
    }
    list->setFocus(Qt::OtherFocusReason);
    if (isVisible()) {
        list->showPopup();
        // The first line is highlighted, so Enter takes it and the arrow keys move from it.
        list->view()->setCurrentIndex(list->model()->index(0, 0));
    }
}

void CRapid2::OnBuildTypeChosen(int type) {
    const CRapidSelection::Step first = m_rapid.SetBuildType(type);
    if (first.kind == CRapidSelection::Step::Kind::Nothing) {
        return;
    }
    ++m_generation;
    ShowSegments();
    SyncLists();
    ShowPicture();
    ShowPartNumber();
    Post(first);
}

void CRapid2::OnLineChosen(int segment, int line) {
    const CRapidSelection::Step next = m_rapid.Choose(segment, line);
    if (next.kind == CRapidSelection::Step::Kind::Nothing) {
        return;
    }
    ++m_generation;
    SyncLists();
    ShowPartNumber();
    Post(next);
}

void CRapid2::OnAddToOrderPad() {
    AddToolPartToOrderPad(m_orderPad, m_rapid.OrderLine());
}

void CRapid2::ShowSegments() {
    for (int k = 0; k < kRapidSegmentCount; ++k) {
        const auto index = static_cast<std::size_t>(k);
        const CRapidSegment& segment = m_rapid.Segment(k);
        const QString heading = QString::fromStdString(segment.heading);
        m_headings[index]->setText(heading);
        // Room for the heading in bold with its frame, so emphasizing it never clips it.
        QFont bold = m_headings[index]->font();
        bold.setBold(true);
        m_headings[index]->setMinimumWidth(QFontMetrics(bold).horizontalAdvance(heading) + 6);
        m_headings[index]->setVisible(segment.IsUsed());
        m_lists[index]->setVisible(segment.IsUsed());
        m_icons[index]->setVisible(segment.IsUsed());
        m_headings[index]->setEnabled(segment.IsActive());
        m_lists[index]->setEnabled(segment.IsActive());
        Emphasize(k, false);
    }
}

void CRapid2::SyncLists() {
    for (int k = 0; k < kRapidSegmentCount; ++k) {
        SyncList(k);
    }
}

void CRapid2::SyncList(int segment) {
    const auto index = static_cast<std::size_t>(segment);
    CTabComboBox* list = m_lists[index];
    QStringList lines;
    for (const CRapidLine& line : m_rapid.Lines(segment)) {
        lines << QString::fromStdString(line.code + '\t' + line.text);
    }
    const QSignalBlocker blocker(list);
    bool same = list->count() == lines.size();
    for (int row = 0; same && row < list->count(); ++row) {
        same = list->itemText(row) == lines[row];
    }
    if (!same) {
        list->Clear();
        for (const QString& line : lines) {
            list->AddString(line.toStdString());
        }
        WidenToLines(*list);
    }
    list->setCurrentIndex(m_rapid.Selected(segment));
    // The whole line, for a text longer than the closed list shows.
    list->setToolTip(list->currentIndex() >= 0
                         ? list->currentText().replace(QLatin1Char('\t'), QStringLiteral("  "))
                         : QString());
    m_icons[index]->setPixmap(StateIcon(m_rapid.State(segment)));
}

QPixmap CRapid2::StateIcon(CRapidSelection::SegmentState state) const {
    int picture = -1;
    switch (state) {
        case State::Pending:
            picture = 0;
            break;
        case State::Chosen:
            picture = 1;
            break;
        case State::AwaitingChoice:
            picture = 2;
            break;
        case State::Hidden:
        case State::Disabled:
            break;
    }
    if (picture < 0 || m_stateIcons.isNull()) {
        return QPixmap();
    }
    // White is the pictures' transparent colour.
    QPixmap icon =
        QPixmap::fromImage(m_stateIcons.copy(picture * kIconSize, 0, kIconSize, kIconSize));
    icon.setMask(icon.createMaskFromColor(Qt::white));
    return icon;
}

void CRapid2::ShowPicture() {
    if (const auto bytes = m_rapid.GetBuildTypePicture()) {
        m_picture->LoadMemory(bytes->data(), bytes->size());
    }
}

void CRapid2::ShowPartNumber() {
    m_partNumber->setText(QString::fromStdString(m_rapid.PartNumber()));
    m_description->setText(QString::fromStdString(m_rapid.Description()));
    m_add->setEnabled(m_rapid.CanAddToOrderPad());
}

void CRapid2::Emphasize(int segment, bool on) {
    QLabel* heading = m_headings[static_cast<std::size_t>(segment)];
    QFont font = heading->font();
    font.setBold(on);
    heading->setFont(font);
    heading->setFrameStyle(on ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
}

bool CRapid2::eventFilter(QObject* watched, QEvent* event) {
    const bool focusIn = event->type() == QEvent::FocusIn;
    // The list's own drop-down taking the focus keeps the heading emphasized.
    if (focusIn || (event->type() == QEvent::FocusOut &&
                    static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)) {
        for (int k = 0; k < kRapidSegmentCount; ++k) {
            if (watched == m_lists[static_cast<std::size_t>(k)]) {
                Emphasize(k, focusIn);
            } else if (focusIn) {
                Emphasize(k, false);
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

int CRapid2::Run() {
    return ExecDialog(*this);
}

}  // namespace veritom
