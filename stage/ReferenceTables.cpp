#include "ReferenceTables.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <stdexcept>

namespace veritom::stage {

namespace {

using Row = std::vector<std::string>;

const char* const kMopdColumns[] = {"MOPD_GAS_AC", "MOPD_LIQ_AC", "MOPD_OIL_AC",
                                    "MOPD_GAS_DC", "MOPD_LIQ_DC", "MOPD_OIL_DC"};

double ToNumber(const std::string& text) {
    return text.empty() ? 0.0 : std::stod(text);
}

std::string Celsius(const std::string& fahrenheit) {
    return std::to_string(std::lround((ToNumber(fahrenheit) - 32) * 5 / 9));
}

std::vector<std::string> Split(const std::string& list) {
    std::vector<std::string> items;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = list.find(',', start);
        items.push_back(list.substr(start, comma - start));
        if (comma == std::string::npos) {
            return items;
        }
        start = comma + 1;
    }
}

}  // namespace

CReferenceTables::CReferenceTables(CCatalogue& catalogue,
                                   const std::map<std::string, std::string>& labels)
    : m_catalogue(catalogue), m_labels(labels) {}

const std::string& CReferenceTables::Label(const std::string& key) const {
    const auto it = m_labels.find(key);
    if (it == m_labels.end()) {
        throw std::runtime_error("no @label " + key);
    }
    return it->second;
}

std::string CReferenceTables::Decimal(std::string number) const {
    if (m_catalogue.Language() == "DE") {
        std::replace(number.begin(), number.end(), '.', ',');
    }
    return number;
}

std::string CReferenceTables::Temperatures(const std::string& minF, const std::string& maxF) const {
    const std::string& to = Label("to");
    return minF + " " + to + " " + maxF + " \u00B0F (" + Celsius(minF) + " " + to + " " +
           Celsius(maxF) + " \u00B0C)";
}

std::string CReferenceTables::Joined(const std::vector<std::string>& texts,
                                     const char* separator) const {
    std::string out;
    for (const std::string& text : texts) {
        out += (out.empty() ? "" : separator) + text;
    }
    return out;
}

std::string CReferenceTables::PortText(const std::string& link) {
    return m_catalogue.Text("PortSize", "ConSizeLink", link, "ConSizeLinkText");
}

std::string CReferenceTables::PortByOrder(const std::string& order) {
    return m_catalogue.Text("PortSize", "ConSizeOrder", order, "ConSizeLinkText");
}

std::string CReferenceTables::Triple(const Row& row, const std::string& current) {
    const CCatalogueTable& sizes = m_catalogue.Table("SeriesSize");
    std::string out;
    for (const char* state : {"GAS", "LIQ", "OIL"}) {
        const std::string& value = sizes.Get(row, std::string("MOPD_") + state + "_" + current, "");
        out += (out.empty() ? "" : " / ") + (value == "0" ? Label("not-rated") : value);
    }
    return out;
}

std::string CReferenceTables::Watts(const std::string& family, const std::string& powerClass,
                                    const std::string& current) {
    const CCatalogueTable& power = m_catalogue.Table("CoilPower");
    for (const Row& row : power.Where("CoilFamily", family)) {
        if (power.Get(row, "PowerClass", "") == powerClass &&
            power.Get(row, "AcDcLink", "") == current) {
            return power.Get(row, "WattageText", m_catalogue.Language());
        }
    }
    return Label("not-rated");
}

