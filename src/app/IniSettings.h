#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veritom {

// The contents of an INI file in the form QSettings (IniFormat) writes and reads, without
// Qt: keys are '/'-separated paths ("Software/Veldor Kastrel/Veritom/NetPath"), made of the
// section name and the key name with their %-escapes undone and '\' read as '/'; values
// with their quotes and \-escapes undone. Where a name is defined twice the later section
// in name order wins, as with QSettings.
class CIniSettings {
public:
    // Parses data (UTF-8, an optional byte order mark). What cannot be parsed is skipped;
    // FormatOk says whether there was any such part that QSettings reports as a format error.
    static CIniSettings Parse(std::string_view data);

    bool FormatOk() const { return m_formatOk; }

    // Names of the groups and keys directly below group ("" for the top), in the order of
    // their UTF-16 code units, as QSettings lists them.
    std::vector<std::string> ChildGroups(const std::string& group) const;
    std::vector<std::string> ChildKeys(const std::string& group) const;

    // The value of key as QSettings hands a stored text back, converted to text: a list (an
    // unquoted value with commas) is its items joined by ", "; "@@" is "@"; @String(...) and
    // @ByteArray(...) are their contents; other typed values (@Variant, @Rect, ...) read as
    // empty. Nothing when there is no such key.
    std::optional<std::string> Text(const std::string& key) const;

private:
    struct Value {
        bool isList = false;
        std::u16string text;
        std::vector<std::u16string> items;
    };

    static Value UnescapeValue(std::string_view value);
    void ParseSection(const std::string& prefix, std::string_view data);
    std::vector<std::string> Children(const std::string& group, bool groups) const;

    std::map<std::string, Value> m_values;
    bool m_formatOk = true;
};

// UTF-16 code unit order, the order of QString's operator<.
bool Utf16Less(const std::string& a, const std::string& b);
// Compares two names without regard to letter case, code unit by code unit as QString does
// with Qt::CaseInsensitive; negative, zero or positive.
int CompareIgnoringCase(const std::string& a, const std::string& b);

}  // namespace veritom
