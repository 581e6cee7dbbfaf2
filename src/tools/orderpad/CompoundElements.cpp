#include "CompoundElements.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-input.h>
#include <gsf/gsf-utils.h>

#include <memory>

#include "base/Format.h"
#include "base/StringTable.h"
#include "tools/ToolStrings.h"

namespace veritom {

namespace {

// A transfer document nests one level; a damaged directory may loop.
constexpr int kMaxDepth = 16;

struct Unref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
using InputPtr = std::unique_ptr<GsfInput, Unref>;
using InfilePtr = std::unique_ptr<GsfInfile, Unref>;

bool IsStorage(GsfInput* input) {
    return GSF_IS_INFILE(input) && gsf_infile_num_children(GSF_INFILE(input)) >= 0;
}

class Walker {
public:
    Walker(std::vector<CompoundElement>& elements, std::string& reason)
        : m_elements(elements), m_reason(reason) {}

    bool Walk(GsfInfile* storage, const std::string& prefix, int depth) {
        if (depth > kMaxDepth) {
            m_reason = LoadString(ids::kCompoundTooDeep);
            return false;
        }
        for (int i = 0; i < gsf_infile_num_children(storage); ++i) {
            InputPtr child(gsf_infile_child_by_index(storage, i));
            if (!child) {
                m_reason = LoadString(ids::kCompoundElementUnreadable);
                return false;
            }
            const char* name = gsf_input_name(child.get());
            const std::string path = prefix + (name ? name : "");
            if (IsStorage(child.get())) {
                m_elements.push_back({path, true, {}});
                if (!Walk(GSF_INFILE(child.get()), path + '/', depth + 1)) {
                    return false;
                }
            } else if (!ReadStream(child.get(), path)) {
                return false;
            }
        }
        return true;
    }

private:
    bool ReadStream(GsfInput* stream, const std::string& path) {
        const gsf_off_t size = gsf_input_size(stream);
        CompoundElement element{path, false, {}};
        if (size > 0) {
            const guint8* data = gsf_input_read(stream, static_cast<std::size_t>(size), nullptr);
            if (!data) {
                m_reason = Format(LoadString(ids::kCompoundStreamUnreadable), path);
                return false;
            }
            element.bytes.assign(reinterpret_cast<const char*>(data),
                                 static_cast<std::size_t>(size));
        }
        m_elements.push_back(std::move(element));
        return true;
    }

    std::vector<CompoundElement>& m_elements;
    std::string& m_reason;
};

}  // namespace

bool ReadCompoundElements(const std::vector<unsigned char>& bytes,
                          std::vector<CompoundElement>& elements, std::string& reason) {
    static const bool initialised = [] {
        gsf_init();
        return true;
    }();
    (void)initialised;

    elements.clear();
    reason.clear();
    InputPtr input(gsf_input_memory_new(bytes.data(), static_cast<gsf_off_t>(bytes.size()), FALSE));
    GError* failure = nullptr;
    InfilePtr root(input ? gsf_infile_msole_new(input.get(), &failure) : nullptr);
    if (failure) {
        reason = failure->message ? failure->message : "";
        g_error_free(failure);
    }
    if (!root) {
        return false;
    }
    Walker walker(elements, reason);
    if (!walker.Walk(root.get(), "", 0)) {
        elements.clear();
        return false;
    }
    return true;
}

}  // namespace veritom
