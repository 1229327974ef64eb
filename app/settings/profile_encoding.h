#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace settings {

// The encodings in which a profile file may come, told by its byte-order mark as the Windows
// profile functions tell them. Whatever the file's encoding, the store edits its text as UTF-8 and
// writes it back in the encoding it came in, mark included, so other readers of the file keep
// finding every entry.
enum class ProfileEncoding { Plain, Utf8WithMark, Utf16LE, Utf16BE };

struct ProfileText {
  ProfileEncoding encoding = ProfileEncoding::Plain;
  std::string text;  // UTF-8 (or the plain file's own bytes), without the mark
};

// The text of a file's bytes; nothing when a UTF-16 file is not valid UTF-16 (an odd length, a
// lone surrogate), since such a file could not be written back as it was.
std::optional<ProfileText> DecodeProfile(std::string_view bytes);

// The bytes of the text in the encoding; nothing when the text cannot be written in it (bytes that
// are not UTF-8, for a UTF-16 file).
std::optional<std::string> EncodeProfile(const ProfileText& profile);

}  // namespace settings