// The span of a series' ports ("1/8\" – 1/4\""), flow factors, or the highest inlet pressure
// or pressure differential over its sizes.
std::string CReferenceTables::SeriesRange(const std::string& series, const std::string& what) {
    const CCatalogueTable& sizes = m_catalogue.Table("SeriesSize");
    const CCatalogueTable& ports = m_catalogue.Table("PortSize");
    const std::vector<Row> rows = sizes.Where("SeriesLink", series);
    if (rows.empty()) {
        return Label("not-rated");
    }
    const auto span = [](const std::string& low, const std::string& high) {
        return low == high ? low : low + " \u2013 " + high;
    };
    if (what == "ports") {
        const auto order = [&](const Row& row) {
            return ToNumber(ports.Get(ports.Find("ConSizeLink", sizes.Get(row, "ConSizeLink", "")),
                                      "ConSizeOrder", ""));
        };
        const auto [low, high] =
            std::minmax_element(rows.begin(), rows.end(),
                                [&](const Row& a, const Row& b) { return order(a) < order(b); });
        return span(PortText(sizes.Get(*low, "ConSizeLink", "")),
                    PortText(sizes.Get(*high, "ConSizeLink", "")));
    }
    if (what == "cv") {
        const auto value = [&](const Row& row) { return ToNumber(sizes.Get(row, "Cv", "")); };
        const auto [low, high] =
            std::minmax_element(rows.begin(), rows.end(),
                                [&](const Row& a, const Row& b) { return value(a) < value(b); });
        return Decimal(span(sizes.Get(*low, "Cv", ""), sizes.Get(*high, "Cv", "")));
    }
    double highest = 0;
    for (const Row& row : rows) {
        if (what == "max-inlet") {
            highest = std::max(highest, ToNumber(sizes.Get(row, "MaxInPress", "")));
        } else {
            for (const char* column : kMopdColumns) {
                highest = std::max(highest, ToNumber(sizes.Get(row, column, "")));
            }
        }
    }
    return std::to_string(std::lround(highest));
}

PdfTable CReferenceTables::SeriesRatings(const std::string& series) {
    const CCatalogueTable& sizes = m_catalogue.Table("SeriesSize");
    const std::vector<Row> rows = sizes.Where("SeriesLink", series);
    if (rows.empty()) {
        throw std::runtime_error("no sizes of series " + series);
    }
    const std::string family = m_catalogue.Text("Series", "SeriesLink", series, "CoilFamily");
    bool hasFlow = false;
    bool hasAc = false;
    bool hasDc = false;
    for (const Row& row : rows) {
        hasFlow = hasFlow || sizes.Get(row, "VolFlowMax", "") != "0";
        for (int i = 0; i < 6; ++i) {
            const bool rated = sizes.Get(row, kMopdColumns[i], "") != "0";
            (i < 3 ? hasAc : hasDc) = (i < 3 ? hasAc : hasDc) || rated;
        }
    }
    PdfTable table;
    table.header = {Label("port"), Label("orifice"), Label("cv"), Label("min-opd"),
                    Label("max-inlet")};
    if (hasFlow) {
        table.header.push_back(Label("vol-flow"));
    }
    if (hasAc) {
        table.header.push_back(Label("mopd-ac"));
    }
    if (hasDc) {
        table.header.push_back(Label("mopd-dc"));
    }
    table.header.push_back(Label(hasAc ? "coil-power" : "coil-power-dc"));
    for (const Row& row : rows) {
        Row cells = {PortText(sizes.Get(row, "ConSizeLink", "")),
                     m_catalogue.Text("Orifice", "OrificeLink", sizes.Get(row, "OrificeLink", ""),
                                      "OrificeLinkText"),
                     Decimal(sizes.Get(row, "Cv", "")), sizes.Get(row, "MinOPD", ""),
                     sizes.Get(row, "MaxInPress", "")};
        if (hasFlow) {
            cells.push_back(sizes.Get(row, "VolFlowMax", ""));
        }
        if (hasAc) {
            cells.push_back(Triple(row, "AC"));
        }
        if (hasDc) {
            cells.push_back(Triple(row, "DC"));
        }
        const std::string& powerClass = sizes.Get(row, "PowerClass", "");
        cells.push_back(hasAc ? Watts(family, powerClass, "AC") + " / " +
                                    Watts(family, powerClass, "DC")
                              : Watts(family, powerClass, "DC"));
        table.rows.push_back(std::move(cells));
    }
    return table;
}

