#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

// What the selector and the order pad program agree on: the layout of the transfer document
// and the requests and replies on the order pad's local socket.
namespace veritom::orderpad {

// The transfer document (an OLE2 compound file). Every text stream holds the UTF-8 bytes of
// its text, without terminator and without length prefix.
inline constexpr const char* kPartStorageFormat = "Part*%d";
inline constexpr const char* kPartStreamNames[] = {"Part Number", "Quantity",     "Division",
                                                   "Description", "Modification", "Customer Notes"};
inline constexpr int kPartStreamCount = 6;
inline constexpr const char* kSelectionObjectStream = "Selection Object";
inline constexpr const char* kVeritomNameStream = "Veritom Name";

// A request is the magic, the command (one byte) and the length of the document that follows
// (empty but for kSend); a reply is the magic, the status (one byte), the number of parts
// taken into the order list and the length of a UTF-8 text saying why not, then the text.
// Numbers are 32-bit, big-endian.
inline constexpr std::uint32_t kRequestMagic = 0x564F5031;  // "VOP1"
inline constexpr std::uint32_t kReplyMagic = 0x564F5052;    // "VOPR"
inline constexpr int kRequestHeaderBytes = 9;
inline constexpr int kReplyHeaderBytes = 13;
enum class Command : std::uint8_t { Show = 1, Send = 2 };
enum class Status : std::uint8_t { Done = 0, Refused = 1, NotSaved = 2, BadRequest = 3 };
// A larger document, or reply text, is refused unread.
inline constexpr std::uint32_t kMaxDocumentBytes = 16u * 1024u * 1024u;
inline constexpr std::uint32_t kMaxReplyTextBytes = 64u * 1024u;

// The file name of the order pad program in the shared data directory.
inline constexpr const char* kProgramName = "orderpad";

// The local socket the running order pad listens on: one per user, or the name in
// $VERITOM_ORDERPAD_SOCKET.
inline std::string ServerName() {
    if (const char* name = std::getenv("VERITOM_ORDERPAD_SOCKET"); name && *name) {
        return name;
    }
    return "veritom-orderpad-" + std::to_string(::getuid());
}

}  // namespace veritom::orderpad
