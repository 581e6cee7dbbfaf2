#pragma once

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-input.h>
#include <gsf/gsf-utils.h>

#include <map>
#include <string>
#include <vector>

namespace veritom::test {

// Every element of a compound file read with libgsf on its own: a storage as "path/" with an
// empty text, a stream as "path" with its bytes. Empty when the bytes are no compound file.
inline std::map<std::string, std::string> ReadCompound(const std::vector<unsigned char>& bytes) {
    gsf_init();
    std::map<std::string, std::string> elements;
    GsfInput* input =
        gsf_input_memory_new(bytes.data(), static_cast<gsf_off_t>(bytes.size()), FALSE);
    GsfInfile* root = gsf_infile_msole_new(input, nullptr);
    g_object_unref(input);
    if (!root) {
        return elements;
    }
    struct Walker {
        std::map<std::string, std::string>& out;
        void Walk(GsfInfile* storage, const std::string& prefix) {
            for (int i = 0; i < gsf_infile_num_children(storage); ++i) {
                GsfInput* child = gsf_infile_child_by_index(storage, i);
                const std::string name = prefix + gsf_input_name(child);
                if (GSF_IS_INFILE(child) && gsf_infile_num_children(GSF_INFILE(child)) >= 0) {
                    out[name + "/"] = "";
                    Walk(GSF_INFILE(child), name + "/");
                } else {
                    const gsf_off_t size = gsf_input_size(child);
                    const guint8* data = size > 0 ? gsf_input_read(child, size, nullptr) : nullptr;
                    out[name] = data ? std::string(reinterpret_cast<const char*>(data), size) : "";
                }
                g_object_unref(child);
            }
        }
    } walker{elements};
    walker.Walk(root, "");
    g_object_unref(root);
    return elements;
}

}  // namespace veritom::test