PdfTable CReferenceTables::SeriesMaterials(const std::string& series) {
    const std::string& lang = m_catalogue.Language();
    const std::string flowPattern = m_catalogue.Text("Series", "SeriesLink", series, "FloPatLink");
    PdfTable table;
    table.header = {Label("part"), Label("choice"), Label("limits")};
    const auto add = [&](const std::string& part, std::vector<Row> rows) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            rows[i].insert(rows[i].begin(), i == 0 ? part : std::string());
            table.rows.push_back(rows[i]);
        }
    };
    std::vector<Row> bodies;
    for (const Row& link : m_catalogue.Table("SeriesBody").Where("SeriesLink", series)) {
        const CCatalogueTable& materials = m_catalogue.Table("BodyMaterial");
        const Row& material = materials.Find("BMaterialLink", link[1]);
        bodies.push_back({materials.Get(material, "BMaterialLinkText", lang),
                          Temperatures(materials.Get(material, "MinTemp_F", ""),
                                       materials.Get(material, "MaxTemp_F", "")) +
                              ", " + Label("ports-to") + " " + PortByOrder(link[2])});
    }
    add(Label("body"), bodies);
    std::vector<Row> seals;
    for (const Row& link : m_catalogue.Table("SeriesSeal").Where("SeriesLink", series)) {
        const CCatalogueTable& materials = m_catalogue.Table("Seal");
        const Row& material = materials.Find("SMaterialLink", link[1]);
        seals.push_back({materials.Get(material, "SMaterialLinkText", lang),
                         Temperatures(materials.Get(material, "MinTemp_F", ""),
                                      materials.Get(material, "MaxTemp_F", ""))});
    }
    add(Label("seal"), seals);
    std::vector<Row> connections;
    for (const Row& link : m_catalogue.Table("SeriesConType").Where("SeriesLink", series)) {
        connections.push_back(
            {m_catalogue.Text("ConnectionType", "ConTypeLink", link[1], "ConTypeLinkText"), ""});
    }
    add(Label("connection"), connections);
    std::vector<Row> options;
    const CCatalogueTable& patternOptions = m_catalogue.Table("FlowPatternOption");
    for (const Row& link : m_catalogue.Table("SeriesOption").Where("SeriesLink", series)) {
        if (link[1] == "NOOPT") {
            continue;
        }
        for (const Row& option : patternOptions.Where("FloPatLink", flowPattern)) {
            if (patternOptions.Get(option, "FloPatOptLink", "") == link[1]) {
                options.push_back({patternOptions.Get(option, "FloPatOptLinkText", lang),
                                   link[2].empty()
                                       ? std::string()
                                       : Label("min-opd-option") + " " + link[2] + " psi"});
            }
        }
    }
    add(Label("option"), options);
    return table;
}

