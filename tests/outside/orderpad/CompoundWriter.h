#pragma once

#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-utils.h>

#include <QByteArray>
#include <QStringList>
#include <ostream>

#include <map>
#include <string>
#include "OrderLine.h"

namespace orderpad::test {

// A compound file with the given elements, written with libgsf on its own: "a/" is a
// storage, "a/b" a stream in it holding the text. Storages must be listed before their
// streams (the map's order does that).
inline QByteArray WriteCompound(const std::map<std::string, std::string>& elements) {
    gsf_init();
    GsfOutput* sink = gsf_output_memory_new();
    GsfOutfile* root = gsf_outfile_msole_new(sink);
    std::map<std::string, GsfOutput*> storages;
    for (const auto& [path, text] : elements) {
        if (path.back() == '/') {
            storages[path] =
                gsf_outfile_new_child(root, path.substr(0, path.size() - 1).c_str(), TRUE);
            continue;
        }
        const auto slash = path.find('/');
        GsfOutfile* parent =
            slash == std::string::npos ? root : GSF_OUTFILE(storages.at(path.substr(0, slash + 1)));
        const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
        GsfOutput* stream = gsf_outfile_new_child(parent, name.c_str(), FALSE);
        gsf_output_write(stream, text.size(), reinterpret_cast<const guint8*>(text.data()));
        gsf_output_close(stream);
        g_object_unref(stream);
    }
    for (auto& [path, storage] : storages) {
        gsf_output_close(storage);
        g_object_unref(storage);
    }
    gsf_output_close(GSF_OUTPUT(root));
    g_object_unref(root);
    const QByteArray bytes(
        reinterpret_cast<const char*>(gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(sink))),
        static_cast<qsizetype>(gsf_output_size(sink)));
    g_object_unref(sink);
    return bytes;
}

// The elements of a well-formed part storage.
inline std::map<std::string, std::string> PartElements(int index, const std::string& number) {
    const std::string storage = "Part*" + std::to_string(index) + "/";
    return {{storage, ""},
            {storage + "Part Number", number},
            {storage + "Quantity", "1"},
            {storage + "Division", "Morvane Valve"},
            {storage + "Description", "Valve " + number},
            {storage + "Modification", "Mod"},
            {storage + "Customer Notes", "Cust Notes"}};
}

}  // namespace orderpad::test

namespace orderpad {

// Order lines in test failures.
inline void PrintTo(const OrderLine& line, std::ostream* out) {
    *out << QStringList{line.partNumber,   line.quantity,
                        line.division,     line.description,
                        line.modification, line.customerNotes,
                        line.sender,       line.received.toString(Qt::ISODateWithMs)}
                .join(QStringLiteral(" | "))
                .toStdString();
}

}  // namespace orderpad
