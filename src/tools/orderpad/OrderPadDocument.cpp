#include "OrderPadDocument.h"

#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-output.h>
#include <gsf/gsf-utils.h>

#include "base/Format.h"
#include "tools/orderpad/OrderPadProtocol.h"

namespace veritom {

namespace {

void InitGsfOnce() {
    static const bool initialised = [] {
        gsf_init();
        return true;
    }();
    (void)initialised;
}

// Closes and releases a child; false when closing (flushing) it failed.
bool CloseChild(GsfOutput* child) {
    const bool closed = gsf_output_close(child);
    g_object_unref(child);
    return closed;
}

bool WriteStream(GsfOutfile* parent, const char* name, const std::string& text) {
    GsfOutput* stream = gsf_outfile_new_child(parent, name, FALSE);
    if (!stream) {
        return false;
    }
    const bool written =
        text.empty() ||
        gsf_output_write(stream, text.size(), reinterpret_cast<const guint8*>(text.data()));
    return CloseChild(stream) && written;
}

}  // namespace

COrderPadDocument::COrderPadDocument() {
    InitGsfOnce();
}

COrderPadDocument::~COrderPadDocument() {
    Discard();
}

bool COrderPadDocument::Start() {
    if (m_root) {
        return true;
    }
    m_sink = gsf_output_memory_new();
    m_root = m_sink ? gsf_outfile_msole_new(m_sink) : nullptr;
    if (!m_root) {
        Discard();
        return false;
    }
    return true;
}

bool COrderPadDocument::Claim(const std::string& name) {
    return m_rootNames.insert(name).second;
}

bool COrderPadDocument::WriteSelectionObject(const std::vector<unsigned char>& bytes) {
    if (!Start() || !Claim(orderpad::kSelectionObjectStream)) {
        return false;
    }
    return WriteStream(m_root, orderpad::kSelectionObjectStream,
                       std::string(bytes.begin(), bytes.end()));
}

bool COrderPadDocument::AddPart(int index, const OrderPadPart& part) {
    const std::string name = Format(orderpad::kPartStorageFormat, index);
    if (name.empty() || !Start() || !Claim(name)) {
        return false;
    }
    GsfOutput* storage = gsf_outfile_new_child(m_root, name.c_str(), TRUE);
    if (!storage) {
        return false;
    }
    const std::string* texts[orderpad::kPartStreamCount] = {
        &part.partNumber,  &part.quantity,     &part.division,
        &part.description, &part.modification, &part.customerNotes};
    bool written = true;
    for (int i = 0; i < orderpad::kPartStreamCount && written; ++i) {
        written = WriteStream(GSF_OUTFILE(storage), orderpad::kPartStreamNames[i], *texts[i]);
    }
    return CloseChild(storage) && written;
}

std::optional<std::vector<unsigned char>> COrderPadDocument::Finish(
    const std::string& veritomName) {
    std::optional<std::vector<unsigned char>> bytes;
    if (Start() && Claim(orderpad::kVeritomNameStream) &&
        WriteStream(m_root, orderpad::kVeritomNameStream, veritomName)) {
        const bool closed = gsf_output_close(GSF_OUTPUT(m_root));
        g_object_unref(m_root);
        m_root = nullptr;
        if (closed) {
            const guint8* data = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(m_sink));
            const gsf_off_t size = gsf_output_size(m_sink);
            if (data && size > 0) {
                bytes.emplace(data, data + size);
            }
        }
    }
    Discard();
    return bytes;
}

void COrderPadDocument::Discard() {
    if (m_root) {
        // Closing is the only way to let go of an outfile cleanly; what it wrote is dropped.
        gsf_output_close(GSF_OUTPUT(m_root));
        g_object_unref(m_root);
        m_root = nullptr;
    }
    if (m_sink) {
        // The compound file closes its sink with itself.
        if (!gsf_output_is_closed(m_sink)) {
            gsf_output_close(m_sink);
        }
        g_object_unref(m_sink);
        m_sink = nullptr;
    }
    m_rootNames.clear();
}

}  // namespace veritom