PdfTable CReferenceTables::SeriesCoils(const std::string& series) {
    const std::string& lang = m_catalogue.Language();
    const std::string family = m_catalogue.Text("Series", "SeriesLink", series, "CoilFamily");
    PdfTable table;
    table.header = {Label("item"), Label("offered")};
    std::vector<std::string> classes;
    for (const Row& link : m_catalogue.Table("FamilyClass").Where("CoilFamily", family)) {
        const CCatalogueTable& coilClasses = m_catalogue.Table("CoilClass");
        const Row& coilClass = coilClasses.Find("CoilClsLink", link[1]);
        const std::string& maxF = coilClasses.Get(coilClass, "MaxFluidTemp_F", "");
        classes.push_back(coilClasses.Get(coilClass, "CoilClsLinkText", lang) + ", " +
                          Label("fluid-to") + " " + maxF + " \u00B0F (" + Celsius(maxF) +
                          " \u00B0C)");
    }
    table.rows.push_back({Label("coil-classes"), Joined(classes, "; ")});
    for (const char* current : {"AC", "DC"}) {
        std::vector<std::string> voltages;
        const CCatalogueTable& all = m_catalogue.Table("Voltage");
        for (const Row& link : m_catalogue.Table("FamilyVoltage").Where("CoilFamily", family)) {
            const Row& voltage = all.Find("VoltLink", link[1]);
            if (all.Get(voltage, "AcDcLink", "") == current) {
                voltages.push_back(all.Get(voltage, "VoltLinkText", lang));
            }
        }
        if (!voltages.empty()) {
            table.rows.push_back({Label(std::string("voltages-") + current), Joined(voltages)});
        }
    }
    std::vector<std::string> housings;
    const CCatalogueTable& housingTable = m_catalogue.Table("CoilHousing");
    for (const Row& link : m_catalogue.Table("FamilyHousing").Where("CoilFamily", family)) {
        const Row& housing = housingTable.Find("HousingCode", link[1]);
        housings.push_back(
            m_catalogue.Text("SolConstruction", "SolConstLink",
                             housingTable.Get(housing, "SolConstLink", ""), "SolConstLinkText") +
            ", " +
            m_catalogue.Text("Enclosure", "EncloseLink",
                             housingTable.Get(housing, "EncloseLink", ""), "EncloseLinkText") +
            " (" +
            m_catalogue.Text("OpEnvironment", "OpEnvLink",
                             housingTable.Get(housing, "OpEnvLink", ""), "OpEnvLinkText") +
            "): " + m_catalogue.Text("Approval", "ApprovLink", link[2], "ApprovLinkText"));
    }
    for (std::size_t i = 0; i < housings.size(); ++i) {
        table.rows.push_back({i == 0 ? Label("housings") : std::string(), housings[i]});
    }
    std::vector<std::string> signals;
    for (const Row& link : m_catalogue.Table("FamilyControlSig").Where("CoilFamily", family)) {
        if (link[1] != "NA") {
            signals.push_back(
                m_catalogue.Text("ControlSignal", "ControlSigLink", link[1], "ControlSigText"));
        }
    }
    if (!signals.empty()) {
        table.rows.push_back({Label("control-signals"), Joined(signals, "; ")});
    }
    return table;
}

PdfTable CReferenceTables::ApplicationSeries(const std::string& applications) {
    PdfTable table;
    table.header = {Label("series"), Label("description"), Label("ports"),
                    Label("cv"),     Label("max-inlet"),   Label("max-mopd")};
    std::vector<std::string> seen;
    for (const std::string& application : Split(applications)) {
        const auto rows = m_catalogue.Table("AppSeries").Where("AppTypeLink", application);
        if (rows.empty()) {
            throw std::runtime_error("no series for application " + application);
        }
        for (const Row& link : rows) {
            const std::string& series = link[1];
            if (std::find(seen.begin(), seen.end(), series) != seen.end()) {
                continue;
            }
            seen.push_back(series);
            table.rows.push_back({series,
                                  m_catalogue.Text("Series", "SeriesLink", series, "SeriesText"),
                                  SeriesRange(series, "ports"), SeriesRange(series, "cv"),
                                  SeriesRange(series, "max-inlet"), SeriesRange(series, "mopd")});
        }
    }
    return table;
}

PdfTable CReferenceTables::Applications() {
    const std::string& lang = m_catalogue.Language();
    const CCatalogueTable& applications = m_catalogue.Table("Application");
    PdfTable table;
    table.header = {Label("application"), Label("category"), Label("fluids"), Label("series")};
    for (const Row& row : applications.Rows()) {
        const std::string& link = applications.Get(row, "AppTypeLink", "");
        std::vector<std::string> states;
        for (const Row& state : m_catalogue.Table("AppFluidState").Where("AppTypeLink", link)) {
            states.push_back(
                m_catalogue.Text("FluidState", "FluidStateLink", state[1], "FluidStateText"));
        }
        std::vector<std::string> series;
        for (const Row& s : m_catalogue.Table("AppSeries").Where("AppTypeLink", link)) {
            series.push_back(s[1]);
        }
        table.rows.push_back({applications.Get(row, "AppTypeLinkText", lang),
                              Label("category-" + applications.Get(row, "AppCategoryLink", "")),
                              Joined(states), Joined(series)});
    }
    return table;
}

