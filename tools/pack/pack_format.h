// The byte layout of a packaged executable, as pure functions over byte strings: finding
// the archive-length slot and the archive's end record, building the configuration block
// and the whole file, and reading the block back. No file access here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace xvo::pack {

using Bytes = std::string;

/// The text the launcher keeps in the last 18 bytes of its 22-byte archive-length slot.
extern const char kSlotMarker[];
constexpr size_t kSlotMarkerLength = 18;
constexpr size_t kSlotLength = 22;
constexpr size_t kEndRecordLength = 22;
constexpr size_t kOpaqueLength = 16;
/// Files of this size or more are outside the format: the launcher computes in 32 bits.
constexpr uint64_t kMaximumOutput = uint64_t(1) << 31;

/// A result: empty error means success.
struct Outcome {
    std::string error;
    bool ok() const { return error.empty(); }
};

/// Finds the slot by its marker, which must occur exactly once in image. On success
/// *slotOffset is the offset of the slot's first byte.
Outcome findSlot(const Bytes& image, size_t* slotOffset);

/// Finds the archive's end-of-central-directory record: the last signature whose
/// comment-length field reaches exactly to the end of archive. On success
/// *endRecord is its offset; A is *endRecord + 22 and the rest is the trailer.
/// Refuses a trailer that itself holds an end signature, since the launcher takes the
/// last signature it sees and would then misplace the configuration.
Outcome findEndRecord(const Bytes& archive, size_t* endRecord);

/// The configuration block from the text of a configuration file: UTF-8 mark, lines ended
/// with CR LF (LF, CR LF and lone CR accepted), one NUL. An input UTF-8 mark is dropped.
/// Refuses a NUL in the text and text that is not UTF-8.
Outcome buildConfigBlock(const Bytes& text, Bytes* block);

/// Refuses a packaged executable of totalBytes: the launcher computes offsets in 32 bits.
Outcome checkOutputSize(uint64_t totalBytes);

/// The smallest packaged executable that an image and an archive of these sizes can give
/// (an empty configuration), so that oversized input is refused before it is read.
uint64_t smallestOutputSize(uint64_t imageBytes, uint64_t archiveBytes);

/// The whole packaged executable: image (with A in its slot), block, its length, the
/// opaque field, archive.
Outcome buildPackage(const Bytes& image, const Bytes& configText, const Bytes& archive, Bytes* output);

/// The configuration text of a packaged executable, without mark and NUL, as written.
Outcome readConfig(const Bytes& packaged, Bytes* text);

}  // namespace xvo::pack
