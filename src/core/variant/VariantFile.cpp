#include "VariantFile.h"

#include "../common/BusySlots.h"
#include "../common/FileIO.h"
#include "../common/FileSignature.h"
#include "../common/MessageFormat.h"

namespace lovaris {
namespace {

using Grid = std::vector<LessonSlot>;

std::uint16_t classTagOf(std::int32_t classId) { return static_cast<std::uint16_t>(classId + 1); }

std::uint64_t gridBytes(std::int64_t classes, std::int64_t lessons) {
    return static_cast<std::uint64_t>(classes) * kVariantDays * static_cast<std::uint64_t>(lessons) *
           LessonSlot::kRecordSize;
}

// A slot as the file holds it: lesson ID instead of index, room IDs instead of indexes.
LessonSlot toFile(const VariantCatalog& catalog, int klass, LessonSlot slot) {
    if (!slot.occupied()) return slot;
    const auto& lessons = catalog.classes[static_cast<std::size_t>(klass)].lessons;
    if (static_cast<std::size_t>(slot.lessonIndex) >= lessons.size()) return LessonSlot::Empty();
    slot.lessonIndex = lessons[static_cast<std::size_t>(slot.lessonIndex)].id;
    for (auto& room : slot.rooms) {
        if (room == kNoRoom) continue;
        room = room < catalog.roomCount() ? static_cast<std::uint16_t>(catalog.roomIds[room]) : kNoRoom;
    }
    return slot;
}

// A file slot of a matched class in memory form; a lesson the class no longer has
// leaves the slot empty, a room the project no longer has leaves its subgroup without one.
LessonSlot fromFile(const VariantCatalog& catalog, int klass, LessonSlot slot) {
    if (slot.lessonIndex == -1) return LessonSlot::Empty();
    const int index = catalog.lessonIndexOfId(klass, slot.lessonIndex);
    if (index < 0) return LessonSlot::Empty();
    slot.lessonIndex = index;
    slot.classTag = 0;
    for (auto& room : slot.rooms) {
        if (room == kNoRoom) continue;
        const int roomIndex = catalog.roomIndexOfId(room);
        room = roomIndex < 0 ? kNoRoom : static_cast<std::uint16_t>(roomIndex);
    }
    return slot;
}

void writeLayer(const TTableVarItem& variant, bool draft, ByteWriter& w) {
    const auto& catalog = variant.catalog();
    for (int c = 0; c < variant.classCount(); ++c)
        for (int d = 1; d <= kVariantDays; ++d)
            for (int n = 1; n <= variant.lessonsPerDay(); ++n) {
                const LessonSlot inMemory = draft ? variant.GetDraftSlot(c, d, n) : variant.GetCleanSlot(c, d, n);
                LessonSlot slot = toFile(catalog, c, inMemory);
                if (d == 1 && n == 1) slot.classTag = classTagOf(catalog.classes[static_cast<std::size_t>(c)].id);
                slot.write(w);
            }
}

Grid readLayer(ByteReader& r, int classes, int lessons) {
    Grid grid(static_cast<std::size_t>(classes) * kVariantDays * static_cast<std::size_t>(lessons));
    for (auto& slot : grid) slot = LessonSlot::read(r);
    return grid;
}

// Copies each project class's row from the first file class carrying its tag.
void copyMatchedClasses(TTableVarItem& variant, const Grid& file, int fileClasses, int fileLessons, bool draft) {
    const auto& catalog = variant.catalog();
    const auto fileSlot = [&](int fc, int d, int n) -> const LessonSlot& {
        return file[static_cast<std::size_t>((fc * kVariantDays + d - 1) * fileLessons + n - 1)];
    };
    const int lessons = std::min(variant.lessonsPerDay(), fileLessons);
    for (int c = 0; c < variant.classCount(); ++c) {
        const std::uint16_t tag = classTagOf(catalog.classes[static_cast<std::size_t>(c)].id);
        int match = -1;
        for (int fc = 0; fc < fileClasses && match < 0; ++fc)
            if (fileSlot(fc, 1, 1).classTag == tag) match = fc;
        if (match < 0) continue;
        for (int d = 1; d <= kVariantDays; ++d)
            for (int n = 1; n <= lessons; ++n) {
                const LessonSlot slot = fromFile(catalog, c, fileSlot(match, d, n));
                if (draft)
                    variant.SetDraftSlot(c, d, slot, n);
                else
                    variant.SetCleanSlot(c, d, slot, n);
            }
    }
}

// Removes every hour of the lesson on the day; the draft stays packed.
void removeLessonFromDay(TTableVarItem& variant, int klass, int lessonIndex, int day) {
    for (int n = 1; n <= variant.lessonsPerDay(); ++n)
        if (variant.GetCleanSlot(klass, day, n).lessonIndex == lessonIndex)
            variant.SetCleanSlot(klass, day, LessonSlot::Empty(), n);
    for (int n = variant.lessonsPerDay(); n >= 1; --n)
        if (variant.GetDraftSlot(klass, day, n).lessonIndex == lessonIndex) variant.RemoveDraftHour(klass, day, n);
}

// A day's hours of a lesson must be one of its spread's blocks, each block used on
// one day only; hours that no longer fit are removed.
void keepHoursMatchingSpreads(TTableVarItem& variant) {
    const auto& catalog = variant.catalog();
    for (int c = 0; c < variant.classCount(); ++c) {
        const auto& lessons = catalog.classes[static_cast<std::size_t>(c)].lessons;
        for (std::size_t i = 0; i < lessons.size(); ++i) {
            const int lessonIndex = static_cast<int>(i);
            std::vector<bool> entryTaken(lessons[i].spread.size(), false);
            for (int d = 1; d <= kVariantDays; ++d) {
                const int hours = variant.CountLessonHoursOnDay(c, lessonIndex, d);
                if (hours == 0) continue;
                bool matched = false;
                for (std::size_t e = 0; e < entryTaken.size() && !matched; ++e)
                    if (!entryTaken[e] && lessons[i].spread[e] == hours) matched = entryTaken[e] = true;
                if (!matched) removeLessonFromDay(variant, c, lessonIndex, d);
            }
        }
    }
}

}  // namespace

void WriteToStream(const TTableVarItem& variant, ByteWriter& w) {
    writeLayer(variant, false, w);
    writeLayer(variant, true, w);
}

bool ReadFromStream(TTableVarItem& variant, ByteReader& r, int fileClasses, int fileLessons) {
    if (fileClasses < 0 || fileLessons < 1 || fileLessons > kMaxLessonsPerDay) return false;
    if (!r.canRead(2 * gridBytes(fileClasses, fileLessons))) return false;
    const Grid clean = readLayer(r, fileClasses, fileLessons);
    const Grid draft = readLayer(r, fileClasses, fileLessons);
    if (r.failed()) return false;

    TTableVarItem loaded;
    loaded.Create(variant.catalog());
    loaded.setRoomTracking(false);
    copyMatchedClasses(loaded, clean, fileClasses, fileLessons, false);
    copyMatchedClasses(loaded, draft, fileClasses, fileLessons, true);
    // Lessons the project no longer has leave holes; the draft of a day is packed.
    for (int c = 0; c < loaded.classCount(); ++c)
        for (int d = 1; d <= kVariantDays; ++d) loaded.CloseDraftGaps(c, d);
    keepHoursMatchingSpreads(loaded);
    loaded.setRoomTracking(true);
    loaded.RebuildRoomGrid();
    variant = std::move(loaded);
    return true;
}

std::vector<std::uint8_t> SerializeVariant(const TTableVarItem& variant, const VariantOptions& options,
                                           int currentDay) {
    ByteWriter w;
    kVariantSignature.write(w);
    VariantOptions stored = options;
    stored.selectedDay = static_cast<std::uint8_t>(currentDay);
    // The grids that follow have the variant's own dimensions, whatever file the
    // options were read from.
    stored.classCount = variant.classCount();
    stored.lessonsPerDay = variant.lessonsPerDay();
    stored.write(w);
    w.padTo(kVariantHeaderSize);
    WriteToStream(variant, w);
    return w.take();
}

std::optional<LoadedVariant> ParseVariant(std::span<const std::uint8_t> bytes, const VariantCatalog& catalog) {
    if (bytes.size() < kVariantMinimumHeader) return std::nullopt;
    ByteReader r(bytes);
    if (CompareSignature(FileSignature::read(r), kVariantSignature) != 0) return std::nullopt;
    LoadedVariant loaded;
    loaded.options = VariantOptions::read(r);
    const std::int32_t classes = loaded.options.classCount;
    const std::int32_t lessons = loaded.options.lessonsPerDay;
    if (r.failed() || classes < 0 || lessons < 1 || lessons > kMaxLessonsPerDay) return std::nullopt;
    if (bytes.size() < kVariantHeaderSize || bytes.size() - kVariantHeaderSize < 2 * gridBytes(classes, lessons))
        return std::nullopt;
    r.seek(kVariantHeaderSize);
    loaded.variant.Create(catalog);
    if (!ReadFromStream(loaded.variant, r, classes, lessons)) return std::nullopt;
    return loaded;
}

FileOutcome SaveVariantFile(const std::string& path, const TTableVarItem& variant, const VariantOptions& options,
                            int currentDay) {
    if (!WriteFileAtomically(path, SerializeVariant(variant, options, currentDay)))
        return FileOutcome::failure(FormatMessage(TextId::FileWriteError, FileNameWithoutFolder(path)));
    return FileOutcome::success();
}

FileOutcome OpenVariantFile(const std::string& path, const VariantCatalog& catalog, LoadedVariant& into) {
    const auto bytes = ReadWholeFile(path);
    if (!bytes) return FileOutcome::failure(FormatMessage(TextId::FileOpenError, FileNameWithoutFolder(path)));
    auto loaded = ParseVariant(*bytes, catalog);
    if (!loaded) return FileOutcome::failure(FormatMessage(TextId::FileFormatUnknown, FileNameWithoutFolder(path)));
    into = std::move(*loaded);
    return FileOutcome::success();
}

}  // namespace lovaris