PdfTable CReferenceTables::SeriesOverview() {
    const CCatalogueTable& series = m_catalogue.Table("Series");
    PdfTable table;
    table.header = {Label("series"), Label("description"), Label("ports"),
                    Label("cv"),     Label("max-inlet"),   Label("sheet")};
    for (const Row& row : series.Rows()) {
        const std::string& link = series.Get(row, "SeriesLink", "");
        const std::string& sheet = series.Get(row, "RefFile", "");
        table.rows.push_back({link, series.Get(row, "SeriesText", m_catalogue.Language()),
                              SeriesRange(link, "ports"), SeriesRange(link, "cv"),
                              SeriesRange(link, "max-inlet"),
                              sheet.empty() ? Label("not-rated") : sheet});
    }
    return table;
}

PdfTable CReferenceTables::Materials(const std::string& tableName) {
    const bool body = tableName == "BodyMaterial";
    const std::string prefix = body ? "BMaterial" : "SMaterial";
    const CCatalogueTable& materials = m_catalogue.Table(tableName);
    PdfTable table;
    table.header = {Label("material"), Label("code"), Label("temperature")};
    for (const Row& row : materials.Rows()) {
        table.rows.push_back({materials.Get(row, prefix + "LinkText", m_catalogue.Language()),
                              materials.Get(row, "PNCode", ""),
                              Temperatures(materials.Get(row, "MinTemp_F", ""),
                                           materials.Get(row, "MaxTemp_F", ""))});
    }
    return table;
}

PdfTable CReferenceTables::Fluids() {
    const std::string& lang = m_catalogue.Language();
    const CCatalogueTable& fluids = m_catalogue.Table("Fluid");
    PdfTable table;
    table.header = {Label("fluid"), Label("state"), Label("category"), Label("gravity")};
    for (const Row& row : fluids.Rows()) {
        if (fluids.Get(row, "OtherMedia", "") == "1") {
            continue;
        }
        table.rows.push_back(
            {fluids.Get(row, "FluidLinkText", lang),
             m_catalogue.Text("FluidState", "FluidStateLink", fluids.Get(row, "FluidStateLink", ""),
                              "FluidStateText"),
             m_catalogue.Text("FluidCategory", "FluidCategoryLink",
                              fluids.Get(row, "FluidCategoryLink", ""), "FluidCategoryText"),
             Decimal(fluids.Get(row, "SpecificGravity", ""))});
    }
    return table;
}

PdfTable CReferenceTables::CoilPower() {
    const CCatalogueTable& power = m_catalogue.Table("CoilPower");
    PdfTable table;
    table.header = {Label("family"), Label("power-class"), Label("ac"), Label("dc")};
    std::set<std::string> done;
    for (const Row& row : power.Rows()) {
        const std::string& family = power.Get(row, "CoilFamily", "");
        const std::string& powerClass = power.Get(row, "PowerClass", "");
        if (!done.insert(family + "/" + powerClass).second) {
            continue;
        }
        table.rows.push_back({Label("family-" + family), powerClass,
                              Watts(family, powerClass, "AC"), Watts(family, powerClass, "DC")});
    }
    return table;
}

PdfTable CReferenceTables::CoilClasses() {
    const CCatalogueTable& classes = m_catalogue.Table("CoilClass");
    PdfTable table;
    table.header = {Label("coil-class"), Label("max-fluid-temperature")};
    for (const Row& row : classes.Rows()) {
        const std::string& maxF = classes.Get(row, "MaxFluidTemp_F", "");
        table.rows.push_back({classes.Get(row, "CoilClsLinkText", m_catalogue.Language()),
                              maxF + " \u00B0F (" + Celsius(maxF) + " \u00B0C)"});
    }
    return table;
}

