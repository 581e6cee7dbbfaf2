#pragma once

#include <string>
#include <vector>

namespace veritom {

class IDatabase;

// The Speciality Valves list: the valves the wizard does not offer, each with its catalogue
// file in the language's data folder, and the catalogue's note above them.
class CSpecialityValves {
public:
    struct Valve {
        std::string line;  // series and description, tab-separated
        std::string file;
    };

    explicit CSpecialityValves(IDatabase& db);

    // Reads the list and the note; selects the first valve.
    void Load();
    const std::vector<Valve>& GetValves() const { return m_valves; }
    const std::string& GetNote() const { return m_note; }
    int GetSelectedIndex() const { return m_selected; }
    bool Select(int index);

    // Opens the selected valve's catalogue file from folder; "Cannot open file:  " and the
    // path when the name is no plain name of a file there. Nothing happens without a
    // selection.
    void OpenCatalog(const std::string& folder) const;

private:
    IDatabase& m_db;
    std::vector<Valve> m_valves;
    std::string m_note;
    int m_selected = -1;
};

}  // namespace veritom
