// The payload behind the launcher image: configuration block, its length, the archive.
#pragma once

#include <cstdint>

#include "base/text.h"

namespace xvo {

class Settings;

/// The region searched for the archive's end record and what follows that record.
/// Returns the length C of the bytes after the end record's 22 fixed bytes, or -1 when
/// no end record lies in the searched region.
int32_t archiveTrailerLength(const unsigned char* data, int64_t size);

/// File offset of the first byte after the block length field, for a file of size bytes
/// holding an archive of archiveLength bytes: the end record must sit where the trailer
/// search found it. -1 when the file cannot hold such a payload (an unpatched slot, a
/// length larger than the file, no end record, a file of 2 GiB or more).
int32_t payloadLengthFieldEnd(const unsigned char* data, int64_t size, uint32_t archiveLength);

/// The configuration block that ends at lengthFieldEnd - 4, copied up to its first NUL
/// and zero-filled to its length. Empty when the length field or the block would lie
/// outside the file or the length is negative.
Text configurationBlockAt(const unsigned char* data, int64_t size, int32_t lengthFieldEnd);

/// The archive length the packer wrote into this image's slot (0 when unpatched).
uint32_t archiveLengthFromSlot();

/// The bytes after the archive's end record in the launcher file (empty when none).
Text findArchiveTrailer();
/// Sets settings.lengthFieldEnd from the launcher file (-1 when it holds no payload).
void locatePayload(Settings& settings);
/// The configuration block of the launcher file; empty for a damaged or foreign file.
Text readEmbeddedBlock(const Settings& settings);

}  // namespace xvo