PdfTable CReferenceTables::CoilHousings() {
    const CCatalogueTable& housings = m_catalogue.Table("CoilHousing");
    const CCatalogueTable& families = m_catalogue.Table("FamilyHousing");
    PdfTable table;
    table.header = {Label("housing"), Label("construction"), Label("enclosure"), Label("location"),
                    Label("approvals")};
    for (const Row& row : housings.Rows()) {
        const std::string& code = housings.Get(row, "HousingCode", "");
        std::vector<std::string> approvals;
        for (const Row& family : families.Where("HousingCode", code)) {
            approvals.push_back(
                Label("family-" + family[0]) + ": " +
                m_catalogue.Text("Approval", "ApprovLink", family[2], "ApprovLinkText"));
        }
        table.rows.push_back(
            {code,
             m_catalogue.Text("SolConstruction", "SolConstLink",
                              housings.Get(row, "SolConstLink", ""), "SolConstLinkText"),
             m_catalogue.Text("Enclosure", "EncloseLink", housings.Get(row, "EncloseLink", ""),
                              "EncloseLinkText"),
             m_catalogue.Text("OpEnvironment", "OpEnvLink", housings.Get(row, "OpEnvLink", ""),
                              "OpEnvLinkText"),
             Joined(approvals, "; ")});
    }
    return table;
}

PdfTable CReferenceTables::Voltages() {
    const CCatalogueTable& voltages = m_catalogue.Table("Voltage");
    PdfTable table;
    table.header = {Label("voltage"), Label("current"), Label("families")};
    for (const Row& row : voltages.Rows()) {
        std::vector<std::string> families;
        for (const Row& family : m_catalogue.Table("FamilyVoltage")
                                     .Where("VoltLink", voltages.Get(row, "VoltLink", ""))) {
            families.push_back(Label("family-" + family[0]));
        }
        table.rows.push_back({voltages.Get(row, "VoltLinkText", m_catalogue.Language()),
                              voltages.Get(row, "AcDcLink", ""), Joined(families)});
    }
    return table;
}

PdfTable CReferenceTables::Specialty() {
    const CCatalogueTable& valves = m_catalogue.Table("SpecialtyValve");
    PdfTable table;
    table.header = {Label("series"), Label("description"), Label("sheet")};
    for (const Row& row : valves.Rows()) {
        table.rows.push_back({valves.Get(row, "SeriesLinkText", m_catalogue.Language()),
                              valves.Get(row, "SeriesLinkDesc", m_catalogue.Language()),
                              valves.Get(row, "SeriesMoreInfo", "")});
    }
    return table;
}

PdfTable CReferenceTables::Described(const std::string& tableName, const std::string& name,
                                     const std::string& description) {
    const CCatalogueTable& rows = m_catalogue.Table(tableName);
    PdfTable table;
    table.header = {Label("item"), Label("description")};
    for (const Row& row : rows.Rows()) {
        table.rows.push_back({rows.Get(row, name, m_catalogue.Language()),
                              rows.Get(row, description, m_catalogue.Language())});
    }
    return table;
}

PdfTable CReferenceTables::Build(const std::string& kind, const std::string& argument) {
    if (kind == "series-ratings") {
        return SeriesRatings(argument);
    }
    if (kind == "series-materials") {
        return SeriesMaterials(argument);
    }
    if (kind == "series-coils") {
        return SeriesCoils(argument);
    }
    if (kind == "application-series") {
        return ApplicationSeries(argument);
    }
    if (kind == "applications") {
        return Applications();
    }
    if (kind == "series-overview") {
        return SeriesOverview();
    }
    if (kind == "body-materials") {
        return Materials("BodyMaterial");
    }
    if (kind == "seals") {
        return Materials("Seal");
    }
    if (kind == "fluids") {
        return Fluids();
    }
    if (kind == "coil-power") {
        return CoilPower();
    }
    if (kind == "coil-classes") {
        return CoilClasses();
    }
    if (kind == "coil-housings") {
        return CoilHousings();
    }
    if (kind == "voltages") {
        return Voltages();
    }
    if (kind == "specialty") {
        return Specialty();
    }
    if (kind == "terminations") {
        return Described("Termination", "TermLinkText", "TermStaticText");
    }
    if (kind == "enclosures") {
        return Described("Enclosure", "EncloseLinkText", "EncloseStaticText");
    }
    if (kind == "environments") {
        return Described("OpEnvironment", "OpEnvLinkText", "OpEnvStaticText");
    }
    throw std::runtime_error("unknown table " + kind);
}

}  // namespace veritom::stage
