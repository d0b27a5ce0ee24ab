#pragma once
// The variant file ("rsp"): the signature "VARI-TABLE" 1.0, the variant options at
// offset 20, a header padded to 1024 bytes, then the clean grid and the draft grid,
// C x 6 x N lesson slots each. In the file, lessons and rooms are named by their
// IDs and every class by the tag at its (day 1, lesson 1), so that a variant
// survives edits of the project it was built from.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "../common/ByteReader.h"
#include "../common/ByteWriter.h"
#include "../data/ProjectDocument.h"
#include "TTableVarItem.h"
#include "VariantOptions.h"

namespace lovaris {

inline constexpr std::size_t kVariantHeaderSize = 1024;
inline constexpr std::size_t kVariantOptionsOffset = 20;
// A shorter file holds no complete signature and options.
inline constexpr std::size_t kVariantMinimumHeader = kVariantOptionsOffset + VariantOptions::kRecordSize;

// The two grids, lessons and rooms converted to IDs; the variant is not changed.
void WriteToStream(const TTableVarItem& variant, ByteWriter& w);
// Reads the two grids of a file with `fileClasses` classes and `fileLessons` lessons
// per day into a variant created for the current project: classes matched by their
// tag, lessons and rooms by ID, what the project no longer has dropped, hours that
// no longer fit a lesson's hour spread removed. False, with the variant unchanged,
// when the reader does not hold both grids.
bool ReadFromStream(TTableVarItem& variant, ByteReader& r, int fileClasses, int fileLessons);

// The whole file, the options' selected day replaced by `currentDay`.
std::vector<std::uint8_t> SerializeVariant(const TTableVarItem& variant, const VariantOptions& options,
                                           int currentDay);

struct LoadedVariant {
    TTableVarItem variant;
    VariantOptions options;
};

// nullopt for anything that is not a variant file this program reads in full:
// short, another kind, a newer version, dimensions out of range, or grids cut off.
std::optional<LoadedVariant> ParseVariant(std::span<const std::uint8_t> bytes, const VariantCatalog& catalog);

// Writes the file safely (a temporary file renamed over the target).
FileOutcome SaveVariantFile(const std::string& path, const TTableVarItem& variant, const VariantOptions& options,
                            int currentDay);
// On failure `into` is left as it was and the outcome carries the system's message.
FileOutcome OpenVariantFile(const std::string& path, const VariantCatalog& catalog, LoadedVariant& into);

}  // namespace lovaris
