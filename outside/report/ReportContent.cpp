#include "ReportContent.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <algorithm>

namespace report {

namespace {

const QString kGraphicsPath = QStringLiteral("GRAPHICSPATH");
const QString kWarning = QStringLiteral("WarningVAL");
const QString kVersion = QStringLiteral("SoftwareVersionVAL");
const QString kDate = QStringLiteral("ReportDateVAL");
const QString kPartNumber = QStringLiteral("PN_CompletePNVAL");
const QString kPartDescription = QStringLiteral("PN_PNDescriptionVAL");
const QString kUnitSuffix = QStringLiteral("UnitVAL");

// The order of the keys within their section, as a selection is made; keys not listed follow
// in name order.
const char* const kKeyOrder[] = {"FunctionTypeVAL",      "FlowPatternVAL",
                                 "FlowPatOptionVAL",     "BMaterialLinkText",
                                 "ApplicationTypeVAL",   "AppTypeStaticText",
                                 "App_SelMethodVAL",     "App_PortSizeVAL",
                                 "App_ControlSigVAL",    "App_FlowRateVAL",
                                 "App_FluidTempVAL",     "App_FlowFactorVAL",
                                 "App_MOPDVAL",          "App_MinOPDVAL",
                                 "App_MaxInPressureVAL", "App_MaxVolumetricFlowVAL",
                                 "CalcFlowFactorVAL",    "FluidVAL",
                                 "FluidStateVAL",        "FluidCategoryTextVAL",
                                 "Sol_OpEnvVAL",         "OpEnvStaticText",
                                 "Sol_CurrentVAL",       "Sol_VoltageVAL",
                                 "Sol_ConstructionVAL",  "SolConstStaticText",
                                 "Sol_TerminationVAL",   "TermStaticText",
                                 "Sol_EnclosureVAL",     "EncloseStaticText",
                                 "PN_CompletePNVAL",     "PN_PNDescriptionVAL",
                                 "PN_ConnectionSizeVAL", "PN_OrificeVAL",
                                 "PN_FlowFactorVAL",     "PN_MOPDVAL",
                                 "PN_MinOPDVAL",         "PN_MaxInletPressVAL",
                                 "PN_MaxFluidTempVAL",   "PN_MinFluidTempVAL",
                                 "PN_BodyMaterialVAL",   "PN_SealMaterialVAL",
                                 "PN_ConnectionTypeVAL", "PN_ActuationVAL",
                                 "PN_AcDcVAL",           "PN_WattageVAL",
                                 "PN_CoilClassVAL",      "PN_ApprovalVAL",
                                 "PN_ControlSignalVAL"};

enum Section { ValveType, Application, Fluid, Solenoid, PartNumber, Filters, Other, SectionCount };

Section SectionOf(const QString& key) {
    static const QList<QPair<QRegularExpression, Section>> rules = {
        {QRegularExpression(QStringLiteral("^(FunctionType|FlowPat|BMaterial)")), ValveType},
        {QRegularExpression(QStringLiteral("^(App|CalcFlowFactor)")), Application},
        {QRegularExpression(QStringLiteral("^Fluid")), Fluid},
        {QRegularExpression(QStringLiteral("^(Sol_|OpEnv|SolConst|Term|Enclose)")), Solenoid},
        {QRegularExpression(QStringLiteral("^PN_")), PartNumber},
        {QRegularExpression(QStringLiteral("^Filter_")), Filters},
    };
    for (const auto& [pattern, section] : rules) {
        if (pattern.match(key).hasMatch()) {
            return section;
        }
    }
    return Other;
}

int OrderOf(const QString& key) {
    static const QHash<QString, int> order = [] {
        QHash<QString, int> ranks;
        for (int i = 0; i < int(std::size(kKeyOrder)); ++i) {
            ranks.insert(QString::fromLatin1(kKeyOrder[i]), i);
        }
        return ranks;
    }();
    return order.value(key, int(std::size(kKeyOrder)));
}

// Keys meant for the reader: values, descriptions and the texts of choices; not codes,
// picture names or the ticks behind them.
bool IsShownKey(const QString& key) {
    return (key.endsWith(QStringLiteral("VAL")) || key.endsWith(QStringLiteral("StaticText")) ||
            key.endsWith(QStringLiteral("LinkText"))) &&
           !key.contains(QStringLiteral("_ChkBx_")) && key != kWarning && key != kVersion &&
           key != kDate;
}

QStringList TextsOf(const VeritomReportEntry& entry) {
    QStringList texts;
    for (int i = 0; i < entry.textCount; ++i) {
        texts.append(QString::fromUtf8(entry.texts[i]));
    }
    return texts;
}

// A labelled entry holds the label and then its values.
QString ValueOf(const QStringList& texts) {
    return texts.mid(1).join(QStringLiteral(", ")).trimmed();
}

QString PictureFile(const QString& folder, const QString& name) {
    if (folder.isEmpty() || name.isEmpty() || name.contains(QLatin1Char('/'))) {
        return {};
    }
    const QDir dir(folder);
    const QStringList candidates = {name, name + QStringLiteral(".bmp"),
                                    name + QStringLiteral(".png"), name + QStringLiteral(".jpg"),
                                    name + QStringLiteral(".gif")};
    const QStringList present = dir.entryList(QDir::Files);
    for (const QString& candidate : candidates) {
        for (const QString& file : present) {
            if (file.compare(candidate, Qt::CaseInsensitive) == 0) {
                return dir.filePath(file);
            }
        }
    }
    return {};
}

}  // namespace

bool ReportContent::IsReadable(const VeritomReportMap* map) {
    if (!map || map->entryCount < 0 || (map->entryCount > 0 && !map->entries)) {
        return false;
    }
    for (int i = 0; i < map->entryCount; ++i) {
        const VeritomReportEntry& entry = map->entries[i];
        if (!entry.key || entry.textCount < 0 || (entry.textCount > 0 && !entry.texts)) {
            return false;
        }
        for (int t = 0; t < entry.textCount; ++t) {
            if (!entry.texts[t]) {
                return false;
            }
        }
    }
    return true;
}

QString ReportContent::ProductName(const QString& registryKeyPath) {
    const QStringList names =
        registryKeyPath.split(QRegularExpression(QStringLiteral("[\\\\/]")), Qt::SkipEmptyParts);
    const qsizetype family = names.indexOf(QStringLiteral("Veritom"));
    if (family < 0 || family + 1 >= names.size()) {
        return {};
    }
    return names[family] + QLatin1Char(' ') + names[family + 1];
}

ReportContent ReportContent::FromMap(const VeritomReportMap& map, const QString& registryKeyPath,
                                     const QString& title) {
    ReportContent content;
    content.productName = ProductName(registryKeyPath);
    content.title = title;

    QHash<QString, QStringList> entries;
    for (int i = 0; i < map.entryCount; ++i) {
        entries.insert(QString::fromUtf8(map.entries[i].key), TextsOf(map.entries[i]));
    }
    const auto single = [&](const QString& key) { return entries.value(key).value(0).trimmed(); };
    content.graphicsPath = single(kGraphicsPath);
    content.warning = single(kWarning);
    content.version = single(kVersion);
    content.date = single(kDate);

    QHash<QString, ReportRow> rows;
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        const QString& key = it.key();
        const QStringList& texts = it.value();
        if (!IsShownKey(key) || texts.size() < 2 || texts[0].trimmed().isEmpty() ||
            ValueOf(texts).isEmpty()) {
            continue;
        }
        rows.insert(key, {key, texts[0].trimmed(), ValueOf(texts)});
    }
    // A quantity's unit joins its value: "100" and "psig" read "100 psig".
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        const QString& key = it.key();
        if (!key.endsWith(kUnitSuffix) || it.value().isEmpty()) {
            continue;
        }
        const QString valueKey = key.chopped(kUnitSuffix.size()) + QStringLiteral("VAL");
        if (auto value = rows.find(valueKey); value != rows.end()) {
            const QString unit = it.value().constLast().trimmed();
            if (!unit.isEmpty()) {
                value->value += QLatin1Char(' ') + unit;
            }
            rows.remove(key);
        }
    }
    content.partNumber = rows.value(kPartNumber).value;
    content.partDescription = rows.value(kPartDescription).value;

    QList<ReportRow> sections[SectionCount];
    for (const ReportRow& row : rows) {
        sections[SectionOf(row.key)].append(row);
    }
    for (QList<ReportRow>& section : sections) {
        std::sort(section.begin(), section.end(), [](const ReportRow& a, const ReportRow& b) {
            const int orderA = OrderOf(a.key);
            const int orderB = OrderOf(b.key);
            return orderA != orderB ? orderA < orderB : a.key < b.key;
        });
        if (!section.isEmpty()) {
            content.sections.append(section);
        }
    }

    QStringList pictureKeys;
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        if (it.key().endsWith(QStringLiteral("Pic")) && !it.value().isEmpty()) {
            pictureKeys.append(it.key());
        }
    }
    std::sort(pictureKeys.begin(), pictureKeys.end(), [](const QString& a, const QString& b) {
        return SectionOf(a) != SectionOf(b) ? SectionOf(a) < SectionOf(b) : a < b;
    });
    for (const QString& key : pictureKeys) {
        const QStringList& texts = entries[key];
        const QString file = PictureFile(content.graphicsPath, texts.constLast().trimmed());
        QImage image;
        if (!file.isEmpty() && image.load(file)) {
            content.pictures.append({texts.size() >= 2 ? texts[0].trimmed() : QString(), image});
        }
    }
    return content;
}

}  // namespace report
